// What the store hands out and takes in: plain values, CP932 text, no connection behind them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// Ingredient name to quantity, in ascending CP932 byte order of the name.
using MaterialMap = std::map<std::string, std::string>;

struct CocktailRecord {
    int index = 0;       // FLD_INDEX
    std::string name;    // FLD_NAME
    int initial = 0;     // FLD_INITIAL, 0 to 25
    int strong = 0;      // FLD_STRONG, 0 to 4
    int taste = 0;       // FLD_TASTE, 0 to 4
    int styleIndex = 0;  // FLD_STYLE
    std::string styleName;
    int baseIndex = 0;  // FLD_BASE
    std::string baseName;
    std::string howTo;       // FLD_HOWTO, never empty in the store
    std::string memo;        // FLD_MEMO
    std::string picture;     // FLD_PICTURE
    int masterIndex = 0;     // FLD_MASTER; meaningful only when masterName is not empty
    std::string masterName;  // empty: the cocktail has no author
    MaterialMap materials;
};

// A cocktail as a bulk read finds it, also when a single read would refuse it.
struct StoredCocktail : CocktailRecord {
    bool hasMaster = false;  // FLD_MASTER is not NULL
    // False when a single read refuses the cocktail: a missing base, style or author, or no
    // ingredient.
    bool readable = false;
};

struct NamedRow {
    int index = 0;
    std::string name;
};

// Everything the store holds, read in one read transaction.
struct StoreSnapshot {
    std::vector<NamedRow> bases, styles, masters;  // each in ascending FLD_INDEX
    std::vector<StoredCocktail> cocktails;         // in ascending FLD_INDEX
};

// One row of the host's list as stored: a missing base or style row, or a NULL code, is empty.
struct ListRow {
    std::string name;
    std::optional<std::string> baseName, styleName;
    std::optional<long long> strong, taste;
};

// The search dialog's choices; every chosen one must hold. Names match as names do everywhere.
struct SearchConditions {
    std::string baseName{};      // CP932; empty: any base
    std::string materialName{};  // CP932; empty: any ingredient
    int strong = -1;             // -1: any strength
    int taste = -1;              // -1: any taste
};

bool HasSearchCondition(const SearchConditions& conditions);
