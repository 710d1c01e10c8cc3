#include "cocktail_search_dialog.h"

#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/odcombo.h>

#include "core/code_tables.h"
#include "cp932_wx.h"
#include "dialog_layout.h"
#include "plugin_messages.h"
#include "shown_texts.h"
#include "utf8_text.h"

namespace {

enum ControlId : int { IdBase = 3004, IdStrong = 3006, IdTaste = 3007, IdMaterialName = 3021 };

void Fill(wxOwnerDrawnComboBox* choice, const wxArrayString& texts) {
    choice->Clear();
    choice->Append(texts);
}

void SelectText(wxOwnerDrawnComboBox* choice, const std::string& text) {
    choice->SetSelection(text.empty() ? wxNOT_FOUND : choice->FindString(cp932::ToWx(text), true));
}

// The picked entry as the bytes of the name it shows; empty when none is picked.
std::string Picked(const wxOwnerDrawnComboBox* choice, const std::vector<std::string>& names) {
    const int picked = choice->GetSelection();
    if (picked == wxNOT_FOUND) return {};
    return cp932::FromWx(choice->GetString(picked), std::string(), names).value_or(std::string());
}

}  // namespace

CCocktailSearchDialog::CCocktailSearchDialog() : wxDialog(nullptr, wxID_ANY, U("カクテルの検索")) {
    const DialogLayout layout(this);
    layout.Label("ベース", 5, 7, 29, 8);
    m_comboBase = layout.ComboBox(IdBase, 35, 5, 120, wxCB_READONLY | wxCB_SORT);
    layout.Label("強度", 157, 7, 19, 8);
    m_comboStrong = layout.ComboBox(IdStrong, 177, 5, 35, wxCB_READONLY);
    layout.Label("味わい", 218, 7, 26, 8);
    m_comboTaste = layout.ComboBox(IdTaste, 245, 5, 35, wxCB_READONLY);
    layout.Label("材料", 5, 27, 19, 8);
    m_comboMaterialName = layout.ComboBox(IdMaterialName, 25, 25, 255, wxCB_READONLY | wxCB_SORT);
    layout.Button(wxID_OK, "OK", 175, 45, 50, 14)->SetDefault();
    layout.Button(wxID_CANCEL, "ｷｬﾝｾﾙ", 230, 45, 50, 14);
    SetClientSize(layout.Size(283, 65));
    m_comboStrong->Append(CodeLabels(StrongLabel, kStrongCount));
    m_comboTaste->Append(CodeLabels(TasteLabel, kTasteCount));
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            if (OnOK()) EndModal(wxID_OK);
        },
        wxID_OK);
}

void CCocktailSearchDialog::SetBaseNames(const std::vector<std::string>& names) {
    m_listBaseNames = names;
}

void CCocktailSearchDialog::SetMaterialNames(const std::vector<std::string>& names) {
    m_listMaterialNames = names;
}

int CCocktailSearchDialog::ShowModal() {
    Fill(m_comboBase, ShownTexts(m_listBaseNames));
    Fill(m_comboMaterialName, ShownTexts(m_listMaterialNames));
    TransferDataToWindow();
    m_comboBase->SetFocus();
    CentreOnScreen();
    return wxDialog::ShowModal();
}

bool CCocktailSearchDialog::TransferDataToWindow() {
    SelectText(m_comboBase, m_strBase);
    SelectText(m_comboMaterialName, m_strMaterialName);
    m_comboStrong->SetSelection(m_nStrong);
    m_comboTaste->SetSelection(m_nTaste);
    return true;
}

bool CCocktailSearchDialog::TransferDataFromWindow() {
    m_strBase = Picked(m_comboBase, m_listBaseNames);
    m_strMaterialName = Picked(m_comboMaterialName, m_listMaterialNames);
    m_nStrong = m_comboStrong->GetSelection();
    m_nTaste = m_comboTaste->GetSelection();
    return true;
}

bool CCocktailSearchDialog::OnOK() {
    TransferDataFromWindow();
    return HasSearchCondition(Conditions()) ||
           ShowPluginMessage(U("全レコードを再表示しますか？"), wxOK | wxCANCEL | wxICON_QUESTION, this) == wxID_OK;
}

SearchConditions CCocktailSearchDialog::Conditions() const {
    return SearchConditions{m_strBase, m_strMaterialName, m_nStrong, m_nTaste};
}
