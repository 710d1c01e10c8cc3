#include "site_fixture.h"

#include <stdexcept>

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/VariadicBind.h>

#include "store/schema.h"

TestStore::TestStore(const std::filesystem::path& directory) {
    const std::string path = (directory / kDatabaseFileName).string();
    if (!CocktailStore::Open(path, StoreAccess::Change, m_store).ok())
        throw std::runtime_error("cannot create the test store");
    m_database = std::make_unique<SQLite::Database>(path, SQLite::OPEN_READWRITE);
}

int TestStore::AddName(const char* table, const std::string& name) {
    SQLite::Statement insert(*m_database, std::string("INSERT INTO ") + table + " (FLD_NAME) VALUES (?)");
    insert.bind(1, Sjis(name));
    insert.exec();
    return static_cast<int>(m_database->getLastInsertRowid());
}

int TestStore::AddCocktail(const CocktailRow& row) {
    SQLite::Statement insert(*m_database,
                             "INSERT INTO TBL_COCKTAIL (FLD_NAME, FLD_INITIAL, FLD_STRONG, FLD_TASTE, FLD_STYLE, "
                             "FLD_BASE, FLD_HOWTO, FLD_MEMO, FLD_PICTURE, FLD_MASTER) VALUES (?,?,?,?,?,?,?,?,'',?)");
    SQLite::bind(insert, Sjis(row.name), row.initial, row.strong, row.taste, row.style, row.base, Sjis(row.howTo),
                 Sjis(row.memo));
    if (row.master) insert.bind(9, *row.master);
    insert.exec();
    const int index = static_cast<int>(m_database->getLastInsertRowid());
    for (const auto& [name, quantity] : row.materials) {
        SQLite::Statement material(*m_database, "INSERT INTO TBL_MATERIAL VALUES (?,?,?)");
        SQLite::bind(material, index, Sjis(name), Sjis(quantity));
        material.exec();
    }
    return index;
}
