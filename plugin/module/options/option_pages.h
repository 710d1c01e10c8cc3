// The seven pages of the plug-in's option sheet, one per group of settings. Each holds one
// member per setting it edits; the sheet loads them before it opens and stores them after OK,
// so a page never shown stores what it was loaded with.
#pragma once

#include <array>
#include <string>

#include "core/settings.h"
#include "options/option_page.h"

class wxCheckBox;

// Control ids of the pages; ids repeat between pages, never on one.
enum OptionControlId : int {
    IdBackground = 3024,
    IdBgColor = 3025,
    IdBorderColor = 3026,
    IdBrowseBackground = 3036,
    IdFrameBorder = 3046,
    IdFrameSpacing = 3048,
    IdFrameResize = 3049,
    IdTitleColor = 3026,
    IdTitleSize = 3027,
    IdTitleFace = 3028,
    IdWindowTitle = 3032,
    IdTextColor = 3029,
    IdFontSize = 3030,
    IdFontFace = 3031,
    IdLinkColor = 3033,
    IdALinkColor = 3034,
    IdVLinkColor = 3035,
    IdAlphabet = 3037,
    IdBasePage = 3038,
    IdStylePage = 3039,
    IdTastePage = 3040,
    IdStrongPage = 3041,
    IdMasterPage = 3042,
    IdAllPage = 3043,
    IdUserName = 3041,
    IdUserMail = 3042,
    IdURLTopPage = 3039,
    IdURLImages = 3040,
    IdComment = 3043,
};

class CPluginOptionDesign : public COptionPage {
public:
    explicit CPluginOptionDesign(wxWindow* parent);

    void Load(const DesignSettings& design);
    void Store(DesignSettings& design) const;

    bool TransferDataToWindow() override;
    // Also refuses a thickness that is not a whole number from 0 to 100, and quotes in the
    // background fields. The thickness field takes any text until then.
    bool TransferDataFromWindow() override;

    std::string m_strBackground;
    std::string m_strBgColor;
    int m_bFrameBorder = 0;
    int m_nFrameSpacing = 0;
    int m_bFrameResize = 0;
    std::string m_strBorderColor;

    wxTextCtrl* m_editBackground;
    wxTextCtrl* m_editBgColor;
    wxCheckBox* m_checkFrameBorder;
    wxTextCtrl* m_editFrameSpacing;
    wxCheckBox* m_checkFrameResize;
    wxTextCtrl* m_editBorderColor;

private:
    void OnBrowseBackground(wxCommandEvent& event);
};

class CPluginOptionTitle : public COptionPage {
public:
    explicit CPluginOptionTitle(wxWindow* parent);

    void Load(const TitleSettings& title);
    void Store(TitleSettings& title) const;

    // Also refuses quotes in the colour, size and face; the site title may hold them.
    bool TransferDataFromWindow() override;

    std::string m_strTitleColor;
    std::string m_strTitleFace;
    std::string m_strTitleSize;
    std::string m_strWindowTitle;

    wxTextCtrl* m_editTitleColor;
    wxTextCtrl* m_editTitleFace;
    wxTextCtrl* m_editTitleSize;
    wxTextCtrl* m_editWindowTitle;
};

class CPluginOptionFont : public COptionPage {
public:
    explicit CPluginOptionFont(wxWindow* parent);

    void Load(const FontSettings& font);
    void Store(FontSettings& font) const;

    // Also refuses quotes in any field.
    bool TransferDataFromWindow() override;

    std::string m_strALinkColor;
    std::string m_strFontFace;
    std::string m_strFontSize;
    std::string m_strLinkColor;
    std::string m_strTextColor;
    std::string m_strVLinkColor;

    wxTextCtrl* m_editALinkColor;
    wxTextCtrl* m_editFontFace;
    wxTextCtrl* m_editFontSize;
    wxTextCtrl* m_editLinkColor;
    wxTextCtrl* m_editTextColor;
    wxTextCtrl* m_editVLinkColor;
};

class CPluginOptionFile : public COptionPage {
public:
    explicit CPluginOptionFile(wxWindow* parent);

    void Load(const FileSettings& file);
    void Store(FileSettings& file) const;

    bool TransferDataToWindow() override;
    // Refuses a site without any of the seven kinds of page.
    bool TransferDataFromWindow() override;

    int m_bAlphabet = 1;
    int m_bBasePage = 1;
    int m_bStrongPage = 1;
    int m_bStylePage = 1;
    int m_bTastePage = 1;
    int m_bMasterPage = 1;
    int m_bAllPage = 1;

    wxCheckBox* m_checkAlphabet;
    wxCheckBox* m_checkBasePage;
    wxCheckBox* m_checkStrongPage;
    wxCheckBox* m_checkStylePage;
    wxCheckBox* m_checkTastePage;
    wxCheckBox* m_checkMasterPage;
    wxCheckBox* m_checkAllPage;

private:
    struct Box {
        wxCheckBox* check;
        int* member;
    };
    std::array<Box, 7> m_boxes{};
};

class CPluginOptionUser : public COptionPage {
public:
    explicit CPluginOptionUser(wxWindow* parent);

    void Load(const UserSettings& user);
    void Store(UserSettings& user) const;

    std::string m_strUserMail;
    std::string m_strUserName;

    wxTextCtrl* m_editUserMail;
    wxTextCtrl* m_editUserName;
};

class CPluginOptionURL : public COptionPage {
public:
    explicit CPluginOptionURL(wxWindow* parent);

    void Load(const UrlSettings& url);
    void Store(UrlSettings& url) const;

    // Turns backslashes into slashes and ends the image folder with one, showing the result.
    bool TransferDataFromWindow() override;

    std::string m_strURLImages;
    std::string m_strURLTopPage;

    wxTextCtrl* m_editURLImages;
    wxTextCtrl* m_editURLTopPage;
};

class CPluginOptionComment : public COptionPage {
public:
    explicit CPluginOptionComment(wxWindow* parent);

    void Load(const std::string& topComment);
    void Store(std::string& topComment) const;

    std::string m_strComment;  // lines end in CR LF

    wxTextCtrl* m_editComment;
};
