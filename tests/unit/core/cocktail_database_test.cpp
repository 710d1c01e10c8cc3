#include <gtest/gtest.h>

#include <tuple>

#include "core/barvella_app.h"
#include "core/cocktail_database.h"
#include "core/schema.h"
#include "cp932.h"
#include "test_support.h"

namespace {

using namespace testsupport;
using Names = std::vector<std::string>;

CocktailRecord Cocktail(const std::string& name, const std::string& base, const std::string& style,
                        const std::string& master = "") {
    CocktailRecord record;
    std::tie(record.name, record.baseName, record.styleName, record.masterName) = std::tie(name, base, style, master);
    std::tie(record.initial, record.strong, record.taste, record.howTo, record.memo) =
        std::tuple(6, 2, 1, Sjis("シェイクする"), "memo");
    return record;
}

// What a read gives back (the author's number counts only with an author).
auto Fields(const CocktailRecord& r) {
    return std::tie(r.index, r.name, r.initial, r.strong, r.taste, r.styleIndex, r.styleName, r.baseIndex, r.baseName,
                    r.howTo, r.memo, r.picture, r.masterName, r.materials);
}

class CocktailStore : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CreateCocktailDatabase(dir.File("Barvella.mdb"), app.database)); }

    SQLite::Database& db() { return *app.database; }

    std::string Rows() {  // a digit each: cocktails, bases, styles, authors, ingredients
        return db().execAndGet(
            "SELECT (SELECT count(*) FROM TBL_COCKTAIL) || (SELECT count(*) FROM TBL_BASE) || (SELECT count(*) "
            "FROM TBL_STYLE) || (SELECT count(*) FROM TBL_MASTER) || (SELECT count(*) FROM TBL_MATERIAL)");
    }
    std::vector<Names> Lists() { return {app.baseNames, app.styleNames, app.masterNames}; }
    using Snapshot = std::pair<std::string, std::vector<Names>>;
    Snapshot State() { return {Rows(), Lists()}; }

    bool Store(CocktailRecord record, const MaterialMap& materials = {{"lime", "10ml"}}) {
        return InsertCocktail(app, record, materials);
    }

    TempDirectory dir;
    CBarvellaApp app;
};

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
        "CREATE TABLE tbl_cocktail (FLD_INDEX); CREATE TABLE TBL_STYLE (FLD_INDEX); CREATE TABLE TBL_MASTER (x);"
        "CREATE TABLE TBL_BASE (FLD_INDEX INTEGER PRIMARY KEY, FLD_NAME TEXT); INSERT INTO TBL_BASE VALUES (7, 'Gin')");
    EXPECT_EQ(OpenCocktailDatabase(path, database), -1) << "TBL_MATERIAL is missing";
    EXPECT_EQ(ReadFile(path), before);

    before = make("CREATE TABLE TBL_MATERIAL (FLD_COCKTAIL)");
    ASSERT_EQ(OpenCocktailDatabase(path, database), 0);
    Names bases;
    EXPECT_TRUE(LoadBaseNames(*database, bases) && bases == Names{"Gin"});
    CloseCocktailDatabase(database);
    EXPECT_EQ(ReadFile(path), before);
}

TEST_F(CocktailStore, InsertingAddsRowsOnlyForNamesNewWhateverTheirCaseAndAReadKeepsNothingOfBefore) {
    const MaterialMap materials = {{"Gin", "45ml"}, {Sjis("ライム"), "15ml"}};
    CocktailRecord record = Cocktail("Gimlet", "Gin", "Short"), sameBase = Cocktail("Rickey", "GIN", "Long", "ann");
    ASSERT_TRUE(InsertCocktail(app, record, materials));
    ASSERT_TRUE(InsertCocktail(app, sameBase, {{"soda", "up"}, {"GIN", "1"}}));
    EXPECT_EQ(sameBase.baseIndex, record.baseIndex);
    EXPECT_EQ(State(), (Snapshot("21214", {{"Gin"}, {"Short", "Long"}, {"ann"}})));
    EXPECT_TRUE(db().execAndGet("SELECT FLD_MASTER FROM TBL_COCKTAIL WHERE FLD_NAME = 'Gimlet'").isNull());

    CocktailRecord read = sameBase;
    read.materials = {{"stale", "1"}};
    ASSERT_TRUE(ReadCocktail(db(), "gimlet", read));
    record.materials = materials;
    EXPECT_EQ(Fields(read), Fields(record));

    Names ingredients{"kept"};
    ASSERT_TRUE(LoadMaterialNames(db(), ingredients));
    ASSERT_EQ(ingredients.size(), 4u) << "each ingredient once, whatever the case of its letters";
    EXPECT_EQ(cp932::CompareNames(ingredients[1], "gin"), 0);
    EXPECT_EQ((Names{ingredients[0], ingredients[2], ingredients[3]}), (Names{"kept", "soda", Sjis("ライム")}));

    ASSERT_TRUE(Store(Cocktail("Empty", "Gin", "Short"), {}));
    EXPECT_FALSE(ReadCocktail(db(), "Empty", read)) << "a cocktail is read through its ingredients";
}

TEST_F(CocktailStore, DeletingRemovesNamesThatNoCocktailUsesAnyMoreInOneTransaction) {
    for (const auto& record : {Cocktail("Daiquiri", "Rum", "Short", "Ann"), Cocktail("Mojito", "Rum", "Long"),
                               Cocktail("Gimlet", "Gin", "Short", "Bob")})
        ASSERT_TRUE(Store(record));

    ASSERT_TRUE(DeleteCocktail(app, "mojito"));
    EXPECT_EQ(State(), (Snapshot("22122", {{"Rum", "Gin"}, {"Short"}, {"Ann", "Bob"}})))
        << "no author deleted for a cocktail without one";
    ASSERT_TRUE(DeleteCocktail(app, "Daiquiri"));
    EXPECT_FALSE(DeleteCocktail(app, "Daiquiri"));
    const auto left = Snapshot("11111", {{"Gin"}, {"Short"}, {"Bob"}});  // Gimlet keeps the style
    EXPECT_EQ(State(), left);

    // The last step of a delete fails, after the base and the author rows were taken out.
    db().exec("CREATE TEMP TRIGGER refuse BEFORE DELETE ON TBL_STYLE BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_FALSE(DeleteCocktail(app, "Gimlet"));
    EXPECT_EQ(State(), left);
}

TEST_F(CocktailStore, AnEditReplacesTheCocktailAndAFailedEditKeepsItAndTheLists) {
    for (const auto& record : {Cocktail("Daiquiri", "Rum", "Short", "Ann"), Cocktail("Gimlet", "Gin", "Short")})
        ASSERT_TRUE(Store(record));
    CocktailRecord edited = Cocktail("Frozen Daiquiri", "Rum", "Frozen");
    ASSERT_TRUE(ReplaceCocktail(app, "daiquiri", edited, {{"rum", "45ml"}, {"sugar", "1tsp"}}));
    // The base row was made anew.
    EXPECT_EQ(State(), (Snapshot("22203", {{"Gin", "Rum"}, {"Short", "Frozen"}, {}})));

    // Everything an edit could change, as stored and as listed.
    const auto state = [&] {
        CocktailRecord stored;
        EXPECT_TRUE(ReadCocktail(db(), "Frozen Daiquiri", stored));
        return std::tuple(stored.index, stored.baseIndex, stored.styleIndex, stored.masterName, stored.materials,
                          State());
    };
    const auto before = state();
    EXPECT_EQ(std::get<4>(before), (MaterialMap{{"rum", "45ml"}, {"sugar", "1tsp"}}));
    // Refused by the tables once the old rows are gone and new names are added, or before
    // anything changes; the style is numbered past the 16 bits that FLD_STYLE holds.
    CocktailRecord noMethod = Cocktail("Daiquiri", "Rum", "Short", "Bob"), newStyle = Cocktail("D", "Rum", "Highball"),
                   longAuthor = Cocktail("Daiquiri", "Rum", "Short", std::string(256, 'A'));
    noMethod.howTo.clear();
    db().exec("UPDATE sqlite_sequence SET seq = 32767 WHERE name = 'TBL_STYLE'");
    for (CocktailRecord* record : {&noMethod, &newStyle, &longAuthor}) {
        EXPECT_FALSE(ReplaceCocktail(app, "Frozen Daiquiri", *record, {{"rum", "1"}})) << record->name;
        EXPECT_TRUE(state() == before) << record->name;
    }
}

TEST_F(CocktailStore, NamesWithApostrophesMatchRegardlessOfAsciiCaseButNeverFoldATrailByte) {
    const std::string a = Sjis("ア"), dji = Sjis("ヂ");  // 0x83 0x41 and 0x83 0x61
    const std::string name = "Planter's Punch & Co", ingredient = "Angostura's \"bitters\" & more";
    CocktailRecord record = Cocktail(name, "Myers's Rum", "On the 'Rocks'", "O'Neil & Sons");
    ASSERT_TRUE(InsertCocktail(app, record, {{ingredient, "2 dash'"}}));
    ASSERT_TRUE(Store(Cocktail(a + "Gin Fizz", a, "long")));

    int index = -5;
    // A lone lead byte matches nothing; a failed look-up leaves its output alone.
    EXPECT_FALSE(FindCocktailIndex(db(), dji + "Gin Fizz", index) || FindCocktailIndex(db(), "\x83", index));
    EXPECT_EQ(index, -5);
    EXPECT_TRUE(FindCocktailIndex(db(), "PLANTER'S PUNCH & CO", index) &&
                FindCocktailIndex(db(), a + "gIN fIZZ", index));
    CocktailRecord read;
    ASSERT_TRUE(ReadCocktail(db(), name, read));
    record.materials = {{ingredient, "2 dash'"}};
    EXPECT_EQ(Fields(read), Fields(record));

    ASSERT_TRUE(Store(Cocktail("Other", dji, "Long")));
    ASSERT_TRUE(DeleteCocktail(app, name));
    EXPECT_EQ(Lists(), (std::vector<Names>{{a, dji}, {"long"}, {}}));
}

TEST_F(CocktailStore, AChangeWhileAnotherConnectionHoldsTheStoreWaitsThenFailsAndStoresNothing) {
    SQLite::Database other(dir.File("Barvella.mdb"), SQLite::OPEN_READWRITE);
    other.exec("BEGIN IMMEDIATE");
    EXPECT_FALSE(Store(Cocktail("Gimlet", "Gin", "Short")));
    EXPECT_NE(LastDatabaseError().find("locked"), std::string::npos) << LastDatabaseError();
    other.exec("ROLLBACK");
    EXPECT_EQ(State(), (Snapshot("00000", {{}, {}, {}})));
}

}  // namespace
