#include <gtest/gtest.h>

#include <tuple>

#include <SQLiteCpp/Statement.h>

#include "core/barvella_app.h"
#include "core/cocktail_database.h"
#include "core/code_tables.h"
#include "core/schema.h"
#include "cp932.h"
#include "test_support.h"

namespace {

using testsupport::ReadFile;
using testsupport::Sjis;
using Names = std::vector<std::string>;
using Rows = std::vector<int>;

class CocktailStore : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CreateCocktailDatabase(dir.File("Barvella.mdb"), app.database)); }

    SQLite::Database& db() { return *app.database; }

    std::vector<int> AllRows()  // cocktails, bases, styles, authors, ingredients
    {
        std::vector<int> rows;
        for (const char* table : {"TBL_COCKTAIL", "TBL_BASE", "TBL_STYLE", "TBL_MASTER", "TBL_MATERIAL"}) {
            rows.push_back(db().execAndGet(std::string("SELECT count(*) FROM ") + table).getInt());
        }
        return rows;
    }

    static CocktailRecord Cocktail(const std::string& name, const std::string& base, const std::string& style,
                                   const std::string& master = "") {
        return {.name = name,
                .initial = 6,
                .strong = 2,
                .taste = 1,
                .styleName = style,
                .baseName = base,
                .howTo = Sjis("シェイクする"),
                .memo = "memo",
                .picture = "",
                .masterName = master,
                .materials = {}};
    }

    bool Store(CocktailRecord record, const MaterialMap& materials = {{"lime", "10ml"}}) {
        return InsertCocktail(app, record, materials);
    }

    testsupport::TempDirectory dir;
    CBarvellaApp app;
};

TEST_F(CocktailStore, AFreshStoreHasTheFiveTablesInOrderAndRefusesWhatTheFieldRulesForbid) {
    SQLite::Statement tables(db(),
                             "SELECT m.name, group_concat(p.name, ' ') FROM sqlite_master m, "
                             "pragma_table_info(m.name) p WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite%' "
                             "GROUP BY m.name ORDER BY m.rowid");
    Names layout;
    while (tables.executeStep())
        layout.push_back(tables.getColumn(0).getString() + ": " + tables.getColumn(1).getString());
    EXPECT_EQ(layout, (Names{"TBL_COCKTAIL: FLD_INDEX FLD_NAME FLD_INITIAL FLD_STRONG FLD_TASTE FLD_STYLE FLD_BASE "
                             "FLD_HOWTO FLD_MEMO FLD_PICTURE FLD_MASTER",
                             "TBL_BASE: FLD_INDEX FLD_NAME", "TBL_STYLE: FLD_INDEX FLD_NAME",
                             "TBL_MASTER: FLD_INDEX FLD_NAME", "TBL_MATERIAL: FLD_COCKTAIL FLD_NAME FLD_QUANTITY"}));

    // Values after the name: strength, taste, style, base, method, memo.
    const auto accepts = [&](const std::string& name, const std::string& values) {
        SQLite::Statement insert(db(),
                                 "INSERT INTO TBL_COCKTAIL (FLD_NAME, FLD_INITIAL, FLD_STRONG, FLD_TASTE, "
                                 "FLD_STYLE, FLD_BASE, FLD_HOWTO, FLD_MEMO) VALUES (?, 0, " +
                                     values + ")");
        insert.bind(1, name);
        try {
            return insert.exec() == 1;
        } catch (const SQLite::Exception&) {
            return false;
        }
    };
    std::string tooLong;  // 256 bytes, but only 128 characters if counted as UTF-8
    for (int i = 0; i < 128; ++i) tooLong += Sjis("カ");
    for (const auto& [name, values, accepted] : std::vector<std::tuple<std::string, std::string, bool>>{
             {std::string(255, 'x'), "0, 0, 1, 1, 'shake', ''", true},
             {"a", "-32768, 0, 32767, 1, 'shake', NULL", true},
             {"", "0, 0, 1, 1, 'shake', ''", false},
             {tooLong, "0, 0, 1, 1, 'shake', ''", false},
             {"c", "0, 0, 1, 1, '', ''", false},
             {"d", "0, 0, 1, 1, NULL, ''", false},
             {"e", "0, 0, 32768, 1, 'shake', ''", false},
             {"f", "-32769, 0, 1, 1, 'shake', ''", false}}) {
        EXPECT_EQ(accepts(name, values), accepted) << name.size() << " bytes: " << values;
    }
    EXPECT_THROW(db().exec("INSERT INTO TBL_MATERIAL VALUES (1, 'lime', '')"), SQLite::Exception);
}

TEST_F(CocktailStore, OpeningNeverCreatesOrChangesAFileAndUsesAStoreMadeByAnotherToolAsItIs) {
    const std::string path = dir.File("other.mdb");
    std::unique_ptr<SQLite::Database> database;
    EXPECT_EQ(OpenCocktailDatabase(path, database), -1);
    EXPECT_FALSE(std::filesystem::exists(path));

    const auto make = [&](const char* sql) {
        SQLite::Database(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE).exec(sql);
        return ReadFile(path);
    };
    std::string before = make(
        "CREATE TABLE tbl_cocktail (FLD_INDEX INTEGER PRIMARY KEY, FLD_NAME TEXT, "
        "FLD_INITIAL INT, FLD_STRONG INT, FLD_TASTE INT, FLD_STYLE INT, FLD_BASE INT, "
        "FLD_HOWTO TEXT, FLD_MEMO TEXT, FLD_PICTURE TEXT, FLD_MASTER INT);"
        "CREATE TABLE TBL_BASE (FLD_INDEX INTEGER PRIMARY KEY, FLD_NAME TEXT);"
        "CREATE TABLE TBL_STYLE (FLD_INDEX INTEGER PRIMARY KEY, FLD_NAME TEXT);"
        "CREATE TABLE TBL_MASTER (FLD_INDEX INTEGER PRIMARY KEY, FLD_NAME TEXT);"
        "INSERT INTO TBL_BASE VALUES (7, 'Gin')");
    EXPECT_EQ(OpenCocktailDatabase(path, database), -1) << "TBL_MATERIAL is missing";
    EXPECT_EQ(OpenCocktailDatabaseReadOnly(path, database), -1);
    EXPECT_EQ(ReadFile(path), before);

    before = make("CREATE TABLE TBL_MATERIAL (FLD_COCKTAIL INT, FLD_NAME TEXT, FLD_QUANTITY TEXT)");
    ASSERT_EQ(OpenCocktailDatabase(path, database), 0);
    Names bases;
    ASSERT_TRUE(LoadBaseNames(*database, bases));
    EXPECT_EQ(bases, Names{"Gin"});
    CloseCocktailDatabase(database);
    EXPECT_EQ(ReadFile(path), before);
}

TEST_F(CocktailStore, InsertingAddsRowsOnlyForNewNamesAndExtendsTheListsAfterTheCommit) {
    app.masterNames = {"someone"};
    CocktailRecord record = Cocktail("Gimlet", "Gin", "Short");
    const MaterialMap materials = {{"Gin", "45ml"}, {Sjis("ライム"), "15ml"}};
    ASSERT_TRUE(InsertCocktail(app, record, materials));

    EXPECT_EQ(AllRows(), (Rows{1, 1, 1, 0, 2}));
    EXPECT_TRUE(db().execAndGet("SELECT FLD_MASTER FROM TBL_COCKTAIL").isNull());
    EXPECT_EQ(app.baseNames, Names{"Gin"});
    EXPECT_EQ(app.styleNames, Names{"Short"});
    EXPECT_EQ(app.masterNames, Names{"someone"});

    CocktailRecord read;
    read.masterName = "stale";
    read.materials = {{"stale", "1"}};
    ASSERT_TRUE(ReadCocktail(db(), "gimlet", read));
    EXPECT_EQ((Names{read.name, read.baseName, read.styleName, read.masterName, read.howTo, read.memo}),
              (Names{"Gimlet", "Gin", "Short", "", record.howTo, "memo"}));
    EXPECT_EQ((std::vector<int>{read.initial, read.strong, read.taste}), (std::vector<int>{6, 2, 1}));
    EXPECT_EQ(read.materials, materials);

    CocktailRecord sameBase = Cocktail("Rickey", "GIN", "Long", "ann");
    ASSERT_TRUE(InsertCocktail(app, sameBase, {{"soda", "up"}, {"GIN", "1"}}));
    EXPECT_EQ(AllRows(), (Rows{2, 1, 2, 1, 4})) << "the base matches whatever the case of its letters";
    EXPECT_EQ(app.baseNames, Names{"Gin"});
    EXPECT_EQ(sameBase.baseIndex, db().execAndGet("SELECT FLD_INDEX FROM TBL_BASE").getInt());
    EXPECT_EQ(app.masterNames, (Names{"someone", "ann"}));

    Names ingredients{"kept"};
    ASSERT_TRUE(LoadMaterialNames(db(), ingredients));
    ASSERT_EQ(ingredients.size(), 4u) << "each ingredient once, whatever the case of its letters";
    EXPECT_EQ(cp932::CompareNames(ingredients[1], "gin"), 0);
    EXPECT_EQ((Names{ingredients[0], ingredients[2], ingredients[3]}), (Names{"kept", "soda", Sjis("ライム")}));

    ASSERT_TRUE(Store(Cocktail("Empty", "Gin", "Short"), {}));
    EXPECT_FALSE(ReadCocktail(db(), "Empty", read)) << "a cocktail is read through its ingredients";
}

TEST_F(CocktailStore, DeletingRemovesNamesThatNoCocktailUsesAnyMore) {
    ASSERT_TRUE(Store(Cocktail("Daiquiri", "Rum", "Short", "Ann")));
    ASSERT_TRUE(Store(Cocktail("Mojito", "Rum", "Long")));
    ASSERT_TRUE(Store(Cocktail("Gimlet", "Gin", "Short", "Bob")));

    ASSERT_TRUE(DeleteCocktail(app, "mojito"));
    EXPECT_EQ(AllRows(), (Rows{2, 2, 1, 2, 2})) << "no author deleted for a cocktail without one";
    EXPECT_EQ(app.styleNames, Names{"Short"});
    EXPECT_EQ(app.baseNames, (Names{"Rum", "Gin"}));

    ASSERT_TRUE(DeleteCocktail(app, "Daiquiri"));
    EXPECT_EQ(AllRows(), (Rows{1, 1, 1, 1, 1}));
    EXPECT_EQ(app.baseNames, Names{"Gin"});
    EXPECT_EQ(app.masterNames, Names{"Bob"});
    EXPECT_EQ(app.styleNames, Names{"Short"}) << "Gimlet still uses it";

    EXPECT_FALSE(DeleteCocktail(app, "Daiquiri"));

    // The last step of a delete fails, after the base and the author rows were taken out.
    db().exec("CREATE TEMP TRIGGER refuse BEFORE DELETE ON TBL_STYLE BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_FALSE(DeleteCocktail(app, "Gimlet"));
    EXPECT_EQ(AllRows(), (Rows{1, 1, 1, 1, 1}));
    EXPECT_EQ(app.baseNames, Names{"Gin"});
    EXPECT_EQ(app.masterNames, Names{"Bob"});
}

TEST_F(CocktailStore, AnEditReplacesTheCocktailAndAFailedEditKeepsItAndTheLists) {
    ASSERT_TRUE(Store(Cocktail("Daiquiri", "Rum", "Short", "Ann")));
    ASSERT_TRUE(Store(Cocktail("Gimlet", "Gin", "Short")));
    CocktailRecord edited = Cocktail("Frozen Daiquiri", "Rum", "Frozen");
    ASSERT_TRUE(ReplaceCocktail(app, "daiquiri", edited, {{"rum", "45ml"}, {"sugar", "1tsp"}}));
    EXPECT_EQ(AllRows(), (Rows{2, 2, 2, 0, 3}));
    EXPECT_EQ(app.baseNames, (Names{"Gin", "Rum"})) << "the base row was made anew";
    EXPECT_EQ(app.styleNames, (Names{"Short", "Frozen"}));
    EXPECT_TRUE(app.masterNames.empty());

    // Everything an edit could change, as stored and as listed.
    auto state = [&] {
        CocktailRecord stored;
        EXPECT_TRUE(ReadCocktail(db(), "Frozen Daiquiri", stored));
        return std::tuple(stored.index, stored.baseIndex, stored.styleIndex, stored.masterName, stored.materials,
                          AllRows(), app.baseNames, app.styleNames, app.masterNames);
    };
    const auto before = state();
    EXPECT_EQ(std::get<4>(before), (MaterialMap{{"rum", "45ml"}, {"sugar", "1tsp"}}));

    const auto refused = [&](const char* what, CocktailRecord record, const MaterialMap& materials) {
        EXPECT_FALSE(ReplaceCocktail(app, "Frozen Daiquiri", record, materials)) << what;
        EXPECT_TRUE(state() == before) << what;
    };
    CocktailRecord noMethod = Cocktail("Daiquiri", "White Rum", "Long", "Bob");
    noMethod.howTo.clear();
    refused("empty method", noMethod, {{"rum", "1"}});
    refused("empty quantity", Cocktail("Daiquiri", "White Rum", "Long", "Bob"), {{"rum", ""}});
    refused("256-byte name", Cocktail(std::string(256, 'D'), "Rum", "Short"), {{"rum", "1"}});
    refused("256-byte quantity", Cocktail("Daiquiri", "Rum", "Short"), {{"rum", std::string(256, '1')}});
    refused("256-byte author", Cocktail("Daiquiri", "Rum", "Short", std::string(256, 'A')), {{"rum", "1"}});
    // A new style numbered past the 16 bits that FLD_STYLE holds.
    db().exec("UPDATE sqlite_sequence SET seq = 32767 WHERE name = 'TBL_STYLE'");
    refused("style index over 32767", Cocktail("Daiquiri", "White Rum", "Highball"), {{"rum", "1"}});
}

TEST_F(CocktailStore, NamesWithApostrophesMatchRegardlessOfAsciiCaseButNeverFoldATrailByte) {
    const std::string name = "Planter's Punch & Co", base = "Myers's Rum", style = "On the 'Rocks'",
                      master = "O'Neil & Sons", ingredient = "Angostura's \"bitters\" & more";
    const std::string a = Sjis("ア"), dji = Sjis("ヂ");  // 0x83 0x41 and 0x83 0x61
    ASSERT_TRUE(Store(Cocktail(name, base, style, master), {{ingredient, "2 dash'"}}));
    ASSERT_TRUE(Store(Cocktail(a + "Gin Fizz", a, "long")));

    int index = -5;
    EXPECT_TRUE(FindCocktailIndex(db(), "PLANTER'S PUNCH & CO", index));
    EXPECT_TRUE(FindCocktailIndex(db(), a + "gIN fIZZ", index));
    index = -5;
    EXPECT_FALSE(FindCocktailIndex(db(), dji + "Gin Fizz", index));
    EXPECT_EQ(index, -5) << "a failed look-up leaves its output alone";
    EXPECT_FALSE(FindCocktailIndex(db(), "\x83", index)) << "a lone lead byte matches nothing";
    CocktailRecord read;
    ASSERT_TRUE(ReadCocktail(db(), name, read));
    EXPECT_EQ(std::tie(read.baseName, read.styleName, read.masterName), std::tie(base, style, master));
    EXPECT_EQ(read.materials, (MaterialMap{{ingredient, "2 dash'"}}));
    Names materials;
    ASSERT_TRUE(LoadMaterialNames(db(), materials));
    EXPECT_EQ(materials, (Names{ingredient, "lime"}));

    ASSERT_TRUE(Store(Cocktail("Other", dji, "Long")));
    ASSERT_TRUE(DeleteCocktail(app, name));
    EXPECT_EQ(AllRows(), (Rows{2, 2, 1, 0, 2}));
    EXPECT_EQ(app.baseNames, (Names{a, dji}));
    EXPECT_EQ(app.styleNames, Names{"long"});
    EXPECT_TRUE(app.masterNames.empty());
}

TEST_F(CocktailStore, AChangeWhileAnotherConnectionHoldsTheStoreWaitsThenFailsAndStoresNothing) {
    SQLite::Database other(dir.File("Barvella.mdb"), SQLite::OPEN_READWRITE);
    other.exec("BEGIN IMMEDIATE");
    EXPECT_FALSE(Store(Cocktail("Gimlet", "Gin", "Short")));
    EXPECT_NE(LastDatabaseError().find("locked"), std::string::npos) << LastDatabaseError();
    other.exec("ROLLBACK");
    EXPECT_EQ(AllRows(), (Rows{0, 0, 0, 0, 0}));
    EXPECT_TRUE(app.baseNames.empty());
}

TEST(CodeTables, CodesOutsideATableAreRefusedAndLeaveTheLabelAlone) {
    std::string label = "before";
    EXPECT_FALSE(InitialLabel(26, label) || InitialLabel(-1, label) || StrongLabel(5, label) ||
                 StrongLabel(-1, label) || TasteLabel(5, label) || TasteLabel(-1, label));
    EXPECT_EQ(label, "before");
    ASSERT_TRUE(InitialLabel(25, label));
    EXPECT_EQ(label, Sjis("Ｚ"));
}

}  // namespace
