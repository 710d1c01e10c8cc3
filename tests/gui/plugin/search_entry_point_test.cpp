#include "records_test_support.h"

using Names = std::vector<std::string>;

TEST_F(RecordsTest, SearchRefillsTheListWithTheChosenConditionsAndCancelLeavesItAlone) {
    const auto search = [this](std::function<int(CCocktailSearchDialog&)> user) {
        wxTEST_DIALOG(EXPECT_EQ(SearchItem(&list), PLUGIN_OK), UserAt<CCocktailSearchDialog>(user));
        return list.Texts(0);
    };
    list.rows.pop_back();
    EXPECT_EQ(search([](CCocktailSearchDialog& d) {
                  d.m_comboStrong->SetSelection(2);
                  return wxID_CANCEL;
              }),
              Names{"Bee's Knees"});
    EXPECT_EQ(search([](CCocktailSearchDialog& d) {
                  d.m_comboBase->SetStringSelection("Rum & Brandy's");
                  d.m_comboMaterialName->SetStringSelection("milk");
                  return PressOK(d);
              }),
              Names{"Tom & Jerry"});
    // No condition: the question's Cancel keeps the dialog open, its OK lists every cocktail.
    EXPECT_EQ(search([](CCocktailSearchDialog& d) {
                  const char* question = "全レコードを再表示しますか？";
                  wxTEST_DIALOG(EXPECT_EQ(PressOK(d), wxID_NONE),
                                ExpectPluginMessage(question, &d, wxICON_QUESTION, wxID_CANCEL));
                  int answer = wxID_NONE;
                  wxTEST_DIALOG(answer = PressOK(d), ExpectPluginMessage(question, &d, wxICON_QUESTION));
                  return answer;
              }),
              (Names{"Bee's Knees", "Tom & Jerry"}));
}
