#include <gtest/gtest.h>

#include <tuple>

#include <SQLiteCpp/Statement.h>

#include "core/barvella_app.h"
#include "core/cocktail_database.h"
#include "core/schema.h"
#include "core_test_support.h"
#include "cp932.h"

namespace {

using coretest::Sjis;
using Names = std::vector<std::string>;

class CocktailStore : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CreateCocktailDatabase(dir.File("Barvella.mdb"), app.database)); }

    SQLite::Database& db() { return *app.database; }

    struct Counts {
        int cocktails, bases, styles, masters, materials;
        bool operator==(const Counts&) const = default;
    };
    Counts AllRows()
    {
        auto rows = [&](const char* table) {
            return db().execAndGet(std::string("SELECT count(*) FROM ") + table).getInt();
        };
        return {rows("TBL_COCKTAIL"), rows("TBL_BASE"), rows("TBL_STYLE"), rows("TBL_MASTER"), rows("TBL_MATERIAL")};
    }

    static CocktailRecord Cocktail(const std::string& name, const std::string& base, const std::string& style,
                                   const std::string& master = "")
    {
        return {.name = name, .initial = 6, .strong = 2, .taste = 1, .styleName = style, .baseName = base,
                .howTo = Sjis("シェイクする"), .memo = "memo", .picture = "", .masterName = master, .materials = {}};
    }

    bool Store(CocktailRecord record, const MaterialMap& materials = {{"lime", "10ml"}})
    {
        return InsertCocktail(app, record, materials);
    }

    coretest::TempDirectory dir;
    CBarvellaApp app;
};

TEST_F(CocktailStore, InsertingAddsRowsOnlyForNewNamesAndExtendsTheListsAfterTheCommit)
{
    app.masterNames = {"someone"};
    CocktailRecord record = Cocktail("Gimlet", "Gin", "Short");
    const MaterialMap materials = {{"Gin", "45ml"}, {Sjis("ライム"), "15ml"}};
    ASSERT_TRUE(InsertCocktail(app, record, materials));

    EXPECT_EQ(AllRows(), (Counts{1, 1, 1, 0, 2}));
    EXPECT_TRUE(db().execAndGet("SELECT FLD_MASTER FROM TBL_COCKTAIL").isNull());
    EXPECT_EQ(app.baseNames, Names{"Gin"});
    EXPECT_EQ(app.styleNames, Names{"Short"});
    EXPECT_EQ(app.masterNames, Names{"someone"});
    EXPECT_EQ(record.index, db().execAndGet("SELECT FLD_INDEX FROM TBL_COCKTAIL").getInt());
    EXPECT_EQ(record.baseIndex, db().execAndGet("SELECT FLD_INDEX FROM TBL_BASE").getInt());

    CocktailRecord read;
    read.masterName = "stale";
    read.materials = {{"stale", "1"}};
    ASSERT_TRUE(ReadCocktail(db(), "gimlet", read));
    EXPECT_EQ((Names{read.name, read.baseName, read.styleName, read.masterName, read.howTo, read.memo}),
              (Names{"Gimlet", "Gin", "Short", "", record.howTo, "memo"}));
    EXPECT_EQ((std::vector<int>{read.initial, read.strong, read.taste}), (std::vector<int>{6, 2, 1}));
    EXPECT_EQ(read.materials, materials);

    CocktailRecord sameBase = Cocktail("Rickey", "GIN", "Long", "ann");
    ASSERT_TRUE(InsertCocktail(app, sameBase, {{"soda", "up"}}));
    EXPECT_EQ(AllRows(), (Counts{2, 1, 2, 1, 3})) << "the base matches whatever the case of its letters";
    EXPECT_EQ(app.baseNames, Names{"Gin"});
    EXPECT_EQ(sameBase.baseIndex, record.baseIndex);
    EXPECT_EQ(app.masterNames, (Names{"someone", "ann"}));
}

TEST_F(CocktailStore, DeletingRemovesNamesThatNoCocktailUsesAnyMore)
{
    ASSERT_TRUE(Store(Cocktail("Daiquiri", "Rum", "Short", "Ann")));
    ASSERT_TRUE(Store(Cocktail("Mojito", "Rum", "Long")));
    ASSERT_TRUE(Store(Cocktail("Gimlet", "Gin", "Short", "Bob")));

    ASSERT_TRUE(DeleteCocktail(app, "mojito"));
    EXPECT_EQ(AllRows(), (Counts{2, 2, 1, 2, 2})) << "no author deleted for a cocktail without one";
    EXPECT_EQ(app.styleNames, Names{"Short"});
    EXPECT_EQ(app.baseNames, (Names{"Rum", "Gin"}));

    ASSERT_TRUE(DeleteCocktail(app, "Daiquiri"));
    EXPECT_EQ(AllRows(), (Counts{1, 1, 1, 1, 1}));
    EXPECT_EQ(app.baseNames, Names{"Gin"});
    EXPECT_EQ(app.masterNames, Names{"Bob"});
    EXPECT_EQ(app.styleNames, Names{"Short"}) << "Gimlet still uses it";

    EXPECT_FALSE(DeleteCocktail(app, "Daiquiri"));

    // The last step of a delete fails, after the base and the author rows were taken out.
    db().exec("CREATE TEMP TRIGGER refuse BEFORE DELETE ON TBL_STYLE BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_FALSE(DeleteCocktail(app, "Gimlet"));
    EXPECT_EQ(AllRows(), (Counts{1, 1, 1, 1, 1}));
    EXPECT_EQ(app.baseNames, Names{"Gin"});
    EXPECT_EQ(app.masterNames, Names{"Bob"});
}

TEST_F(CocktailStore, AnEditReplacesTheCocktailAndItsNames)
{
    ASSERT_TRUE(Store(Cocktail("Daiquiri", "Rum", "Short", "Ann")));
    ASSERT_TRUE(Store(Cocktail("Gimlet", "Gin", "Short")));
    CocktailRecord old;
    ASSERT_TRUE(ReadCocktail(db(), "Daiquiri", old));

    CocktailRecord edited = Cocktail("Frozen Daiquiri", "Rum", "Frozen");
    ASSERT_TRUE(ReplaceCocktail(app, "Daiquiri", edited, {{"sugar", "1tsp"}}));
    EXPECT_GT(edited.index, old.index);
    EXPECT_EQ(AllRows(), (Counts{2, 2, 2, 0, 2}));
    EXPECT_EQ(app.baseNames, (Names{"Gin", "Rum"})) << "the base row was made anew";
    EXPECT_EQ(app.styleNames, (Names{"Short", "Frozen"}));
    EXPECT_TRUE(app.masterNames.empty());
    CocktailRecord read;
    EXPECT_FALSE(ReadCocktail(db(), "Daiquiri", read));
    ASSERT_TRUE(ReadCocktail(db(), "Frozen Daiquiri", read));
    EXPECT_EQ(read.materials, (MaterialMap{{"sugar", "1tsp"}}));
}

TEST_F(CocktailStore, AFailedEditKeepsTheOldCocktailAndTheLists)
{
    ASSERT_TRUE(Store(Cocktail("Daiquiri", "Rum", "Short", "Ann"), {{"rum", "45ml"}, {"lime", "15ml"}}));
    // Everything an edit could change, as stored and as listed.
    auto state = [&] {
        CocktailRecord stored;
        ReadCocktail(db(), "Daiquiri", stored);
        return std::tuple(stored.index, stored.baseIndex, stored.styleIndex, stored.masterName, stored.materials,
                          AllRows(), app.baseNames, app.styleNames, app.masterNames);
    };
    const auto before = state();

    struct Fault {
        const char* what;
        CocktailRecord record;
        MaterialMap materials;
    };
    std::vector<Fault> faults;
    faults.push_back({"empty method", Cocktail("Daiquiri", "White Rum", "Long", "Bob"), {{"rum", "1"}}});
    faults.back().record.howTo.clear();
    faults.push_back({"empty quantity", Cocktail("Daiquiri", "White Rum", "Long", "Bob"), {{"rum", ""}}});
    faults.push_back({"256-byte name", Cocktail(std::string(256, 'D'), "Rum", "Short"), {{"rum", "1"}}});
    faults.push_back({"256-byte quantity", Cocktail("Daiquiri", "Rum", "Short"), {{"rum", std::string(256, '1')}}});
    faults.push_back({"256-byte author", Cocktail("Daiquiri", "Rum", "Short", std::string(256, 'A')), {{"rum", "1"}}});
    // A new style numbered past the 16 bits that FLD_STYLE holds.
    db().exec("UPDATE sqlite_sequence SET seq = 32767 WHERE name = 'TBL_STYLE'");
    faults.push_back({"style index over 32767", Cocktail("Daiquiri", "White Rum", "Highball"), {{"rum", "1"}}});

    for (Fault& fault : faults) {
        EXPECT_FALSE(ReplaceCocktail(app, "Daiquiri", fault.record, fault.materials)) << fault.what;
        EXPECT_TRUE(state() == before) << fault.what;
    }
}

TEST_F(CocktailStore, ApostrophesAndAmpersandsWorkInEveryKindOfName)
{
    const std::string name = "Planter's Punch & Co", base = "Myers's Rum", style = "On the 'Rocks'",
                      master = "O'Neil & Sons", ingredient = "Angostura's \"bitters\" & more";
    ASSERT_TRUE(Store(Cocktail(name, base, style, master), {{ingredient, "2 dash'"}}));

    int index = 0;
    EXPECT_TRUE(FindCocktailIndex(db(), "PLANTER'S PUNCH & CO", index));
    EXPECT_TRUE(FindBaseIndex(db(), base, index));
    EXPECT_TRUE(FindStyleIndex(db(), style, index));
    EXPECT_TRUE(FindMasterIndex(db(), master, index));
    CocktailRecord read;
    ASSERT_TRUE(ReadCocktail(db(), name, read));
    EXPECT_EQ(read.masterName, master);
    EXPECT_EQ(read.materials, (MaterialMap{{ingredient, "2 dash'"}}));
    Names materials;
    ASSERT_TRUE(LoadMaterialNames(db(), materials));
    EXPECT_EQ(materials, Names{ingredient});

    ASSERT_TRUE(DeleteCocktail(app, name));
    EXPECT_EQ(AllRows(), (Counts{0, 0, 0, 0, 0}));
    EXPECT_TRUE(app.baseNames.empty() && app.styleNames.empty() && app.masterNames.empty());
}

TEST_F(CocktailStore, NamesMatchRegardlessOfAsciiCaseButNeverFoldATrailByte)
{
    const std::string a = "\x83\x41";    // ア
    const std::string dji = "\x83\x61";  // ヂ: the same bytes as ア but for the case of the trail byte
    ASSERT_EQ(a, Sjis("ア"));
    ASSERT_EQ(dji, Sjis("ヂ"));
    ASSERT_TRUE(Store(Cocktail(a + "Gin Fizz", a, "Long")));

    int index = -5;
    EXPECT_TRUE(FindCocktailIndex(db(), a + "gIN fIZZ", index));
    EXPECT_FALSE(FindCocktailIndex(db(), dji + "Gin Fizz", index));
    EXPECT_TRUE(FindBaseIndex(db(), a, index));
    index = -5;
    EXPECT_FALSE(FindBaseIndex(db(), dji, index));
    EXPECT_EQ(index, -5) << "a failed look-up leaves its output alone";
    EXPECT_FALSE(FindBaseIndex(db(), "\x83", index)) << "a lone lead byte matches nothing";

    ASSERT_TRUE(Store(Cocktail("Other", dji, "long")));
    EXPECT_EQ(app.baseNames, (Names{a, dji}));
    EXPECT_EQ(app.styleNames, Names{"Long"});
}

TEST_F(CocktailStore, IngredientNamesAreListedOnceAndCocktailsWithoutIngredientsCannotBeRead)
{
    ASSERT_TRUE(Store(Cocktail("A", "Gin", "Short"), {{"Lime", "1"}, {"Soda", "up"}}));
    ASSERT_TRUE(Store(Cocktail("B", "Gin", "Short"), {{"lime", "2"}}));
    ASSERT_TRUE(Store(Cocktail("C", "Gin", "Short"), {{"LIME", "3"}, {"Gin", "30ml"}}));
    Names names{"kept"};
    ASSERT_TRUE(LoadMaterialNames(db(), names));
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[0], "kept");
    EXPECT_EQ(names[1], "Gin");
    EXPECT_EQ(cp932::CompareNames(names[2], "lime"), 0);
    EXPECT_EQ(names[3], "Soda");

    ASSERT_TRUE(Store(Cocktail("Empty", "Gin", "Short"), {}));
    CocktailRecord read;
    EXPECT_FALSE(ReadCocktail(db(), "Empty", read));
    EXPECT_FALSE(DeleteCocktail(app, "Empty"));
}

}  // namespace
