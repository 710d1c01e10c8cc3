#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "core/barvella_app.h"
#include "core/list_fill.h"
#include "core/settings.h"
#include "core/startup.h"
#include "store/cocktail_store.h"
#include "store/schema.h"
#include "test_support.h"

namespace {

using namespace testsupport;
using Texts = std::vector<std::string>;

CocktailRecord Cocktail(const std::string& name, int strong, int taste, const std::string& base = "Gin") {
    CocktailRecord record;
    std::tie(record.name, record.strong, record.taste, record.baseName) = std::tie(name, strong, taste, base);
    std::tie(record.styleName, record.howTo) = std::tuple(Sjis("ショート"), "stir");
    return record;
}

// A plug-in started on one workspace, collecting the notices it would show.
struct Session {
    TempDirectory dir;
    CBarvellaApp app;
    FakePluginList list;
    Texts notices;

    // A store holding `cocktails`, closed again as a previous session leaves it.
    void MakeStore(const std::vector<CocktailRecord>& cocktails) {
        std::unique_ptr<CocktailStore> previous;
        ASSERT_TRUE(CocktailStore::Open(dir.File("Barvella.mdb"), StoreAccess::Change, previous).ok());
        for (CocktailRecord record : cocktails) {
            record.materials = {{"ice", "some"}};
            ASSERT_TRUE(previous->Insert(record).ok());
        }
    }
    int StartUp() {
        return StartUpPlugin(app, list, dir.path, [this](const std::string& text) { notices.push_back(text); });
    }
};

TEST(StartUp, TheFirstStartCreatesTheStoreAndShowsNothingAndCleanUpSavesTheDefaultsThenCloses) {
    Session session;
    ASSERT_EQ(session.StartUp(), PLUGIN_OK);
    EXPECT_TRUE(std::filesystem::exists(session.dir.File("Barvella.mdb")));
    EXPECT_TRUE(session.list.rows.empty() && session.notices.empty());

    // A refused clean-up keeps the store open: the library stays loaded and in use.
    std::filesystem::create_directory(session.dir.File("Barvella.ini"));
    EXPECT_EQ(CleanUpPlugin(session.app), PLUGIN_FAILED);
    EXPECT_FALSE(std::filesystem::exists(session.dir.File("BarvellaTC.fvxcmt"))) << "saving stops at the first failure";
    ASSERT_TRUE(session.app.store);
    std::filesystem::remove(session.dir.File("Barvella.ini"));
    ASSERT_EQ(CleanUpPlugin(session.app), PLUGIN_OK);
    EXPECT_FALSE(session.app.store);
    // A file without the key shows the all-cocktails page, so the saved default must too.
    EXPECT_NE(ReadFile(session.dir.File("Barvella.ini")).find("\r\nALLPAGE=1\r\n"), std::string::npos);
    EXPECT_EQ(ReadFile(session.dir.File("BarvellaTC.fvxcmt")), "") << "an empty comment still makes the file";
}

TEST(Settings, IntegersReadAsAtoiControlCharactersRefusedAndCommentsInNulEndedChunks) {
    TempDirectory dir;
    const std::string ini =
        "[DESIGN]\r\nFRAMEBORDER=abc\r\nFRAMESPACING=3abc\r\nFRAMERESIZE= -12\r\n"
        "[file]\r\nallpage=0\r\nMASTERPAGE=99999999999\r\nBASEPAGE=-99999999999\r\n";
    WriteFile(dir.File("Barvella.ini"), ini);
    PluginSettings settings;
    ASSERT_TRUE(LoadSettings(dir.path, settings));
    EXPECT_EQ((std::vector<int>{settings.design.frameBorder, settings.design.frameSpacing, settings.design.frameResize,
                                settings.file.allPage, settings.file.masterPage, settings.file.basePage}),
              (std::vector<int>{0, 3, -12, 0, INT_MAX, INT_MIN}));

    // A line break would split its line and shadow a later key.
    settings.user.userName = "me\r\nBGCOLOR=red";
    EXPECT_FALSE(SaveSettings(dir.path, settings));
    EXPECT_EQ(ReadFile(dir.File("Barvella.ini")), ini);

    // The comment file is read in 256-byte chunks, each ending at its first NUL.
    std::string bytes(300, 'c');
    bytes[10] = '\0';
    WriteFile(dir.File("BarvellaTC.fvxcmt"), bytes);
    ASSERT_TRUE(LoadSettings(dir.path, settings));
    EXPECT_EQ(settings.topComment, std::string(10 + 44, 'c'));
}

TEST(Settings, TheSiteStyleIsWrittenOnlyOnceChosenSoAnUnchangedSaveKeepsTheFile) {
    TempDirectory dir;
    const std::string ini = "[TITLE]\r\nWINDOWTITLE=Bar\r\n";
    WriteFile(dir.File("Barvella.ini"), ini);
    PluginSettings settings;
    ASSERT_TRUE(LoadSettings(dir.path, settings));
    EXPECT_EQ(settings.siteStyle, SiteStyle::Classic);
    ASSERT_TRUE(SaveSettings(dir.path, settings));
    const std::string classic = ReadFile(dir.File("Barvella.ini"));
    EXPECT_EQ(classic.find("SITE"), std::string::npos);
    ASSERT_TRUE(SaveSettings(dir.path, settings));
    EXPECT_EQ(ReadFile(dir.File("Barvella.ini")), classic);

    settings.siteStyle = SiteStyle::Modern;
    ASSERT_TRUE(SaveSettings(dir.path, settings));
    EXPECT_EQ(ReadFile(dir.File("Barvella.ini")), classic + "[SITE]\r\nSTYLE=modern\r\n");
    // Chosen back, the key stays and says so; an unknown value reads as classic.
    settings.siteStyle = SiteStyle::Classic;
    ASSERT_TRUE(SaveSettings(dir.path, settings));
    EXPECT_EQ(ReadFile(dir.File("Barvella.ini")), classic + "[SITE]\r\nSTYLE=classic\r\n");
    WriteFile(dir.File("Barvella.ini"), "[SITE]\r\nSTYLE=fancy\r\n");
    settings.siteStyle = SiteStyle::Modern;
    ASSERT_TRUE(LoadSettings(dir.path, settings));
    EXPECT_EQ(settings.siteStyle, SiteStyle::Classic);
}

TEST(StartUp, RowsArriveSortedAndRowsThatCannotBeShownAreLeftOutWithOneNotice) {
    Session session;
    // Not in name order, either way round: the list's sorted style must place them. Strength 5
    // and taste -1 have no label.
    session.MakeStore({Cocktail("Gimlet", 2, 2), Cocktail("Zombie", 0, 4, "Rum"), Cocktail("Strong5", 5, 1),
                       Cocktail("TasteMinus", 1, -1), Cocktail("NoBase", 1, 1, "Brandy"), Cocktail("Martini", 1, 0)});
    SQLite::Database(session.dir.File("Barvella.mdb"), SQLite::OPEN_READWRITE)
        .exec("DELETE FROM TBL_BASE WHERE FLD_NAME = 'Brandy'");
    ASSERT_EQ(session.StartUp(), PLUGIN_OK);
    EXPECT_EQ(session.list.Texts(0), (Texts{"Gimlet", "Martini", "Zombie"}));
    EXPECT_EQ(session.list.Texts(1), (Texts{"Gin", "Gin", "Rum"}));
    EXPECT_EQ(session.list.Texts(2), Texts(3, Sjis("ショート")));
    EXPECT_EQ(session.list.Texts(3), (Texts{Sjis("中"), Sjis("強"), Sjis("極強")}));
    EXPECT_EQ(session.list.Texts(4), (Texts{Sjis("中"), Sjis("極辛"), Sjis("極甘")}));
    EXPECT_EQ(session.notices, Texts{Sjis("エラーのため、取得できないレコードが存在します。")});

    // A library kept loaded by a refused clean-up starts again without doubling its lists.
    FakePluginList again;
    ASSERT_EQ(StartUpPlugin(session.app, again, session.dir.path, [](const std::string&) {}), PLUGIN_OK);
    EXPECT_EQ(session.app.store->BaseNames(), (Texts{"Gin", "Rum"}));
}

TEST(StartUp, FailsOnAStoreOrCommentItCannotUseAndLeavesTheFilesAsTheyWere) {
    std::string damaged, truncated;
    {
        Session source;
        source.MakeStore({Cocktail("Gimlet", 1, 1)});
        damaged = ReadFile(source.dir.File("Barvella.mdb"));
        truncated = damaged.substr(0, 1000);
        std::fill(damaged.begin() + 100, damaged.begin() + 4096, '\xA5');
    }
    for (const std::string& bytes :
         {std::string("just text, no database\n"), std::string(8192, '\0'), damaged, truncated}) {
        Session session;
        WriteFile(session.dir.File("Barvella.mdb"), bytes);
        EXPECT_EQ(session.StartUp(), PLUGIN_FAILED);
        EXPECT_NE(session.app.failure.find(session.dir.File("Barvella.mdb")), std::string::npos);
        EXPECT_EQ(ReadFile(session.dir.File("Barvella.mdb")), bytes);
    }

    Session unreadableComment;
    const std::string ini = "[DESIGN]\r\nFRAMESPACING=3abc\r\n";
    WriteFile(unreadableComment.dir.File("Barvella.ini"), ini);
    std::filesystem::create_directory(unreadableComment.dir.File("BarvellaTC.fvxcmt"));
    EXPECT_EQ(unreadableComment.StartUp(), PLUGIN_FAILED);
    EXPECT_NE(unreadableComment.app.failure.find("top-page comment"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(unreadableComment.dir.File("Barvella.mdb")));
    // Clean-up then writes no defaults over what the user's files hold.
    EXPECT_EQ(CleanUpPlugin(unreadableComment.app), PLUGIN_OK);
    EXPECT_EQ(ReadFile(unreadableComment.dir.File("Barvella.ini")), ini);
}

}  // namespace
