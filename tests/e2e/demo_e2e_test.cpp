// The demo as a newcomer gets it: the run command's workspace preparation (without the GUI),
// the sample collection through export and import, and the generated site in Chromium.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include <SQLiteCpp/Database.h>

#include "cp932.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using namespace testsupport;

const std::string kSource = FOLIVEX_TEST_SOURCE_DIR;
const std::string kProgramDirectory = FOLIVEX_TEST_PROGRAM_DIR;

class DemoEndToEnd : public ::testing::Test {
protected:
    ShellOutcome Shell(const std::string& command) { return RunShell(command, dir); }
    ShellOutcome Barvella(const std::string& arguments) {
        return Shell(Quoted(kProgramDirectory + "/barvella") + " " + arguments);
    }
    ShellOutcome Prepare() {
        return Shell("bash " + Quoted(kSource + "/scripts/prepare-demo.sh") + " " + Quoted(kProgramDirectory + "/..") +
                     " " + Quoted(workspace) + " " + Quoted(settings));
    }
    static std::string Value(const std::string& directory, const char* query) {
        return SQLite::Database(directory + "/Barvella.mdb").execAndGet(query).getString();
    }
    static int Cocktails(const std::string& directory) {
        return std::stoi(Value(directory, "SELECT count(*) FROM TBL_COCKTAIL"));
    }

    testsupport::TempDirectory dir;
    const std::string workspace = dir.File("workspace");
    const std::string settings = dir.File("Folivex.ini");
    const std::string sample = kSource + "/samples/cocktails.csv";
};

TEST_F(DemoEndToEnd, ThePreparationMakesTheDemoWorkspaceOnceAndKeepsWhatExists) {
    ASSERT_EQ(Prepare().exitCode, 0);
    EXPECT_EQ(ReadFile(settings), Sjis("[DEFAULT]\r\nHTMLOutDirectory=" + workspace +
                                       "/site\r\nHTMLIndexFileName=index.html\r\nHTMLEditorPath=\r\n"
                                       "BrowseHTMLAfterCreate=1\r\nPluginName=Barvella.so\r\n"));
    EXPECT_NE(ReadFile(workspace + "/Barvella.ini").find(Sjis("WINDOWTITLE=カクテル・レシピ帳\r\n")),
              std::string::npos);
    EXPECT_NE(ReadFile(workspace + "/BarvellaTC.fvxcmt").find(Sjis("定番カクテル")), std::string::npos);
    const int stored = Cocktails(workspace);
    EXPECT_GE(stored, 50);

    for (const std::string& file : {settings, workspace + "/Barvella.ini", workspace + "/BarvellaTC.fvxcmt"})
        testsupport::WriteFile(file, "the user's own");
    const ShellOutcome again = Prepare();
    ASSERT_EQ(again.exitCode, 0) << again.err;
    for (const std::string& file : {settings, workspace + "/Barvella.ini", workspace + "/BarvellaTC.fvxcmt"})
        EXPECT_EQ(ReadFile(file), "the user's own") << file;
    EXPECT_EQ(Cocktails(workspace), stored);
}

TEST_F(DemoEndToEnd, TheSampleComesBackWholeThroughExportAndImportInEitherEncoding) {
    const std::string first = dir.File("first");
    const std::string second = dir.File("second");
    ASSERT_EQ(Barvella("import --dir " + Quoted(first) + " " + Quoted(sample)).exitCode, 0);
    const ShellOutcome exported = Barvella("export --dir " + Quoted(first));
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    ASSERT_EQ(Barvella("export --encoding cp932 --dir " + Quoted(first) + " " + Quoted(dir.File("sjis.csv"))).exitCode,
              0);
    EXPECT_EQ(ReadFile(dir.File("sjis.csv")), Sjis(exported.out));
    const ShellOutcome imported =
        Barvella("import --encoding cp932 --dir " + Quoted(second) + " " + Quoted(dir.File("sjis.csv")));
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(Barvella("export --dir " + Quoted(second)).out, exported.out);
    const char* names =
        "SELECT group_concat(FLD_NAME, '|') FROM (SELECT FLD_NAME FROM TBL_BASE UNION ALL SELECT FLD_NAME FROM "
        "TBL_STYLE UNION ALL SELECT FLD_NAME FROM TBL_MASTER)";
    EXPECT_EQ(Value(second, names), Value(first, names));

    // The tool names each refused line; the refusals themselves are the import tests' business.
    const ShellOutcome again = Barvella("import --dir " + Quoted(first) + " " + Quoted(sample));
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_NE(again.err.find(sample + ":2: cocktail \"マティーニ\" is already stored\n"), std::string::npos)
        << again.err;
    EXPECT_TRUE(again.err.ends_with("\nbarvella: nothing was imported (" + std::to_string(Cocktails(first)) +
                                    " lines refused)\n"));
    EXPECT_EQ(Barvella("export --dir " + Quoted(first)).out, exported.out);
}

TEST_F(DemoEndToEnd, TheGeneratedSiteLoadsInChromiumWithEveryLinkResolvedAndItsJapaneseRead) {
    ASSERT_EQ(Prepare().exitCode, 0);
    const std::string site = dir.File("site");
    ASSERT_EQ(Barvella("generate --dir " + Quoted(workspace) + " --out " + Quoted(site)).exitCode, 0);
    fs::copy_file(kSource + "/tests/e2e/site_crawl.html", dir.File("crawl.html"));
    const std::string chromium =
        "timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
        "--disable-background-networking --disable-component-update --disable-sync --user-data-dir=" +
        Quoted(dir.File("profile")) + " ";

    // Frames of file pages read each other only with web security off.
    const ShellOutcome crawl = Shell(chromium +
                                     "--allow-file-access-from-files --disable-web-security "
                                     "--virtual-time-budget=60000 --dump-dom " +
                                     Quoted("file://" + dir.File("crawl.html")));
    ASSERT_EQ(crawl.exitCode, 0) << "is chromium installed (scripts/bootstrap.sh)?\n" << crawl.err;
    std::smatch report;
    ASSERT_TRUE(std::regex_search(crawl.out, report, std::regex("<pre id=\"result\">(.*)</pre>"))) << crawl.out;
    const auto pages = std::distance(fs::directory_iterator(site), fs::directory_iterator());
    EXPECT_EQ(report[1].str(), "{\"pages\":" + std::to_string(pages) +
                                   ",\"broken\":[],\"misdecoded\":[],\"title\":\"カクテル・レシピ帳\"}");
}

// The checks of the modern pages themselves are scripts/check-modern-site.sh (Site.ModernChecks).
TEST_F(DemoEndToEnd, TheSiteStyleIsTheWorkspacesChoiceUnlessTheCommandLineSaysOtherwise) {
    ASSERT_EQ(Prepare().exitCode, 0);
    testsupport::WriteFile(workspace + "/Barvella.ini",
                           ReadFile(workspace + "/Barvella.ini") + "[SITE]\r\nSTYLE=modern\r\n");
    const std::string classic = dir.File("classic");
    ASSERT_EQ(Barvella("generate --style classic --dir " + Quoted(workspace) + " --out " + Quoted(classic)).exitCode,
              0);
    EXPECT_TRUE(fs::exists(classic + "/fvxmain.html"));
    const std::string site = dir.File("modern");
    const ShellOutcome generated = Barvella("generate --dir " + Quoted(workspace) + " --out " + Quoted(site));
    ASSERT_EQ(generated.exitCode, 0) << generated.err;
    EXPECT_TRUE(ReadFile(site + "/index.html").starts_with("<!doctype html>"));
    EXPECT_FALSE(fs::exists(site + "/fvxmain.html"));
    EXPECT_NE(Barvella("generate --style fancy --dir " + Quoted(workspace) + " --out " + Quoted(site)).exitCode, 0);
}

}  // namespace
