// The command-line tool and the plug-in's Generate command write the same site; the tool
// leaves the workspace alone and says what failed; every link of the site resolves.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>

#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "barvella_session.h"
#include "core/schema.h"
#include "site_fixture.h"

namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> Tree(const fs::path& directory) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(directory))
        files[entry.path().filename().string()] = ReadFileBytes(entry.path());
    return files;
}

struct Command {
    int exitCode;
    std::string out;
    std::string err;
};

class SiteEndToEnd : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(BarvellaSession::Get().Loaded());
        fs::create_directories(work);
    }

    // A few cocktails with Japanese names, quotes and ampersands, and every kind of setting.
    void BuildWorkspace() {
        store = std::make_unique<CocktailStore>(work);
        for (const char* base : {"ジン", "ラム & ホワイト", "ウイスキー"}) store->AddBase(base);
        store->AddStyle("ショート");
        store->AddStyle("ロング");
        store->AddMaster("O'Hara");
        const CocktailRow rows[] = {{.name = "マティーニ", .initial = 12},
                                    {.name = "ギムレット", .initial = 6, .strong = 1, .taste = 1, .master = 1},
                                    {.name = "キューバ・リブレ", .initial = 2, .strong = 3, .taste = 3, .style = 2,
                                     .base = 2, .master = 1},
                                    {.name = "Rob Roy's <Special>", .initial = 17, .strong = 1, .taste = 2, .base = 3},
                                    {.name = "ジン・トニック", .initial = 9, .strong = 3, .taste = 2, .style = 2}};
        for (CocktailRow row : rows) {
            row.howTo = "ステアして\r\nグラスに注ぐ";
            if (row.master) row.memo = "定番 & 人気";
            row.materials = {{"ライム", "適量"}, {"Dry Gin", "適量"}, {"氷", "適量"}};
            store->AddCocktail(row);
        }
        PluginSettings settings;
        settings.design.bgColor = "#FFFFF0";
        settings.design.frameBorder = 1;
        settings.design.frameSpacing = 2;
        settings.title.titleColor = "#800000";
        settings.title.windowTitle = Sjis("カクテル & バー");
        settings.font.fontFace = Sjis("ＭＳ Ｐゴシック");
        settings.user.userName = Sjis("山田 花子");
        settings.user.userMail = "hanako@example.com";
        settings.url.urlTopPage = "http://example.com/";
        settings.topComment = Sjis("ようこそ。<B>週末</B>のおすすめ\r\n");
        ASSERT_TRUE(SaveSettings(work.string(), settings));
    }

    Command Tool(const std::string& arguments) {
        const fs::path out = root.Path() / "tool.out";
        const fs::path err = root.Path() / "tool.err";
        const std::string line = "'" + BarvellaSession::ProgramDirectory() + "/barvella' " + arguments + " >'" +
                                 out.string() + "' 2>'" + err.string() + "'";
        const int status = std::system(line.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFileBytes(out), ReadFileBytes(err)};
    }
    Command Generate(const fs::path& out, const std::string& more = "") {
        return Tool("generate --dir '" + work.string() + "' --out '" + out.string() + "'" + more);
    }

    TempDirectory root;
    fs::path work = root.Path() / "work";
    std::unique_ptr<CocktailStore> store;
};

}  // namespace

TEST_F(SiteEndToEnd, ToolWritesTheSameSiteAsThePluginAndLeavesTheWorkspaceAlone) {
    BuildWorkspace();
    const fs::path fromPlugin = root.Path() / "plugin-site";
    fs::create_directories(fromPlugin);
    {
        wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "Folivex");
        wxTheApp->SetTopWindow(frame);
        ASSERT_EQ(BarvellaSession::Get().StartUp(work.string()), PLUGIN_OK);
        wxGUIEventLoop loop;
        wxEventLoopActivator active(&loop);
        int result = 0;
        wxTEST_DIALOG(result = BarvellaSession::Get().CreateHTML(fromPlugin.string(), "index.html"),
                      wxExpectModal<wxMessageDialog>(wxID_OK));
        EXPECT_EQ(BarvellaSession::Get().CleanUp(), PLUGIN_OK);
        ASSERT_EQ(result, PLUGIN_OK);
    }

    const auto before = Tree(work);
    const fs::path fromTool = root.Path() / "new" / "tool-site";
    const Command run = Generate(fromTool);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    EXPECT_TRUE(std::regex_match(run.out, std::regex("wrote 60 files to .*tool-site in [0-9.]+ s\n"))) << run.out;
    EXPECT_EQ(Tree(work), before);
    EXPECT_EQ(Tree(fromTool), Tree(fromPlugin));
}

TEST_F(SiteEndToEnd, EveryLinkOfTheSiteResolves) {
    BuildWorkspace();
    const fs::path site = root.Path() / "site";
    ASSERT_EQ(Generate(site, " --index top.html").exitCode, 0);
    const std::regex link("(?:HREF|SRC)=\"([^\"]*)\"");
    int checked = 0;
    for (const auto& [name, bytes] : Tree(site)) {
        for (std::sregex_iterator it(bytes.begin(), bytes.end(), link), end; it != end; ++it) {
            const std::string target = (*it)[1];
            if (target.rfind("http:", 0) == 0 || target.rfind("mailto:", 0) == 0 || target.rfind("javascript:", 0) == 0)
                continue;
            EXPECT_TRUE(fs::exists(site / target)) << name << " links to missing " << target;
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
    EXPECT_TRUE(fs::exists(site / "top.html"));
}

TEST_F(SiteEndToEnd, ToolNamesWhatFailed) {
    const fs::path out = root.Path() / "o";
    Command run = Generate(out);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Barvella.mdb does not exist"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(work / kDatabaseFileName));

    { std::ofstream(work / kDatabaseFileName) << "not a database"; }
    run = Generate(out);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("damaged database"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFileBytes(work / kDatabaseFileName), "not a database");
    EXPECT_FALSE(fs::exists(out));

    fs::remove(work / kDatabaseFileName);
    BuildWorkspace();
    const fs::path locked = root.Path() / "locked";
    fs::create_directories(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    run = Generate(locked);
    if (::geteuid() != 0) {
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("cannot create " + locked.string() + "/index.html"), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    }

    store->AddCocktail({.name = "孤独", .materials = {}});
    run = Generate(out);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cocktail 孤独 cannot be read"), std::string::npos) << run.err;

    run = Tool("generate --help");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("--out"), std::string::npos);
    EXPECT_EQ(Tool("generate").exitCode, 1);
}
