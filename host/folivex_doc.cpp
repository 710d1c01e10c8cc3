#include "folivex_doc.h"

#include <cstdlib>
#include <utility>

#include <wx/filename.h>
#include <wx/toplevel.h>

#include "cp932_wx.h"
#include "folivex_view.h"
#include "host_messages.h"
#include "paths.h"
#include "profile_file.h"

namespace {

// The settings are read through buffers of this size, as the settings file always was.
constexpr std::size_t kSettingBuffer = 260;
constexpr const char* kSection = "DEFAULT";

wxString Text(const char* utf8) {
    return wxString::FromUTF8(utf8);
}

const char* FailureMessage(PluginCommand command) {
    switch (command) {
        case CreateHTML:
            return "HTMLの生成に失敗しました。";
        case AddItem:
            return "アイテムの追加に失敗しました。";
        case DeleteItem:
            return "アイテムの削除に失敗しました。";
        case EditItem:
            return "アイテムの編集に失敗しました。";
        case CopyItem:
            return "アイテムのコピーに失敗しました。";
        case ViewItem:
            return "アイテムの詳細表示に失敗しました。";
        case SearchItem:
            return "アイテムの検索に失敗しました。";
        case ClearList:
            return "リストのクリアに失敗しました。";
        case Option:
            return "プラグインオプションの設定に失敗しました。";
        case About:
            return "プラグインバージョンの表示に失敗しました。";
        case Help:
            return "プラグインヘルプの表示に失敗しました。";
    }
    return "";
}

void ShowInvalidResult() {
    ShowHostError(Text("プラグイン関数の戻り値が不正です。"));
}

// atoi's reading of the leading digits, without its undefined overflow.
int ReadFlag(const std::string& value) {
    return std::strtol(value.c_str(), nullptr, 10) == 1 ? 1 : 0;
}

wxString FileSystemText(const std::string& bytes) {
    return wxString(bytes.c_str(), *wxConvFileName);
}

// A bare name is looked up in the program directory first, then by the system's search;
// a name with a directory is used as it stands.
wxDllType OpenLibrary(const std::string& name, const std::string& programDirectory) {
    const int flags = wxDL_NOW | wxDL_VERBATIM | wxDL_QUIET;
    const wxString wxName = cp932::ToWx(name);
    wxDynamicLibrary library;
    if (name.find('/') == std::string::npos) {
        const wxString local = FileSystemText(programDirectory) + "/" + wxName;
        if (wxFileName::FileExists(local)) {
            library.Load(local, flags);
            return library.Detach();
        }
    }
    library.Load(wxName, flags);
    return library.Detach();
}

template <typename Func>
Func BindEntry(wxDllType library, const char* name) {
    return reinterpret_cast<Func>(wxDynamicLibrary::RawGetSymbol(library, name));
}

}  // namespace

std::optional<int> CallPluginGuarded(const std::function<int()>& call) {
    try {
        return call();
    } catch (...) {
        ShowHostError(Text("プラグイン関数の実行中に例外が発生しました。"));
        return std::nullopt;
    }
}

CFolivexDoc::CFolivexDoc(std::string startupDirectory)
    : programDirectory(paths::ProgramDirectory()), startupDirectory(std::move(startupDirectory)) {}

CFolivexDoc::~CFolivexDoc() {
    UnloadPlugin();
}

std::string CFolivexDoc::SettingsPath() const {
    return paths::Join(programDirectory, "Folivex.ini");
}

int CFolivexDoc::LoadHostSettings() {
    const std::string path = SettingsPath();
    HTMLOutDirectory = profile::ReadString(path, kSection, "HTMLOutDirectory", "", kSettingBuffer);
    HTMLIndexFileName = profile::ReadString(path, kSection, "HTMLIndexFileName", "", kSettingBuffer);
    HTMLEditorPath = profile::ReadString(path, kSection, "HTMLEditorPath", "", kSettingBuffer);
    BrowseHTMLAfterCreate = ReadFlag(profile::ReadString(path, kSection, "BrowseHTMLAfterCreate", "0", kSettingBuffer));
    PluginName = profile::ReadString(path, kSection, "PluginName", "", kSettingBuffer);
    UpdateTitle();
    LoadPlugin();
    return 1;
}

int CFolivexDoc::SaveHostSettings() {
    const std::string path = SettingsPath();
    bool written = true;
    written &= profile::WriteString(path, kSection, "HTMLOutDirectory", HTMLOutDirectory);
    written &= profile::WriteString(path, kSection, "HTMLIndexFileName", HTMLIndexFileName);
    written &= profile::WriteString(path, kSection, "HTMLEditorPath", HTMLEditorPath);
    written &= profile::WriteString(path, kSection, "BrowseHTMLAfterCreate", BrowseHTMLAfterCreate == 1 ? "1" : "0");
    written &= profile::WriteString(path, kSection, "PluginName", PluginName);
    return written ? 1 : 0;
}

wxString CFolivexDoc::GetTitleText() const {
    return PluginName.empty() ? Text("ﾌﾟﾗｸﾞｲﾝを設定してください") : cp932::ToWx(PluginName);
}

void CFolivexDoc::UpdateTitle() {
    if (m_view == nullptr) {
        return;
    }
    if (wxTopLevelWindow* window = wxDynamicCast(wxGetTopLevelParent(m_view), wxTopLevelWindow)) {
        window->SetTitle(GetTitleText() + " - Folivex");
    }
}

int CFolivexDoc::LoadPlugin() {
    if (PluginName.empty()) {
        ShowHostError(Text("プラグイン名称が未設定です。"));
        return 0;
    }
    UnloadPlugin();
    // A library whose CleanUp refused stays loaded; only its handle is dropped here.
    entries = PluginEntryTable();
    wxDllType library = OpenLibrary(PluginName, programDirectory);
    if (library == nullptr) {
        ShowHostError(Text("プラグインのロードに失敗しました。"));
        return 0;
    }
    entries.library = library;
    entries.CreateHTML = BindEntry<CreateHTMLFunc>(library, "CreateHTML");
    entries.AddItem = BindEntry<AddItemFunc>(library, "AddItem");
    entries.DeleteItem = BindEntry<DeleteItemFunc>(library, "DeleteItem");
    entries.EditItem = BindEntry<EditItemFunc>(library, "EditItem");
    entries.CopyItem = BindEntry<CopyItemFunc>(library, "CopyItem");
    entries.ViewItem = BindEntry<ViewItemFunc>(library, "ViewItem");
    entries.SearchItem = BindEntry<SearchItemFunc>(library, "SearchItem");
    entries.ClearList = BindEntry<ClearListFunc>(library, "ClearList");
    entries.Option = BindEntry<OptionFunc>(library, "Option");
    entries.About = BindEntry<AboutFunc>(library, "About");
    entries.Help = BindEntry<HelpFunc>(library, "Help");
    entries.StartUp = BindEntry<StartUpFunc>(library, "StartUp");
    entries.CleanUp = BindEntry<CleanUpFunc>(library, "CleanUp");

    const bool complete = entries.CreateHTML && entries.AddItem && entries.DeleteItem && entries.EditItem &&
                          entries.CopyItem && entries.ViewItem && entries.SearchItem && entries.ClearList &&
                          entries.Option && entries.About && entries.Help && entries.StartUp && entries.CleanUp;
    if (!complete) {
        ShowHostError(
            Text("プラグインが正しくないか、いくつかの機能が実装されていません。\n"
                 "処理中に予期せぬエラーが発生する可能性があります。"));
    }
    if (m_view != nullptr) {
        m_view->OnUpdate(HINT_PLUGIN_LOADED);
    }
    return complete ? 1 : 0;
}

void CFolivexDoc::UnloadPlugin() {
    if (entries.library == nullptr) {
        return;
    }
    if (entries.CleanUp != nullptr) {
        const std::optional<int> result = CallPluginGuarded(entries.CleanUp);
        if (result && *result != PLUGIN_OK) {
            if (*result == PLUGIN_FAILED) {
                ShowHostError(Text("プラグインの終了処理に失敗しました。"));
            } else if (*result != PLUGIN_CANCELLED) {
                ShowInvalidResult();
            }
            return;
        }
    }
    wxDynamicLibrary::Unload(entries.library);
    entries = PluginEntryTable();
}

void CFolivexDoc::StartPlugin(IPluginList* list) {
    if (entries.library == nullptr || entries.StartUp == nullptr) {
        return;
    }
    const std::optional<int> result =
        CallPluginGuarded([&] { return entries.StartUp(list, startupDirectory.c_str()); });
    if (!result) {
        UnloadPlugin();
    } else if (*result == PLUGIN_FAILED) {
        ShowHostError(Text("プラグインの初期化に失敗しました。"));
    } else if (*result != PLUGIN_OK && *result != PLUGIN_CANCELLED) {
        ShowInvalidResult();
    }
}

bool CFolivexDoc::HasEntry(PluginCommand command) const {
    switch (command) {
        case CreateHTML:
            return entries.CreateHTML != nullptr;
        case AddItem:
            return entries.AddItem != nullptr;
        case DeleteItem:
            return entries.DeleteItem != nullptr;
        case EditItem:
            return entries.EditItem != nullptr;
        case CopyItem:
            return entries.CopyItem != nullptr;
        case ViewItem:
            return entries.ViewItem != nullptr;
        case SearchItem:
            return entries.SearchItem != nullptr;
        case ClearList:
            return entries.ClearList != nullptr;
        case Option:
            return entries.Option != nullptr;
        case About:
            return entries.About != nullptr;
        case Help:
            return entries.Help != nullptr;
    }
    return false;
}

int CFolivexDoc::Invoke(PluginCommand command, IPluginList* list) const {
    switch (command) {
        case CreateHTML:
            return entries.CreateHTML(list, HTMLOutDirectory.c_str(), HTMLIndexFileName.c_str());
        case AddItem:
            return entries.AddItem(list);
        case DeleteItem:
            return entries.DeleteItem(list);
        case EditItem:
            return entries.EditItem(list);
        case CopyItem:
            return entries.CopyItem(list);
        case ViewItem:
            return entries.ViewItem(list);
        case SearchItem:
            return entries.SearchItem(list);
        case ClearList:
            return entries.ClearList(list);
        case Option:
            return entries.Option();
        case About:
            return entries.About();
        case Help:
            return entries.Help();
    }
    return PLUGIN_FAILED;
}

bool CFolivexDoc::RunPluginCommand(PluginCommand command, IPluginList* list) {
    if (!IsPluginLoaded()) {
        ShowHostError(Text("プラグインが読みこまれていません。"));
        return false;
    }
    if (!HasEntry(command)) {
        ShowHostError(Text("この機能はプラグインに実装されていません。"));
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
        ShowHostError(Text(FailureMessage(command)));
    } else {
        ShowInvalidResult();
    }
    return false;
}
