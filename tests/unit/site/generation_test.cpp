#include "site/generation.h"
#include "cp932.h"
#include "paths.h"
#include "site_fixture.h"

using Names = std::vector<std::string>;

class Generation : public SiteTest, GenerationObserver {
protected:
    Names Run(const std::string& outDirectory, const std::string& index = "index.html") {  // written, by name
        statuses.clear();
        position = 0;
        result = GenerateSite(store.Store(), settings, outDirectory, index, *this);
        Names names;
        for (const std::string& path : result.writtenFiles) names.push_back(path.substr(path.rfind('/') + 1));
        return names;
    }
    void ShowStatus(const std::string& text) override { statuses.push_back(cp932::ToUtf8(text).value_or(text)); }
    void StepIt() override { position += GENERATION_STEP; }
    void Pause(std::chrono::milliseconds) override {}

    TempDirectory out;
    GenerationResult result;
    Names statuses;
    int position = 0;
};

const Names kFrames = {"index.html", "fvxmain.html", "fvxmenu.html", "fvxtop.html", "fvxtail.html"};

// Each menu is finished after its list pages.
TEST_F(Generation, AnEmptyStoreGivesTheWholeSiteInOrderWithAStatusPerStage) {
    Names expected = kFrames;
    for (const auto& [kind, pages] : std::vector<std::pair<std::string, int>>{
             {"alphabet", 26}, {"base", 0}, {"strong", 5}, {"taste", 5}, {"style", 0}, {"master", 1}}) {
        for (int i = 0; i < pages; ++i) expected.push_back("fvx" + kind + std::to_string(i) + ".html");
        expected.push_back("fvx" + kind + "menu.html");
    }
    expected.push_back("fvxall.html");  // also with its menu link off
    EXPECT_EQ(Run(out.path), expected);
    // A status per stage, and the last says the run is done.
    EXPECT_EQ(std::tuple(result.ok, statuses.size(), statuses.back(), position),
              std::tuple(true, 10u, "HTML生成を完了しました。", GENERATION_RANGE))
        << result.error;
}

TEST_F(Generation, CategoriesOffStillWriteFramesAllPageAndDetails) {
    settings.file = FileSettings{0, 0, 0, 0, 0, 0, 0};
    store.AddBase("Gin");
    store.AddStyle("Short");
    Names expected = kFrames;
    expected.push_back("fvxall.html");
    expected.push_back("fvxcocktail" + std::to_string(store.AddCocktail({.name = "Martini"})) + ".html");
    EXPECT_EQ(Run(out.path), expected);
    EXPECT_EQ(std::tuple(result.ok, statuses.size(), position), std::tuple(true, 10u, GENERATION_RANGE))
        << result.error;
}

TEST_F(Generation, AFailureKeepsEarlierPagesAndThoseOfEarlierRuns) {
    testsupport::WriteFile(out.File("fvxbase7.html"), "old run");
    store.AddBase("Gin");
    store.AddStyle("Short");
    store.AddCocktail({.name = "Lonely", .materials = {}});
    EXPECT_EQ(Run(out.path).back(), "fvxalphabetmenu.html");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.errorCocktail, "Lonely");
    EXPECT_EQ(ReadFile(out.File("fvxbase7.html")), "old run");
    EXPECT_EQ(statuses.size(), 2u);
    EXPECT_EQ(position, GENERATION_STEP);
}

TEST_F(Generation, AnEditedMemoRewritesOnlyItsDetailPage) {
    store.AddBase("Gin");
    store.AddStyle("Short");
    store.AddCocktail({.name = "Martini"});
    const int edited = store.AddCocktail({.name = "Gimlet", .initial = 6});
    const std::size_t pages = Run(out.path).size();
    EXPECT_TRUE(Run(out.path).empty());
    EXPECT_EQ(result.unchangedPages, pages);

    store.Database().exec("UPDATE TBL_COCKTAIL SET FLD_MEMO = 'Cold.' WHERE FLD_INDEX = " + std::to_string(edited));
    EXPECT_EQ(Run(out.path), Names{"fvxcocktail" + std::to_string(edited) + ".html"});
    EXPECT_EQ(result.unchangedPages, pages - 1);
    EXPECT_TRUE(result.ok) << result.error;
}

TEST_F(Generation, AMissingOutputDirectoryIsCreatedWithItsParents) {
    EXPECT_FALSE(Run(out.File("new/site")).empty());
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_TRUE(std::filesystem::is_regular_file(out.File("new/site/index.html")));

    testsupport::WriteFile(out.File("plain"), "");
    EXPECT_TRUE(Run(out.File("plain/site")).empty());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error.rfind("cannot create the output directory " + out.File("plain/site") + ": ", 0), 0u)
        << result.error;
}

TEST_F(Generation, AnIndexNameThatLeavesTheOutputDirectoryIsRefusedBeforeAnythingIsWritten) {
    for (const char* index : {"../x.html", "sub/x.html", "..", "a\\b.html"}) {
        EXPECT_TRUE(Run(out.File("site"), index).empty()) << index;
        EXPECT_EQ(result.error, std::string(kIndexNotAFileName) + ": " + index);
    }
    EXPECT_FALSE(std::filesystem::exists(out.File("site")));
    EXPECT_TRUE(paths::IsFileName("..index.html"));
}
