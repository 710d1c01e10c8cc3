#include "store/cocktail_store.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <variant>

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include "cp932.h"
#include "store/database_file.h"
#include "store/schema.h"

namespace {

// "FLD_NAME = ? COLLATE <name collation>", for every query that matches a name.
std::string NameMatches() {
    return std::string("FLD_NAME = ? COLLATE ") + kNameCollation;
}

// Every reading of cocktails selects `columns` of the cocktails (C) with the names behind
// their base (B), style (S) and author (M); a missing row of those reads as NULL. The caller
// adds its WHERE or ORDER BY.
std::string SelectCocktails(const char* columns) {
    return std::string("SELECT ") + columns +
           " FROM TBL_COCKTAIL C LEFT JOIN TBL_BASE B ON B.FLD_INDEX = C.FLD_BASE "
           "LEFT JOIN TBL_STYLE S ON S.FLD_INDEX = C.FLD_STYLE LEFT JOIN TBL_MASTER M ON M.FLD_INDEX = C.FLD_MASTER";
}

// The one text column `sql` selects, row by row.
std::vector<std::string> ReadTexts(SQLite::Database& database, const char* sql) {
    SQLite::Statement query(database, sql);
    std::vector<std::string> texts;
    while (query.executeStep()) texts.push_back(query.getColumn(0).getString());
    return texts;
}

// A whole cocktail row, as ReadCocktailRow takes it.
constexpr const char* kCocktailColumns =
    "C.FLD_INDEX, C.FLD_NAME, C.FLD_INITIAL, C.FLD_STRONG, C.FLD_TASTE, C.FLD_STYLE, C.FLD_BASE, C.FLD_HOWTO, "
    "C.FLD_MEMO, C.FLD_PICTURE, C.FLD_MASTER, B.FLD_NAME, S.FLD_NAME, M.FLD_NAME";
// What a row of the host's list shows; SQLite leaves out the author's join it does not use.
constexpr const char* kListRowColumns = "C.FLD_NAME, B.FLD_NAME, S.FLD_NAME, C.FLD_STRONG, C.FLD_TASTE";

// Fills every field but the ingredients; false when the base, the style or the author the
// row refers to is missing.
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

// The ingredient rows of every cocktail, by cocktail number; of two rows of one name the
// later counts.
constexpr const char* kMaterialSelect =
    "SELECT FLD_COCKTAIL, FLD_NAME, FLD_QUANTITY FROM TBL_MATERIAL ORDER BY FLD_COCKTAIL, rowid";

// The name tables differ only in their name.
struct NameTable {
    const char* table;
};
constexpr NameTable kBaseTable{"TBL_BASE"};
constexpr NameTable kStyleTable{"TBL_STYLE"};
constexpr NameTable kMasterTable{"TBL_MASTER"};
constexpr NameTable kCocktailTable{"TBL_COCKTAIL"};

std::optional<int> FindNameIndex(SQLite::Database& database, NameTable table, const std::string& name) {
    SQLite::Statement query(database, std::string("SELECT FLD_INDEX FROM ") + table.table + " WHERE " + NameMatches() +
                                          " ORDER BY FLD_INDEX LIMIT 1");
    query.bind(1, name);
    if (!query.executeStep()) return std::nullopt;
    return query.getColumn(0).getInt();
}

std::vector<NamedRow> ReadNamedRows(SQLite::Database& database, NameTable table) {
    SQLite::Statement query(database,
                            std::string("SELECT FLD_INDEX, FLD_NAME FROM ") + table.table + " ORDER BY FLD_INDEX");
    std::vector<NamedRow> rows;
    while (query.executeStep()) rows.push_back({query.getColumn(0).getInt(), query.getColumn(1).getString()});
    return rows;
}

std::vector<std::string> ReadNames(SQLite::Database& database, NameTable table) {
    std::vector<std::string> names;
    for (NamedRow& row : ReadNamedRows(database, table)) names.push_back(std::move(row.name));
    return names;
}

bool FitsTextLimits(const CocktailRecord& record) {
    for (const std::string* text :
         {&record.name, &record.styleName, &record.baseName, &record.picture, &record.masterName}) {
        if (text->size() > kMaxTextBytes) return false;
    }
    return std::all_of(record.materials.begin(), record.materials.end(), [](const auto& entry) {
        return entry.first.size() <= kMaxTextBytes && entry.second.size() <= kMaxTextBytes;
    });
}

void RemoveFirst(std::vector<std::string>& names, const std::string& name) {
    const auto found = std::find(names.begin(), names.end(), name);
    if (found != names.end()) names.erase(found);
}

StoreStatus NotFound(const std::string& name) {
    return StoreStatus::Fail(StoreOutcome::NotFound,
                             "no readable cocktail named \"" + cp932::ToUtf8(name).value_or(name) + "\" is stored");
}

// The search dialog's choices as conditions on the cocktail table C; each ? takes the next
// value, bound, never pasted. The base and ingredient conditions are sub-queries, so no
// cocktail is paired with every base or ingredient row and each comes out once.
struct Condition {
    std::string sql;
    std::vector<std::variant<int, std::string>> values;
};

Condition ComposeCondition(const SearchConditions& conditions) {
    Condition condition;
    const auto require = [&condition](const std::string& clause, auto value) {
        condition.sql += condition.sql.empty() ? " WHERE " : " AND ";
        condition.sql += clause;
        condition.values.emplace_back(std::move(value));
    };
    if (!conditions.baseName.empty())
        require("C.FLD_BASE IN (SELECT FLD_INDEX FROM TBL_BASE WHERE " + NameMatches() + ")", conditions.baseName);
    if (!conditions.materialName.empty())
        require("C.FLD_INDEX IN (SELECT FLD_COCKTAIL FROM TBL_MATERIAL WHERE " + NameMatches() + ")",
                conditions.materialName);
    if (conditions.strong != -1) require("C.FLD_STRONG = ?", conditions.strong);
    if (conditions.taste != -1) require("C.FLD_TASTE = ?", conditions.taste);
    return condition;
}

std::optional<std::string> OptionalText(const SQLite::Column& column) {
    if (column.isNull()) return std::nullopt;
    return column.getString();
}

std::optional<long long> OptionalNumber(const SQLite::Column& column) {
    if (column.isNull()) return std::nullopt;
    return column.getInt64();
}

}  // namespace

bool HasSearchCondition(const SearchConditions& conditions) {
    return !conditions.baseName.empty() || !conditions.materialName.empty() || conditions.strong != -1 ||
           conditions.taste != -1;
}

// Names a change added to or took from the name tables; the lists follow after the commit.
struct CocktailStore::NameChanges {
    std::vector<std::string> removedBases, removedStyles, removedMasters;
    std::vector<std::string> addedBases, addedStyles, addedMasters;
};

namespace {

// The index of `name` in `table`, adding a row when the name is new.
int FindOrAddName(SQLite::Database& database, NameTable table, const std::string& name,
                  std::vector<std::string>& added) {
    if (const auto found = FindNameIndex(database, table, name)) return *found;
    SQLite::Statement insert(database, std::string("INSERT INTO ") + table.table + " (FLD_NAME) VALUES (?)");
    insert.bind(1, name);
    insert.exec();
    added.push_back(name);
    return static_cast<int>(database.getLastInsertRowid());
}

// Inside an open transaction; throws on a database error (the transaction then rolls back).
template <class Changes>
void StoreCocktail(SQLite::Database& database, CocktailRecord& record, Changes& changes) {
    const int base = FindOrAddName(database, kBaseTable, record.baseName, changes.addedBases);
    const bool hasMaster = !record.masterName.empty();
    const int master = hasMaster ? FindOrAddName(database, kMasterTable, record.masterName, changes.addedMasters) : 0;
    const int style = FindOrAddName(database, kStyleTable, record.styleName, changes.addedStyles);

    SQLite::Statement insert(database,
                             "INSERT INTO TBL_COCKTAIL (FLD_NAME, FLD_INITIAL, FLD_STRONG, FLD_TASTE, FLD_STYLE, "
                             "FLD_BASE, FLD_HOWTO, FLD_MEMO, FLD_PICTURE, FLD_MASTER) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    insert.bind(1, record.name);
    insert.bind(2, record.initial);
    insert.bind(3, record.strong);
    insert.bind(4, record.taste);
    insert.bind(5, style);
    insert.bind(6, base);
    insert.bind(7, record.howTo);
    insert.bind(8, record.memo);
    insert.bind(9, record.picture);
    if (hasMaster) {
        insert.bind(10, master);
    } else {
        insert.bind(10);
    }
    insert.exec();
    // The new row's own number, not a name look-up that could find an older namesake.
    const int index = static_cast<int>(database.getLastInsertRowid());
    SQLite::Statement material(database,
                               "INSERT INTO TBL_MATERIAL (FLD_COCKTAIL, FLD_NAME, FLD_QUANTITY) VALUES (?, ?, ?)");
    for (const auto& [ingredient, quantity] : record.materials) {
        material.bind(1, index);
        material.bind(2, ingredient);
        material.bind(3, quantity);
        material.exec();
        material.reset();
    }
    record.index = index;
    record.baseIndex = base;
    record.styleIndex = style;
    if (hasMaster) record.masterIndex = master;
}

void DeleteRows(SQLite::Database& database, const char* table, const char* column, int index) {
    SQLite::Statement remove(database, std::string("DELETE FROM ") + table + " WHERE " + column + " = ?");
    remove.bind(1, index);
    remove.exec();
}

void DeleteIfOrphaned(SQLite::Database& database, NameTable table, const char* column, int index,
                      std::vector<std::string>& removed) {
    SQLite::Statement used(database, std::string("SELECT 1 FROM TBL_COCKTAIL WHERE ") + column + " = ? LIMIT 1");
    used.bind(1, index);
    if (used.executeStep()) return;
    SQLite::Statement name(database, std::string("SELECT FLD_NAME FROM ") + table.table + " WHERE FLD_INDEX = ?");
    name.bind(1, index);
    removed.push_back(name.executeStep() ? name.getColumn(0).getString() : std::string());
    DeleteRows(database, table.table, "FLD_INDEX", index);
}

// Inside an open transaction; throws on a database error.
template <class Changes>
void RemoveCocktail(SQLite::Database& database, const CocktailRecord& stored, Changes& changes) {
    // By number: a namesake made by another tool keeps its row and its ingredients.
    DeleteRows(database, "TBL_COCKTAIL", "FLD_INDEX", stored.index);
    DeleteRows(database, "TBL_MATERIAL", "FLD_COCKTAIL", stored.index);
    DeleteIfOrphaned(database, kBaseTable, "FLD_BASE", stored.baseIndex, changes.removedBases);
    if (!stored.masterName.empty())
        DeleteIfOrphaned(database, kMasterTable, "FLD_MASTER", stored.masterIndex, changes.removedMasters);
    DeleteIfOrphaned(database, kStyleTable, "FLD_STYLE", stored.styleIndex, changes.removedStyles);
}

// The first cocktail of a matching name, inside the caller's read; false when it is missing
// or cannot be read.
bool ReadByName(SQLite::Database& database, const std::string& name, CocktailRecord& record) {
    SQLite::Statement query(
        database, SelectCocktails(kCocktailColumns) + " WHERE C." + NameMatches() + " ORDER BY C.FLD_INDEX LIMIT 1");
    query.bind(1, name);
    if (!query.executeStep()) return false;
    CocktailRecord read;
    bool hasMaster = false;
    if (!ReadCocktailRow(query, read, hasMaster)) return false;
    SQLite::Statement materials(
        database, "SELECT FLD_NAME, FLD_QUANTITY FROM TBL_MATERIAL WHERE FLD_COCKTAIL = ? ORDER BY rowid");
    materials.bind(1, read.index);
    while (materials.executeStep())
        read.materials.insert_or_assign(materials.getColumn(0).getString(), materials.getColumn(1).getString());
    if (read.materials.empty()) return false;
    record = std::move(read);
    return true;
}

// Several statements that must see one state of the store; inside a batch they see the
// batch's own.
class ReadTransaction {
public:
    explicit ReadTransaction(SQLite::Database& database) {
        if (sqlite3_get_autocommit(database.getHandle()))
            m_transaction.emplace(database, SQLite::TransactionBehavior::DEFERRED);
    }
    void Done() {
        if (m_transaction) m_transaction->commit();
    }

private:
    std::optional<SQLite::Transaction> m_transaction;
};

}  // namespace

CocktailStore::CocktailStore(std::unique_ptr<SQLite::Database> database, std::string path)
    : m_database(std::move(database)), m_path(std::move(path)) {}

CocktailStore::~CocktailStore() = default;

StoreStatus CocktailStore::Open(const std::string& path, StoreAccess access, std::unique_ptr<CocktailStore>& store) {
    std::unique_ptr<SQLite::Database> database;
    StoreStatus status = OpenDatabaseFile(path, access, database);
    if (!status.ok()) return status;
    std::unique_ptr<CocktailStore> opened(new CocktailStore(std::move(database), path));
    status = opened->LoadNameLists();
    if (status.ok()) store = std::move(opened);
    return status;
}

StoreStatus CocktailStore::Failure(const std::exception& error) const {
    return DatabaseFailure(m_path, error);
}

StoreStatus CocktailStore::LoadNameLists() {
    try {
        ReadTransaction read(*m_database);
        auto bases = ReadNames(*m_database, kBaseTable);
        auto styles = ReadNames(*m_database, kStyleTable);
        auto masters = ReadNames(*m_database, kMasterTable);
        read.Done();
        m_baseNames = std::move(bases);
        m_styleNames = std::move(styles);
        m_masterNames = std::move(masters);
        return StoreStatus::Ok();
    } catch (const std::exception& error) {
        return Failure(error);
    }
}

StoreStatus CocktailStore::ReadCocktail(const std::string& name, CocktailRecord& record) {
    try {
        ReadTransaction read(*m_database);
        const bool found = ReadByName(*m_database, name, record);
        read.Done();
        return found ? StoreStatus::Ok() : NotFound(name);
    } catch (const std::exception& error) {
        return Failure(error);
    }
}

StoreStatus CocktailStore::ContainsCocktail(const std::string& name, bool& contained) {
    try {
        contained = FindNameIndex(*m_database, kCocktailTable, name).has_value();
        return StoreStatus::Ok();
    } catch (const std::exception& error) {
        return Failure(error);
    }
}

StoreStatus CocktailStore::ReadMaterialNames(std::vector<std::string>& names) {
    try {
        // The engine drops equal bytes and the few names that still match are merged here:
        // every record dialog reads this, and a DISTINCT under the name collation costs a
        // comparison call per ingredient row and step of its tree.
        std::vector<std::string> loaded = ReadTexts(*m_database, "SELECT DISTINCT FLD_NAME FROM TBL_MATERIAL");
        std::sort(loaded.begin(), loaded.end(),
                  [](const std::string& a, const std::string& b) { return cp932::CompareNames(a, b) < 0; });
        loaded.erase(
            std::unique(loaded.begin(), loaded.end(),
                        [](const std::string& a, const std::string& b) { return cp932::CompareNames(a, b) == 0; }),
            loaded.end());
        names = std::move(loaded);
        return StoreStatus::Ok();
    } catch (const std::exception& error) {
        return Failure(error);
    }
}

StoreStatus CocktailStore::ReadCocktailNames(std::vector<std::string>& names) {
    try {
        names = ReadTexts(*m_database, "SELECT FLD_NAME FROM TBL_COCKTAIL");
        return StoreStatus::Ok();
    } catch (const std::exception& error) {
        return Failure(error);
    }
}

StoreStatus CocktailStore::ReadSnapshot(StoreSnapshot& snapshot) {
    try {
        ReadTransaction read(*m_database);
        StoreSnapshot loaded;
        loaded.bases = ReadNamedRows(*m_database, kBaseTable);
        loaded.styles = ReadNamedRows(*m_database, kStyleTable);
        loaded.masters = ReadNamedRows(*m_database, kMasterTable);
        SQLite::Statement cocktails(*m_database, SelectCocktails(kCocktailColumns) + " ORDER BY C.FLD_INDEX");
        while (cocktails.executeStep()) {
            StoredCocktail& c = loaded.cocktails.emplace_back();
            c.readable = ReadCocktailRow(cocktails, c, c.hasMaster);
        }
        std::unordered_map<int, StoredCocktail*> byIndex;
        for (StoredCocktail& c : loaded.cocktails) byIndex.emplace(c.index, &c);
        SQLite::Statement materials(*m_database, kMaterialSelect);
        while (materials.executeStep()) {
            const auto owner = byIndex.find(materials.getColumn(0).getInt());
            if (owner != byIndex.end())
                owner->second->materials.insert_or_assign(materials.getColumn(1).getString(),
                                                          materials.getColumn(2).getString());
        }
        read.Done();
        for (StoredCocktail& c : loaded.cocktails) c.readable = c.readable && !c.materials.empty();
        snapshot = std::move(loaded);
        return StoreStatus::Ok();
    } catch (const std::exception& error) {
        return Failure(error);
    }
}

StoreStatus CocktailStore::VisitCocktails(const CocktailVisitor& visit) {
    const auto refuse = [](std::string reason) { return StoreStatus::Fail(StoreOutcome::Failed, std::move(reason)); };
    try {
        ReadTransaction read(*m_database);
        // Both walks go up by cocktail number, so each cocktail meets its ingredients in step.
        SQLite::Statement cocktails(*m_database, SelectCocktails(kCocktailColumns) + " ORDER BY C.FLD_INDEX");
        SQLite::Statement materials(*m_database, kMaterialSelect);
        bool moreMaterials = materials.executeStep();
        CocktailRecord record;
        std::string reason;
        while (cocktails.executeStep()) {
            bool hasMaster = false;
            const bool complete = ReadCocktailRow(cocktails, record, hasMaster);
            const std::string quoted = "\"" + cp932::ToUtf8(record.name).value_or(record.name) + "\"";
            if (!complete) return refuse("cocktail " + quoted + " refers to a missing base, style or author");
            record.materials.clear();
            while (moreMaterials && materials.getColumn(0).getInt() < record.index)
                moreMaterials = materials.executeStep();
            while (moreMaterials && materials.getColumn(0).getInt() == record.index) {
                record.materials.insert_or_assign(materials.getColumn(1).getString(),
                                                  materials.getColumn(2).getString());
                moreMaterials = materials.executeStep();
            }
            if (record.materials.empty()) return refuse("cocktail " + quoted + " has no ingredient");
            if (!visit(record, reason)) return refuse(reason);
        }
        read.Done();
        return StoreStatus::Ok();
    } catch (const std::exception& error) {
        return Failure(error);
    }
}

StoreStatus CocktailStore::VisitListRows(const SearchConditions& conditions,
                                         const std::function<void(const ListRow&)>& visit) {
    try {
        const Condition condition = ComposeCondition(conditions);
        SQLite::Statement rows(*m_database, SelectCocktails(kListRowColumns) + condition.sql);
        int position = 1;
        for (const auto& value : condition.values)
            std::visit([&](const auto& bound) { rows.bind(position++, bound); }, value);
        ListRow row;
        while (rows.executeStep()) {
            row.name = rows.getColumn(0).getString();
            row.baseName = OptionalText(rows.getColumn(1));
            row.styleName = OptionalText(rows.getColumn(2));
            row.strong = OptionalNumber(rows.getColumn(3));
            row.taste = OptionalNumber(rows.getColumn(4));
            visit(row);
        }
        return StoreStatus::Ok();
    } catch (const std::exception& error) {
        return Failure(error);
    }
}

StoreStatus CocktailStore::Change(const std::string& name, const std::function<bool(NameChanges&)>& change) {
    try {
        if (m_batchChanges) return change(*m_batchChanges) ? StoreStatus::Ok() : NotFound(name);
        SQLite::Transaction transaction(*m_database, SQLite::TransactionBehavior::IMMEDIATE);
        NameChanges changes;
        if (!change(changes)) return NotFound(name);
        transaction.commit();
        ApplyNameChanges(changes);
        return StoreStatus::Ok();
    } catch (const std::exception& error) {
        return Failure(error);
    }
}

void CocktailStore::ApplyNameChanges(const NameChanges& changes) {
    for (const auto& name : changes.removedBases) RemoveFirst(m_baseNames, name);
    for (const auto& name : changes.removedMasters) RemoveFirst(m_masterNames, name);
    for (const auto& name : changes.removedStyles) RemoveFirst(m_styleNames, name);
    m_baseNames.insert(m_baseNames.end(), changes.addedBases.begin(), changes.addedBases.end());
    m_masterNames.insert(m_masterNames.end(), changes.addedMasters.begin(), changes.addedMasters.end());
    m_styleNames.insert(m_styleNames.end(), changes.addedStyles.begin(), changes.addedStyles.end());
}

StoreStatus CocktailStore::Insert(CocktailRecord& record) {
    if (!FitsTextLimits(record))
        return StoreStatus::Fail(StoreOutcome::Refused,
                                 "a text is longer than " + std::to_string(kMaxTextBytes) + " bytes");
    CocktailRecord stored = record;
    StoreStatus status = Change(record.name, [&](NameChanges& changes) {
        StoreCocktail(*m_database, stored, changes);
        return true;
    });
    if (status.ok()) record = std::move(stored);
    return status;
}

StoreStatus CocktailStore::Delete(const std::string& name) {
    return Change(name, [&](NameChanges& changes) {
        CocktailRecord stored;
        if (!ReadByName(*m_database, name, stored)) return false;
        RemoveCocktail(*m_database, stored, changes);
        return true;
    });
}

StoreStatus CocktailStore::Replace(const std::string& oldName, CocktailRecord& record) {
    if (!FitsTextLimits(record))
        return StoreStatus::Fail(StoreOutcome::Refused,
                                 "a text is longer than " + std::to_string(kMaxTextBytes) + " bytes");
    CocktailRecord stored = record;
    StoreStatus status = Change(oldName, [&](NameChanges& changes) {
        CocktailRecord old;
        if (!ReadByName(*m_database, oldName, old)) return false;
        RemoveCocktail(*m_database, old, changes);
        StoreCocktail(*m_database, stored, changes);
        return true;
    });
    if (status.ok()) record = std::move(stored);
    return status;
}

CocktailStore::Batch::Batch(CocktailStore& store)
    : m_store(store), m_transaction(*store.m_database, SQLite::TransactionBehavior::IMMEDIATE) {
    m_store.m_batchChanges = std::make_unique<NameChanges>();
}

CocktailStore::Batch::~Batch() {
    m_store.m_batchChanges.reset();
}

StoreStatus CocktailStore::Batch::Commit() {
    try {
        m_transaction.commit();
    } catch (const std::exception& error) {
        return m_store.Failure(error);
    }
    const auto changes = std::move(m_store.m_batchChanges);
    m_store.ApplyNameChanges(*changes);
    return StoreStatus::Ok();
}

StoreStatus CocktailStore::BeginBatch(std::unique_ptr<Batch>& batch) {
    try {
        batch.reset(new Batch(*this));
        return StoreStatus::Ok();
    } catch (const std::exception& error) {
        return Failure(error);
    }
}
