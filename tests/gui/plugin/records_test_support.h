// Shared by the plug-in's GUI tests: its entry points, its dialogs worked by the test in the
// user's place, and a started workspace with two cocktails whose names hold an apostrophe
// and an ampersand.
#pragma once

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/odcombo.h>
#include <wx/textctrl.h>

#include "../sheet_test_support.h"
#include "core/startup.h"
#include "expect_message_box.h"
#include "records/cocktail_dialog.h"
#include "records/cocktail_search_dialog.h"
#include "records/plugin_about_dialog.h"
#include "store/schema.h"
#include "test_support.h"

// The entry points, linked in with the plug-in's windows.
extern "C" int AddItem(IPluginList*), CopyItem(IPluginList*), EditItem(IPluginList*), ViewItem(IPluginList*),
    DeleteItem(IPluginList*), SearchItem(IPluginList*), StartUp(IPluginList*, const char*), Option(), About(), Help(),
    CleanUp();

using AtCocktail = UserAt<CCocktailDialog>;

// The OK button: closing answers wxID_OK; a refusal leaves the dialog open.
template <class Dialog>
requires requires(Dialog& dialog) {
    dialog.OnOK();
}
int PressOK(Dialog& dialog) {
    return dialog.OnOK() ? wxID_OK : wxID_NONE;
}

inline void AddIngredient(CCocktailDialog& dialog, const char* name, const char* quantity, int unit) {
    dialog.m_comboMaterialName->SetValue(name);
    dialog.m_editQuantity->SetValue(quantity);
    dialog.m_comboUnit->SetSelection(unit);
    dialog.OnAddMaterial();
}

// A new cocktail typed in with one ingredient and everything the checks ask for.
inline void TypeCocktail(CCocktailDialog& dialog, const char* name) {
    dialog.m_editName->SetValue(name);
    dialog.m_comboInitial->SetSelection(6);
    dialog.m_comboBase->SetValue("Gin");
    dialog.m_comboStyle->SetValue("Short");
    dialog.m_comboStrong->SetSelection(1);
    dialog.m_comboTaste->SetSelection(1);
    AddIngredient(dialog, "vermouth", "30", 1);
    dialog.m_editHowTo->SetValue("Stir.");
}

// The host's main window, shown and on top, owns what the entry points raise.
class HostFrameTest : public testing::Test {
protected:
    HostFrameTest() {
        frame->Show();
        wxTheApp->SetTopWindow(frame);
    }
    ~HostFrameTest() override { wxTheApp->SetTopWindow(nullptr); }
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "Folivex");
    testsupport::TempDirectory dir;
    testsupport::FakePluginList list;
};

class RecordsTest : public HostFrameTest {
protected:
    void SetUp() override {
        ASSERT_EQ(StartUpPlugin(app, list, dir.path, [](const std::string&) {}), PLUGIN_OK);
        // The style listed first begins the other one.
        Store("Tom & Jerry", "Rum & Brandy's", "Short drink", {{"egg", "1"}, {"milk", "90 ml"}});
        Store("Bee's Knees", "Gin", "Short", {{"Gin", "60 ml"}, {"Lemon's juice", "20 ml"}, {"honey", "15 ml"}});
        ASSERT_TRUE(FillCocktailList(*app.store, list, {}, [](const std::string&) {}).ok());
    }
    void TearDown() override { app.store.reset(); }
    // A connection of the test's own, for what the store does not offer.
    SQLite::Database Raw() { return SQLite::Database(dir.File(kDatabaseFileName), SQLite::OPEN_READWRITE); }

    void Store(const char* name, const char* base, const char* style, const MaterialMap& materials) {
        CocktailRecord record;
        std::tie(record.name, record.initial, record.strong, record.taste, record.styleName, record.baseName) =
            std::tuple(name, 1, 2, 3, style, base);
        std::tie(record.howTo, record.memo, record.masterName) = std::tuple("Shake.", "1920s", "Harry's");
        record.materials = materials;
        ASSERT_TRUE(app.store->Insert(record).ok());
    }
    CocktailRecord Stored(const std::string& name) {
        CocktailRecord record;
        EXPECT_TRUE(app.store->ReadCocktail(name, record).ok()) << name;
        return record;
    }

    CBarvellaApp& app = BarvellaApp();
};
