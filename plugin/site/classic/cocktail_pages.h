// One page per cocktail, "fvxcocktail<index>.html".
#pragma once

#include "core/settings.h"
#include "site/site_model.h"
#include "site/site_page.h"
#include "site/site_writer.h"

SitePage RenderCocktailPage(const PluginSettings& settings, const SiteCocktail& cocktail);
// Every cocktail in page order; stops at the first that cannot be read or put.
bool PutCocktailPages(const SiteSource& source, PageSink& sink);
