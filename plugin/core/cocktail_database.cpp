#include "cocktail_database.h"

#include <algorithm>
#include <optional>

#include <SQLiteCpp/Statement.h>

#include "barvella_app.h"
#include "cp932.h"
#include "schema.h"
#include "transaction.h"

namespace {

// "FLD_NAME = ? COLLATE <name collation>", for every query that matches a name.
std::string NameMatches() {
    return std::string("FLD_NAME = ? COLLATE ") + kNameCollation;
}

bool Failed(const std::exception& error) {
    return DatabaseFailed(error.what());
}

// The name tables differ only in their name.
struct NameTable {
    const char* table;
};
constexpr NameTable kBaseTable{"TBL_BASE"};
constexpr NameTable kStyleTable{"TBL_STYLE"};
constexpr NameTable kMasterTable{"TBL_MASTER"};

// The first row of that name; throws on a database error.
std::optional<int> FindNameIndex(SQLite::Database& database, NameTable table, const std::string& name) {
    SQLite::Statement query(database, std::string("SELECT FLD_INDEX FROM ") + table.table + " WHERE " + NameMatches() +
                                          " ORDER BY FLD_INDEX LIMIT 1");
    query.bind(1, name);
    if (!query.executeStep()) return std::nullopt;
    return query.getColumn(0).getInt();
}

int AddName(SQLite::Database& database, NameTable table, const std::string& name) {
    SQLite::Statement insert(database, std::string("INSERT INTO ") + table.table + " (FLD_NAME) VALUES (?)");
    insert.bind(1, name);
    insert.exec();
    return static_cast<int>(database.getLastInsertRowid());
}

bool Find(SQLite::Database& database, NameTable table, const std::string& name, int& index) {
    try {
        const auto found = FindNameIndex(database, table, name);
        if (!found) return false;
        index = *found;
        return true;
    } catch (const std::exception& error) {
        return Failed(error);
    }
}

bool GetName(SQLite::Database& database, NameTable table, int index, std::string& name) {
    try {
        SQLite::Statement query(database, std::string("SELECT FLD_NAME FROM ") + table.table + " WHERE FLD_INDEX = ?");
        query.bind(1, index);
        if (!query.executeStep()) return false;
        name = query.getColumn(0).getString();
        return true;
    } catch (const std::exception& error) {
        return Failed(error);
    }
}

bool LoadNames(SQLite::Database& database, NameTable table, std::vector<std::string>& names) {
    try {
        SQLite::Statement query(database, std::string("SELECT FLD_NAME FROM ") + table.table + " ORDER BY FLD_INDEX");
        std::vector<std::string> loaded;
        while (query.executeStep()) loaded.push_back(query.getColumn(0).getString());
        names.insert(names.end(), loaded.begin(), loaded.end());
        return true;
    } catch (const std::exception& error) {
        return Failed(error);
    }
}

bool FitsTextLimits(const CocktailRecord& record, const MaterialMap& materials) {
    for (const std::string* text :
         {&record.name, &record.styleName, &record.baseName, &record.picture, &record.masterName}) {
        if (text->size() > kMaxTextBytes) return false;
    }
    return std::all_of(materials.begin(), materials.end(), [](const auto& entry) {
        return entry.first.size() <= kMaxTextBytes && entry.second.size() <= kMaxTextBytes;
    });
}

bool HasDatabase(const CBarvellaApp& app) {
    if (app.database) return true;
    return DatabaseFailed("the database is not open");
}

bool CanStore(const CBarvellaApp& app, const CocktailRecord& record, const MaterialMap& materials) {
    if (!HasDatabase(app)) return false;
    if (FitsTextLimits(record, materials)) return true;
    return DatabaseFailed("a text is longer than " + std::to_string(kMaxTextBytes) + " bytes");
}

// Names a change added to or took from the name tables; the lists follow after the commit.
struct NameChanges {
    std::vector<std::string> removedBases, removedStyles, removedMasters;
    std::vector<std::string> addedBases, addedStyles, addedMasters;
};

void RemoveFirst(std::vector<std::string>& names, const std::string& name) {
    const auto found = std::find(names.begin(), names.end(), name);
    if (found != names.end()) names.erase(found);
}

void ApplyNameChanges(CBarvellaApp& app, const NameChanges& changes) {
    for (const auto& name : changes.removedBases) RemoveFirst(app.baseNames, name);
    for (const auto& name : changes.removedMasters) RemoveFirst(app.masterNames, name);
    for (const auto& name : changes.removedStyles) RemoveFirst(app.styleNames, name);
    app.baseNames.insert(app.baseNames.end(), changes.addedBases.begin(), changes.addedBases.end());
    app.masterNames.insert(app.masterNames.end(), changes.addedMasters.begin(), changes.addedMasters.end());
    app.styleNames.insert(app.styleNames.end(), changes.addedStyles.begin(), changes.addedStyles.end());
}

// The index of `name` in `table`, adding a row when the name is new.
int FindOrAddName(SQLite::Database& database, NameTable table, const std::string& name,
                  std::vector<std::string>& added) {
    if (const auto found = FindNameIndex(database, table, name)) return *found;
    const int index = AddName(database, table, name);
    added.push_back(name);
    return index;
}

void AddMaterialRows(SQLite::Database& database, int cocktailIndex, const MaterialMap& materials) {
    SQLite::Statement insert(database,
                             "INSERT INTO TBL_MATERIAL (FLD_COCKTAIL, FLD_NAME, FLD_QUANTITY) VALUES (?, ?, ?)");
    for (const auto& [ingredient, quantity] : materials) {
        insert.bind(1, cocktailIndex);
        insert.bind(2, ingredient);
        insert.bind(3, quantity);
        insert.exec();
        insert.reset();
    }
}

// Stored numbers of a cocktail written by StoreCocktail.
struct StoredIndexes {
    int cocktail = 0, base = 0, style = 0, master = 0;
};

// Inside an open transaction; throws on a database error (the caller rolls back).
StoredIndexes StoreCocktail(SQLite::Database& database, const CocktailRecord& record, const MaterialMap& materials,
                            NameChanges& changes) {
    StoredIndexes stored;
    stored.base = FindOrAddName(database, kBaseTable, record.baseName, changes.addedBases);
    const bool hasMaster = !record.masterName.empty();
    if (hasMaster) stored.master = FindOrAddName(database, kMasterTable, record.masterName, changes.addedMasters);
    stored.style = FindOrAddName(database, kStyleTable, record.styleName, changes.addedStyles);

    SQLite::Statement insert(database,
                             "INSERT INTO TBL_COCKTAIL (FLD_NAME, FLD_INITIAL, FLD_STRONG, FLD_TASTE, FLD_STYLE, "
                             "FLD_BASE, FLD_HOWTO, FLD_MEMO, FLD_PICTURE, FLD_MASTER) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    insert.bind(1, record.name);
    insert.bind(2, record.initial);
    insert.bind(3, record.strong);
    insert.bind(4, record.taste);
    insert.bind(5, stored.style);
    insert.bind(6, stored.base);
    insert.bind(7, record.howTo);
    insert.bind(8, record.memo);
    insert.bind(9, record.picture);
    if (hasMaster) {
        insert.bind(10, stored.master);
    } else {
        insert.bind(10);
    }
    insert.exec();
    // The new row's own number, not a name look-up that could find an older namesake.
    stored.cocktail = static_cast<int>(database.getLastInsertRowid());
    AddMaterialRows(database, stored.cocktail, materials);
    return stored;
}

bool IsReferenced(SQLite::Database& database, const char* column, int index) {
    SQLite::Statement query(database, std::string("SELECT 1 FROM TBL_COCKTAIL WHERE ") + column + " = ? LIMIT 1");
    query.bind(1, index);
    return query.executeStep();
}

void DeleteRow(SQLite::Database& database, const char* table, const char* column, int index) {
    SQLite::Statement remove(database, std::string("DELETE FROM ") + table + " WHERE " + column + " = ?");
    remove.bind(1, index);
    remove.exec();
}

void DeleteIfOrphaned(SQLite::Database& database, NameTable table, const char* column, int index,
                      std::vector<std::string>& removed) {
    if (IsReferenced(database, column, index)) return;
    std::string name;
    GetName(database, table, index, name);
    DeleteRow(database, table.table, "FLD_INDEX", index);
    removed.push_back(name);
}

// Inside an open transaction; throws on a database error (the caller rolls back).
void RemoveCocktail(SQLite::Database& database, const CocktailRecord& stored, NameChanges& changes) {
    // By number: a namesake made by another tool keeps its row and its ingredients.
    DeleteRow(database, "TBL_COCKTAIL", "FLD_INDEX", stored.index);
    DeleteRow(database, "TBL_MATERIAL", "FLD_COCKTAIL", stored.index);
    DeleteIfOrphaned(database, kBaseTable, "FLD_BASE", stored.baseIndex, changes.removedBases);
    if (!stored.masterName.empty()) {
        DeleteIfOrphaned(database, kMasterTable, "FLD_MASTER", stored.masterIndex, changes.removedMasters);
    }
    DeleteIfOrphaned(database, kStyleTable, "FLD_STYLE", stored.styleIndex, changes.removedStyles);
}

void TakeStoredIndexes(CocktailRecord& record, const StoredIndexes& stored) {
    record.index = stored.cocktail;
    record.baseIndex = stored.base;
    record.styleIndex = stored.style;
    if (!record.masterName.empty()) record.masterIndex = stored.master;
}

}  // namespace

bool LoadBaseNames(SQLite::Database& database, std::vector<std::string>& names) {
    return LoadNames(database, kBaseTable, names);
}

bool LoadStyleNames(SQLite::Database& database, std::vector<std::string>& names) {
    return LoadNames(database, kStyleTable, names);
}

bool LoadMasterNames(SQLite::Database& database, std::vector<std::string>& names) {
    return LoadNames(database, kMasterTable, names);
}

bool FindCocktailIndex(SQLite::Database& database, const std::string& name, int& index) {
    return Find(database, NameTable{"TBL_COCKTAIL"}, name, index);
}

const char* const kCocktailSelect =
    "SELECT C.FLD_INDEX, C.FLD_NAME, C.FLD_INITIAL, C.FLD_STRONG, C.FLD_TASTE, C.FLD_STYLE, C.FLD_BASE, "
    "C.FLD_HOWTO, C.FLD_MEMO, C.FLD_PICTURE, C.FLD_MASTER, B.FLD_NAME, S.FLD_NAME, M.FLD_NAME "
    "FROM TBL_COCKTAIL C LEFT JOIN TBL_BASE B ON B.FLD_INDEX = C.FLD_BASE "
    "LEFT JOIN TBL_STYLE S ON S.FLD_INDEX = C.FLD_STYLE LEFT JOIN TBL_MASTER M ON M.FLD_INDEX = C.FLD_MASTER";

bool ReadCocktailRow(SQLite::Statement& row, CocktailRecord& record, bool& hasMaster) {
    record.index = row.getColumn(0).getInt();
    record.name = row.getColumn(1).getString();
    record.initial = row.getColumn(2).getInt();
    record.strong = row.getColumn(3).getInt();
    record.taste = row.getColumn(4).getInt();
    record.styleIndex = row.getColumn(5).getInt();
    record.baseIndex = row.getColumn(6).getInt();
    record.howTo = row.getColumn(7).getString();
    record.memo = row.getColumn(8).getString();
    record.picture = row.getColumn(9).getString();
    hasMaster = !row.getColumn(10).isNull();
    record.masterIndex = row.getColumn(10).getInt();
    record.baseName = row.getColumn(11).getString();
    record.styleName = row.getColumn(12).getString();
    record.masterName = row.getColumn(13).getString();
    return !row.getColumn(11).isNull() && !row.getColumn(12).isNull() && (!hasMaster || !row.getColumn(13).isNull());
}

bool ReadCocktail(SQLite::Database& database, const std::string& name, CocktailRecord& record) {
    try {
        SQLite::Statement query(
            database, std::string(kCocktailSelect) + " WHERE C." + NameMatches() + " ORDER BY C.FLD_INDEX LIMIT 1");
        query.bind(1, name);
        if (!query.executeStep()) return false;
        bool hasMaster = false;
        if (!ReadCocktailRow(query, record, hasMaster)) return false;
    } catch (const std::exception& error) {
        return Failed(error);
    }
    // A reused record must not keep the ingredients of the cocktail read before.
    record.materials.clear();
    return ReadMaterials(database, record.index, record.materials);
}

bool ReadMaterials(SQLite::Database& database, int cocktailIndex, MaterialMap& materials) {
    try {
        SQLite::Statement query(
            database, "SELECT FLD_NAME, FLD_QUANTITY FROM TBL_MATERIAL WHERE FLD_COCKTAIL = ? ORDER BY rowid");
        query.bind(1, cocktailIndex);
        MaterialMap read;
        while (query.executeStep())
            read.insert_or_assign(query.getColumn(0).getString(), query.getColumn(1).getString());
        if (read.empty()) return false;
        for (auto& [ingredient, quantity] : read) materials.insert_or_assign(ingredient, std::move(quantity));
        return true;
    } catch (const std::exception& error) {
        return Failed(error);
    }
}

void ReadEveryMaterial(SQLite::Database& database, const std::unordered_map<int, CocktailRecord*>& cocktails) {
    // Of two rows of one name the later counts, as in ReadMaterials.
    SQLite::Statement rows(database, "SELECT FLD_COCKTAIL, FLD_NAME, FLD_QUANTITY FROM TBL_MATERIAL ORDER BY rowid");
    while (rows.executeStep()) {
        const auto owner = cocktails.find(rows.getColumn(0).getInt());
        if (owner != cocktails.end())
            owner->second->materials.insert_or_assign(rows.getColumn(1).getString(), rows.getColumn(2).getString());
    }
}

bool LoadMaterialNames(SQLite::Database& database, std::vector<std::string>& names) {
    try {
        // The engine drops equal bytes and the few names that still match are merged here:
        // every record dialog reads this, and a DISTINCT under the name collation costs a
        // comparison call per ingredient row and step of its tree.
        SQLite::Statement query(database, "SELECT DISTINCT FLD_NAME FROM TBL_MATERIAL");
        std::vector<std::string> loaded;
        while (query.executeStep()) loaded.push_back(query.getColumn(0).getString());
        std::sort(loaded.begin(), loaded.end(),
                  [](const std::string& a, const std::string& b) { return cp932::CompareNames(a, b) < 0; });
        loaded.erase(
            std::unique(loaded.begin(), loaded.end(),
                        [](const std::string& a, const std::string& b) { return cp932::CompareNames(a, b) == 0; }),
            loaded.end());
        names.insert(names.end(), loaded.begin(), loaded.end());
        return true;
    } catch (const std::exception& error) {
        return Failed(error);
    }
}

bool InsertCocktail(CBarvellaApp& app, CocktailRecord& record, const MaterialMap& materials) {
    if (!CanStore(app, record, materials)) return false;
    SQLite::Database& database = *app.database;
    try {
        TransactionScope transaction(database);
        NameChanges changes;
        const StoredIndexes stored = StoreCocktail(database, record, materials, changes);
        transaction.Commit();
        TakeStoredIndexes(record, stored);
        ApplyNameChanges(app, changes);
        return true;
    } catch (const std::exception& error) {
        return Failed(error);
    }
}

bool DeleteCocktail(CBarvellaApp& app, const std::string& name) {
    if (!HasDatabase(app)) return false;
    SQLite::Database& database = *app.database;
    CocktailRecord stored;
    if (!ReadCocktail(database, name, stored)) return false;
    try {
        TransactionScope transaction(database);
        NameChanges changes;
        RemoveCocktail(database, stored, changes);
        transaction.Commit();
        ApplyNameChanges(app, changes);
        return true;
    } catch (const std::exception& error) {
        return Failed(error);
    }
}

bool ReplaceCocktail(CBarvellaApp& app, const std::string& oldName, CocktailRecord& record,
                     const MaterialMap& materials) {
    if (!CanStore(app, record, materials)) return false;
    SQLite::Database& database = *app.database;
    CocktailRecord stored;
    if (!ReadCocktail(database, oldName, stored)) return false;
    try {
        TransactionScope transaction(database);
        NameChanges changes;
        RemoveCocktail(database, stored, changes);
        const StoredIndexes indexes = StoreCocktail(database, record, materials, changes);
        transaction.Commit();
        TakeStoredIndexes(record, indexes);
        ApplyNameChanges(app, changes);
        return true;
    } catch (const std::exception& error) {
        return Failed(error);
    }
}
