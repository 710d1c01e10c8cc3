// Category menus for the left frame and their list pages for the right frame, and the list
// of all cocktails. A menu writes each list page before that page's line in the menu.
#pragma once

#include <string>

#include "site/site_context.h"

// Returns the number of cocktails listed, or -1 on failure.
int WriteAlphabetPage(SiteContext& site, const std::string& pageName, int code);
bool WriteStrongPage(SiteContext& site, const std::string& pageName, int code);
bool WriteTastePage(SiteContext& site, const std::string& pageName, int code);
bool WriteBasePage(SiteContext& site, const std::string& pageName, const std::string& name);
bool WriteStylePage(SiteContext& site, const std::string& pageName, const std::string& name);
// An empty name lists the cocktails without author.
bool WriteMasterPage(SiteContext& site, const std::string& pageName, const std::string& name);
bool WriteAllPage(SiteContext& site);

// Each does nothing and succeeds when its page setting is 0.
bool WriteAlphabetMenu(SiteContext& site);
bool WriteBaseMenu(SiteContext& site);
bool WriteStrongMenu(SiteContext& site);
bool WriteTasteMenu(SiteContext& site);
bool WriteStyleMenu(SiteContext& site);
bool WriteMasterMenu(SiteContext& site);
