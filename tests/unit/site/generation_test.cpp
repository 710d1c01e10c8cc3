#include <fstream>

#include <gtest/gtest.h>

#include "site/category_pages.h"
#include "site/cocktail_pages.h"
#include "site/generation.h"
#include "site_fixture.h"

namespace {

class Generation : public SiteTest {
protected:
    GenerationResult Run(const std::string& outDirectory) {
        return GenerateSite(store.Database(), settings, outDirectory, "index.html", observer);
    }
    static std::vector<std::string> Names(const GenerationResult& result) {
        std::vector<std::string> names;
        for (const std::string& path : result.createdFiles) names.push_back(path.substr(path.rfind('/') + 1));
        return names;
    }

    RecordingObserver observer;
};

std::vector<std::string> CommonPages() {
    return {"index.html", "fvxmain.html", "fvxmenu.html", "fvxtop.html", "fvxtail.html"};
}

}  // namespace

TEST_F(Generation, EmptyStoreGivesTheCompleteSiteInOrderWithAllStatuses) {
    const GenerationResult result = Run(out.path);
    ASSERT_TRUE(result.ok) << result.error;

    std::vector<std::string> expected = CommonPages();
    const auto add = [&](const char* menu, const std::string& stem, int pages) {
        expected.push_back(menu);
        for (int i = 0; i < pages; ++i) expected.push_back(stem + std::to_string(i) + ".html");
    };
    add("fvxalphabetmenu.html", "fvxalphabet", 26);
    add("fvxbasemenu.html", "", 0);
    add("fvxstrongmenu.html", "fvxstrong", 5);
    add("fvxtastemenu.html", "fvxtaste", 5);
    add("fvxstylemenu.html", "", 0);
    add("fvxmastermenu.html", "fvxmaster", 1);
    expected.push_back("fvxall.html");  // also with its menu link off
    EXPECT_EQ(Names(result), expected);

    EXPECT_EQ(File("fvxmaster0.html"),
              std::string(kHead) + Sjis("作者不明一覧<BR><BR>該当項目はありません。\r\n") + kTail);
    EXPECT_NE(File("fvxstylemenu.html").find("<UL>\r\n</UL>"), std::string::npos);

    std::vector<std::string> statuses;
    for (const char* text :
         {"共通ファイルの生成中...", "アルファベット別ファイルの生成中...", "ベース別ファイルの生成中...",
          "アルコール強度別ファイルの生成中...", "味わい別ファイルの生成中...", "スタイル別ファイルの生成中...",
          "作者別ファイルの生成中...", "全カクテル一覧ファイルの生成中...", "カクテル詳細ファイルの生成中...",
          "HTML生成を完了しました。"})
        statuses.push_back(Sjis(text));
    EXPECT_EQ(observer.statuses, statuses);
    EXPECT_EQ(observer.positions, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
    EXPECT_EQ(observer.position, GENERATION_RANGE);
    EXPECT_EQ(observer.pauses, (std::vector<long>{200, 500}));
}

TEST_F(Generation, CategoriesOffStillWriteFramesAllPageAndDetails) {
    settings.file = FileSettings{0, 0, 0, 0, 0, 0, 0};
    store.AddBase("Gin");
    store.AddStyle("Short");
    const int index = store.AddCocktail({.name = "Martini"});
    const GenerationResult result = Run(out.path);
    ASSERT_TRUE(result.ok) << result.error;
    std::vector<std::string> expected = CommonPages();
    expected.push_back("fvxall.html");
    expected.push_back("fvxcocktail" + std::to_string(index) + ".html");
    EXPECT_EQ(Names(result), expected);
    EXPECT_EQ(observer.statuses.size(), 10u);
    EXPECT_EQ(observer.position, GENERATION_RANGE);
}

TEST_F(Generation, FailureKeepsEarlierPagesAndPagesOfEarlierRuns) {
    const std::string stale = (std::filesystem::path(out.path) / "fvxbase7.html").string();
    { std::ofstream(stale) << "old run"; }
    // A longer file of an earlier run is cut to exactly the new bytes, also on a cut-off page.
    { std::ofstream(std::filesystem::path(out.path) / "fvxalphabet0.html") << std::string(5000, '~'); }
    store.AddBase("Gin");
    store.AddStyle("Short");
    store.AddCocktail({.name = "Lonely", .materials = {}});
    const GenerationResult result = Run(out.path + "/");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.errorCocktail, "Lonely");
    // Plain concatenation doubles the separator.
    EXPECT_EQ(result.createdFiles.front(), out.path + "//index.html");
    EXPECT_EQ(Names(result).back(), "fvxalphabet0.html");
    EXPECT_EQ(ReadFile(stale), "old run");
    const std::string cut = File("fvxalphabet0.html");
    EXPECT_EQ(cut.find('~'), std::string::npos);
    EXPECT_EQ(cut.substr(cut.size() - 7), "</TR>\r\n");
    EXPECT_EQ(observer.statuses.size(), 2u);
    EXPECT_EQ(observer.position, 10);

    // An empty output directory is refused before anything is written, not taken as the root.
    EXPECT_EQ(Run("").error, kNoOutputDirectory);
    EXPECT_EQ(observer.statuses.size(), 2u);
}

TEST_F(SiteTest, DetailPagesFollowTheStoredCodesThenIndexAndStopAtAnUnreadableCocktail) {
    store.AddBase("Gin");
    store.AddBase("Rum");
    store.AddStyle("Short");
    const int b = store.AddCocktail({.name = "B", .base = 2});
    const int a = store.AddCocktail({.name = "A", .taste = 3});
    const int c = store.AddCocktail({.name = "C", .taste = 3});
    store.AddCocktail({.name = "No ingredients", .strong = 4, .base = 2, .materials = {}});

    EXPECT_FALSE(WriteCocktailPages(Context()));
    const auto path = [&](int index) { return out.path + "/fvxcocktail" + std::to_string(index) + ".html"; };
    EXPECT_EQ(site->createdFiles, (std::vector<std::string>{path(a), path(c), path(b)}));
    EXPECT_EQ(site->errorCocktail, "No ingredients");
}

// Table rows whose names match list their cocktails on one page in page order: base first, so
// the cocktails of the second style come between those of the first.
TEST_F(SiteTest, MatchingTableRowsListTheirCocktailsTogetherInPageOrder) {
    for (const char* name : {"Gin", "Rum"}) store.AddBase(name);
    for (const char* name : {"Short", "SHORT"}) store.AddStyle(name);
    for (const CocktailRow& row : {CocktailRow{.name = "Rum Short", .base = 2},
                                   CocktailRow{.name = "Daiquiri", .style = 2}, CocktailRow{.name = "Gimlet"}})
        store.AddCocktail(row);
    ASSERT_TRUE(WriteStylePage(Context(), "s", "short"));
    const std::string page = File("s.html");
    EXPECT_LT(page.find("Gimlet"), page.find("Daiquiri"));
    EXPECT_LT(page.find("Daiquiri"), page.find("Rum&nbsp;Short"));
}
