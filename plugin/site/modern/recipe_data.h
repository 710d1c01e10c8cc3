// schema.org Recipe data of a cocktail page, for recipe search.
#pragma once

#include <string>

#include "site/modern/modern_pages.h"

namespace modern {

// A <script type="application/ld+json"> element with the cocktail's Recipe.
std::string RecipeJsonLd(const PluginSettings& settings, const SiteCocktail& cocktail);

}  // namespace modern
