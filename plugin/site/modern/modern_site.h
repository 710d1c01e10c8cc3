// The modern site: HTML5 pages in UTF-8 for phones and desktops, made as values from the
// site model and the settings. Every renderer is pure; the site writer puts the pages on disk.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/settings.h"
#include "site/site_model.h"
#include "site/site_page.h"

namespace modern {

// What every page of one run reads.
struct SiteInput {
    const PluginSettings& settings;
    const SiteModel& model;
    std::string topPage;  // the file name of the top page (the host's index file name)
    int year = 0;         // of the rights line
};

// A listed cocktail that a single-record read refuses: the run stops, as on the classic site.
class UnreadableCocktail : public std::runtime_error {
public:
    explicit UnreadableCocktail(std::string cocktail)
        : std::runtime_error("unreadable cocktail"), name(std::move(cocktail)) {}
    std::string name;  // CP932
};

// Takes each page as it is made; false stops the run (the page could not be written).
// Renderers throw UnreadableCocktail for a listed cocktail that cannot be read.
using PageSink = std::function<bool(SitePage&&)>;

// The top page, the stylesheet, and the search page with its script and index.
bool RenderCommonPages(const SiteInput& site, const PageSink& sink);

// The category kinds, in the order of the classic run's steps.
enum class Category { Initial, Base, Strong, Taste, Style, Master };
// The category's overview and one page per value; nothing when its page setting is 0.
bool RenderCategoryPages(const SiteInput& site, Category category, const PageSink& sink);
// The list of every cocktail; nothing when the all-cocktail page is switched off.
bool RenderAllPage(const SiteInput& site, const PageSink& sink);
// One page per stored cocktail, in page order.
bool RenderCocktailPages(const SiteInput& site, const PageSink& sink);

// sitemap.xml listing `pages` (HTML page names) and robots.txt pointing to it; nothing without
// an absolute top-page address.
bool RenderCrawlerFiles(const SiteInput& site, const std::vector<std::string>& pages, const PageSink& sink);

SitePage RenderCocktailPage(const SiteInput& site, const SiteCocktail& cocktail);
SitePage RenderStylesheet(const PluginSettings& settings);

}  // namespace modern
