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
using coretest::WriteFile;

// Collects the notices the plug-in would show in message boxes.
struct Notices {
    std::vector<std::string> shown;
    PluginNotifier notifier()
    {
        return [this](const std::string& text) { shown.push_back(text); };
    }
};

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

// A workspace with a store holding `cocktails`, closed again as a previous session leaves it.
void MakeWorkspace(const TempDirectory& dir, const std::vector<CocktailRecord>& cocktails)
{
    CBarvellaApp previous;
    ASSERT_TRUE(CreateCocktailDatabase(dir.File("Barvella.mdb"), previous.database));
    for (CocktailRecord record : cocktails) ASSERT_TRUE(InsertCocktail(previous, record, {{"ice", "some"}}));
}

std::vector<std::string> Column(const FakePluginList& list, int column)
{
    std::vector<std::string> texts;
    for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, column));
    return texts;
}

TEST(StartUp, TheFirstStartCreatesTheStoreSetsUpTheColumnsAndShowsNothing)
{
    TempDirectory dir;
    CBarvellaApp app;
    FakePluginList list;
    Notices notices;
    ASSERT_EQ(StartUpPlugin(app, list, dir.path(), notices.notifier()), PLUGIN_OK);

    EXPECT_TRUE(std::filesystem::exists(dir.File("Barvella.mdb")));
    EXPECT_EQ(app.hostDirectory, dir.path());
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_TRUE(notices.shown.empty());
    ASSERT_EQ(list.GetColumnCount(), 5);
    const std::vector<std::string> headings = {Sjis("カクテル名称"), Sjis("ベース"), Sjis("スタイル"), Sjis("強度"),
                                               Sjis("味わい")};
    const std::vector<int> widths = {200, 100, 70, 50, 50};
    for (int column = 0; column < 5; ++column) {
        const auto& c = list.columns[static_cast<std::size_t>(column)];
        EXPECT_EQ(c.heading, headings[static_cast<std::size_t>(column)]);
        EXPECT_EQ(c.width, widths[static_cast<std::size_t>(column)]);
        EXPECT_EQ(c.align, column == 0 ? ListColumnAlign::Left : ListColumnAlign::Center);
    }
    EXPECT_TRUE(list.fullRowSelect);
    EXPECT_TRUE(list.sortAscending);
}

TEST(StartUp, RowsArriveSortedWithTheirNamesAndLabels)
{
    TempDirectory dir;
    MakeWorkspace(dir, {Cocktail("Zombie", 0, 4, "Rum"), Cocktail("Martini", 1, 0), Cocktail("Gimlet", 2, 2)});
    CBarvellaApp app;
    FakePluginList list;
    Notices notices;
    ASSERT_EQ(StartUpPlugin(app, list, dir.path(), notices.notifier()), PLUGIN_OK);

    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"Gimlet", "Martini", "Zombie"}));
    EXPECT_EQ(Column(list, 1), (std::vector<std::string>{"Gin", "Gin", "Rum"}));
    EXPECT_EQ(Column(list, 2), std::vector<std::string>(3, Sjis("ショート")));
    EXPECT_EQ(Column(list, 3), (std::vector<std::string>{Sjis("中"), Sjis("強"), Sjis("極強")}));
    EXPECT_EQ(Column(list, 4), (std::vector<std::string>{Sjis("中"), Sjis("極辛"), Sjis("極甘")}));
    EXPECT_TRUE(notices.shown.empty());
    EXPECT_EQ(app.baseNames, (std::vector<std::string>{"Rum", "Gin"}));
    EXPECT_EQ(app.styleNames, std::vector<std::string>{Sjis("ショート")});
}

TEST(ListFill, RowsThatCannotBeShownAreLeftOutWithOneNotice)
{
    TempDirectory dir;
    MakeWorkspace(dir, {Cocktail("Good", 1, 1), Cocktail("Strong7", 1, 1), Cocktail("TasteMinus", 1, 1),
                        Cocktail("NoBase", 1, 1, "Rum"), Cocktail("Also good", 4, 4)});
    {
        SQLite::Database edit(dir.File("Barvella.mdb"), SQLite::OPEN_READWRITE);
        edit.exec("UPDATE TBL_COCKTAIL SET FLD_STRONG = 7 WHERE FLD_NAME = 'Strong7';"
                  "UPDATE TBL_COCKTAIL SET FLD_TASTE = -1 WHERE FLD_NAME = 'TasteMinus';"
                  "DELETE FROM TBL_BASE WHERE FLD_NAME = 'Rum'");
    }
    CBarvellaApp app;
    FakePluginList list;
    Notices notices;
    ASSERT_EQ(StartUpPlugin(app, list, dir.path(), notices.notifier()), PLUGIN_OK);
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"Also good", "Good"}));
    EXPECT_EQ(notices.shown, std::vector<std::string>{Sjis("エラーのため、取得できないレコードが存在します。")});
}

TEST(ListFill, AConditionWithBoundValuesSelectsCocktailsAndKeepsExistingRows)
{
    TempDirectory dir;
    CBarvellaApp app;
    ASSERT_TRUE(CreateCocktailDatabase(dir.File("Barvella.mdb"), app.database));
    for (const auto& [record, ingredient] : std::vector<std::pair<CocktailRecord, std::string>>{
             {Cocktail("Old Pal", 1, 1), "Rye"}, {Cocktail("Negroni", 1, 2), "Campari"},
             {Cocktail("Boulevardier", 1, 1), "Campari"}, {Cocktail("Bijou", 2, 1), "Campari"}}) {
        CocktailRecord copy = record;
        ASSERT_TRUE(InsertCocktail(app, copy, {{ingredient, "30ml"}, {"Vermouth's", "30ml"}}));
    }
    FakePluginList list;
    list.SetSortAscending(true);
    for (int column = 0; column < 5; ++column) list.InsertColumn(column, "", ListColumnAlign::Left, 10);
    list.InsertItem(0, "Already there");
    Notices notices;

    const CocktailQuery query{
        "A.FLD_STRONG = ? AND A.FLD_INDEX IN (SELECT FLD_COCKTAIL FROM TBL_MATERIAL WHERE FLD_NAME = ? COLLATE FVXNAME)",
        {1, std::string("campari")}};
    ASSERT_TRUE(FillCocktailList(*app.database, list, query, notices.notifier()));
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"Already there", "Boulevardier", "Negroni"}));

    EXPECT_FALSE(FillCocktailList(*app.database, list, {"A.NO_SUCH_FIELD = 1", {}}, notices.notifier()));
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_TRUE(notices.shown.empty());
}

TEST(StartUp, FailsOnAStoreItCannotUseAndLeavesTheFileAsItWas)
{
    for (const std::string& bytes : {std::string("just text, no database\n"), std::string(8192, '\0')}) {
        TempDirectory dir;
        WriteFile(dir.File("Barvella.mdb"), bytes);
        CBarvellaApp app;
        FakePluginList list;
        Notices notices;
        EXPECT_EQ(StartUpPlugin(app, list, dir.path(), notices.notifier()), PLUGIN_FAILED);
        EXPECT_EQ(ReadFile(dir.File("Barvella.mdb")), bytes);
        EXPECT_EQ(list.GetColumnCount(), 0);
    }
}

TEST(StartUp, FailsWhenTheCommentFileCannotBeRead)
{
    TempDirectory dir;
    std::filesystem::create_directory(dir.File("BarvellaTC.fvxcmt"));
    CBarvellaApp app;
    FakePluginList list;
    Notices notices;
    EXPECT_EQ(StartUpPlugin(app, list, dir.path(), notices.notifier()), PLUGIN_FAILED);
    EXPECT_FALSE(std::filesystem::exists(dir.File("Barvella.mdb")));
}

TEST(StartUp, StartingAgainLoadsTheNameListsAfresh)
{
    TempDirectory dir;
    MakeWorkspace(dir, {Cocktail("Gimlet", 2, 2)});
    CBarvellaApp app;
    Notices notices;
    FakePluginList first, second;
    ASSERT_EQ(StartUpPlugin(app, first, dir.path(), notices.notifier()), PLUGIN_OK);
    ASSERT_EQ(StartUpPlugin(app, second, dir.path(), notices.notifier()), PLUGIN_OK);
    EXPECT_EQ(app.baseNames, std::vector<std::string>{"Gin"});
    EXPECT_EQ(second.GetItemCount(), 1);
}

TEST(CleanUp, SavesTheSettingsAndClosesTheStore)
{
    TempDirectory dir;
    CBarvellaApp app;
    FakePluginList list;
    Notices notices;
    ASSERT_EQ(StartUpPlugin(app, list, dir.path(), notices.notifier()), PLUGIN_OK);
    app.settings.title.windowTitle = Sjis("私のバー");
    app.settings.topComment = "<p>hi</p>";
    ASSERT_EQ(CleanUpPlugin(app), PLUGIN_OK);
    EXPECT_FALSE(app.database);
    EXPECT_NE(ReadFile(dir.File("Barvella.ini")).find("WINDOWTITLE=" + Sjis("私のバー") + "\r\n"), std::string::npos);
    EXPECT_EQ(ReadFile(dir.File("BarvellaTC.fvxcmt")), "<p>hi</p>");
}

TEST(CleanUp, AFailedSaveKeepsTheStoreOpenUntilTheApplicationObjectGoes)
{
    TempDirectory dir;
    {
        CBarvellaApp app;
        FakePluginList list;
        Notices notices;
        ASSERT_EQ(StartUpPlugin(app, list, dir.path(), notices.notifier()), PLUGIN_OK);
        std::filesystem::create_directory(dir.File("Barvella.ini"));
        EXPECT_EQ(CleanUpPlugin(app), PLUGIN_FAILED);
        ASSERT_TRUE(app.database);
        CocktailRecord record = Cocktail("After", 1, 1);
        EXPECT_TRUE(InsertCocktail(app, record, {{"ice", "1"}}));
    }
    // The store was closed cleanly: no journal is left and the cocktail is there.
    EXPECT_FALSE(std::filesystem::exists(dir.File("Barvella.mdb-journal")));
    std::unique_ptr<SQLite::Database> database;
    ASSERT_EQ(OpenCocktailDatabase(dir.File("Barvella.mdb"), database), 0);
    int index = 0;
    EXPECT_TRUE(FindCocktailIndex(*database, "after", index));
}

}  // namespace
