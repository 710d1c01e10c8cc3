#include <gtest/gtest.h>

#include "cp932.h"
#include "site/category_pages.h"
#include "site/generation.h"
#include "site_fixture.h"

namespace {

using Names = std::vector<std::string>;

class Generation : public SiteTest, GenerationObserver {
protected:
    Names Run(const std::string& outDirectory) {  // the files written, by name
        result = GenerateSite(store.Store(), settings, outDirectory, "index.html", *this);
        Names names;
        for (const std::string& path : result.createdFiles) names.push_back(path.substr(path.rfind('/') + 1));
        return names;
    }
    void ShowStatus(const std::string& text) override { statuses.push_back(cp932::ToUtf8(text).value_or(text)); }
    void StepIt() override { position += GENERATION_STEP; }
    void Pause(std::chrono::milliseconds) override {}

    GenerationResult result;
    Names statuses;
    int position = 0;
};

const Names kFrames = {"index.html", "fvxmain.html", "fvxmenu.html", "fvxtop.html", "fvxtail.html"};

}  // namespace

TEST_F(Generation, AnEmptyStoreGivesTheWholeSiteInOrderWithEveryStatus) {
    Names expected = kFrames;
    for (const auto& [kind, pages] : std::vector<std::pair<std::string, int>>{
             {"alphabet", 26}, {"base", 0}, {"strong", 5}, {"taste", 5}, {"style", 0}, {"master", 1}}) {
        expected.push_back("fvx" + kind + "menu.html");
        for (int i = 0; i < pages; ++i) expected.push_back("fvx" + kind + std::to_string(i) + ".html");
    }
    expected.push_back("fvxall.html");  // also with its menu link off
    EXPECT_EQ(Run(out.path), expected);
    EXPECT_TRUE(result.ok) << result.error;

    EXPECT_NE(File("fvxmaster0.html").find(Sjis("該当項目はありません。")), std::string::npos);
    EXPECT_EQ(statuses,
              (Names{"共通ファイルの生成中...", "アルファベット別ファイルの生成中...", "ベース別ファイルの生成中...",
                     "アルコール強度別ファイルの生成中...", "味わい別ファイルの生成中...",
                     "スタイル別ファイルの生成中...", "作者別ファイルの生成中...", "全カクテル一覧ファイルの生成中...",
                     "カクテル詳細ファイルの生成中...", "HTML生成を完了しました。"}));
    EXPECT_EQ(position, GENERATION_RANGE);
}

TEST_F(Generation, CategoriesOffStillWriteFramesAllPageAndDetails) {
    settings.file = FileSettings{0, 0, 0, 0, 0, 0, 0};
    store.AddBase("Gin");
    store.AddStyle("Short");
    Names expected = kFrames;
    expected.push_back("fvxall.html");
    expected.push_back("fvxcocktail" + std::to_string(store.AddCocktail({.name = "Martini"})) + ".html");
    EXPECT_EQ(Run(out.path), expected);
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(statuses.size(), 10u);
    EXPECT_EQ(position, GENERATION_RANGE);
}

TEST_F(Generation, AFailureKeepsEarlierPagesAndThoseOfEarlierRuns) {
    testsupport::WriteFile(out.File("fvxbase7.html"), "old run");
    // A longer file of an earlier run is cut to exactly the new bytes, also on a cut-off page.
    testsupport::WriteFile(out.File("fvxalphabet0.html"), std::string(5000, '~'));
    store.AddBase("Gin");
    store.AddStyle("Short");
    store.AddCocktail({.name = "Lonely", .materials = {}});
    EXPECT_EQ(Run(out.path).back(), "fvxalphabet0.html");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.errorCocktail, "Lonely");
    EXPECT_EQ(File("fvxbase7.html"), "old run");
    const std::string cut = File("fvxalphabet0.html");
    EXPECT_EQ(cut.find('~'), std::string::npos);
    EXPECT_EQ(cut.substr(cut.size() - 7), "</TR>\r\n");
    EXPECT_EQ(statuses.size(), 2u);
    EXPECT_EQ(position, GENERATION_STEP);
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
