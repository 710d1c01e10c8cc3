#include <gtest/gtest.h>

#include "core/barvella_app.h"
#include "core/cocktail_database.h"
#include "core/cocktail_search.h"
#include "core/schema.h"
#include "test_support.h"

namespace {

using Names = std::vector<std::string>;

TEST(CocktailSearch, EachConditionAloneAndCombinedListsEveryMatchOnceWithNamesBound) {
    testsupport::TempDirectory dir;
    CBarvellaApp app;
    ASSERT_TRUE(CreateCocktailDatabase(dir.File("Barvella.mdb"), app.database));
    // Rum Punch has two rows that match one ingredient name: it still comes out once.
    for (auto [name, base, strength, taste, materials] :
         {std::tuple<std::string, std::string, int, int, MaterialMap>{
              "Bee's Knees", "Gin", 2, 3, {{"Lemon's juice", "2"}}},
          {"Gin & It", "Gin", 1, 1, {{"vermouth", "30ml"}}},
          {"Rum Punch", "Rum & Co's", 3, 3, {{"Lemon's juice", "1"}, {"lemon's JUICE", "2"}}}}) {
        CocktailRecord record;
        std::tie(record.name, record.baseName, record.strong, record.taste, record.styleName, record.howTo) =
            std::tuple(name, base, strength, taste, "Short", "shake");
        ASSERT_TRUE(InsertCocktail(app, record, materials));
    }
    for (const auto& [conditions, expected] : std::vector<std::pair<SearchConditions, Names>>{
             {{}, {"Bee's Knees", "Gin & It", "Rum Punch"}},
             {{.baseName = "gin"}, {"Bee's Knees", "Gin & It"}},
             {{.baseName = "Rum & Co's"}, {"Rum Punch"}},
             {{.materialName = "LEMON'S JUICE"}, {"Bee's Knees", "Rum Punch"}},
             {{.strong = 1}, {"Gin & It"}},
             {{.taste = 3}, {"Bee's Knees", "Rum Punch"}},
             {{.baseName = "Gin", .taste = 3}, {"Bee's Knees"}},
             {{.baseName = "Gin", .materialName = "vermouth", .strong = 1, .taste = 1}, {"Gin & It"}},
             {{.baseName = "Gin", .materialName = "Lemon's juice", .strong = 3}, {}},
             {{.baseName = "x' OR 1=1 --"}, {}}}) {
        testsupport::FakePluginList list;
        list.columns.resize(5);
        list.SetSortAscending(true);
        ASSERT_TRUE(FillCocktailList(*app.database, list, ComposeSearchQuery(conditions), [](const std::string&) {}));
        EXPECT_EQ(list.Texts(0), expected) << ComposeSearchQuery(conditions).condition;
    }
}

}  // namespace
