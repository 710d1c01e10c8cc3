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

std::vector<std::string> Columns(SQLite::Database& database, const std::string& table)
{
    SQLite::Statement query(database, "SELECT name FROM pragma_table_info(?) ORDER BY cid");
    query.bind(1, table);
    std::vector<std::string> names;
    while (query.executeStep()) names.push_back(query.getColumn(0).getString());
    return names;
}

TEST(CocktailSchema, AFreshStoreHasTheFiveTablesWithTheirFieldsInOrderAndNoRows)
{
    TempDirectory dir;
    std::unique_ptr<SQLite::Database> database;
    ASSERT_TRUE(CreateCocktailDatabase(dir.File("Barvella.mdb"), database));
    ASSERT_TRUE(database);

    SQLite::Statement tables(*database,
                             "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' ORDER BY rowid");
    std::vector<std::string> names;
    while (tables.executeStep()) names.push_back(tables.getColumn(0).getString());
    EXPECT_EQ(names, (std::vector<std::string>{"TBL_COCKTAIL", "TBL_BASE", "TBL_STYLE", "TBL_MASTER", "TBL_MATERIAL"}));
    EXPECT_EQ(database->execAndGet("SELECT count(*) FROM sqlite_master WHERE type <> 'table'").getInt(), 0)
        << "no index, view or trigger";

    EXPECT_EQ(Columns(*database, "TBL_COCKTAIL"),
              (std::vector<std::string>{"FLD_INDEX", "FLD_NAME", "FLD_INITIAL", "FLD_STRONG", "FLD_TASTE", "FLD_STYLE",
                                        "FLD_BASE", "FLD_HOWTO", "FLD_MEMO", "FLD_PICTURE", "FLD_MASTER"}));
    for (const char* table : {"TBL_BASE", "TBL_STYLE", "TBL_MASTER"}) {
        EXPECT_EQ(Columns(*database, table), (std::vector<std::string>{"FLD_INDEX", "FLD_NAME"})) << table;
    }
    EXPECT_EQ(Columns(*database, "TBL_MATERIAL"), (std::vector<std::string>{"FLD_COCKTAIL", "FLD_NAME", "FLD_QUANTITY"}));
    for (const char* table : {"TBL_COCKTAIL", "TBL_BASE", "TBL_STYLE", "TBL_MASTER", "TBL_MATERIAL"}) {
        EXPECT_EQ(database->execAndGet(std::string("SELECT count(*) FROM ") + table).getInt(), 0) << table;
    }
}

TEST(CocktailSchema, TheStoreRefusesWhatTheFieldRulesForbid)
{
    TempDirectory dir;
    std::unique_ptr<SQLite::Database> database;
    ASSERT_TRUE(CreateCocktailDatabase(dir.File("Barvella.mdb"), database));

    const std::string longest(255, 'x');
    std::string katakana;
    for (int i = 0; i < 128; ++i) katakana += "カ";
    const std::string tooLong = coretest::Sjis(katakana);  // 2 bytes a character
    ASSERT_EQ(tooLong.size(), 256u);

    struct Case {
        const char* what;
        std::string name, howTo;
        int strong, style;
        bool nullMemo, nullHowTo;
        bool accepted;
    };
    const Case cases[] = {
        {"valid, 255-byte name", longest, "shake", 0, 1, false, false, true},
        {"lowest and highest 16-bit values", "a", "shake", -32768, 32767, false, false, true},
        {"NULL memo", "b", "shake", 0, 1, true, false, true},
        {"empty name", "", "shake", 0, 1, false, false, false},
        {"256-byte name", tooLong, "shake", 0, 1, false, false, false},
        {"empty method", "c", "", 0, 1, false, false, false},
        {"NULL method", "d", "", 0, 1, false, true, false},
        {"style above 32767", "e", "shake", 0, 32768, false, false, false},
        {"strength below -32768", "f", "shake", -32769, 1, false, false, false},
    };
    for (const Case& c : cases) {
        SQLite::Statement insert(*database,
                                 "INSERT INTO TBL_COCKTAIL (FLD_NAME, FLD_INITIAL, FLD_STRONG, FLD_TASTE, FLD_STYLE, "
                                 "FLD_BASE, FLD_HOWTO, FLD_MEMO, FLD_PICTURE, FLD_MASTER) VALUES (?, 0, ?, 0, ?, 1, ?, ?, "
                                 "NULL, NULL)");
        insert.bind(1, c.name);
        insert.bind(2, c.strong);
        insert.bind(3, c.style);
        if (c.nullHowTo) insert.bind(4); else insert.bind(4, c.howTo);
        if (c.nullMemo) insert.bind(5); else insert.bind(5, "");
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
    EXPECT_THROW(database->exec("INSERT INTO TBL_COCKTAIL (FLD_NAME, FLD_INITIAL, FLD_STRONG, FLD_TASTE, FLD_STYLE, "
                                "FLD_BASE, FLD_HOWTO) VALUES ('g', 0, 0, 0, 1, 2147483648, 'stir')"),
                 SQLite::Exception)
        << "base reference beyond 32 bits";
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

// A store with rows, closed again, for the opening tests to spoil.
std::string MakeStoreFile(const TempDirectory& dir)
{
    const std::string path = dir.File("Barvella.mdb");
    std::unique_ptr<SQLite::Database> database;
    if (!CreateCocktailDatabase(path, database)) throw std::runtime_error("no store");
    BeginTransaction(*database);
    for (int i = 0; i < 200; ++i) {
        int index = 0;
        AddBase(*database, "base " + std::to_string(i), index);
    }
    CommitTransaction(*database);
    return path;
}

TEST(CocktailSchemaOpen, FilesThatAreNoUsableStoreAnswerMinusOneAndStayUnchanged)
{
    TempDirectory dir;
    const std::string path = dir.File("Barvella.mdb");
    std::unique_ptr<SQLite::Database> database;

    EXPECT_EQ(OpenCocktailDatabase(path, database), -1) << "missing";
    EXPECT_FALSE(std::filesystem::exists(path)) << "opening never creates the file";

    const std::string text = "Name,Base\r\nGimlet,Gin\r\n" + std::string(5000, 'z');
    WriteFile(path, text);
    EXPECT_EQ(OpenCocktailDatabase(path, database), -1) << "not a database";
    EXPECT_FALSE(database);
    EXPECT_EQ(ReadFile(path), text);

    std::filesystem::remove(path);
    MakeStoreFile(dir);
    std::string damaged = ReadFile(path);
    std::fill(damaged.begin() + 100, damaged.begin() + 4096, '\xA5');  // the schema page
    WriteFile(path, damaged);
    EXPECT_EQ(OpenCocktailDatabase(path, database), -1) << "damaged";
    EXPECT_EQ(ReadFile(path), damaged);
    EXPECT_EQ(OpenCocktailDatabaseReadOnly(path, database), -1);

    std::filesystem::remove(path);
    {
        SQLite::Database other(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        other.exec("CREATE TABLE TBL_COCKTAIL (FLD_INDEX INTEGER); CREATE TABLE TBL_BASE (FLD_INDEX INTEGER);"
                   "CREATE TABLE TBL_STYLE (FLD_INDEX INTEGER); CREATE TABLE TBL_MASTER (FLD_INDEX INTEGER)");
    }
    const std::string partial = ReadFile(path);
    EXPECT_EQ(OpenCocktailDatabase(path, database), -1) << "a table is missing";
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

    SQLite::Database reader(path);
    EXPECT_EQ(reader.execAndGet("SELECT group_concat(sql, ';') FROM sqlite_master").getString(), schemaBefore);
}

TEST(CocktailSchemaOpen, AReadOnlyConnectionCannotChangeTheStore)
{
    TempDirectory dir;
    const std::string path = MakeStoreFile(dir);
    std::unique_ptr<SQLite::Database> database;
    ASSERT_EQ(OpenCocktailDatabaseReadOnly(path, database), 0);
    int index = 0;
    EXPECT_TRUE(FindBaseIndex(*database, "BASE 3", index));
    EXPECT_FALSE(AddBase(*database, "new", index));
}

}  // namespace
