// Shared by the plug-in's GUI tests: its message boxes, its dialogs worked by the test in the
// user's place, and a started workspace with two cocktails whose names hold an apostrophe
// and an ampersand.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/odcombo.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include "core/barvella_app.h"
#include "core/schema.h"
#include "core/startup.h"
#include "folivex/plugin.h"
#include "expect_plugin_message.h"
#include "records/cocktail_dialog.h"
#include "records/cocktail_search_dialog.h"
#include "records/plugin_about_dialog.h"
#include "test_support.h"

// The entry points, linked in with the plug-in's windows.
extern "C" {
int AddItem(IPluginList* list);
int CopyItem(IPluginList* list);
int EditItem(IPluginList* list);
int ViewItem(IPluginList* list);
int DeleteItem(IPluginList* list);
int SearchItem(IPluginList* list);
int About();
int Help();
}

// A plug-in dialog worked by `user`, which answers what the closing button would. It is
// shown meanwhile, as only a shown window owns the boxes it raises.
template <class Dialog>
class UserAtDialog : public wxExpectModalBase<Dialog, wxExpectModal<Dialog>> {
public:
    explicit UserAtDialog(std::function<int(Dialog&)> user) : m_user(std::move(user)) {}

protected:
    int OnInvoked(Dialog* dialog) const override {
        dialog->Show();
        const int answer = m_user(*dialog);
        dialog->Hide();
        return answer;
    }

private:
    std::function<int(Dialog&)> m_user;
};

template <>
class wxExpectModal<CCocktailDialog> : public UserAtDialog<CCocktailDialog> {
    using UserAtDialog::UserAtDialog;
};
template <>
class wxExpectModal<CCocktailSearchDialog> : public UserAtDialog<CCocktailSearchDialog> {
    using UserAtDialog::UserAtDialog;
};
template <>
class wxExpectModal<CPluginAboutDialog> : public UserAtDialog<CPluginAboutDialog> {
    using UserAtDialog::UserAtDialog;
};

// The OK button: closing answers wxID_OK; a refusal leaves the dialog open.
template <class Dialog>
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

class RecordsTest : public testing::Test {
protected:
    void SetUp() override {
        frame = new wxFrame(nullptr, wxID_ANY, "Folivex");
        frame->Show();
        wxTheApp->SetTopWindow(frame);
        ASSERT_EQ(StartUpPlugin(app, list, dir.path, [](const std::string&) {}), PLUGIN_OK);
        // The style listed first begins the other one.
        Store("Tom & Jerry", "Rum & Brandy's", "Short drink", {{"egg", "1"}, {"milk", "90 ml"}});
        Store("Bee's Knees", "Gin", "Short", {{"Gin", "60 ml"}, {"Lemon's juice", "20 ml"}, {"honey", "15 ml"}});
        ASSERT_TRUE(FillCocktailList(*app.database, list, {}, [](const std::string&) {}));
    }
    void TearDown() override {
        CloseCocktailDatabase(app.database);
        wxTheApp->SetTopWindow(nullptr);
    }

    void Store(const char* name, const char* base, const char* style, const MaterialMap& materials) {
        CocktailRecord record{.name = name,
                              .initial = 1,
                              .strong = 2,
                              .taste = 3,
                              .styleName = style,
                              .baseName = base,
                              .howTo = "Shake.",
                              .memo = "1920s",
                              .picture = "",
                              .masterName = "Harry's",
                              .materials = {}};
        ASSERT_TRUE(InsertCocktail(app, record, materials));
    }
    CocktailRecord Stored(const std::string& name) {
        CocktailRecord record;
        EXPECT_TRUE(ReadCocktail(*app.database, name, record)) << name;
        return record;
    }

    CBarvellaApp& app = BarvellaApp();
    testsupport::TempDirectory dir;
    testsupport::FakePluginList list;
    wxFrame* frame = nullptr;
};
