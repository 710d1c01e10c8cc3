#include "option_sheet.h"

#include <optional>

#include <wx/bookctrl.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/textctrl.h>

#include "cp932_wx.h"
#include "folivex_doc.h"
#include "folivex_view.h"
#include "host_messages.h"
#include "paths.h"
#include "setting_text.h"
#include "shell_seams.h"
#include "utf8_text.h"

namespace {

// Each setting is read back through a 260-byte buffer, so the fields stay well inside it.
constexpr std::size_t kMaxSettingBytes = 256;

enum ControlId : int {
    IdOutDirectory = 1000,
    IdBrowseOutDirectory = 1001,
    IdIndexFileName = 1002,
    IdEditorPath = 1003,
    IdBrowseEditor = 1004,
    IdBrowseAfterCreate = 1005,
    IdPluginName = 1006,
    IdBrowsePlugin = 1007,
};

wxTextCtrl* SettingEdit(const DialogLayout& layout, int id, int x, int y, int width, int height) {
    wxTextCtrl* edit = layout.Edit(id, x, y, width, height);
    edit->SetMaxLength(kMaxSettingBytes);
    return edit;
}

// Takes a field into `bytes`, refusing what the setting cannot hold.
bool TakeField(wxTextCtrl* edit, const char* fieldName, std::string& bytes) {
    wxString refusal;
    const std::optional<std::string> taken =
        SettingBytes(edit->GetValue(), bytes, {U(fieldName), kMaxSettingBytes}, refusal);
    if (!taken) {
        ShowHostError(refusal);
        edit->SetFocus();
        return false;
    }
    bytes = *taken;
    return true;
}

// A chooser's answer as CP932, or nullopt after telling the user it cannot be stored.
std::optional<std::string> ChosenText(const wxString& chosen, const char* fieldName) {
    wxString refusal;
    std::optional<std::string> bytes = SettingBytes(chosen, {}, {U(fieldName), kMaxSettingBytes}, refusal);
    if (!bytes) ShowHostError(refusal);
    return bytes;
}

constexpr const char* kOutDirectoryField = "HTML出力ディレクトリ";
constexpr const char* kIndexFileNameField = "インデックスファイル名称";
constexpr const char* kEditorPathField = "HTMLエディタ";
constexpr const char* kPluginNameField = "プラグイン名称";

}  // namespace

COptionHtmlPropertyPage::COptionHtmlPropertyPage(wxWindow* parent) : wxPanel(parent, wxID_ANY) {
    const DialogLayout layout = PropertyPageLayout(this);
    layout.Label(kOutDirectoryField, 5, 5, 100, 8);
    m_editOutDirectory = SettingEdit(layout, IdOutDirectory, 5, 15, 170, 15);
    layout.Button(IdBrowseOutDirectory, "参照...", 180, 15, 25, 15);
    layout.Label(kIndexFileNameField, 5, 35, 105, 8);
    m_editIndexFileName = SettingEdit(layout, IdIndexFileName, 5, 45, 200, 15);
    layout.Label(kEditorPathField, 5, 65, 110, 8);
    m_editEditorPath = SettingEdit(layout, IdEditorPath, 5, 75, 170, 15);
    layout.Button(IdBrowseEditor, "参照...", 180, 75, 25, 15);
    m_checkBrowseAfterCreate = layout.CheckBox(IdBrowseAfterCreate, "HTML生成後、ブラウザを起動", 5, 100, 170, 10);

    Bind(wxEVT_BUTTON, &COptionHtmlPropertyPage::OnBrowseOutDirectory, this, IdBrowseOutDirectory);
    Bind(wxEVT_BUTTON, &COptionHtmlPropertyPage::OnBrowseEditor, this, IdBrowseEditor);
}

bool COptionHtmlPropertyPage::TransferDataToWindow() {
    m_editOutDirectory->ChangeValue(cp932::ToWx(m_strOutDirectory));
    m_editIndexFileName->ChangeValue(cp932::ToWx(m_strIndexFileName));
    m_editEditorPath->ChangeValue(cp932::ToWx(m_strEditorPath));
    m_checkBrowseAfterCreate->SetValue(m_bBrowseAfterCreate == 1);
    return true;
}

bool COptionHtmlPropertyPage::TransferDataFromWindow() {
    std::string outDirectory = m_strOutDirectory;
    std::string indexFileName = m_strIndexFileName;
    std::string editorPath = m_strEditorPath;
    if (!TakeField(m_editOutDirectory, kOutDirectoryField, outDirectory) ||
        !TakeField(m_editIndexFileName, kIndexFileNameField, indexFileName) || !TakeIndexFileName() ||
        !TakeField(m_editEditorPath, kEditorPathField, editorPath))
        return false;
    m_strOutDirectory = outDirectory;
    m_strIndexFileName = indexFileName;
    m_strEditorPath = editorPath;
    m_bBrowseAfterCreate = m_checkBrowseAfterCreate->GetValue() ? 1 : 0;
    return true;
}

// The entry page is written inside the output directory, never beside or above it.
bool COptionHtmlPropertyPage::TakeIndexFileName() {
    if (paths::IsFileName(m_editIndexFileName->GetValue().utf8_str().data())) return true;
    ShowHostError(
        U("「インデックスファイル名称」には HTML出力ディレクトリの中のファイル名を入力してください。"
          "「/」「\\」と「..」は使用できません。"));
    m_editIndexFileName->SetFocus();
    return false;
}

void COptionHtmlPropertyPage::OnBrowseOutDirectory(wxCommandEvent&) {
    if (!TransferDataFromWindow()) return;
    const std::optional<wxString> folder = shell::ChooseFolder(this, U("HTML出力ディレクトリの検索"));
    if (!folder) return;
    if (folder->empty()) {
        ShowHostError(U("選択したディレクトリにHTMLを出力することはできません。"));
        return;
    }
    if (const std::optional<std::string> bytes = ChosenText(*folder, kOutDirectoryField)) {
        m_strOutDirectory = *bytes;
        TransferDataToWindow();
    }
}

void COptionHtmlPropertyPage::OnBrowseEditor(wxCommandEvent&) {
    if (!TransferDataFromWindow()) return;
    shell::FileChoice choice;
    choice.parent = this;
    choice.message = U("ファイルを開く");
    choice.wildcard = "All Files (*)|*";
    choice.style = wxFD_OPEN | wxFD_FILE_MUST_EXIST;
    const std::optional<shell::ChosenFile> editor = shell::ChooseFile(choice);
    if (!editor) return;
    if (const std::optional<std::string> bytes = ChosenText(editor->path, kEditorPathField)) {
        m_strEditorPath = *bytes;
        TransferDataToWindow();
    }
}

COptionPluginPropertyPage::COptionPluginPropertyPage(wxWindow* parent) : wxPanel(parent, wxID_ANY) {
    const DialogLayout layout = PropertyPageLayout(this);
    layout.Label(kPluginNameField, 5, 5, 65, 8);
    m_editPluginName = SettingEdit(layout, IdPluginName, 5, 15, 170, 15);
    layout.Button(IdBrowsePlugin, "参照...", 180, 15, 25, 15);

    Bind(wxEVT_BUTTON, &COptionPluginPropertyPage::OnBrowsePlugin, this, IdBrowsePlugin);
}

bool COptionPluginPropertyPage::TransferDataToWindow() {
    m_editPluginName->ChangeValue(cp932::ToWx(m_strPluginName));
    return true;
}

bool COptionPluginPropertyPage::TakeFields() {
    return TakeField(m_editPluginName, kPluginNameField, m_strPluginName);
}

bool COptionPluginPropertyPage::TransferDataFromWindow() {
    if (!TakeFields()) return false;
    if (m_strPluginName.empty()) {
        ShowHostError(U("プラグイン名称を設定してください。"));
        m_editPluginName->SetFocus();
        return false;
    }
    return true;
}

void COptionPluginPropertyPage::OnBrowsePlugin(wxCommandEvent&) {
    // An empty name is no reason to refuse choosing one.
    if (!TakeFields()) return;
    shell::FileChoice choice;
    choice.parent = this;
    choice.message = U("ファイルを開く");
    choice.wildcard = "SO Files (*.so)|*.so";
    choice.style = wxFD_OPEN | wxFD_FILE_MUST_EXIST;
    const std::optional<shell::ChosenFile> plugin = shell::ChooseFile(choice);
    if (!plugin) return;
    // The loader looks a bare name up in the program directory first.
    if (const std::optional<std::string> bytes = ChosenText(plugin->name, kPluginNameField)) {
        m_strPluginName = *bytes;
        TransferDataToWindow();
    }
}

COptionPropertySheet::COptionPropertySheet(wxWindow* parent) : CheckedPropertySheet(parent, U("ｵﾌﾟｼｮﾝ設定 - Folivex")) {
    m_htmlPage = new COptionHtmlPropertyPage(GetBookCtrl());
    m_pluginPage = new COptionPluginPropertyPage(GetBookCtrl());
    AddPage(m_htmlPage, "HTML設定");
    AddPage(m_pluginPage, "ﾌﾟﾗｸﾞｲﾝ設定");
    LayoutDialog();
}

void COptionPropertySheet::SetHtmlSettings(const std::string& outDirectory, const std::string& indexFileName,
                                           const std::string& editorPath, int browseAfterCreate) {
    m_htmlPage->m_strOutDirectory = outDirectory;
    m_htmlPage->m_strIndexFileName = indexFileName;
    m_htmlPage->m_strEditorPath = editorPath;
    m_htmlPage->m_bBrowseAfterCreate = browseAfterCreate;
}

void COptionPropertySheet::GetHtmlSettings(HtmlSettings& settings) const {
    settings.outDirectory = m_htmlPage->m_strOutDirectory;
    settings.indexFileName = m_htmlPage->m_strIndexFileName;
    settings.editorPath = m_htmlPage->m_strEditorPath;
    settings.browseAfterCreate = m_htmlPage->m_bBrowseAfterCreate;
}

void COptionPropertySheet::SetPluginName(const std::string& name) {
    m_pluginPage->m_strPluginName = name;
}

void COptionPropertySheet::GetPluginName(std::string& name) const {
    name = m_pluginPage->m_strPluginName;
}

void RunHostOptions(wxWindow* parent, CFolivexDoc& doc, CFolivexView& view) {
    COptionPropertySheet sheet(parent);
    sheet.SetHtmlSettings(doc.HTMLOutDirectory, doc.HTMLIndexFileName, doc.HTMLEditorPath, doc.BrowseHTMLAfterCreate);
    sheet.SetPluginName(doc.PluginName);
    if (sheet.ShowModal() != wxID_OK) return;

    HtmlSettings html;
    sheet.GetHtmlSettings(html);
    std::string pluginName;
    sheet.GetPluginName(pluginName);

    doc.BrowseHTMLAfterCreate = html.browseAfterCreate;
    doc.HTMLEditorPath = html.editorPath;
    doc.HTMLIndexFileName = html.indexFileName;
    doc.HTMLOutDirectory = html.outDirectory;
    // Bytes, not names: a change of letter case loads another library on a case-sensitive
    // file system.
    if (doc.PluginName != pluginName) {
        view.ResetListControl();
        doc.PluginName = pluginName;
        doc.LoadPlugin();
    }
    if (!doc.SaveHostSettings()) ShowHostError(U("オプションの保存に失敗しました。"));
    doc.UpdateTitle();
}
