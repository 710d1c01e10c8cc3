#include "cocktail_search.h"

#include "schema.h"

bool HasSearchCondition(const SearchConditions& conditions) {
    return !conditions.baseName.empty() || !conditions.materialName.empty() || conditions.strong != -1 ||
           conditions.taste != -1;
}

CocktailQuery ComposeSearchQuery(const SearchConditions& conditions) {
    CocktailQuery query;
    const auto require = [&query](const std::string& clause, auto value) {
        if (!query.condition.empty()) query.condition += " AND ";
        query.condition += clause;
        query.values.emplace_back(std::move(value));
    };
    const std::string nameMatches = std::string("FLD_NAME = ? COLLATE ") + kNameCollation;
    if (!conditions.baseName.empty())
        require("A.FLD_BASE IN (SELECT FLD_INDEX FROM TBL_BASE WHERE " + nameMatches + ")", conditions.baseName);
    if (!conditions.materialName.empty())
        require("A.FLD_INDEX IN (SELECT FLD_COCKTAIL FROM TBL_MATERIAL WHERE " + nameMatches + ")",
                conditions.materialName);
    if (conditions.strong != -1) require("A.FLD_STRONG = ?", conditions.strong);
    if (conditions.taste != -1) require("A.FLD_TASTE = ?", conditions.taste);
    return query;
}
