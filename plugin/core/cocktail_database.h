// Reading and changing Barvella.mdb. Every value is bound as a parameter and every name
// comparison uses the name collation, so any CP932 name (apostrophes included) works.
// Routines answer true for success or found and false for not found, refused or failed;
// a routine that answers false leaves its output as it was unless said otherwise.
// No routine here shows a message.
#pragma once

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

class CBarvellaApp;

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
    std::string picture;     // FLD_PICTURE, stored empty by the dialogs
    int masterIndex = 0;     // FLD_MASTER; meaningful only when masterName is not empty
    std::string masterName;  // empty: the cocktail has no author
    MaterialMap materials;
};

// A routine that fails keeps the reason for LastDatabaseError (schema.h).

// Every changing routine below is one transaction of its own, or a savepoint inside a
// transaction the caller opened (see transaction.h).

// The one reading of a cocktail row, shared by ReadCocktail and the site's bulk load:
// kCocktailSelect names the cocktail table C, followed by the caller's WHERE or ORDER BY.
extern const char* const kCocktailSelect;
// Fills every field but the ingredients. False when the base, the style or the author the
// row refers to is missing: such a cocktail cannot be read.
bool ReadCocktailRow(SQLite::Statement& row, CocktailRecord& record, bool& hasMaster);

// Append every FLD_NAME of the table, in ascending FLD_INDEX, without emptying `names`.
bool LoadBaseNames(SQLite::Database& database, std::vector<std::string>& names);
bool LoadStyleNames(SQLite::Database& database, std::vector<std::string>& names);
bool LoadMasterNames(SQLite::Database& database, std::vector<std::string>& names);

// Name to FLD_INDEX; the first matching row wins.
bool FindCocktailIndex(SQLite::Database& database, const std::string& name, int& index);

// Fills `record` from the cocktail of that name, its base, style, author and ingredients.
// False when the cocktail, its base or style (or author, when it has one) is missing or it
// has no ingredient; the fields read up to that point stay filled.
bool ReadCocktail(SQLite::Database& database, const std::string& name, CocktailRecord& record);

// Adds the cocktail's ingredients to `materials` (not emptied first); false when it has none.
bool ReadMaterials(SQLite::Database& database, int cocktailIndex, MaterialMap& materials);
// The bulk form, for loads of every cocktail: one pass over all ingredient rows, each added to
// the cocktail of its number in `cocktails` (others are skipped). Throws SQLite::Exception.
void ReadEveryMaterial(SQLite::Database& database, const std::unordered_map<int, CocktailRecord*>& cocktails);

// Appends every distinct ingredient name (names that match count once), in name order.
bool LoadMaterialNames(SQLite::Database& database, std::vector<std::string>& names);

// Stores `record` as a new cocktail with `materials`, adding base, style and author rows for
// new names, in one transaction. On success the record's index, baseIndex, styleIndex and
// (with an author) masterIndex hold the stored numbers and new names are appended to the
// app's lists. Text over kMaxTextBytes bytes is refused before anything is stored.
bool InsertCocktail(CBarvellaApp& app, CocktailRecord& record, const MaterialMap& materials);

// Deletes the cocktail, its ingredients, and its base, style and author when no other
// cocktail refers to them, in one transaction; the lists lose those names after the commit.
bool DeleteCocktail(CBarvellaApp& app, const std::string& name);

// The edit: deletes the cocktail `oldName` and stores `record` in one transaction, so a
// refused record leaves the old cocktail and the lists exactly as they were. The stored
// cocktail gets a new FLD_INDEX.
bool ReplaceCocktail(CBarvellaApp& app, const std::string& oldName, CocktailRecord& record,
                     const MaterialMap& materials);
