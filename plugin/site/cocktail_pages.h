// One page per cocktail, "fvxcocktail<index>.html".
#pragma once

#include "site/site_context.h"

bool WriteCocktailPage(SiteContext& site, const SiteCocktail& cocktail);
// Every cocktail in page order; stops at the first that cannot be read or written.
bool WriteCocktailPages(SiteContext& site);
