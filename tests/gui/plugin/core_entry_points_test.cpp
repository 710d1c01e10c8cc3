#include <wx/dynlib.h>

#include "platform/library.h"
#include "records_test_support.h"

TEST_F(RecordsTest, RealStartUpTellsOnceAboutLeftOutRowsAndClearListOnlyConfirms) {
    wxDynamicLibrary library(wxString(FOLIVEX_TEST_PROGRAM_DIR "/Barvella") + platform::kLibrarySuffix, wxDL_NOW);
    auto startUp = reinterpret_cast<StartUpFunc>(library.GetSymbol("StartUp"));
    auto cleanUp = reinterpret_cast<CleanUpFunc>(library.GetSymbol("CleanUp"));
    auto clearList = reinterpret_cast<ClearListFunc>(library.GetSymbol("ClearList"));
    ASSERT_TRUE(startUp && cleanUp && clearList);
    // Both cocktails, and a third, hold a strength code without a label.
    Store("Zombie", "Rum", "Long", {{"ice", "1"}});
    Raw().exec("UPDATE TBL_COCKTAIL SET FLD_STRONG = 7 WHERE FLD_NAME <> 'Zombie'");
    app.store.reset();

    testsupport::FakePluginList shown;
    int result = -99;
    wxTEST_DIALOG(result = startUp(&shown, dir.path.c_str()),
                  ExpectPluginMessage("エラーのため、取得できないレコードが存在します。", frame, wxICON_INFORMATION));
    EXPECT_EQ(result, PLUGIN_OK);
    EXPECT_EQ(shown.Texts(0), std::vector<std::string>{"Zombie"});
    wxTEST_DIALOG(result = clearList(&shown),
                  ExpectPluginMessage("全レコードをクリアします。\n再表示するには、アイテムの検索を行ってください。",
                                      frame, wxICON_INFORMATION));
    EXPECT_EQ(result, PLUGIN_OK);
    EXPECT_EQ(shown.GetItemCount(), 1) << "the host empties the list, not the plug-in";
    EXPECT_EQ(cleanUp(), PLUGIN_OK);
    EXPECT_TRUE(std::filesystem::exists(dir.File("Barvella.ini")));
}
