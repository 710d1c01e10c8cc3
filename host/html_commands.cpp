#include "html_commands.h"

#include <filesystem>
#include <system_error>

#include <wx/filedlg.h>
#include <wx/filefn.h>

#include "cp932.h"
#include "cp932_wx.h"
#include "folivex_doc.h"
#include "host_messages.h"
#include "paths.h"
#include "shell_seams.h"

namespace {

wxString U(const char* utf8) {
    return wxString::FromUTF8(utf8);
}

}  // namespace

void BrowseHtml(CFolivexDoc* doc) {
    if (!doc) {
        ShowHostError(U("内部処理エラーが発生しました。"));
        return;
    }
    if (doc->HTMLOutDirectory.empty()) {
        ShowHostError(U("HTML出力ディレクトリが設定されていません。"));
        return;
    }
    if (doc->HTMLIndexFileName.empty()) {
        ShowHostError(U("インデックスファイル名称が設定されていません。"));
        return;
    }
    const std::string target = paths::Join(doc->HTMLOutDirectory, doc->HTMLIndexFileName);
    if (!shell::OpenWithAssociatedProgram(cp932::ToWx(target))) ShowHostError(U("HTMLブラウザの起動に失敗しました。"));
}

void EditHtml(CFolivexDoc* doc) {
    if (!doc) {
        ShowHostError(U("内部処理エラーが発生しました。"));
        return;
    }
    if (doc->HTMLEditorPath.empty()) {
        ShowHostError(U("HTMLエディタが設定されていません。"));
        return;
    }
    // The chooser opens in the output directory; the change is kept for the rest of the run.
    // A directory that cannot be entered leaves the working directory as it was.
    if (!doc->HTMLOutDirectory.empty()) {
        std::error_code ignored;
        std::filesystem::current_path(cp932::ToWx(doc->HTMLOutDirectory).fn_str().data(), ignored);
    }
    shell::FileChoice choice;
    choice.message = U("ファイルを開く");
    choice.defaultDirectory = wxGetCwd();
    choice.wildcard = "HTML Files (*.htm, *.html)|*.htm;*.html";
    choice.style = wxFD_OPEN;
    const std::optional<shell::ChosenFile> page = shell::ChooseFile(choice);
    if (!page) return;
    if (!shell::StartProgram({cp932::ToWx(doc->HTMLEditorPath), page->path}))
        ShowHostError(U("HTMLエディタの起動に失敗しました。"));
}

void OpenManual(const std::string& programDirectory) {
    const std::string manual = paths::Join(programDirectory, "Folivex Manual.txt");
    shell::OpenWithAssociatedProgram(wxString(manual.c_str(), *wxConvFileName));
}
