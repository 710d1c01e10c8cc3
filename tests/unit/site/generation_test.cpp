#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include <gtest/gtest.h>

#include "site/generation.h"
#include "site_fixture.h"

namespace {

class Generation : public ::testing::Test {
protected:
    Generation() : store(workspace.Path()) {}
    GenerationResult Run(const std::string& outDirectory) {
        return GenerateSite(store.Database(), settings, outDirectory, "index.html", observer);
    }
    std::vector<std::string> Names(const GenerationResult& result) {
        std::vector<std::string> names;
        for (const std::string& path : result.createdFiles) names.push_back(path.substr(path.rfind('/') + 1));
        return names;
    }

    TempDirectory workspace;
    TempDirectory out;
    CocktailStore store;
    PluginSettings settings;
    RecordingObserver observer;
};

std::vector<std::string> Numbered(const std::string& stem, int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) names.push_back(stem + std::to_string(i) + ".html");
    return names;
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

const std::vector<std::string> kCommon = {"index.html", "fvxmain.html", "fvxmenu.html", "fvxtop.html",
                                          "fvxtail.html"};

}  // namespace

TEST_F(Generation, EmptyStoreGivesTheCompleteSiteInOrderWithAllStatuses) {
    const GenerationResult result = Run(out.Str());
    ASSERT_TRUE(result.ok) << result.error;

    std::vector<std::string> expected = kCommon;
    expected.push_back("fvxalphabetmenu.html");
    Append(expected, Numbered("fvxalphabet", 26));
    expected.push_back("fvxbasemenu.html");
    expected.push_back("fvxstrongmenu.html");
    Append(expected, Numbered("fvxstrong", 5));
    expected.push_back("fvxtastemenu.html");
    Append(expected, Numbered("fvxtaste", 5));
    expected.push_back("fvxstylemenu.html");
    expected.push_back("fvxmastermenu.html");
    expected.push_back("fvxmaster0.html");
    expected.push_back("fvxall.html");
    EXPECT_EQ(Names(result), expected);

    EXPECT_EQ(ReadFileBytes(out.Path() / "fvxmaster0.html"),
              std::string(kHead) + Sjis("作者不明一覧<BR><BR>該当項目はありません。\r\n") + kTail);
    EXPECT_EQ(ReadFileBytes(out.Path() / "fvxall.html"),
              std::string(kHead) + Sjis("全カクテル一覧<BR><BR>該当項目はありません。\r\n") + kTail);
    EXPECT_NE(ReadFileBytes(out.Path() / "fvxstylemenu.html").find("<UL>\r\n</UL>"), std::string::npos);

    const std::vector<std::string> statuses = {
        "共通ファイルの生成中...", "アルファベット別ファイルの生成中...", "ベース別ファイルの生成中...",
        "アルコール強度別ファイルの生成中...", "味わい別ファイルの生成中...", "スタイル別ファイルの生成中...",
        "作者別ファイルの生成中...", "全カクテル一覧ファイルの生成中...", "カクテル詳細ファイルの生成中...",
        "HTML生成を完了しました。"};
    ASSERT_EQ(observer.statuses.size(), statuses.size());
    for (std::size_t i = 0; i < statuses.size(); ++i) EXPECT_EQ(observer.statuses[i], Sjis(statuses[i]));
    EXPECT_EQ(observer.positions, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
    EXPECT_EQ(observer.position, GENERATION_RANGE);
    EXPECT_EQ(observer.pauses, (std::vector<long>{200, 500}));
}

TEST_F(Generation, CategoriesOffStillWriteFramesAllPageAndDetails) {
    settings.file = FileSettings{0, 0, 0, 0, 0, 0, 0};
    store.AddBase("Gin");
    store.AddStyle("Short");
    CocktailRow row;
    row.name = "Martini";
    const int index = store.AddCocktail(row);
    const GenerationResult result = Run(out.Str());
    ASSERT_TRUE(result.ok) << result.error;
    std::vector<std::string> expected = kCommon;
    expected.push_back("fvxall.html");
    expected.push_back("fvxcocktail" + std::to_string(index) + ".html");
    EXPECT_EQ(Names(result), expected);
    EXPECT_EQ(observer.statuses.size(), 10u);
    EXPECT_EQ(observer.position, GENERATION_RANGE);
    EXPECT_EQ(ReadFileBytes(out.Path() / "fvxmenu.html").find("fvxall.html"), std::string::npos);
}

TEST_F(Generation, FailureMidRunKeepsEarlierPagesAndPagesOfEarlierRuns) {
    const std::string stale = (out.Path() / "fvxbase7.html").string();
    { std::ofstream(stale) << "old run"; }
    // Longer files of an earlier run are cut to exactly the new bytes, also a cut-off page.
    const std::string junk(5000, '~');
    { std::ofstream(out.Path() / "fvxmain.html") << junk; }
    { std::ofstream(out.Path() / "fvxalphabet0.html") << junk; }
    store.AddBase("Gin");
    store.AddStyle("Short");
    CocktailRow row;
    row.name = "Lonely";
    row.materials.clear();
    store.AddCocktail(row);

    const GenerationResult result = Run(out.Str() + "/");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.errorCocktail, "Lonely");
    // Plain concatenation doubles the separator.
    EXPECT_EQ(result.createdFiles.front(), out.Str() + "//index.html");
    EXPECT_EQ(Names(result).back(), "fvxalphabet0.html");
    EXPECT_EQ(ReadFileBytes(stale), "old run");
    const std::string frameset = ReadFileBytes(out.Path() / "fvxmain.html");
    EXPECT_EQ(frameset.substr(frameset.size() - 7), "</HTML>");
    EXPECT_EQ(frameset.find('~'), std::string::npos);
    const std::string cut = ReadFileBytes(out.Path() / "fvxalphabet0.html");
    EXPECT_EQ(cut.find('~'), std::string::npos);
    EXPECT_EQ(cut.substr(cut.size() - 7), "</TR>\r\n");
    EXPECT_EQ(observer.statuses.size(), 2u);
    EXPECT_EQ(observer.position, 10);
}

TEST_F(Generation, UnwritableOrMissingOutputFailsAtTheFirstFile) {
    const GenerationResult missing = Run(out.Str() + "/no/such/dir");
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.createdFiles.empty());
    EXPECT_NE(missing.error.find("index.html"), std::string::npos);
    EXPECT_EQ(observer.position, 0);
    EXPECT_EQ(observer.pauses.size(), 0u);

    if (::geteuid() != 0) {
        ::chmod(out.Str().c_str(), 0500);
        EXPECT_FALSE(Run(out.Str()).ok);
        ::chmod(out.Str().c_str(), 0700);
    }
}

TEST_F(Generation, DamagedStoreFailsBeforeWritingAnything) {
    store.Database().exec("DROP TABLE TBL_MATERIAL");
    const GenerationResult result = Run(out.Str());
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.createdFiles.empty());
    EXPECT_NE(result.error.find("database"), std::string::npos);
}
