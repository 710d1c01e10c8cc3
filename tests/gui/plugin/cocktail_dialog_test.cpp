#include "records_test_support.h"

namespace {

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
                      d.m_comboBase->SetValue(wxString(65, wxUniChar(0x3042)));
                      refused("「ベース」は 128 バイト以内で入力してください。");
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

}  // namespace
