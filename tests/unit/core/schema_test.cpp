#include <gtest/gtest.h>

#include <filesystem>

#include <SQLiteCpp/Statement.h>

#include "core/cocktail_database.h"
#include "core/schema.h"
#include "core_test_support.h"

namespace {

using coretest::ReadFile;
using coretest::TempDirectory;
using coretest::WriteFile;

TEST(CocktailSchema, AFreshStoreHasTheFiveTablesWithTheirFieldsInOrderAndNoRows)
{
    TempDirectory dir;
    std::unique_ptr<SQLite::Database> database;
    ASSERT_TRUE(CreateCocktailDatabase(dir.File("Barvella.mdb"), database));
    ASSERT_TRUE(database);

    SQLite::Statement tables(*database,
                             "SELECT m.name, group_concat(p.name, ' ') FROM sqlite_master m, pragma_table_info(m.name) p "
                             "WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite%' GROUP BY m.name ORDER BY m.rowid");
    std::vector<std::string> layout;
    while (tables.executeStep()) layout.push_back(tables.getColumn(0).getString() + ": " + tables.getColumn(1).getString());
    EXPECT_EQ(layout, (std::vector<std::string>{
                          "TBL_COCKTAIL: FLD_INDEX FLD_NAME FLD_INITIAL FLD_STRONG FLD_TASTE FLD_STYLE FLD_BASE "
                          "FLD_HOWTO FLD_MEMO FLD_PICTURE FLD_MASTER",
                          "TBL_BASE: FLD_INDEX FLD_NAME", "TBL_STYLE: FLD_INDEX FLD_NAME", "TBL_MASTER: FLD_INDEX FLD_NAME",
                          "TBL_MATERIAL: FLD_COCKTAIL FLD_NAME FLD_QUANTITY"}));
    EXPECT_EQ(database->execAndGet("SELECT count(*) FROM sqlite_master WHERE type <> 'table'").getInt(), 0)
        << "no index, view or trigger";
    EXPECT_EQ(database->execAndGet("SELECT (SELECT count(*) FROM TBL_COCKTAIL) + (SELECT count(*) FROM TBL_BASE) + "
                                   "(SELECT count(*) FROM TBL_STYLE) + (SELECT count(*) FROM TBL_MASTER) + "
                                   "(SELECT count(*) FROM TBL_MATERIAL)")
                  .getInt(),
              0);
}

TEST(CocktailSchema, TheStoreRefusesWhatTheFieldRulesForbid)
{
    TempDirectory dir;
    std::unique_ptr<SQLite::Database> database;
    ASSERT_TRUE(CreateCocktailDatabase(dir.File("Barvella.mdb"), database));
    std::string katakana;
    for (int i = 0; i < 128; ++i) katakana += "カ";
    const std::string tooLong = coretest::Sjis(katakana);  // 256 bytes, but 128 characters if read as UTF-8
    ASSERT_EQ(tooLong.size(), 256u);

    struct Case {
        const char* what;
        std::string name;
        const char* strongTasteStyleBaseHowToMemo;
        bool accepted;
    };
    const Case cases[] = {
        {"255-byte name, empty memo", std::string(255, 'x'), "0, 0, 1, 1, 'shake', ''", true},
        {"16-bit limits, no memo", "a", "-32768, 0, 32767, 1, 'shake', NULL", true},
        {"empty name", "", "0, 0, 1, 1, 'shake', ''", false},
        {"256-byte name", tooLong, "0, 0, 1, 1, 'shake', ''", false},
        {"empty method", "c", "0, 0, 1, 1, '', ''", false},
        {"no method", "d", "0, 0, 1, 1, NULL, ''", false},
        {"style above 32767", "e", "0, 0, 32768, 1, 'shake', ''", false},
        {"strength below -32768", "f", "-32769, 0, 1, 1, 'shake', ''", false},
        {"base beyond 32 bits", "g", "0, 0, 1, 2147483648, 'shake', ''", false},
    };
    for (const Case& c : cases) {
        SQLite::Statement insert(*database, std::string("INSERT INTO TBL_COCKTAIL (FLD_NAME, FLD_INITIAL, FLD_STRONG, "
                                                        "FLD_TASTE, FLD_STYLE, FLD_BASE, FLD_HOWTO, FLD_MEMO) VALUES (?, 0, ") +
                                                c.strongTasteStyleBaseHowToMemo + ")");
        insert.bind(1, c.name);
        bool accepted = true;
        try {
            insert.exec();
        } catch (const SQLite::Exception&) {
            accepted = false;
        }
        EXPECT_EQ(accepted, c.accepted) << c.what;
    }
    EXPECT_THROW(database->exec("INSERT INTO TBL_MATERIAL VALUES (1, 'lime', '')"), SQLite::Exception) << "empty quantity";
    EXPECT_THROW(database->exec("INSERT INTO TBL_BASE (FLD_NAME) VALUES (NULL)"), SQLite::Exception);
}

TEST(CocktailSchema, CreationRefusesAnExistingFileAndLeavesItAlone)
{
    TempDirectory dir;
    WriteFile(dir.File("Barvella.mdb"), "not a database");
    std::unique_ptr<SQLite::Database> database;
    EXPECT_FALSE(CreateCocktailDatabase(dir.File("Barvella.mdb"), database));
    EXPECT_FALSE(database);
    EXPECT_EQ(ReadFile(dir.File("Barvella.mdb")), "not a database");
}

TEST(CocktailSchemaOpen, AMissingFileOrTableAnswersMinusOneAndNothingIsCreatedOrChanged)
{
    TempDirectory dir;
    const std::string path = dir.File("Barvella.mdb");
    std::unique_ptr<SQLite::Database> database;
    EXPECT_EQ(OpenCocktailDatabase(path, database), -1);
    EXPECT_FALSE(std::filesystem::exists(path));

    {
        SQLite::Database other(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        other.exec("CREATE TABLE TBL_COCKTAIL (FLD_INDEX INTEGER); CREATE TABLE TBL_BASE (FLD_INDEX INTEGER);"
                   "CREATE TABLE TBL_STYLE (FLD_INDEX INTEGER); CREATE TABLE TBL_MASTER (FLD_INDEX INTEGER)");
    }
    const std::string partial = ReadFile(path);
    EXPECT_EQ(OpenCocktailDatabase(path, database), -1) << "TBL_MATERIAL is missing";
    EXPECT_EQ(OpenCocktailDatabaseReadOnly(path, database), -1);
    EXPECT_FALSE(database);
    EXPECT_EQ(ReadFile(path), partial);
}

TEST(CocktailSchemaOpen, AStoreMadeByAnotherToolIsUsedAsItIs)
{
    TempDirectory dir;
    const std::string path = dir.File("Barvella.mdb");
    {
        SQLite::Database other(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        other.exec("CREATE TABLE tbl_cocktail (FLD_INDEX INTEGER PRIMARY KEY, FLD_NAME TEXT, FLD_INITIAL INT, "
                   "FLD_STRONG INT, FLD_TASTE INT, FLD_STYLE INT, FLD_BASE INT, FLD_HOWTO TEXT, FLD_MEMO TEXT, "
                   "FLD_PICTURE TEXT, FLD_MASTER INT);"
                   "CREATE TABLE TBL_BASE (FLD_INDEX INTEGER PRIMARY KEY, FLD_NAME TEXT);"
                   "CREATE TABLE TBL_STYLE (FLD_INDEX INTEGER PRIMARY KEY, FLD_NAME TEXT);"
                   "CREATE TABLE TBL_MASTER (FLD_INDEX INTEGER PRIMARY KEY, FLD_NAME TEXT);"
                   "CREATE TABLE TBL_MATERIAL (FLD_COCKTAIL INT, FLD_NAME TEXT, FLD_QUANTITY TEXT);"
                   "INSERT INTO TBL_BASE VALUES (7, 'Gin')");
    }
    const auto schemaBefore = [&] {
        SQLite::Database reader(path);
        return reader.execAndGet("SELECT group_concat(sql, ';') FROM sqlite_master").getString();
    }();

    std::unique_ptr<SQLite::Database> database;
    ASSERT_EQ(OpenCocktailDatabase(path, database), 0);
    SQLite::Database* opened = database.get();
    EXPECT_EQ(OpenCocktailDatabase(path, database), 0) << "already open";
    EXPECT_EQ(database.get(), opened);
    int index = 0;
    ASSERT_TRUE(FindBaseIndex(*database, "GIN", index));
    EXPECT_EQ(index, 7);
    CloseCocktailDatabase(database);
    EXPECT_FALSE(database);

    ASSERT_EQ(OpenCocktailDatabaseReadOnly(path, database), 0);
    EXPECT_TRUE(FindBaseIndex(*database, "gin", index));
    EXPECT_FALSE(AddBase(*database, "Rum", index)) << "read-only";
    CloseCocktailDatabase(database);
    SQLite::Database reader(path);
    EXPECT_EQ(reader.execAndGet("SELECT group_concat(sql, ';') FROM sqlite_master").getString(), schemaBefore);
}

}  // namespace
