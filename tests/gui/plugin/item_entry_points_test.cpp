#include "records_test_support.h"

using testsupport::Sjis;
using Names = std::vector<std::string>;

void PressKey(CCocktailDialog& dialog, int key) {
    wxKeyEvent down(wxEVT_KEY_DOWN);
    down.m_keyCode = key;
    dialog.m_comboInitial->ProcessWindowEvent(down);
}

TEST_F(RecordsTest, AddRefusesAStoredNameAndOpensAgainWithTheInputKept) {
    wxTEST_DIALOG(EXPECT_EQ(AddItem(&list), PLUGIN_OK), AtCocktail([](CCocktailDialog& d) {
                      TypeCocktail(d, "Bee's Knees");
                      return PressOK(d);
                  }),
                  ExpectPluginMessage("指定されたカクテルはすでに登録済みです。", frame),
                  AtCocktail([](CCocktailDialog& d) {
                      EXPECT_EQ(d.m_listMaterials->GetItemText(0, 1), "30 ml");
                      EXPECT_EQ(d.m_editHowTo->GetValue(), "Stir.");
                      d.m_editName->SetValue("Gin & It");
                      return PressOK(d);
                  }));
    EXPECT_EQ(list.rows.at(1), (Names{"Gin & It", "Gin", "Short", Sjis("強"), Sjis("辛"), ""}));
    EXPECT_EQ(Stored("Gin & It").materials, (MaterialMap{{"vermouth", "30 ml"}}));
    EXPECT_EQ(Stored("Gin & It").picture, "");
}

TEST_F(RecordsTest, EditKeepsTheNameStoresExactlyTheRowsAtOkAndAFailedWriteChangesNothing) {
    list.selected = 0;  // Bee's Knees
    wxTEST_DIALOG(EXPECT_EQ(EditItem(&list), PLUGIN_OK), AtCocktail([](CCocktailDialog& d) {
                      EXPECT_EQ(d.m_comboStyle->GetValue(), "Short");
                      d.m_editMemo->SetValue("kept");
                      wxTEST_DIALOG(d.m_editName->SetValue("Other"), ExpectPluginMessage("変更はできません。", &d));
                      EXPECT_EQ(d.m_editName->GetValue() + d.m_editMemo->GetValue(), "Bee's Kneeskept");
                      for (int key : {int('K'), int(WXK_TAB), int('1')}) PressKey(d, key);
                      d.m_listMaterials->SetItemState(1, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
                      d.OnDeleteMaterial();
                      AddIngredient(d, "egg white", "1", 13);
                      return PressOK(d);
                  }));
    const CocktailRecord edited = Stored("Bee's Knees");
    EXPECT_EQ(edited.materials,
              (MaterialMap{{"Gin", "60 ml"}, {"Lemon's juice", "20 ml"}, {"egg white", Sjis("1 個")}}));
    EXPECT_EQ(edited.initial, 10) << "K picks the eleventh letter";
    EXPECT_EQ(edited.styleName + edited.memo, "Shortkept");

    Raw().exec("CREATE TRIGGER refuse BEFORE INSERT ON TBL_COCKTAIL BEGIN SELECT RAISE(ABORT, 'no'); END");
    wxTEST_DIALOG(EXPECT_EQ(EditItem(&list), PLUGIN_OK), AtCocktail([](CCocktailDialog& d) {
                      d.m_comboBase->SetValue("Vodka");
                      return PressOK(d);
                  }),
                  ExpectPluginMessage("カクテルの編集に失敗しました。", frame), AtCocktail([](CCocktailDialog& d) {
                      EXPECT_EQ(d.m_comboBase->GetValue(), "Vodka");
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(list.rows.at(0).at(1), "Gin");
}

// The typing limits are for what the user types: the store takes up to 255 bytes, and the
// dialog shows and keeps whatever it holds, in a copy too. The dialog does not show the picture;
// it stays.
TEST_F(RecordsTest, StoredValuesPastTheTypingLimitsAreShownWholeAndKeptWithThePicture) {
    CocktailRecord stored = Stored("Tom & Jerry");
    std::tie(stored.name, stored.baseName, stored.styleName, stored.masterName, stored.picture) =
        std::tuple("Long", std::string(200, 'B'), std::string(129, 'S'), std::string(255, 'M'), "long.jpg");
    ASSERT_TRUE(app.store->Insert(stored).ok());
    const auto kept = [](const CocktailRecord& r) {
        return std::tie(r.initial, r.strong, r.taste, r.styleName, r.baseName, r.howTo, r.memo, r.picture, r.masterName,
                        r.materials);
    };
    const auto shownWhole = [&stored](CCocktailDialog& d) {
        EXPECT_EQ(d.m_comboBase->GetValue() + d.m_comboStyle->GetValue() + d.m_comboMaster->GetValue(),
                  stored.baseName + stored.styleName + stored.masterName);
        // Leaving the quantity reads every field: a stored value is no refusal.
        wxFocusEvent leaving(wxEVT_KILL_FOCUS, d.m_editQuantity->GetId());
        leaving.SetWindow(d.m_editMemo);
        d.m_editQuantity->ProcessWindowEvent(leaving);
        wxTheApp->ProcessPendingEvents();
    };
    list.selected = list.InsertItem(0, "Long");
    wxTEST_DIALOG(ViewItem(&list), AtCocktail([&](CCocktailDialog& d) { return shownWhole(d), wxID_CANCEL; }));
    wxTEST_DIALOG(EXPECT_EQ(EditItem(&list), PLUGIN_OK),
                  AtCocktail([&](CCocktailDialog& d) { return shownWhole(d), PressOK(d); }));
    EXPECT_EQ(kept(Stored("Long")), kept(stored));
    wxTEST_DIALOG(EXPECT_EQ(CopyItem(&list), PLUGIN_OK), AtCocktail([&](CCocktailDialog& d) {
                      shownWhole(d);
                      EXPECT_EQ(d.m_editName->GetValue(), "") << "a copy opens with all but the name";
                      d.m_editName->SetValue("Long too");
                      return PressOK(d);
                  }));
    EXPECT_EQ(kept(Stored("Long too")), kept(stored));
}

TEST_F(RecordsTest, ViewRefusesEveryChangeAndNeverWrites) {
    list.selected = 1;  // Tom & Jerry
    SQLite::Database raw = Raw();
    const auto version = [&raw] { return raw.execAndGet("PRAGMA data_version").getInt(); };
    const int before = version();
    wxTEST_DIALOG(
        EXPECT_EQ(ViewItem(&list), PLUGIN_OK), AtCocktail([](CCocktailDialog& d) {
            for (wxWindow* button : {d.m_buttonOK, d.m_buttonAddMaterial, d.m_buttonDeleteMaterial})
                EXPECT_FALSE(button->IsEnabled());
            const auto refused = [&d](std::function<void()> change) {
                wxTEST_DIALOG(change(), ExpectPluginMessage("変更はできません。", &d));
            };
            for (wxTextEntry* field : std::initializer_list<wxTextEntry*>{
                     d.m_editName, d.m_editHowTo, d.m_editMemo, d.m_comboBase, d.m_comboStyle, d.m_comboMaster}) {
                const wxString shown = field->GetValue();
                refused([field] { field->SetValue("x"); });
                EXPECT_EQ(field->GetValue(), shown);
            }
            for (wxOwnerDrawnComboBox* choice : {d.m_comboStrong, d.m_comboTaste, d.m_comboInitial}) {
                const int shown = choice->GetSelection();
                refused([choice] {
                    choice->SetSelection(4);
                    wxCommandEvent picked(wxEVT_COMBOBOX, choice->GetId());
                    choice->ProcessWindowEvent(picked);
                });
                EXPECT_EQ(choice->GetSelection(), shown);
            }
            PressKey(d, 'A');
            EXPECT_EQ(d.m_comboInitial->GetSelection(), 1);
            return wxID_CANCEL;
        }));
    EXPECT_EQ(version(), before) << "no other connection committed";
}

TEST_F(RecordsTest, DeleteAsksFirstAndTakesNamesNoOtherCocktailUses) {
    list.selected = 1;  // Tom & Jerry
    const char* question = "選択中のカクテルを削除してもよろしいですか？";
    wxTEST_DIALOG(EXPECT_EQ(DeleteItem(&list), PLUGIN_OK),
                  ExpectPluginMessage(question, frame, wxICON_QUESTION, wxID_CANCEL));
    EXPECT_EQ(Stored("Tom & Jerry").name, "Tom & Jerry");
    wxTEST_DIALOG(EXPECT_EQ(DeleteItem(&list), PLUGIN_OK), ExpectPluginMessage(question, frame, wxICON_QUESTION));
    EXPECT_EQ(list.Texts(0), Names{"Bee's Knees"});
    wxTEST_DIALOG(AddItem(&list), AtCocktail([](CCocktailDialog& d) {
                      EXPECT_EQ(d.m_comboBase->FindString("Rum & Brandy's"), wxNOT_FOUND);
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(DeleteItem(&list), PLUGIN_FAILED) << "no row is selected";
}
