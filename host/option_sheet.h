// The host option sheet: the HTML settings and the plug-in name, in two pages.
#pragma once

#include <string>

#include <wx/panel.h>

#include "property_sheet.h"

class CFolivexDoc;
class CFolivexView;
class wxCheckBox;
class wxTextCtrl;

// The four HTML settings as the sheet hands them over; texts are CP932 bytes.
struct HtmlSettings {
    std::string outDirectory;
    std::string indexFileName;
    std::string editorPath;
    int browseAfterCreate = 0;
};

class COptionHtmlPropertyPage : public wxPanel {
public:
    explicit COptionHtmlPropertyPage(wxWindow* parent);

    bool TransferDataToWindow() override;
    // The page-leave check: takes the fields into the members, refusing text that CP932
    // cannot hold or that is longer than the limit.
    bool TransferDataFromWindow() override;

    std::string m_strOutDirectory;
    std::string m_strIndexFileName;
    std::string m_strEditorPath;
    int m_bBrowseAfterCreate = 0;

    wxTextCtrl* m_editOutDirectory;
    wxTextCtrl* m_editIndexFileName;
    wxTextCtrl* m_editEditorPath;
    wxCheckBox* m_checkBrowseAfterCreate;

private:
    bool TakeIndexFileName();
    void OnBrowseOutDirectory(wxCommandEvent& event);
    void OnBrowseEditor(wxCommandEvent& event);
};

class COptionPluginPropertyPage : public wxPanel {
public:
    explicit COptionPluginPropertyPage(wxWindow* parent);

    bool TransferDataToWindow() override;
    // Also refuses an empty plug-in name.
    bool TransferDataFromWindow() override;

    std::string m_strPluginName;

    wxTextCtrl* m_editPluginName;

private:
    // The fields into the members, without the empty-name check.
    bool TakeFields();
    void OnBrowsePlugin(wxCommandEvent& event);
};

class COptionPropertySheet : public CheckedPropertySheet {
public:
    explicit COptionPropertySheet(wxWindow* parent);

    void SetHtmlSettings(const std::string& outDirectory, const std::string& indexFileName,
                         const std::string& editorPath, int browseAfterCreate);
    void GetHtmlSettings(HtmlSettings& settings) const;
    void SetPluginName(const std::string& name);
    void GetPluginName(std::string& name) const;

    COptionHtmlPropertyPage* GetHtmlPage() const { return m_htmlPage; }
    COptionPluginPropertyPage* GetPluginPage() const { return m_pluginPage; }

private:
    COptionHtmlPropertyPage* m_htmlPage;
    COptionPluginPropertyPage* m_pluginPage;
};

// The Options command: shows the sheet over `parent` and, on OK, stores the settings,
// reloads a changed plug-in, writes the settings file and retitles the main window.
void RunHostOptions(wxWindow* parent, CFolivexDoc& doc, CFolivexView& view);
