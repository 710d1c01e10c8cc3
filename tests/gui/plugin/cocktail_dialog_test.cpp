#include "records_test_support.h"

TEST_F(RecordsTest, OkTakesExactlyTheAddedRowsAfterEveryCheckAndRefusesWhatCannotBeStored) {
    CCocktailDialog dialog;
    dialog.SetMaterialNames({"Lemon's juice"});
    wxTEST_DIALOG(EXPECT_EQ(dialog.ShowModal(), wxID_OK), AtCocktail([](CCocktailDialog& d) {
                      const auto refused = [&d](const char* text, std::function<void()> action = {}) {
                          if (!action) action = [&d] { EXPECT_FALSE(d.OnOK()); };
                          wxTEST_DIALOG(action(), ExpectPluginMessage(text, &d));
                      };
                      refused("カクテル名称を入力してください。");
                      d.m_editName->SetValue(U("Gin \U0001F378"));
                      refused("「カクテル名称」に Shift-JIS で表せない文字が含まれています。");
                      TypeCocktail(d, "Gin & It");
                      // Typing stops at 128 bytes: 64 double-byte characters, and no more.
                      const wxString limit(64, wxUniChar(0x3042));
                      d.m_comboBase->SetValue(limit);
                      d.m_comboBase->AppendText("x");
                      EXPECT_EQ(d.m_comboBase->GetValue(), limit);
                      d.m_comboBase->SetValue("Gin");
                      d.m_listMaterials->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
                      d.OnDeleteMaterial();
                      refused("削除する材料が選択されていません。", [&d] { d.OnDeleteMaterial(); });
                      // Typed but not added is no ingredient, and the method comes last.
                      d.m_editHowTo->SetValue("");
                      d.m_comboMaterialName->SetValue("vermouth");
                      d.m_editQuantity->SetValue("30");
                      refused("材料を入力してください。");
                      AddIngredient(d, "vermouth", "30", 0);
                      refused("作り方を入力してください。");
                      d.m_editHowTo->SetValue("Stir.");
                      refused("入力された材料はすでに登録済みです。", [&d] { AddIngredient(d, "VERMOUTH", "1", 1); });
                      AddIngredient(d, "Lemon's juice", "10", 1);
                      // The new name was added twice and is offered once.
                      EXPECT_EQ(d.m_comboMaterialName->GetCount(), 2u);
                      return PressOK(d);
                  }));
    EXPECT_EQ(dialog.m_mapMaterials, (MaterialMap{{"Lemon's juice", "10 ml"}, {"vermouth", "30"}}));
}

// Keys go to the dialog before the focused field: a combo box would take them for its list.
TEST_F(RecordsTest, EscapeClosesOnlyAnOpenListAltKeysPressTheButtonsAndARefusalShowsOnce) {
    CCocktailDialog dialog;
    wxTEST_DIALOG(dialog.ShowModal(), AtCocktail([](CCocktailDialog& d) {
                      const auto press = [&d](int key, bool alt) {
                          wxKeyEvent hook(wxEVT_CHAR_HOOK);
                          hook.m_keyCode = key;
                          hook.m_altDown = alt;
                          hook.SetEventObject(d.m_comboUnit);
                          d.ProcessWindowEvent(hook);
                      };
                      d.m_comboUnit->SetFocus();
                      d.m_comboUnit->Popup();
                      EXPECT_TRUE(d.m_comboUnit->IsPopupShown());
                      press(WXK_ESCAPE, false);
                      EXPECT_FALSE(d.m_comboUnit->IsPopupShown());
                      EXPECT_TRUE(d.IsShown()) << "Escape closed the dialog";
                      d.m_comboMaterialName->SetValue("egg");
                      d.m_editQuantity->SetValue("1");
                      press('A', true);
                      EXPECT_EQ(d.m_listMaterials->GetItemText(0), "egg");
                      d.m_listMaterials->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
                      press('D', true);
                      EXPECT_EQ(d.m_listMaterials->GetItemCount(), 0);

                      // Leaving the quantity for 追加 reads the fields once, when it is pressed.
                      d.m_comboMaterialName->SetValue(U("Gin \U0001F378"));
                      wxFocusEvent leaving(wxEVT_KILL_FOCUS, d.m_editQuantity->GetId());
                      leaving.SetWindow(d.m_buttonAddMaterial);
                      d.m_editQuantity->ProcessWindowEvent(leaving);
                      wxTEST_DIALOG(
                          d.OnAddMaterial(),
                          ExpectPluginMessage("「材料の名称」に Shift-JIS で表せない文字が含まれています。", &d));
                      wxTheApp->ProcessPendingEvents();
                      return wxID_CANCEL;
                  }));
}
