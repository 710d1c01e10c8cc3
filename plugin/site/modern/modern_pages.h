// The renderers of each step of a modern run. Each puts its pages into the sink in order and
// answers false once the sink does.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "site/modern/modern_site.h"

namespace modern {

// A listed cocktail that a single-record read refuses; PutModernSite stops the run with it.
class UnreadableCocktail : public std::runtime_error {
public:
    explicit UnreadableCocktail(std::string cocktail) : std::runtime_error(kUnreadable), name(std::move(cocktail)) {}
    std::string name;  // CP932
};

// The top page, the stylesheet, and the search page with its script and index.
bool PutCommonPages(const SiteInput& site, PageSink& sink);

// The category kinds, in the order of the run's steps.
enum class Category { Initial, Base, Strong, Taste, Style, Master };
// The category's overview and one page per value; nothing when its page setting is 0.
bool PutCategoryPages(const SiteInput& site, Category category, PageSink& sink);
// The list of every cocktail; nothing when the all-cocktail page is switched off.
bool PutAllPage(const SiteInput& site, PageSink& sink);
// One page per stored cocktail, in page order.
bool PutCocktailPages(const SiteInput& site, PageSink& sink);
// sitemap.xml listing `pages` (HTML page names) and robots.txt pointing to it; nothing without
// an absolute top-page address.
bool PutCrawlerFiles(const SiteInput& site, const std::vector<std::string>& pages, PageSink& sink);

}  // namespace modern
