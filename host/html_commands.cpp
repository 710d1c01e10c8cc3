#include "html_commands.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include <wx/filedlg.h>

#include "folivex_doc.h"
#include "host_messages.h"
#include "path_wx.h"
#include "paths.h"
#include "shell_seams.h"
#include "utf8_text.h"

namespace {

// The output directory as the page chooser opens it: absolute, since the chooser takes no other
// form, and found from the working directory without changing it, so that a relative output
// directory means the same folder to every later command. Empty (the chooser's own choice)
// when there is none.
wxString ChooserFolder(const std::string& outDirectory) {
    const std::optional<std::string> directory = paths::FromSettings(outDirectory);
    if (!directory || directory->empty()) return {};
    std::error_code ignored;
    return paths::ToWx(std::filesystem::absolute(*directory, ignored).string());
}

}  // namespace

void BrowseHtml(const CFolivexDoc& doc) {
    if (doc.HTMLOutDirectory.empty()) {
        ShowHostError(U("HTML出力ディレクトリが設定されていません。"));
        return;
    }
    if (doc.HTMLIndexFileName.empty()) {
        ShowHostError(U("インデックスファイル名称が設定されていません。"));
        return;
    }
    const std::optional<wxString> target =
        paths::SettingsToWx(paths::Join(doc.HTMLOutDirectory, doc.HTMLIndexFileName));
    if (!target || !shell::OpenWithAssociatedProgram(*target)) ShowHostError(U("HTMLブラウザの起動に失敗しました。"));
}

void EditHtml(const CFolivexDoc& doc) {
    if (doc.HTMLEditorPath.empty()) {
        ShowHostError(U("HTMLエディタが設定されていません。"));
        return;
    }
    shell::FileChoice choice;
    choice.message = U("ファイルを開く");
    choice.defaultDirectory = ChooserFolder(doc.HTMLOutDirectory);
    choice.wildcard = "HTML Files (*.htm, *.html)|*.htm;*.html";
    choice.style = wxFD_OPEN;
    const std::optional<shell::ChosenFile> page = shell::ChooseFile(choice);
    if (!page) return;
    const std::optional<wxString> editor = paths::SettingsToWx(doc.HTMLEditorPath);
    if (!editor || !shell::StartProgram({*editor, page->path})) ShowHostError(U("HTMLエディタの起動に失敗しました。"));
}

void OpenManual(const std::string& programDirectory) {
    const std::string manual = paths::Join(programDirectory, "Folivex Manual.txt");
    shell::OpenWithAssociatedProgram(paths::ToWx(manual));
}
