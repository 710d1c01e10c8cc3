// The search dialog's choices as a list query. Names are bound, never pasted, and the base
// and ingredient conditions are sub-queries, so no cocktail is paired with every base or
// ingredient row and each comes out once however many rows match.
#pragma once

#include <string>

#include "list_fill.h"

struct SearchConditions {
    std::string baseName{};      // CP932; empty: any base
    std::string materialName{};  // CP932; empty: any ingredient
    int strong = -1;             // -1: any strength
    int taste = -1;              // -1: any taste
};

bool HasSearchCondition(const SearchConditions& conditions);

// The cocktails that meet every chosen condition; with none, every cocktail.
CocktailQuery ComposeSearchQuery(const SearchConditions& conditions);
