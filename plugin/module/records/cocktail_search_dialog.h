// The search dialog: up to four conditions, each picked from a list. A list left untouched
// means that its condition is not used. The members hold CP932 text.
#pragma once

#include <string>
#include <vector>

#include <wx/dialog.h>

#include "store/cocktail_record.h"

class wxOwnerDrawnComboBox;

class CCocktailSearchDialog : public wxDialog {
public:
    CCocktailSearchDialog();

    void SetBaseNames(const std::vector<std::string>& names);
    void SetMaterialNames(const std::vector<std::string>& names);

    // Fills the name lists and shows the members.
    int ShowModal() override;

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;
    // True when the dialog may close with OK: some condition is set, or the user agreed to
    // list every cocktail.
    bool OnOK();

    SearchConditions Conditions() const;

    wxOwnerDrawnComboBox* m_comboTaste;
    wxOwnerDrawnComboBox* m_comboStrong;
    wxOwnerDrawnComboBox* m_comboMaterialName;
    wxOwnerDrawnComboBox* m_comboBase;
    std::string m_strBase;
    std::string m_strMaterialName;
    int m_nStrong = -1;
    int m_nTaste = -1;
    std::vector<std::string> m_listMaterialNames;
    std::vector<std::string> m_listBaseNames;
};
