// The plug-in's option sheet: the settings in seven pages. It changes nothing by itself; the
// Option entry point loads the pages from the settings and stores them back after OK.
#pragma once

#include "core/settings.h"
#include "options/option_pages.h"
#include "property_sheet.h"

class CBarvellaOption : public CheckedPropertySheet {
public:
    // Opens on "デザイン".
    explicit CBarvellaOption(wxWindow* parent);

    // Every page, in page order; the FILE group goes to its page as one record.
    void Load(const PluginSettings& settings);
    void Store(PluginSettings& settings) const;

    CPluginOptionDesign* m_pageDesign;
    CPluginOptionTitle* m_pageTitle;
    CPluginOptionFont* m_pageFont;
    CPluginOptionFile* m_pageFile;
    CPluginOptionUser* m_pageUser;
    CPluginOptionURL* m_pageURL;
    CPluginOptionComment* m_pageComment;
};
