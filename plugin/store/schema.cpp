#include "store/schema.h"

#include <array>
#include <algorithm>
#include <string>
#include <span>
#include <string_view>

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include "cp932.h"

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

}  // namespace

TableCheck CheckTables(SQLite::Database& database) {
    SQLite::Statement query(database, "SELECT name FROM sqlite_master WHERE type = 'table'");
    std::array<bool, kTables.size()> found{};
    while (query.executeStep()) {
        const std::string name = query.getColumn(0).getString();
        for (std::size_t i = 0; i < kTables.size(); ++i) {
            if (sqlite3_stricmp(name.c_str(), kTables[i].name) == 0) found[i] = true;
        }
    }
    const auto present = std::count(found.begin(), found.end(), true);
    if (present == static_cast<long>(kTables.size())) return TableCheck::All;
    // Only a file without any table at all is a store not made yet; a file with other tables
    // of its own belongs to someone else.
    if (present == 0 && !database.execAndGet("SELECT count(*) FROM sqlite_master").getInt()) return TableCheck::None;
    return TableCheck::Some;
}

void RegisterNameCollation(SQLite::Database& database) {
    const int result = sqlite3_create_collation_v2(database.getHandle(), kNameCollation, SQLITE_UTF8, nullptr,
                                                   CompareNameValues, nullptr);
    if (result != SQLITE_OK) throw SQLite::Exception(database.getHandle(), result);
}

void CreateTables(SQLite::Database& database) {
    for (const TableDefinition& table : kTables) database.exec(CreateTableStatement(table));
}
