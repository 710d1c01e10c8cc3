// What every HTML page of the modern site shares: the head, the site header with its
// navigation, the breadcrumbs, and the footer with the rights line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "site/modern/modern_pages.h"

namespace modern {

// The entries of the site navigation.
enum class Section { Top, Initial, Base, Strong, Style, Taste, Master, All, Search, None };

struct Crumb {
    std::string label;  // UTF-8
    std::string href;   // empty for the page itself
};

struct PageFrame {
    std::string name;         // the page's file name
    std::string title;        // UTF-8, before the site title
    std::string description;  // UTF-8 plain text
    Section section = Section::None;
    std::vector<Crumb> crumbs;  // after the top page; the last one is this page
    std::string headExtra;      // more of the head: structured data, scripts
};

// The site's title (UTF-8): the workspace's title, or a plain one when it is empty.
std::string SiteTitle(const PluginSettings& settings);

// Up to and including the opening of <main> and the page's breadcrumbs.
void OpenPage(std::string& page, const SiteInput& site, const PageFrame& frame);
// From the end of <main> to the end of the page.
void ClosePage(std::string& page, const SiteInput& site);

}  // namespace modern
