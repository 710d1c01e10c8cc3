#include <gtest/gtest.h>

#include <filesystem>

#include <SQLiteCpp/Database.h>
#include <wx/app.h>
#include <wx/dynlib.h>
#include <wx/frame.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "../../e2e/barvella_session.h"
#include "core/barvella_app.h"
#include "core/cocktail_database.h"
#include "core/schema.h"
#include "cp932.h"

namespace {

// One information box with the plug-in's caption, owned by the host's main window.
class ExpectNotice : public wxExpectModalBase<wxMessageDialog, ExpectNotice> {
public:
    ExpectNotice(const char* text, wxWindow* owner) : m_text(wxString::FromUTF8(text)), m_owner(owner) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        EXPECT_EQ(dialog->GetMessage(), m_text);
        EXPECT_EQ(dialog->GetCaption(), "Barvella");
        EXPECT_TRUE(dialog->GetMessageDialogStyle() & wxICON_INFORMATION);
        EXPECT_FALSE(dialog->GetMessageDialogStyle() & wxCANCEL);
        EXPECT_EQ(dialog->GetParent(), m_owner);
        return wxID_OK;
    }
    wxString GetDefaultDescription() const override { return m_text; }

private:
    wxString m_text;
    wxWindow* m_owner;
};

class CoreEntryPoints : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_library.Load(BarvellaSession::ProgramDirectory() + "/Barvella.so", wxDL_NOW));
        m_startUp = reinterpret_cast<StartUpFunc>(m_library.GetSymbol("StartUp"));
        m_cleanUp = reinterpret_cast<CleanUpFunc>(m_library.GetSymbol("CleanUp"));
        m_clearList = reinterpret_cast<ClearListFunc>(m_library.GetSymbol("ClearList"));
        ASSERT_TRUE(m_startUp && m_cleanUp && m_clearList);
        m_work = std::filesystem::temp_directory_path() / ("barvella-entry-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_work);
        std::filesystem::create_directories(m_work);
        m_frame = new wxFrame(nullptr, wxID_ANY, "Folivex");
        m_frame->Show();  // a hidden window cannot own a modal box
        wxTheApp->SetTopWindow(m_frame);
    }

    void TearDown() override
    {
        wxTheApp->SetTopWindow(nullptr);
        std::filesystem::remove_all(m_work);
    }

    // Three cocktails, two of which hold a strength code without a label.
    void MakeWorkspace()
    {
        CBarvellaApp app;
        ASSERT_TRUE(CreateCocktailDatabase((m_work / "Barvella.mdb").string(), app.database));
        for (const char* name : {"Gimlet", "Martini", "Zombie"}) {
            CocktailRecord record;
            record.name = name;
            record.baseName = "Gin";
            record.styleName = "Short";
            record.howTo = "stir";
            ASSERT_TRUE(InsertCocktail(app, record, {{"ice", "1"}}));
        }
        app.database->exec("UPDATE TBL_COCKTAIL SET FLD_STRONG = 7 WHERE FLD_NAME <> 'Gimlet'");
    }

    wxDynamicLibrary m_library;
    StartUpFunc m_startUp = nullptr;
    CleanUpFunc m_cleanUp = nullptr;
    ClearListFunc m_clearList = nullptr;
    std::filesystem::path m_work;
    wxFrame* m_frame = nullptr;
    RecordingList m_list;
};

TEST_F(CoreEntryPoints, StartUpTellsOnceAboutLeftOutRowsAndClearListOnlyConfirms)
{
    MakeWorkspace();
    int result = -99;
    wxTEST_DIALOG(result = m_startUp(&m_list, m_work.string().c_str()),
                  ExpectNotice("エラーのため、取得できないレコードが存在します。", m_frame));
    EXPECT_EQ(result, PLUGIN_OK);
    ASSERT_EQ(m_list.GetItemCount(), 1);
    EXPECT_EQ(m_list.GetItemText(0, 0), "Gimlet");

    for (int time = 0; time < 2; ++time) {
        wxTEST_DIALOG(result = m_clearList(&m_list),
                      ExpectNotice("全レコードをクリアします。\n再表示するには、アイテムの検索を行ってください。", m_frame));
        EXPECT_EQ(result, PLUGIN_OK);
    }
    EXPECT_EQ(m_list.GetItemCount(), 1) << "the host empties the list, not the plug-in";
    EXPECT_EQ(m_cleanUp(), PLUGIN_OK);
    EXPECT_TRUE(std::filesystem::exists(m_work / "Barvella.ini"));
}

}  // namespace
