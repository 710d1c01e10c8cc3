#include <gtest/gtest.h>

#include "core/barvella_app.h"
#include "core/cocktail_database.h"
#include "core/cocktail_search.h"
#include "core/schema.h"
#include "core_test_support.h"

namespace {

using Names = std::vector<std::string>;

TEST(CocktailSearch, EachConditionAloneAndCombinedListsEveryMatchOnceWithNamesBound) {
    coretest::TempDirectory dir;
    CBarvellaApp app;
    ASSERT_TRUE(CreateCocktailDatabase(dir.File("Barvella.mdb"), app.database));
    const auto store = [&](const char* name, const char* base, int strong, int taste, MaterialMap materials) {
        CocktailRecord record{.name = name,
                              .strong = strong,
                              .taste = taste,
                              .styleName = "Short",
                              .baseName = base,
                              .howTo = "shake",
                              .memo = "",
                              .picture = "",
                              .masterName = "",
                              .materials = {}};
        ASSERT_TRUE(InsertCocktail(app, record, materials));
    };
    store("Bee's Knees", "Gin", 2, 3, {{"Lemon's juice", "20ml"}, {"honey", "1tsp"}});
    store("Gin & It", "Gin", 1, 1, {{"vermouth", "30ml"}});
    // Two rows that both match one ingredient name: the cocktail still comes out once.
    store("Rum Punch", "Rum & Co's", 3, 3, {{"Lemon's juice", "1"}, {"lemon's JUICE", "2"}});

    const struct {
        SearchConditions conditions;
        Names expected;
    } cases[] = {
        {{}, {"Bee's Knees", "Gin & It", "Rum Punch"}},
        {{.baseName = "gin"}, {"Bee's Knees", "Gin & It"}},
        {{.baseName = "Rum & Co's"}, {"Rum Punch"}},
        {{.materialName = "LEMON'S JUICE"}, {"Bee's Knees", "Rum Punch"}},
        {{.strong = 1}, {"Gin & It"}},
        {{.taste = 3}, {"Bee's Knees", "Rum Punch"}},
        {{.baseName = "Gin", .taste = 3}, {"Bee's Knees"}},
        {{.baseName = "Gin", .materialName = "vermouth", .strong = 1, .taste = 1}, {"Gin & It"}},
        {{.baseName = "Gin", .materialName = "Lemon's juice", .strong = 3}, {}},
        {{.baseName = "x' OR 1=1 --"}, {}},
    };
    for (const auto& [conditions, expected] : cases) {
        coretest::FakePluginList list;
        list.columns.resize(5);
        list.SetSortAscending(true);
        ASSERT_TRUE(FillCocktailList(*app.database, list, ComposeSearchQuery(conditions), [](const std::string&) {}));
        EXPECT_EQ(list.Texts(0), expected) << ComposeSearchQuery(conditions).condition;
    }
}

}  // namespace
