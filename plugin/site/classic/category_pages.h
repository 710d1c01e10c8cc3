// Category menus for the left frame and their list pages for the right frame, and the list
// of all cocktails. A menu is opened before its list pages and put after them.
#pragma once

#include <optional>
#include <string>

#include "site/site_model.h"
#include "site/site_page.h"
#include "site/site_writer.h"

// A list page, how many cocktails it lists, and what cut it off, if anything: then the page
// holds what was rendered before the failure.
struct ListPage {
    SitePage page;
    int count = 0;
    std::optional<SiteFailure> failure;
};

// `pageName` is the file name without ".html".
ListPage RenderAlphabetPage(const SiteSource& source, const std::string& pageName, int code);
ListPage RenderStrongPage(const SiteSource& source, const std::string& pageName, int code);
ListPage RenderTastePage(const SiteSource& source, const std::string& pageName, int code);
ListPage RenderBasePage(const SiteSource& source, const std::string& pageName, const std::string& name);
ListPage RenderStylePage(const SiteSource& source, const std::string& pageName, const std::string& name);
// An empty name lists the cocktails without author.
ListPage RenderMasterPage(const SiteSource& source, const std::string& pageName, const std::string& name);
ListPage RenderAllPage(const SiteSource& source);

// Each puts nothing and succeeds when its page setting is 0; false when the run failed.
bool PutAlphabetMenu(const SiteSource& source, PageSink& sink);
bool PutBaseMenu(const SiteSource& source, PageSink& sink);
bool PutStrongMenu(const SiteSource& source, PageSink& sink);
bool PutTasteMenu(const SiteSource& source, PageSink& sink);
bool PutStyleMenu(const SiteSource& source, PageSink& sink);
bool PutMasterMenu(const SiteSource& source, PageSink& sink);
bool PutAllPage(const SiteSource& source, PageSink& sink);
