#include <gtest/gtest.h>

#include <filesystem>

#include "core/barvella_app.h"
#include "core/cocktail_database.h"
#include "core/list_fill.h"
#include "core/schema.h"
#include "core/startup.h"
#include "core_test_support.h"

namespace {

using coretest::FakePluginList;
using coretest::ReadFile;
using coretest::Sjis;
using coretest::TempDirectory;
using Texts = std::vector<std::string>;

CocktailRecord Cocktail(const std::string& name, int strong, int taste, const std::string& base = "Gin")
{
    CocktailRecord record;
    record.name = name;
    record.strong = strong;
    record.taste = taste;
    record.baseName = base;
    record.styleName = Sjis("ショート");
    record.howTo = "stir";
    return record;
}

// A plug-in started on one workspace, collecting the notices it would show.
struct Session {
    TempDirectory dir;
    CBarvellaApp app;
    FakePluginList list;
    Texts notices;

    // A store holding `cocktails`, closed again as a previous session leaves it.
    void MakeStore(const std::vector<CocktailRecord>& cocktails)
    {
        CBarvellaApp previous;
        ASSERT_TRUE(CreateCocktailDatabase(dir.File("Barvella.mdb"), previous.database));
        for (CocktailRecord record : cocktails) ASSERT_TRUE(InsertCocktail(previous, record, {{"ice", "some"}}));
    }
    int StartUp()
    {
        return StartUpPlugin(app, list, dir.path(), [this](const std::string& text) { notices.push_back(text); });
    }
};

TEST(StartUp, TheFirstStartCreatesTheStoreSetsUpTheColumnsAndShowsNothing)
{
    Session session;
    ASSERT_EQ(session.StartUp(), PLUGIN_OK);
    EXPECT_TRUE(std::filesystem::exists(session.dir.File("Barvella.mdb")));
    EXPECT_EQ(session.list.GetItemCount(), 0);
    EXPECT_TRUE(session.notices.empty());

    Texts headings;
    std::vector<int> widths;
    for (const auto& column : session.list.columns) {
        headings.push_back(column.heading);
        widths.push_back(column.width);
        EXPECT_EQ(column.align, headings.size() == 1 ? ListColumnAlign::Left : ListColumnAlign::Center);
    }
    EXPECT_EQ(headings, (Texts{Sjis("カクテル名称"), Sjis("ベース"), Sjis("スタイル"), Sjis("強度"), Sjis("味わい")}));
    EXPECT_EQ(widths, (std::vector<int>{200, 100, 70, 50, 50}));
    EXPECT_TRUE(session.list.fullRowSelect && session.list.sortAscending);
}

TEST(StartUp, RowsArriveSortedWithTheirNamesAndLabels)
{
    Session session;
    session.MakeStore({Cocktail("Zombie", 0, 4, "Rum"), Cocktail("Martini", 1, 0), Cocktail("Gimlet", 2, 2)});
    ASSERT_EQ(session.StartUp(), PLUGIN_OK);
    const FakePluginList& list = session.list;
    EXPECT_EQ(list.Texts(0), (Texts{"Gimlet", "Martini", "Zombie"}));
    EXPECT_EQ(list.Texts(1), (Texts{"Gin", "Gin", "Rum"}));
    EXPECT_EQ(list.Texts(2), Texts(3, Sjis("ショート")));
    EXPECT_EQ(list.Texts(3), (Texts{Sjis("中"), Sjis("強"), Sjis("極強")}));
    EXPECT_EQ(list.Texts(4), (Texts{Sjis("中"), Sjis("極辛"), Sjis("極甘")}));
    EXPECT_TRUE(session.notices.empty());
    EXPECT_EQ(session.app.baseNames, (Texts{"Rum", "Gin"}));

    // A library kept loaded by a refused clean-up starts again without doubling its lists.
    FakePluginList again;
    ASSERT_EQ(StartUpPlugin(session.app, again, session.dir.path(), [](const std::string&) {}), PLUGIN_OK);
    EXPECT_EQ(session.app.baseNames, (Texts{"Rum", "Gin"}));
}

TEST(ListFill, RowsThatCannotBeShownAreLeftOutWithOneNotice)
{
    Session session;
    session.MakeStore({Cocktail("Good", 1, 1), Cocktail("Strong7", 1, 1), Cocktail("TasteMinus", 1, 1),
                       Cocktail("NoBase", 1, 1, "Rum"), Cocktail("Also good", 4, 4)});
    {
        SQLite::Database edit(session.dir.File("Barvella.mdb"), SQLite::OPEN_READWRITE);
        edit.exec("UPDATE TBL_COCKTAIL SET FLD_STRONG = 7 WHERE FLD_NAME = 'Strong7';"
                  "UPDATE TBL_COCKTAIL SET FLD_TASTE = -1 WHERE FLD_NAME = 'TasteMinus';"
                  "DELETE FROM TBL_BASE WHERE FLD_NAME = 'Rum'");
    }
    ASSERT_EQ(session.StartUp(), PLUGIN_OK);
    EXPECT_EQ(session.list.Texts(0), (Texts{"Also good", "Good"}));
    EXPECT_EQ(session.notices, Texts{Sjis("エラーのため、取得できないレコードが存在します。")});
}

TEST(ListFill, AConditionWithBoundValuesSelectsCocktailsAndKeepsExistingRows)
{
    Session session;
    ASSERT_TRUE(CreateCocktailDatabase(session.dir.File("Barvella.mdb"), session.app.database));
    for (auto [record, ingredient] : std::vector<std::pair<CocktailRecord, std::string>>{
             {Cocktail("Old Pal", 1, 1), "Rye"}, {Cocktail("Negroni", 1, 2), "Campari"},
             {Cocktail("Boulevardier", 1, 1), "Campari"}, {Cocktail("Bijou", 2, 1), "Campari"}}) {
        ASSERT_TRUE(InsertCocktail(session.app, record, {{ingredient, "30ml"}, {"Vermouth's", "30ml"}}));
    }
    FakePluginList& list = session.list;
    list.SetSortAscending(true);
    for (int column = 0; column < 5; ++column) list.InsertColumn(column, "", ListColumnAlign::Left, 10);
    list.InsertItem(0, "Already there");
    const PluginNotifier notify = [&](const std::string& text) { session.notices.push_back(text); };

    const CocktailQuery query{
        "A.FLD_STRONG = ? AND A.FLD_INDEX IN (SELECT FLD_COCKTAIL FROM TBL_MATERIAL WHERE FLD_NAME = ? COLLATE FVXNAME)",
        {1, std::string("campari")}};
    ASSERT_TRUE(FillCocktailList(*session.app.database, list, query, notify));
    EXPECT_EQ(list.Texts(0), (Texts{"Already there", "Boulevardier", "Negroni"}));

    EXPECT_FALSE(FillCocktailList(*session.app.database, list, {"A.NO_SUCH_FIELD = 1", {}}, notify));
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_TRUE(session.notices.empty());
}

TEST(StartUp, FailsOnAStoreItCannotUseAndLeavesTheFileAsItWas)
{
    std::string damaged;
    {
        Session source;
        source.MakeStore({Cocktail("Gimlet", 1, 1)});
        damaged = ReadFile(source.dir.File("Barvella.mdb"));
        std::fill(damaged.begin() + 100, damaged.begin() + 4096, '\xA5');
    }
    for (const std::string& bytes : {std::string("just text, no database\n"), std::string(8192, '\0'), damaged}) {
        Session session;
        coretest::WriteFile(session.dir.File("Barvella.mdb"), bytes);
        EXPECT_EQ(session.StartUp(), PLUGIN_FAILED);
        EXPECT_EQ(ReadFile(session.dir.File("Barvella.mdb")), bytes);
        EXPECT_EQ(session.list.GetColumnCount(), 0);
    }

    Session unreadableComment;
    std::filesystem::create_directory(unreadableComment.dir.File("BarvellaTC.fvxcmt"));
    EXPECT_EQ(unreadableComment.StartUp(), PLUGIN_FAILED);
    EXPECT_FALSE(std::filesystem::exists(unreadableComment.dir.File("Barvella.mdb")));
}

TEST(CleanUp, SavesTheSettingsAndClosesTheStoreOrKeepsItOpenWhenSavingFails)
{
    Session session;
    ASSERT_EQ(session.StartUp(), PLUGIN_OK);
    session.app.settings.title.windowTitle = Sjis("私のバー");
    session.app.settings.topComment = "<p>hi</p>";
    ASSERT_EQ(CleanUpPlugin(session.app), PLUGIN_OK);
    EXPECT_FALSE(session.app.database);
    EXPECT_NE(ReadFile(session.dir.File("Barvella.ini")).find("WINDOWTITLE=" + Sjis("私のバー") + "\r\n"), std::string::npos);
    EXPECT_EQ(ReadFile(session.dir.File("BarvellaTC.fvxcmt")), "<p>hi</p>");

    TempDirectory dir;
    {
        CBarvellaApp app;
        FakePluginList list;
        ASSERT_EQ(StartUpPlugin(app, list, dir.path(), [](const std::string&) {}), PLUGIN_OK);
        std::filesystem::create_directory(dir.File("Barvella.ini"));
        EXPECT_EQ(CleanUpPlugin(app), PLUGIN_FAILED);
        ASSERT_TRUE(app.database);
        CocktailRecord record = Cocktail("After", 1, 1);
        EXPECT_TRUE(InsertCocktail(app, record, {{"ice", "1"}}));
    }
    // The application object closed the store cleanly: no journal, the cocktail is there.
    EXPECT_FALSE(std::filesystem::exists(dir.File("Barvella.mdb-journal")));
    std::unique_ptr<SQLite::Database> database;
    ASSERT_EQ(OpenCocktailDatabase(dir.File("Barvella.mdb"), database), 0);
    int index = 0;
    EXPECT_TRUE(FindCocktailIndex(*database, "after", index));
}

}  // namespace
