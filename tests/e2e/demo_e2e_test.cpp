// The demo as a newcomer gets it: the run command's workspace preparation (without the GUI),
// the sample collection through export and import, and the generated site in Chromium.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include <SQLiteCpp/Database.h>

#include "cp932.h"
#include "shell_support.h"

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
                                    " cocktails refused)\n"));
    EXPECT_EQ(Barvella("export --dir " + Quoted(first)).out, exported.out);
}

// What a newcomer types first, and the mistakes a newcomer makes, each answered in one line.
TEST_F(DemoEndToEnd, TheToolSaysItsVersionAndExplainsEveryMistakeInOneLine) {
    const auto run = [this](const std::string& arguments) {
        return Shell("cd " + Quoted(dir.path) + " && " + Quoted(kProgramDirectory + "/barvella") + " " + arguments);
    };
    const ShellOutcome version = run("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.starts_with("barvella 0.")) << version.out;
    const auto refused = [&run](const std::string& arguments, const std::string& line) {
        const ShellOutcome outcome = run(arguments);
        EXPECT_EQ(outcome.exitCode, 1) << arguments;
        EXPECT_EQ(outcome.err.substr(0, outcome.err.find('\n') + 1), line) << outcome.err;
    };
    refused("imprt x.csv",
            "barvella: unknown command \"imprt\": the commands are generate, import and export (see barvella "
            "--help)\n");
    refused("import --encoding latin1 x.csv", "--encoding: unknown encoding \"latin1\": use utf-8 or cp932\n");
    refused("import missing.csv", "barvella: cannot read missing.csv: No such file or directory\n");
    refused("import /dev/zero", "barvella: cannot read /dev/zero: it is not a file (standard input is -)\n");
    // The sample in Shift-JIS, imported as if it were UTF-8.
    testsupport::WriteFile(dir.File("sjis.csv"), Sjis(ReadFile(sample)));
    refused("import --dir one sjis.csv",
            "barvella: sjis.csv is Shift-JIS (CP932), not UTF-8: import it with --encoding cp932\n");
    EXPECT_FALSE(fs::exists(dir.File("one")));

    const std::string header = ReadFile(sample).substr(0, ReadFile(sample).find('\n') + 1);
    testsupport::WriteFile(dir.File("one.csv"), header + "Gimlet,G,Gin,Short,1,2,,Gin,45 ml,Shake.,,\n");
    const ShellOutcome one = run("import --dir one one.csv");
    EXPECT_EQ(one.out, "imported 1 cocktail\n") << one.err;
    refused("import --dir one one.csv", "one.csv:2: cocktail \"Gimlet\" is already stored\n");
    EXPECT_EQ(run("import --dir two - <one.csv").out, "imported 1 cocktail\n");
    EXPECT_TRUE(run("import --dir one one.csv").err.ends_with("(1 cocktail refused)\n"));
}

// An installed copy as a newcomer finds it: the sample the manual names, icons for every size,
// the menu entry, and a launcher that explains itself and makes no folder by mistake.
TEST_F(DemoEndToEnd, TheInstalledCopyShipsWhatTheManualNamesAndItsLauncherMakesNoFolderByMistake) {
    const std::string prefix = dir.File("prefix");
    const ShellOutcome installed = Shell(Quoted(FOLIVEX_TEST_CMAKE) + " --install " + Quoted(FOLIVEX_TEST_BINARY_DIR) +
                                         " --prefix " + Quoted(prefix));
    ASSERT_EQ(installed.exitCode, 0) << installed.err;
    EXPECT_EQ(ReadFile(prefix + "/share/folivex/samples/cocktails.csv"), ReadFile(sample));
    EXPECT_TRUE(fs::exists(prefix + "/share/icons/hicolor/scalable/apps/folivex.svg"));
    EXPECT_NE(ReadFile(prefix + "/share/applications/folivex.desktop").find("\nExec=folivex\n"), std::string::npos);

    const std::string home = dir.File("home");
    fs::create_directory(home);
    const auto launch = [&](const std::string& arguments) {
        return Shell("cd " + Quoted(home) + " && env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_CONFIG_HOME HOME=" +
                     Quoted(home) + " " + Quoted(prefix + "/bin/folivex") + " " + arguments);
    };
    const ShellOutcome help = launch("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: folivex [FOLDER]\n")) << help.out;
    EXPECT_TRUE(launch("--version").out.starts_with("folivex 0."));
    const ShellOutcome unknown = launch("--hepl");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.starts_with("folivex: unknown option --hepl\n")) << unknown.err;
    EXPECT_TRUE(fs::is_empty(home)) << "an option became a workspace";

    // The remembered workspace was deleted: said, and not made again empty.
    fs::create_directories(home + "/.config/folivex");
    testsupport::WriteFile(home + "/.config/folivex/workspace", home + "/gone\n");
    const ShellOutcome gone = launch("");
    EXPECT_EQ(gone.exitCode, 1);
    EXPECT_EQ(gone.err,
              "folivex: the workspace " + home + "/gone no longer exists; start 'folivex FOLDER' to choose one\n");
    EXPECT_FALSE(fs::exists(home + "/gone"));
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

// The checks of the modern pages themselves are scripts/check-modern-site.sh (Site.ModernChecks);
// the workspace's own choice reaching the tool is the site end-to-end test's.
TEST_F(DemoEndToEnd, TheCommandLinesStyleOverridesTheWorkspacesAndAnUnknownOneIsRefused) {
    ASSERT_EQ(Prepare().exitCode, 0);
    testsupport::WriteFile(workspace + "/Barvella.ini",
                           ReadFile(workspace + "/Barvella.ini") + "[SITE]\r\nSTYLE=modern\r\n");
    const std::string classic = dir.File("classic");
    ASSERT_EQ(Barvella("generate --style classic --dir " + Quoted(workspace) + " --out " + Quoted(classic)).exitCode,
              0);
    EXPECT_TRUE(fs::exists(classic + "/fvxmain.html"));
    EXPECT_NE(Barvella("generate --style fancy --dir " + Quoted(workspace) + " --out " + Quoted(classic)).exitCode, 0);
}

}  // namespace
