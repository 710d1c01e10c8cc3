#include <gtest/gtest.h>

#include <filesystem>

#include <SQLiteCpp/Database.h>
#include <wx/app.h>
#include <wx/dynlib.h>
#include <wx/frame.h>

#include "../../e2e/barvella_session.h"
#include "core/barvella_app.h"
#include "core/cocktail_database.h"
#include "core/schema.h"
#include "plugin_test_support.h"

namespace {

TEST(CoreEntryPoints, StartUpTellsOnceAboutLeftOutRowsAndClearListOnlyConfirms) {
    wxDynamicLibrary library(FOLIVEX_TEST_PROGRAM_DIR "/Barvella.so", wxDL_NOW);
    auto startUp = reinterpret_cast<StartUpFunc>(library.GetSymbol("StartUp"));
    auto cleanUp = reinterpret_cast<CleanUpFunc>(library.GetSymbol("CleanUp"));
    auto clearList = reinterpret_cast<ClearListFunc>(library.GetSymbol("ClearList"));
    ASSERT_TRUE(startUp && cleanUp && clearList);

    const auto work = std::filesystem::temp_directory_path() / ("barvella-entry-" + std::to_string(::getpid()));
    std::filesystem::remove_all(work);
    std::filesystem::create_directories(work);
    {
        // Three cocktails, two of which hold a strength code without a label.
        CBarvellaApp previous;
        ASSERT_TRUE(CreateCocktailDatabase((work / "Barvella.mdb").string(), previous.database));
        for (const char* name : {"Gimlet", "Martini", "Zombie"}) {
            CocktailRecord record{.name = name,
                                  .styleName = "Short",
                                  .baseName = "Gin",
                                  .howTo = "stir",
                                  .memo = "",
                                  .picture = "",
                                  .masterName = "",
                                  .materials = {}};
            ASSERT_TRUE(InsertCocktail(previous, record, {{"ice", "1"}}));
        }
        previous.database->exec("UPDATE TBL_COCKTAIL SET FLD_STRONG = 7 WHERE FLD_NAME <> 'Gimlet'");
    }
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Folivex");
    frame->Show();  // a hidden window cannot own a modal box
    wxTheApp->SetTopWindow(frame);

    RecordingList list;
    int result = -99;
    wxTEST_DIALOG(result = startUp(&list, work.string().c_str()),
                  ExpectPluginMessage("エラーのため、取得できないレコードが存在します。", wxICON_INFORMATION, frame));
    EXPECT_EQ(result, PLUGIN_OK);
    ASSERT_EQ(list.GetItemCount(), 1);
    EXPECT_EQ(list.GetItemText(0, 0), "Gimlet");
    wxTEST_DIALOG(result = clearList(&list),
                  ExpectPluginMessage("全レコードをクリアします。\n再表示するには、アイテムの検索を行ってください。",
                                      wxICON_INFORMATION, frame));
    EXPECT_EQ(result, PLUGIN_OK);
    EXPECT_EQ(list.GetItemCount(), 1) << "the host empties the list, not the plug-in";
    EXPECT_EQ(cleanUp(), PLUGIN_OK);
    EXPECT_TRUE(std::filesystem::exists(work / "Barvella.ini"));

    wxTheApp->SetTopWindow(nullptr);
    std::filesystem::remove_all(work);
}

}  // namespace
