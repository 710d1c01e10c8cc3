// The search page's script and the index it filters, both plain script files so that the
// page also works opened from the disk.
#pragma once

#include "site/modern/modern_pages.h"

namespace modern {

// search-index.js: every cocktail with its page, base, strength, taste and ingredients.
// Throws UnreadableCocktail.
SitePage RenderSearchIndex(const SiteInput& site);
// search.js: filters the index as the user types.
SitePage RenderSearchScript();

}  // namespace modern
