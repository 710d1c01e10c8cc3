// The plug-in's Generate command with its question and progress window, and the command-line
// tool that writes the same site, leaves the workspace alone and says what failed.
#include <algorithm>
#include <fstream>
#include <map>
#include <regex>

#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/gauge.h>
#include <wx/stattext.h>

#include "barvella_session.h"
#include "expect_message_box.h"
#include "shell_support.h"
#include "site_fixture.h"
#include "store/schema.h"

namespace fs = std::filesystem;

namespace {

using namespace testsupport;

// Checks the progress window each time it paints during a run and keeps what it showed.
struct ProgressWatcher : wxEventFilter {
    explicit ProgressWatcher(wxWindow* mainWindow) : main(mainWindow) { wxEvtHandler::AddFilter(this); }
    ~ProgressWatcher() override { wxEvtHandler::RemoveFilter(this); }

    int FilterEvent(wxEvent& event) override {
        auto* window = wxDynamicCast(event.GetEventObject(), wxWindow);
        if (event.GetEventType() != wxEVT_PAINT || !window) return Event_Skip;
        wxWindow* top = wxGetTopLevelParent(window);
        if (!top || top->GetLabel() != U("HTML生成")) return Event_Skip;
        EXPECT_FALSE(main->IsEnabled());
        EXPECT_FALSE(top->GetWindowStyleFlag() & (wxCLOSE_BOX | wxSYSTEM_MENU));
        for (wxWindow* child : top->GetChildren()) {
            if (auto* gauge = wxDynamicCast(child, wxGauge)) {
                EXPECT_EQ(gauge->GetRange(), 90);
                positions.push_back(gauge->GetValue());
            } else if (auto* text = wxDynamicCast(child, wxStaticText); text && text->GetId() != wxID_STATIC) {
                status = text->GetLabel();
            }
        }
        return Event_Skip;
    }

    wxWindow* main;
    std::vector<int> positions;
    wxString status;
};

std::map<std::string, std::string> Tree(const fs::path& directory) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(directory))
        files[entry.path().filename().string()] = ReadFile(entry.path());
    return files;
}

// The committed site of this workspace, byte for byte (the rights line's year aside).
// FOLIVEX_UPDATE_SNAPSHOT=1 writes it anew after a deliberate change of the pages.
void ExpectSnapshot(std::map<std::string, std::string> site) {
    const fs::path directory = fs::path(FOLIVEX_TEST_SOURCE_DIR) / "tests" / "data" / "site";
    const std::regex year("Copyright \\(C\\) [0-9]{4}");
    for (auto& [name, bytes] : site) bytes = std::regex_replace(bytes, year, "Copyright (C) YEAR");
    if (std::getenv("FOLIVEX_UPDATE_SNAPSHOT")) {
        fs::remove_all(directory);
        fs::create_directories(directory);
        for (const auto& [name, bytes] : site) std::ofstream(directory / name, std::ios::binary) << bytes;
    }
    const auto expected = Tree(directory);
    for (const auto& [name, bytes] : expected) EXPECT_EQ(site[name], bytes) << name;
    EXPECT_EQ(site.size(), expected.size());
}

class SiteEndToEnd : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(BarvellaSession::Get().Loaded()) << "Barvella.so in " << BarvellaSession::ProgramDirectory();
        fs::create_directories(work);
        frame = new wxFrame(nullptr, wxID_ANY, "Folivex");
        wxTheApp->SetTopWindow(frame);
        frame->Show();

        // A few cocktails with Japanese names, quotes and ampersands, and every kind of setting.
        store = std::make_unique<TestStore>(work);
        for (const char* base : {"ジン", "ラム & ホワイト", "ウイスキー"}) store->AddBase(base);
        store->AddStyle("ショート");
        store->AddStyle("ロング");
        store->AddMaster("O'Hara");
        const CocktailRow rows[] = {
            {.name = "マティーニ", .initial = 12},
            {.name = "ギムレット", .initial = 6, .strong = 1, .taste = 1, .master = 1},
            {.name = "キューバ・リブレ", .initial = 2, .strong = 3, .taste = 3, .style = 2, .base = 2, .master = 1},
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
        settings.design.background = "bg.gif";  // glued to the image folder
        settings.url.urlImages = "img/";
        std::tie(settings.font.textColor, settings.font.linkColor, settings.font.aLinkColor, settings.font.vLinkColor) =
            std::tuple("black", "blue", "red", "purple");
        std::tie(settings.design.frameBorder, settings.design.frameSpacing) = std::tuple(1, 2);
        settings.title.titleColor = "#800000";
        settings.title.windowTitle = Sjis("カクテル & バー");
        settings.font.fontFace = Sjis("ＭＳ Ｐゴシック");
        std::tie(settings.user.userName, settings.user.userMail) = std::tuple(Sjis("山田 花子"), "hanako@example.com");
        settings.url.urlTopPage = "http://example.com/";
        settings.topComment = Sjis("ようこそ。<B>週末</B>のおすすめ\r\n");
        ASSERT_TRUE(SaveSettings(work.string(), settings));
    }

    // The host calls from inside its event loop; the progress window paints through it.
    int Plugin(const fs::path& out, int answer) {
        EXPECT_EQ(BarvellaSession::Get().StartUp(work.string()), PLUGIN_OK);
        wxGUIEventLoop loop;
        wxEventLoopActivator active(&loop);
        int result = 0;
        wxTEST_DIALOG(result = BarvellaSession::Get().CreateHTML(out.string(), "index.html"),
                      ExpectPluginMessage("ファイルは上書きされます。続行しますか？", frame, wxICON_QUESTION, answer));
        EXPECT_EQ(BarvellaSession::Get().CleanUp(), PLUGIN_OK);
        return result;
    }
    // FOLIVEX_TEST_BARVELLA names another build of the tool to run instead, as a command line
    // (the Windows one under Wine), so that its site is held to the same bytes.
    ShellOutcome Generate(const fs::path& out, const std::string& more = "") {
        const char* tool = std::getenv("FOLIVEX_TEST_BARVELLA");
        return RunShell((tool != nullptr ? tool : Quoted(BarvellaSession::ProgramDirectory() + "/barvella")) +
                            " generate --dir " + Quoted(work.string()) + " --out " + Quoted(out.string()) + more,
                        root);
    }

    TempDirectory root;
    fs::path work = fs::path(root.path) / "work";
    std::unique_ptr<TestStore> store;
    wxFrame* frame = nullptr;

    // After a run, whatever its end: the main window works again and the progress window is gone.
    void ExpectWindowsFreed() const {
        EXPECT_TRUE(frame->IsEnabled());
        for (wxWindow* window : wxTopLevelWindows)
            EXPECT_TRUE(window->GetLabel() != U("HTML生成") || window->IsBeingDeleted());
    }
};

}  // namespace

// The plug-in creates a missing output folder with its parents, as the tool does.
TEST_F(SiteEndToEnd, GenerateCommandAndToolWriteTheSameSite) {
    const fs::path fromPlugin = fs::path(root.path) / "plugin" / "site";
    ProgressWatcher watcher(frame);
    EXPECT_EQ(Plugin(fromPlugin, wxID_CANCEL), PLUGIN_CANCELLED);
    EXPECT_FALSE(fs::exists(fromPlugin.parent_path()));
    EXPECT_TRUE(watcher.positions.empty());
    ExpectWindowsFreed();

    ASSERT_EQ(Plugin(fromPlugin, wxID_OK), PLUGIN_OK);
    ExpectWindowsFreed();
    ASSERT_FALSE(watcher.positions.empty()) << "the progress window was never painted";
    EXPECT_EQ(watcher.status, U("HTML生成を完了しました。"));
    EXPECT_EQ(watcher.positions.back(), 90);
    // It repainted while the run advanced, not only at the end.
    EXPECT_TRUE(std::any_of(watcher.positions.begin(), watcher.positions.end(), [](int p) { return p > 0 && p < 90; }));

    // A folder that cannot be made: a file stands where its parent should be.
    std::ofstream(fs::path(root.path) / "blocker") << "";
    EXPECT_EQ(Plugin(fs::path(root.path) / "blocker" / "site", wxID_OK), PLUGIN_FAILED);
    ExpectWindowsFreed();

    const auto before = Tree(work);
    const fs::path fromTool = fs::path(root.path) / "new" / "tool-site";
    const ShellOutcome run = Generate(fromTool);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    EXPECT_TRUE(std::regex_match(run.out, std::regex("wrote 60 pages to .*tool-site, 0 unchanged, in [0-9.]+ s\n")))
        << run.out;
    EXPECT_EQ(Tree(work), before);
    const auto site = Tree(fromTool);
    EXPECT_EQ(site, Tree(fromPlugin));
    ExpectSnapshot(site);
}

// The workspace's style reaches the plug-in's Generate command and the tool alike; the tool's
// command line overrides it.
TEST_F(SiteEndToEnd, TheWorkspacesStyleChoosesTheSiteUnlessTheCommandLineOverridesIt) {
    PluginSettings settings;
    ASSERT_TRUE(LoadSettings(work.string(), settings));
    settings.siteStyle = SiteStyle::Modern;
    ASSERT_TRUE(SaveSettings(work.string(), settings));
    const fs::path fromPlugin = fs::path(root.path) / "plugin", fromTool = fs::path(root.path) / "tool";
    ASSERT_EQ(Plugin(fromPlugin, wxID_OK), PLUGIN_OK);
    ASSERT_EQ(Generate(fromTool).exitCode, 0);
    EXPECT_EQ(Tree(fromTool), Tree(fromPlugin));
    EXPECT_TRUE(ReadFile(fromTool / "index.html").starts_with("<!doctype html>"));
    ASSERT_EQ(Generate(fs::path(root.path) / "classic", " --style classic").exitCode, 0);
    EXPECT_TRUE(fs::exists(fs::path(root.path) / "classic" / "fvxmain.html"));
}

// A deploy script learns which pages to copy: only those that differ from the files there.
TEST_F(SiteEndToEnd, ToolRegeneratesOnlyWhatChangedAndListsIt) {
    const fs::path out = fs::path(root.path) / "site";
    ASSERT_EQ(Generate(out).exitCode, 0);
    std::ofstream(out / "fvxtop.html") << "edited by hand";
    ShellOutcome run = Generate(out);
    EXPECT_TRUE(std::regex_match(run.out, std::regex("wrote 1 page to .*site, 59 unchanged, in [0-9.]+ s\n")))
        << run.out;
    std::ofstream(out / "fvxtop.html") << "edited again";
    run = Generate(out, " --list-written");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, (out / "fvxtop.html").string() + "\n");
    EXPECT_TRUE(Generate(out, " --list-written").out.empty()) << "nothing changed";
}

TEST_F(SiteEndToEnd, ToolNamesWhatFailed) {
    const fs::path out = fs::path(root.path) / "o";
    // Exit 1 with one line that holds `reason`.
    const auto failsWith = [&](const std::string& more, const std::string& reason) {
        const ShellOutcome run = Generate(out, more);
        EXPECT_EQ(run.exitCode, 1) << more;
        EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    };
    // A directory where the entry page should go cannot be written, even by root.
    fs::create_directories(out / "top.html");
    failsWith(" --index top.html", "cannot create " + (out / "top.html").string());
    fs::remove_all(out);
    failsWith(" --index ../escaped.html", "the index file name must name a file inside the output directory");
    EXPECT_FALSE(fs::exists(out));

    store->AddCocktail({.name = "孤独", .materials = {}});
    failsWith("", "cocktail 孤独 cannot be read");

    store.reset();
    fs::remove_all(out);
    { std::ofstream(work / kDatabaseFileName) << "not a database"; }
    failsWith("", "Barvella.mdb is not a cocktail database");
    EXPECT_EQ(ReadFile(work / kDatabaseFileName), "not a database");
    EXPECT_FALSE(fs::exists(out));

    fs::remove(work / kDatabaseFileName);
    failsWith("", "Barvella.mdb does not exist");
    EXPECT_FALSE(fs::exists(work / kDatabaseFileName));
}

TEST_F(SiteEndToEnd, ADiskThatFillsUpMidRunFailsKeepsWhatWasWrittenAndFreesTheWindow) {
    // Writes to the top page land on a device that is always full.
    const fs::path out = fs::path(root.path) / "full";
    fs::create_directories(out);
    fs::create_symlink("/dev/full", out / "fvxtop.html");
    EXPECT_EQ(Plugin(out, wxID_OK), PLUGIN_FAILED);
    ExpectWindowsFreed();
    EXPECT_NE(ReadFile(out / "fvxmenu.html").find("</HTML>"), std::string::npos);
    EXPECT_FALSE(fs::exists(out / "fvxtail.html"));
}
