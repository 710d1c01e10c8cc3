#include "folivex_doc.h"

#include <cstdlib>
#include <filesystem>
#include <utility>

#include "atomic_file.h"
#include "cp932_wx.h"
#include "host_messages.h"
#include "paths.h"
#include "profile_file.h"
#include "utf8_text.h"

namespace {

// A value is cut to one byte less than this when read. The option sheet keeps every field
// well inside it, so only a hand-edited file loses bytes.
constexpr std::size_t kSettingBuffer = 260;
constexpr const char* kSection = "DEFAULT";

// How the host calls an entry point.
enum class EntryShape { List, Html, Window };

struct CommandEntry {
    PluginCommand command;
    EntryShape shape;
    const char* failureText;
};

// One row per command, in the order of PluginCommand.
constexpr CommandEntry kCommands[] = {
    {PluginCommand::CreateHTML, EntryShape::Html, "HTMLの生成に失敗しました。"},
    {PluginCommand::AddItem, EntryShape::List, "アイテムの追加に失敗しました。"},
    {PluginCommand::DeleteItem, EntryShape::List, "アイテムの削除に失敗しました。"},
    {PluginCommand::EditItem, EntryShape::List, "アイテムの編集に失敗しました。"},
    {PluginCommand::CopyItem, EntryShape::List, "アイテムのコピーに失敗しました。"},
    {PluginCommand::ViewItem, EntryShape::List, "アイテムの詳細表示に失敗しました。"},
    {PluginCommand::SearchItem, EntryShape::List, "アイテムの検索に失敗しました。"},
    {PluginCommand::ClearList, EntryShape::List, "リストのクリアに失敗しました。"},
    {PluginCommand::Option, EntryShape::Window, "プラグインオプションの設定に失敗しました。"},
    {PluginCommand::About, EntryShape::Window, "プラグインバージョンの表示に失敗しました。"},
    {PluginCommand::Help, EntryShape::Window, "プラグインヘルプの表示に失敗しました。"},
};

constexpr std::size_t EntryIndex(PluginCommand command) {
    return static_cast<std::size_t>(command);
}
constexpr std::size_t EntryIndex(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kPluginEntryNames); ++i) {
        if (kPluginEntryNames[i] == name) return i;
    }
    return std::size(kPluginEntryNames);
}
constexpr std::size_t kStartUp = EntryIndex("StartUp");
constexpr std::size_t kCleanUp = EntryIndex("CleanUp");

constexpr bool CommandsInTableOrder() {
    for (std::size_t i = 0; i < std::size(kCommands); ++i) {
        if (EntryIndex(kCommands[i].command) != i) return false;
    }
    // The commands come first in kPluginEntryNames, in the enum's order, then StartUp and CleanUp.
    return std::size(kCommands) == kStartUp && kCleanUp == kStartUp + 1 &&
           EntryIndex("Help") == EntryIndex(PluginCommand::Help);
}
static_assert(CommandsInTableOrder());

const CommandEntry& Command(PluginCommand command) {
    return kCommands[EntryIndex(command)];
}

void ShowInvalidResult() {
    ShowHostError(U("プラグイン関数の戻り値が不正です。"));
}

// atoi's reading of the leading digits, without its undefined overflow.
int ReadFlag(const std::string& value) {
    return std::strtol(value.c_str(), nullptr, 10) == 1 ? 1 : 0;
}

}  // namespace

CFolivexDoc* RequireDocument(CFolivexDoc* doc) {
    if (doc == nullptr) ShowHostError(U("内部処理エラーが発生しました。"));
    return doc;
}

std::optional<int> CallPluginGuarded(const std::function<int()>& call) {
    try {
        return call();
    } catch (...) {
        ShowHostError(U("プラグイン関数の実行中に例外が発生しました。"));
        return std::nullopt;
    }
}

CFolivexDoc::CFolivexDoc(std::string startupDirectory)
    : programDirectory(paths::ProgramDirectory()), startupDirectory(std::move(startupDirectory)) {}

CFolivexDoc::~CFolivexDoc() {
    UnloadPlugin();
}

std::string CFolivexDoc::SettingsPath() const {
    const std::string directory = isWritableDirectory(programDirectory) ? programDirectory : UserSettingsDirectory();
    return paths::Join(directory, "Folivex.ini");
}

void CFolivexDoc::LoadHostSettings() {
    std::string path = SettingsPath();
    // Until the user saves settings of their own, the file beside the program gives them.
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) path = paths::Join(programDirectory, "Folivex.ini");
    std::string bytes;
    profile::ReadFile(path, bytes);
    const auto read = [&](const char* key, const char* absent) {
        return profile::ReadStringFrom(bytes, kSection, key, absent, kSettingBuffer);
    };
    HTMLOutDirectory = read("HTMLOutDirectory", "");
    HTMLIndexFileName = read("HTMLIndexFileName", "");
    HTMLEditorPath = read("HTMLEditorPath", "");
    BrowseHTMLAfterCreate = ReadFlag(read("BrowseHTMLAfterCreate", "0"));
    PluginName = read("PluginName", "");
    UpdateTitle();
    LoadPlugin();
}

bool CFolivexDoc::SaveHostSettings() {
    const std::string path = SettingsPath();
    // The user's configuration folder may not exist yet; a failure shows in the write.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    // The five keys go into the file's bytes and the file is replaced once: a crash leaves
    // the old settings or the new ones, never a mix.
    std::string bytes;
    return profile::ReadFile(path, bytes) &&
           profile::SetString(bytes, kSection, "HTMLOutDirectory", HTMLOutDirectory) &&
           profile::SetString(bytes, kSection, "HTMLIndexFileName", HTMLIndexFileName) &&
           profile::SetString(bytes, kSection, "HTMLEditorPath", HTMLEditorPath) &&
           profile::SetString(bytes, kSection, "BrowseHTMLAfterCreate", BrowseHTMLAfterCreate == 1 ? "1" : "0") &&
           profile::SetString(bytes, kSection, "PluginName", PluginName) && fileio::WriteFileAtomically(path, bytes);
}

wxString CFolivexDoc::GetTitleText() const {
    return PluginName.empty() ? U("ﾌﾟﾗｸﾞｲﾝを設定してください") : cp932::ToWx(PluginName);
}

void CFolivexDoc::UpdateTitle() {
    if (m_view != nullptr) m_view->OnTitleChanged(GetTitleText());
}

bool CFolivexDoc::LoadPlugin() {
    if (PluginName.empty()) {
        ShowHostError(U("プラグイン名称が未設定です。"));
        return false;
    }
    UnloadPlugin();
    // A library whose CleanUp refused stays loaded; the loader lets go of it unfreed.
    if (!m_plugin.Load(PluginName, programDirectory)) {
        ShowHostError(U("プラグインのロードに失敗しました。"));
        return false;
    }
    const bool complete = m_plugin.IsComplete();
    if (!complete) {
        ShowHostError(
            U("プラグインが正しくないか、いくつかの機能が実装されていません。\n"
              "処理中に予期せぬエラーが発生する可能性があります。"));
    }
    if (m_view != nullptr) m_view->OnUpdate(HINT_PLUGIN_LOADED);
    return complete;
}

void CFolivexDoc::UnloadPlugin() {
    if (!m_plugin.IsLoaded()) {
        return;
    }
    if (void* cleanUp = m_plugin.Entry(kCleanUp)) {
        const std::optional<int> result = CallPluginGuarded(reinterpret_cast<CleanUpFunc>(cleanUp));
        if (result && *result != PLUGIN_OK) {
            if (*result == PLUGIN_FAILED) {
                ShowHostError(U("プラグインの終了処理に失敗しました。"));
            } else if (*result != PLUGIN_CANCELLED) {
                ShowInvalidResult();
            }
            return;
        }
    }
    m_plugin.Free();
}

void CFolivexDoc::StartPlugin(IPluginList* list) {
    auto startUp = reinterpret_cast<StartUpFunc>(m_plugin.Entry(kStartUp));
    if (startUp == nullptr) {
        return;
    }
    const std::optional<int> result = CallPluginGuarded([&] { return startUp(list, startupDirectory.c_str()); });
    if (!result) {
        UnloadPlugin();
    } else if (*result == PLUGIN_FAILED) {
        ShowHostError(U("プラグインの初期化に失敗しました。"));
    } else if (*result != PLUGIN_OK && *result != PLUGIN_CANCELLED) {
        ShowInvalidResult();
    }
}

bool CFolivexDoc::HasEntry(PluginCommand command) const {
    return m_plugin.Entry(EntryIndex(command)) != nullptr;
}

int CFolivexDoc::Invoke(PluginCommand command, IPluginList* list) const {
    void* entry = m_plugin.Entry(EntryIndex(command));
    switch (Command(command).shape) {
        case EntryShape::Html: {
            // Settings hold CP932; the plug-in opens the files, so paths go as file-system bytes.
            const std::optional<std::string> directory = paths::FromSettings(HTMLOutDirectory);
            const std::optional<std::string> index = paths::FromSettings(HTMLIndexFileName);
            if (!directory || !index) return PLUGIN_FAILED;
            return reinterpret_cast<CreateHTMLFunc>(entry)(list, directory->c_str(), index->c_str());
        }
        case EntryShape::List:
            return reinterpret_cast<AddItemFunc>(entry)(list);
        case EntryShape::Window:
            return reinterpret_cast<OptionFunc>(entry)();
    }
    return PLUGIN_FAILED;
}

bool CFolivexDoc::RunPluginCommand(PluginCommand command, IPluginList* list) {
    if (!IsPluginLoaded()) {
        ShowHostError(U("プラグインが読みこまれていません。"));
        return false;
    }
    if (!HasEntry(command)) {
        ShowHostError(U("この機能はプラグインに実装されていません。"));
        return false;
    }
    const std::optional<int> result = CallPluginGuarded([&] { return Invoke(command, list); });
    if (!result || *result == PLUGIN_CANCELLED) {
        return false;
    }
    if (*result == PLUGIN_OK) {
        return true;
    }
    if (*result == PLUGIN_FAILED) {
        ShowHostError(U(Command(command).failureText));
    } else {
        ShowInvalidResult();
    }
    return false;
}
