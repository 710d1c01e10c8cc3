#include "options/option_pages.h"

#include <algorithm>
#include <optional>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/textctrl.h>

#include "shell_seams.h"
#include "utf8_text.h"

namespace {

constexpr std::size_t kColourBytes = 50;

// The frame border's thickness in pixels, as typed: digits only.
std::optional<int> Thickness(const wxString& text) {
    const auto digit = [](wxUniChar c) { return c >= '0' && c <= '9'; };
    if (text.empty() || text.length() > 3 || !std::all_of(text.begin(), text.end(), digit)) return std::nullopt;
    const int value = wxAtoi(text);
    return value <= 100 ? std::optional<int>(value) : std::nullopt;
}

// Addresses take slashes; one typed with backslashes is turned around where the user sees it.
void UseSlashes(wxTextCtrl* edit, bool endWithSlash) {
    wxString text = edit->GetValue();
    text.Replace("\\", "/");
    if (endWithSlash && !text.empty() && !text.EndsWith("/")) text += '/';
    if (text != edit->GetValue()) edit->ChangeValue(text);
}

}  // namespace

CPluginOptionDesign::CPluginOptionDesign(wxWindow* parent) : COptionPage(parent) {
    m_editBackground = AddField(IdBackground, m_strBackground, "背景画像", kProfileValueBytes, {40, 5, 135, 15});
    Controls().Button(IdBrowseBackground, "参照...", 180, 5, 25, 15);
    m_editBgColor = AddField(IdBgColor, m_strBgColor, "背景色", kColourBytes, {40, 23, 55, 15});
    Controls().GroupBox("フレーム", 5, 47, 200, 48);
    m_checkFrameBorder = Controls().CheckBox(IdFrameBorder, "ボーダーあり", 15, 64, 50, 8);
    m_editBorderColor = AddField(IdBorderColor, m_strBorderColor, "色", kColourBytes, {85, 60, 55, 15}, 72);
    Controls().Label("太さ", 145, 63, 14, 8);
    m_editFrameSpacing = Controls().Edit(IdFrameSpacing, 161, 60, 39, 15);
    m_checkFrameResize = Controls().CheckBox(IdFrameResize, "リサイズ", 15, 80, 40, 8);

    Bind(wxEVT_BUTTON, &CPluginOptionDesign::OnBrowseBackground, this, IdBrowseBackground);
}

void CPluginOptionDesign::Load(const DesignSettings& design) {
    m_strBackground = design.background;
    m_strBgColor = design.bgColor;
    m_bFrameBorder = design.frameBorder;
    m_nFrameSpacing = design.frameSpacing;
    m_bFrameResize = design.frameResize;
    m_strBorderColor = design.borderColor;
}

void CPluginOptionDesign::Store(DesignSettings& design) const {
    design.background = m_strBackground;
    design.bgColor = m_strBgColor;
    design.frameBorder = m_bFrameBorder;
    design.frameSpacing = m_nFrameSpacing;
    design.frameResize = m_bFrameResize;
    design.borderColor = m_strBorderColor;
}

bool CPluginOptionDesign::TransferDataToWindow() {
    m_checkFrameBorder->SetValue(m_bFrameBorder == 1);
    m_checkFrameResize->SetValue(m_bFrameResize == 1);
    m_editFrameSpacing->ChangeValue(wxString::Format("%d", m_nFrameSpacing));
    return COptionPage::TransferDataToWindow();
}

bool CPluginOptionDesign::TransferDataFromWindow() {
    if (!COptionPage::TransferDataFromWindow()) return false;
    const std::optional<int> thickness = Thickness(m_editFrameSpacing->GetValue());
    if (!thickness) {
        Warn(U("「太さ」には 0 から 100 までの整数を入力してください。"));
        m_editFrameSpacing->SetFocus();
        return false;
    }
    m_nFrameSpacing = *thickness;
    m_bFrameBorder = m_checkFrameBorder->GetValue() ? 1 : 0;
    m_bFrameResize = m_checkFrameResize->GetValue() ? 1 : 0;
    return RefuseQuotes({m_editBackground, m_editBgColor});
}

// The pages name the image after the image folder's address, so only the file name is kept.
void CPluginOptionDesign::OnBrowseBackground(wxCommandEvent&) {
    shell::FileChoice choice;
    choice.parent = this;
    choice.message = U("ファイルを開く");
    choice.wildcard = "Image Files (*.gif;*.bmp;*.jpg;*.jpeg)|*.gif;*.bmp;*.jpg;*.jpeg|All Files (*.*)|*";
    choice.style = wxFD_OPEN | wxFD_FILE_MUST_EXIST;
    const std::optional<shell::ChosenFile> image = shell::ChooseFile(choice);
    if (!image) return;
    wxString refusal;
    if (!SettingBytes(image->name, {}, {U("背景画像"), kProfileValueBytes}, refusal)) {
        Warn(refusal);
        return;
    }
    m_editBackground->ChangeValue(image->name);
}

CPluginOptionTitle::CPluginOptionTitle(wxWindow* parent) : COptionPage(parent) {
    m_editWindowTitle = AddField(IdWindowTitle, m_strWindowTitle, "タイトル", 100, {35, 5, 170, 15});
    m_editTitleColor = AddField(IdTitleColor, m_strTitleColor, "文字色", kColourBytes, {35, 25, 55, 15});
    m_editTitleSize = AddField(IdTitleSize, m_strTitleSize, "サイズ", kColourBytes, {35, 45, 55, 15});
    m_editTitleFace = AddField(IdTitleFace, m_strTitleFace, "フォント", kColourBytes, {35, 65, 55, 15});
}

void CPluginOptionTitle::Load(const TitleSettings& title) {
    m_strTitleColor = title.titleColor;
    m_strTitleSize = title.titleSize;
    m_strTitleFace = title.titleFace;
    m_strWindowTitle = title.windowTitle;
}

void CPluginOptionTitle::Store(TitleSettings& title) const {
    title.titleColor = m_strTitleColor;
    title.titleSize = m_strTitleSize;
    title.titleFace = m_strTitleFace;
    title.windowTitle = m_strWindowTitle;
}

bool CPluginOptionTitle::TransferDataFromWindow() {
    return COptionPage::TransferDataFromWindow() && RefuseQuotes({m_editTitleColor, m_editTitleSize, m_editTitleFace});
}

CPluginOptionFont::CPluginOptionFont(wxWindow* parent) : COptionPage(parent) {
    m_editTextColor = AddField(IdTextColor, m_strTextColor, "文字色", kColourBytes, {35, 5, 55, 15});
    m_editFontSize = AddField(IdFontSize, m_strFontSize, "サイズ", kColourBytes, {35, 23, 55, 15});
    m_editFontFace = AddField(IdFontFace, m_strFontFace, "フォント", kColourBytes, {35, 41, 55, 15});
    m_editLinkColor = AddField(IdLinkColor, m_strLinkColor, "LINK 色", kColourBytes, {35, 60, 55, 15});
    m_editALinkColor = AddField(IdALinkColor, m_strALinkColor, "ALINK 色", kColourBytes, {35, 78, 55, 15});
    m_editVLinkColor = AddField(IdVLinkColor, m_strVLinkColor, "VLINK 色", kColourBytes, {35, 96, 55, 15});
}

void CPluginOptionFont::Load(const FontSettings& font) {
    m_strTextColor = font.textColor;
    m_strFontSize = font.fontSize;
    m_strFontFace = font.fontFace;
    m_strLinkColor = font.linkColor;
    m_strALinkColor = font.aLinkColor;
    m_strVLinkColor = font.vLinkColor;
}

void CPluginOptionFont::Store(FontSettings& font) const {
    font.textColor = m_strTextColor;
    font.fontSize = m_strFontSize;
    font.fontFace = m_strFontFace;
    font.linkColor = m_strLinkColor;
    font.aLinkColor = m_strALinkColor;
    font.vLinkColor = m_strVLinkColor;
}

bool CPluginOptionFont::TransferDataFromWindow() {
    return COptionPage::TransferDataFromWindow() && RefuseQuotes({m_editTextColor, m_editFontSize, m_editFontFace,
                                                                  m_editLinkColor, m_editALinkColor, m_editVLinkColor});
}

CPluginOptionFile::CPluginOptionFile(wxWindow* parent) : COptionPage(parent) {
    m_checkAlphabet = Controls().CheckBox(IdAlphabet, "アルファベット別ページ", 5, 5, 85, 10);
    m_checkBasePage = Controls().CheckBox(IdBasePage, "ベース別ページ", 5, 20, 85, 10);
    m_checkStrongPage = Controls().CheckBox(IdStrongPage, "アルコール強度別ページ", 5, 35, 85, 10);
    m_checkTastePage = Controls().CheckBox(IdTastePage, "味わい別ページ", 5, 50, 85, 10);
    m_checkStylePage = Controls().CheckBox(IdStylePage, "スタイル別ページ", 5, 65, 85, 10);
    m_checkMasterPage = Controls().CheckBox(IdMasterPage, "作者別ページ", 5, 80, 85, 10);
    m_checkAllPage = Controls().CheckBox(IdAllPage, "すべてのカクテルページ", 5, 95, 85, 8);
    m_boxes = {Box{m_checkAlphabet, &m_bAlphabet},     Box{m_checkBasePage, &m_bBasePage},
               Box{m_checkStrongPage, &m_bStrongPage}, Box{m_checkTastePage, &m_bTastePage},
               Box{m_checkStylePage, &m_bStylePage},   Box{m_checkMasterPage, &m_bMasterPage},
               Box{m_checkAllPage, &m_bAllPage}};
}

void CPluginOptionFile::Load(const FileSettings& file) {
    m_bAlphabet = file.alphabet;
    m_bBasePage = file.basePage;
    m_bStrongPage = file.strongPage;
    m_bStylePage = file.stylePage;
    m_bTastePage = file.tastePage;
    m_bMasterPage = file.masterPage;
    m_bAllPage = file.allPage;
}

void CPluginOptionFile::Store(FileSettings& file) const {
    file.alphabet = m_bAlphabet;
    file.basePage = m_bBasePage;
    file.strongPage = m_bStrongPage;
    file.stylePage = m_bStylePage;
    file.tastePage = m_bTastePage;
    file.masterPage = m_bMasterPage;
    file.allPage = m_bAllPage;
}

bool CPluginOptionFile::TransferDataToWindow() {
    for (const Box& box : m_boxes) box.check->SetValue(*box.member == 1);
    return true;
}

bool CPluginOptionFile::TransferDataFromWindow() {
    bool anyTicked = false;
    for (const Box& box : m_boxes) {
        *box.member = box.check->GetValue() ? 1 : 0;
        anyTicked = anyTicked || box.check->GetValue();
    }
    if (!anyTicked) Warn(U("生成するファイルを一つ以上選択してください。"));
    return anyTicked;
}

CPluginOptionUser::CPluginOptionUser(wxWindow* parent) : COptionPage(parent) {
    m_editUserName = AddField(IdUserName, m_strUserName, "作成者", kProfileValueBytes, {30, 5, 175, 15});
    m_editUserMail = AddField(IdUserMail, m_strUserMail, "メール", kProfileValueBytes, {30, 23, 175, 15});
}

void CPluginOptionUser::Load(const UserSettings& user) {
    m_strUserName = user.userName;
    m_strUserMail = user.userMail;
}

void CPluginOptionUser::Store(UserSettings& user) const {
    user.userName = m_strUserName;
    user.userMail = m_strUserMail;
}

CPluginOptionURL::CPluginOptionURL(wxWindow* parent) : COptionPage(parent) {
    m_editURLTopPage = AddField(IdURLTopPage, m_strURLTopPage, "トップページ", kProfileValueBytes, {45, 5, 160, 15});
    m_editURLImages = AddField(IdURLImages, m_strURLImages, "画像格納", kProfileValueBytes, {45, 25, 160, 15});
}

void CPluginOptionURL::Load(const UrlSettings& url) {
    m_strURLTopPage = url.urlTopPage;
    m_strURLImages = url.urlImages;
}

void CPluginOptionURL::Store(UrlSettings& url) const {
    url.urlTopPage = m_strURLTopPage;
    url.urlImages = m_strURLImages;
}

// Rewritten before they are taken, so the limit counts the slash that may be added.
bool CPluginOptionURL::TransferDataFromWindow() {
    UseSlashes(m_editURLTopPage, false);
    // The background image's address is this folder's followed directly by the file name.
    UseSlashes(m_editURLImages, true);
    return COptionPage::TransferDataFromWindow();
}

CPluginOptionComment::CPluginOptionComment(wxWindow* parent) : COptionPage(parent) {
    Controls().Label("トップページのコメント （HTMLタグも使用できます）", 5, 5, 200, 8);
    m_editComment = BindField(Controls().Edit(IdComment, 5, 15, 200, 134, wxTE_MULTILINE), m_strComment,
                              {U("トップページのコメント"), 0, true});
}

void CPluginOptionComment::Load(const std::string& topComment) {
    m_strComment = topComment;
}

void CPluginOptionComment::Store(std::string& topComment) const {
    topComment = m_strComment;
}
