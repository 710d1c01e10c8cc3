#include "schema.h"

#include <array>
#include <span>
#include <string_view>

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include "cp932.h"
#include "platform/file.h"
#include "transaction.h"

namespace {

enum class FieldKind {
    Counter,  // 32-bit number given by the store
    Text,     // up to kMaxTextBytes bytes
    Short,    // 16-bit signed
    Long,     // 32-bit signed
    Memo,     // text without a limit
};

struct FieldDefinition {
    const char* name;
    FieldKind kind;
    bool required;
    bool allowZeroLength;
};

struct TableDefinition {
    const char* name;
    std::span<const FieldDefinition> fields;
};

constexpr FieldDefinition kCocktailFields[] = {
    {"FLD_INDEX", FieldKind::Counter, true, false}, {"FLD_NAME", FieldKind::Text, true, false},
    {"FLD_INITIAL", FieldKind::Short, true, false}, {"FLD_STRONG", FieldKind::Short, true, false},
    {"FLD_TASTE", FieldKind::Short, true, false},   {"FLD_STYLE", FieldKind::Short, true, false},
    {"FLD_BASE", FieldKind::Long, true, false},     {"FLD_HOWTO", FieldKind::Memo, true, false},
    {"FLD_MEMO", FieldKind::Memo, false, true},     {"FLD_PICTURE", FieldKind::Text, false, true},
    {"FLD_MASTER", FieldKind::Long, false, false},
};

constexpr FieldDefinition kNameTableFields[] = {
    {"FLD_INDEX", FieldKind::Counter, true, false},
    {"FLD_NAME", FieldKind::Text, true, false},
};

constexpr FieldDefinition kMaterialFields[] = {
    {"FLD_COCKTAIL", FieldKind::Long, true, false},
    {"FLD_NAME", FieldKind::Text, true, false},
    {"FLD_QUANTITY", FieldKind::Text, true, false},
};

// Creation order; a file made by an interrupted creation holds a prefix of this list.
constexpr std::array<TableDefinition, 5> kTables = {{
    {"TBL_COCKTAIL", kCocktailFields},
    {"TBL_BASE", kNameTableFields},
    {"TBL_STYLE", kNameTableFields},
    {"TBL_MASTER", kNameTableFields},
    {"TBL_MATERIAL", kMaterialFields},
}};

std::string ByteLength(const std::string& field) {
    // length() of TEXT counts characters as if the bytes were UTF-8; the limits are in bytes.
    return "length(CAST(" + field + " AS BLOB))";
}

std::string ColumnDefinition(const FieldDefinition& field) {
    const std::string name = field.name;
    const std::string notNull = field.required ? " NOT NULL" : "";
    const std::string minimum = field.allowZeroLength ? "0" : "1";
    switch (field.kind) {
        case FieldKind::Counter:
            return name + " INTEGER PRIMARY KEY AUTOINCREMENT CHECK (" + name + " BETWEEN 1 AND 2147483647)";
        case FieldKind::Text:
            return name + " TEXT" + notNull + " CHECK (" + ByteLength(name) + " BETWEEN " + minimum + " AND " +
                   std::to_string(kMaxTextBytes) + ")";
        case FieldKind::Memo:
            return name + " TEXT" + notNull + (field.allowZeroLength ? "" : " CHECK (" + ByteLength(name) + " >= 1)");
        case FieldKind::Short:
            return name + " INTEGER" + notNull + " CHECK (" + name + " BETWEEN -32768 AND 32767)";
        case FieldKind::Long:
            break;
    }
    return name + " INTEGER" + notNull + " CHECK (" + name + " BETWEEN -2147483648 AND 2147483647)";
}

std::string CreateTableStatement(const TableDefinition& table) {
    std::string statement = std::string("CREATE TABLE ") + table.name + " (";
    for (std::size_t i = 0; i < table.fields.size(); ++i) {
        if (i > 0) statement += ", ";
        statement += ColumnDefinition(table.fields[i]);
    }
    return statement + ")";
}

int CompareNameValues(void*, int leftLength, const void* left, int rightLength, const void* right) {
    return cp932::CompareNames(
        std::string_view(static_cast<const char*>(left), static_cast<std::size_t>(leftLength)),
        std::string_view(static_cast<const char*>(right), static_cast<std::size_t>(rightLength)));
}

bool HasAllTables(SQLite::Database& database) {
    // The read also proves that the file is a database at all: SQLite opens lazily.
    SQLite::Statement query(database, "SELECT name FROM sqlite_master WHERE type = 'table'");
    std::array<bool, kTables.size()> found{};
    while (query.executeStep()) {
        const std::string name = query.getColumn(0).getString();
        for (std::size_t i = 0; i < kTables.size(); ++i) {
            if (sqlite3_stricmp(name.c_str(), kTables[i].name) == 0) found[i] = true;
        }
    }
    for (bool present : found) {
        if (!present) return false;
    }
    return true;
}

// Each connection is used by one thread only, so SQLite need not lock it for every call;
// a bulk read makes hundreds of thousands of calls.
constexpr int kOneThread = SQLITE_OPEN_NOMUTEX;

int OpenExisting(const std::string& path, int flags, std::unique_ptr<SQLite::Database>& database) {
    if (database) return 0;
    try {
        auto opened = std::make_unique<SQLite::Database>(path, flags | kOneThread);
        if (!HasAllTables(*opened)) {
            DatabaseFailed(path + " lacks a table of the cocktail database");
            return -1;
        }
        RegisterNameCollation(*opened);
        opened->setBusyTimeout(kBusyTimeoutMilliseconds);
        database = std::move(opened);
        return 0;
    } catch (const SQLite::Exception& error) {
        DatabaseFailed(path + ": " + error.what());
        return -1;
    } catch (const std::exception& error) {
        DatabaseFailed(path + ": " + error.what());
        return -2;
    }
}

}  // namespace

namespace {

std::string lastDatabaseError;

}  // namespace

const std::string& LastDatabaseError() {
    return lastDatabaseError;
}

bool DatabaseFailed(std::string reason) {
    lastDatabaseError = std::move(reason);
    return false;
}

void RegisterNameCollation(SQLite::Database& database) {
    const int result = sqlite3_create_collation_v2(database.getHandle(), kNameCollation, SQLITE_UTF8, nullptr,
                                                   CompareNameValues, nullptr);
    if (result != SQLITE_OK) throw SQLite::Exception(database.getHandle(), result);
}

bool CreateCocktailDatabase(const std::string& path, std::unique_ptr<SQLite::Database>& database) {
    // Creating only a new file makes the existence test and the creation one step.
    platform::File file;
    if (!file.Open(path, platform::File::Mode::CreateNew) || !file.Close())
        return DatabaseFailed(path + ": " + file.ErrorText());
    try {
        database = std::make_unique<SQLite::Database>(path, SQLite::OPEN_READWRITE | kOneThread);
        RegisterNameCollation(*database);
        database->setBusyTimeout(kBusyTimeoutMilliseconds);
        TransactionScope transaction(*database);
        for (const TableDefinition& table : kTables) database->exec(CreateTableStatement(table));
        transaction.Commit();
        return true;
    } catch (const std::exception& error) {
        return DatabaseFailed(path + ": " + error.what());
    }
}

int OpenCocktailDatabase(const std::string& path, std::unique_ptr<SQLite::Database>& database) {
    return OpenExisting(path, SQLite::OPEN_READWRITE, database);
}

int OpenCocktailDatabaseReadOnly(const std::string& path, std::unique_ptr<SQLite::Database>& database) {
    return OpenExisting(path, SQLite::OPEN_READONLY, database);
}

void CloseCocktailDatabase(std::unique_ptr<SQLite::Database>& database) {
    database.reset();
}
