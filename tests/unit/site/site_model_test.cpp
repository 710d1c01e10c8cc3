#include <algorithm>

#include <gtest/gtest.h>

#include "site/category_pages.h"
#include "site_fixture.h"

// Table rows whose names match list their cocktails on one page, in page order: base first,
// so the rows of the second style come between those of the first.
TEST_F(SiteTest, MatchingTableRowsListTheirCocktailsTogetherInPageOrder) {
    store.AddBase("Gin");
    store.AddBase("Rum");
    store.AddStyle("Short");
    store.AddStyle("SHORT");
    store.AddCocktail({.name = "Rum Short", .base = 2});
    store.AddCocktail({.name = "Daiquiri", .style = 2});
    store.AddCocktail({.name = "Gimlet"});
    ASSERT_TRUE(WriteStylePage(Context(), "s", "short"));
    const std::string page = File("s.html");
    std::vector<std::size_t> at;
    for (const char* name : {"Gimlet", "Daiquiri", "Rum&nbsp;Short"}) at.push_back(page.find(name));
    EXPECT_TRUE(std::is_sorted(at.begin(), at.end()) && at.back() != std::string::npos) << page;
}
