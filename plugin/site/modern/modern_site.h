// The modern site: HTML5 pages in UTF-8 for phones and desktops, made as values from the
// site model and the settings and put into a page sink in the classic run's steps.
#pragma once

#include <string>

#include "site/generation.h"
#include "site/site_model.h"
#include "site/site_page.h"
#include "site/site_writer.h"

namespace modern {

// What every page of one run reads.
struct SiteInput {
    const PluginSettings& settings;
    const SiteModel& model;
    std::string topPage;  // the file name of the top page (the host's index file name)
    int year = 0;         // of the rights line
};

// The whole site, with the classic run's status texts (but the first, which the caller shows
// while the store is read) and steps: the top page, the stylesheet
// and the search page with its script and index; each category's overview and value pages;
// the list of every cocktail; the cocktail pages; and, with an absolute top-page address,
// sitemap.xml and robots.txt. A listed cocktail that cannot be read stops the run there, as
// on the classic site. False when the run failed.
bool PutModernSite(const SiteSource& source, const std::string& topPage, int year, PageSink& sink,
                   GenerationObserver& observer);

SitePage RenderCocktailPage(const SiteInput& site, const SiteCocktail& cocktail);
SitePage RenderStylesheet(const PluginSettings& settings);

}  // namespace modern
