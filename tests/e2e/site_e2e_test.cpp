// The command-line tool and the plug-in's Generate command write the same site; the tool
// leaves the workspace alone and says what failed; every link of the site resolves.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <regex>
#include <sstream>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "barvella_session.h"
#include "core/schema.h"
#include "core/settings.h"
#include "cp932.h"

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::map<std::string, std::string> Tree(const fs::path& directory) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(directory)) files[entry.path().filename().string()] = ReadBytes(entry.path());
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
        std::random_device random;
        root = fs::temp_directory_path() / ("site-e2e-" + std::to_string(random()));
        work = root / "work";
        fs::create_directories(work);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(root, fs::perms::owner_all, ignored);
        fs::remove_all(root, ignored);
    }

    // A few cocktails with Japanese names, quotes and ampersands, and every kind of setting.
    void BuildWorkspace() {
        const auto j = [](const char* utf8) { return cp932::Literal(utf8); };
        std::unique_ptr<SQLite::Database> db;
        ASSERT_TRUE(CreateCocktailDatabase((work / kDatabaseFileName).string(), db));
        for (const char* base : {"ジン", "ラム & ホワイト", "ウイスキー"}) {
            SQLite::Statement insert(*db, "INSERT INTO TBL_BASE (FLD_NAME) VALUES (?)");
            insert.bind(1, j(base));
            insert.exec();
        }
        for (const char* style : {"ショート", "ロング"}) {
            SQLite::Statement insert(*db, "INSERT INTO TBL_STYLE (FLD_NAME) VALUES (?)");
            insert.bind(1, j(style));
            insert.exec();
        }
        SQLite::Statement master(*db, "INSERT INTO TBL_MASTER (FLD_NAME) VALUES (?)");
        master.bind(1, "O'Hara");
        master.exec();
        struct Row {
            const char* name;
            int initial, strong, taste, style, base;
            bool withMaster;
        };
        const Row rows[] = {{"マティーニ", 12, 0, 0, 1, 1, false},  {"ギムレット", 6, 1, 1, 1, 1, true},
                            {"キューバ・リブレ", 2, 3, 3, 2, 2, true}, {"Rob Roy's <Special>", 17, 1, 2, 1, 3, false},
                            {"ジン・トニック", 9, 3, 2, 2, 1, false}};
        for (const Row& row : rows) {
            SQLite::Statement insert(*db,
                                     "INSERT INTO TBL_COCKTAIL (FLD_NAME, FLD_INITIAL, FLD_STRONG, FLD_TASTE, FLD_STYLE, "
                                     "FLD_BASE, FLD_HOWTO, FLD_MEMO, FLD_MASTER) VALUES (?,?,?,?,?,?,?,?,?)");
            insert.bind(1, j(row.name));
            insert.bind(2, row.initial);
            insert.bind(3, row.strong);
            insert.bind(4, row.taste);
            insert.bind(5, row.style);
            insert.bind(6, row.base);
            insert.bind(7, j("ステアして\r\nグラスに注ぐ"));
            insert.bind(8, j(row.withMaster ? "定番 & 人気" : ""));
            if (row.withMaster) insert.bind(9, 1);
            else insert.bind(9);
            insert.exec();
            const auto index = db->getLastInsertRowid();
            for (const char* material : {"ライム", "Dry Gin", "氷"}) {
                SQLite::Statement add(*db, "INSERT INTO TBL_MATERIAL VALUES (?, ?, ?)");
                add.bind(1, static_cast<int>(index));
                add.bind(2, j(material));
                add.bind(3, j("適量"));
                add.exec();
            }
        }
        PluginSettings settings;
        settings.design.bgColor = "#FFFFF0";
        settings.design.frameBorder = 1;
        settings.design.frameSpacing = 2;
        settings.title.titleColor = "#800000";
        settings.title.windowTitle = j("カクテル & バー");
        settings.font.fontFace = j("ＭＳ Ｐゴシック");
        settings.user.userName = j("山田 花子");
        settings.user.userMail = "hanako@example.com";
        settings.url.urlTopPage = "http://example.com/";
        settings.topComment = j("ようこそ。<B>週末</B>のおすすめ\r\n");
        ASSERT_TRUE(SaveSettings(work.string(), settings));
    }

    Command Tool(const std::string& arguments) {
        const fs::path out = root / "tool.out";
        const fs::path err = root / "tool.err";
        const std::string line = "'" + BarvellaSession::ProgramDirectory() + "/barvella' " + arguments + " >'" +
                                 out.string() + "' 2>'" + err.string() + "'";
        const int status = std::system(line.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(out), ReadBytes(err)};
    }

    int Plugin(const fs::path& out) {
        wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "Folivex");
        wxTheApp->SetTopWindow(frame);
        EXPECT_EQ(BarvellaSession::Get().StartUp(work.string()), PLUGIN_OK);
        wxGUIEventLoop loop;
        wxEventLoopActivator active(&loop);
        int result = 0;
        wxTEST_DIALOG(result = BarvellaSession::Get().CreateHTML(out.string(), "index.html"),
                      wxExpectModal<wxMessageDialog>(wxID_OK));
        EXPECT_EQ(BarvellaSession::Get().CleanUp(), PLUGIN_OK);
        return result;
    }

    fs::path root;
    fs::path work;
};

}  // namespace

TEST_F(SiteEndToEnd, ToolWritesTheSameSiteAsThePluginAndLeavesTheWorkspaceAlone) {
    BuildWorkspace();
    const fs::path fromPlugin = root / "plugin-site";
    fs::create_directories(fromPlugin);
    ASSERT_EQ(Plugin(fromPlugin), PLUGIN_OK);

    const auto before = Tree(work);
    const fs::path fromTool = root / "new" / "tool-site";
    const Command run = Tool("generate --dir '" + work.string() + "' --out '" + fromTool.string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    EXPECT_TRUE(std::regex_match(run.out, std::regex("wrote 60 files to .*tool-site in [0-9.]+ s\n"))) << run.out;
    EXPECT_EQ(Tree(work), before);

    const auto expected = Tree(fromPlugin);
    const auto actual = Tree(fromTool);
    ASSERT_EQ(actual.size(), expected.size());
    for (const auto& [name, bytes] : expected) {
        ASSERT_TRUE(actual.count(name)) << name;
        EXPECT_EQ(actual.at(name), bytes) << name;
    }
}

TEST_F(SiteEndToEnd, EveryLinkOfTheSiteResolves) {
    BuildWorkspace();
    const fs::path site = root / "site";
    ASSERT_EQ(Tool("generate --dir '" + work.string() + "' --out '" + site.string() + "' --index top.html").exitCode, 0);
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
    Command run = Tool("generate --dir '" + work.string() + "' --out '" + (root / "o").string() + "'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Barvella.mdb does not exist"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(work / kDatabaseFileName));

    { std::ofstream(work / kDatabaseFileName) << "not a database"; }
    run = Tool("generate --dir '" + work.string() + "' --out '" + (root / "o").string() + "'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("damaged database"), std::string::npos) << run.err;
    EXPECT_EQ(ReadBytes(work / kDatabaseFileName), "not a database");

    fs::remove(work / kDatabaseFileName);
    BuildWorkspace();
    const fs::path locked = root / "locked";
    fs::create_directories(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    run = Tool("generate --dir '" + work.string() + "' --out '" + locked.string() + "'");
    if (::geteuid() != 0) {
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("cannot create " + locked.string() + "/index.html"), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    }

    {
        SQLite::Database db((work / kDatabaseFileName).string(), SQLite::OPEN_READWRITE);
        SQLite::Statement lonely(db, "INSERT INTO TBL_COCKTAIL (FLD_NAME, FLD_INITIAL, FLD_STRONG, FLD_TASTE, "
                                     "FLD_STYLE, FLD_BASE, FLD_HOWTO) VALUES (?, 0, 0, 0, 1, 1, 'x')");
        lonely.bind(1, cp932::Literal("孤独"));
        lonely.exec();
    }
    run = Tool("generate --dir '" + work.string() + "' --out '" + (root / "o").string() + "'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cocktail 孤独 cannot be read"), std::string::npos) << run.err;

    run = Tool("generate --help");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("--out"), std::string::npos);
    EXPECT_EQ(Tool("generate").exitCode, 1);
}
