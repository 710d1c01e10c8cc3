// The record dialog, in which one cocktail is entered, changed, copied or looked at. It never
// touches the database: the entry points set its members, run it and read the members back.
// The members hold CP932 text; only the controls show it converted.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include <wx/dialog.h>

#include "store/cocktail_record.h"

class wxButton;
class wxFocusEvent;
class wxKeyEvent;
class wxListCtrl;
class wxOwnerDrawnComboBox;
class wxTextCtrl;
class wxTextEntry;

enum RecordDialogMode { ModeAdd = 0, ModeEdit = 1, ModeView = 2 };

class CCocktailDialog : public wxDialog {
public:
    CCocktailDialog();

    void SetCaption(const std::string& caption);
    void SetBaseNames(const std::vector<std::string>& names);
    void SetMasterNames(const std::vector<std::string>& names);
    void SetStyleNames(const std::vector<std::string>& names);
    void SetMaterialNames(const std::vector<std::string>& names);

    // Every run shows the members afresh, so a run after a refused or failed write shows
    // all the user entered, ingredient rows included.
    int ShowModal() override;

    bool TransferDataToWindow() override;
    // Reads every control into the members. False after refusing, in a warning that names
    // the field, a text that CP932 cannot hold or that is too long; the members stay.
    bool TransferDataFromWindow() override;

    // The buttons. A refusal shows a warning owned by the dialog and changes nothing.
    void OnAddMaterial();
    void OnDeleteMaterial();
    // True when the input passed every check and the results are set; the OK button then
    // ends the dialog.
    bool OnOK();

    int m_nMode = ModeAdd;
    std::string m_strStrongLabel;  // set by OnOK
    std::string m_strTasteLabel;   // set by OnOK
    MaterialMap m_mapMaterials;    // after OK exactly the rows of the ingredient list
    wxOwnerDrawnComboBox* m_comboInitial;
    wxOwnerDrawnComboBox* m_comboMaterialName;
    wxButton* m_buttonOK;
    wxButton* m_buttonDeleteMaterial;
    wxButton* m_buttonAddMaterial;
    wxOwnerDrawnComboBox* m_comboMaster;
    wxListCtrl* m_listMaterials;
    wxOwnerDrawnComboBox* m_comboUnit;
    wxOwnerDrawnComboBox* m_comboTaste;
    wxOwnerDrawnComboBox* m_comboStrong;
    wxOwnerDrawnComboBox* m_comboStyle;
    wxOwnerDrawnComboBox* m_comboBase;
    wxTextCtrl* m_editName;
    wxTextCtrl* m_editQuantity;
    wxTextCtrl* m_editHowTo;
    wxTextCtrl* m_editMemo;
    std::string m_strName;
    std::string m_strHowTo;
    std::string m_strMemo;
    std::string m_strBase;
    int m_nStrong = -1;
    int m_nTaste = -1;
    std::string m_strMaster;
    int m_nUnit = 0;
    std::string m_strMaterialName;
    std::string m_strQuantity;
    std::string m_strStyle;
    int m_nInitial = -1;
    std::vector<std::string> m_listMaterialNames;
    std::vector<std::string> m_listStyleNames;
    std::vector<std::string> m_listMasterNames;
    std::vector<std::string> m_listBaseNames;
    std::string m_strCaption;

private:
    struct Check {
        bool failed;
        const char* message;
    };

    // A field that takes no more CP932 bytes than its limit as the user types.
    struct TypedLimit {
        wxTextEntry* entry;
        std::size_t limit;
        const std::vector<std::string>* offered;  // names that pass whatever their length
        wxString accepted;                        // the text last let through
    };

    void OnInitDialog();
    template <class Control>
    void LimitTyping(Control* control, std::size_t limit, const std::vector<std::string>* offered = nullptr);
    void OnLimitedText(std::size_t field, wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnKeyFieldChange(wxCommandEvent& event);
    void OnReadOnlyFieldChange(wxCommandEvent& event);
    // Windows reports a change made by a program twice, the second time once the field shows
    // its old text again: that report is no change.
    bool IsUndoneChange(const wxCommandEvent& event) const;
    void NoteUndone(const wxCommandEvent& event);
    void OnQuantityKillFocus(wxFocusEvent& event);
    void OnInitialKeyDown(wxKeyEvent& event);

    // Warns about the first failed check; true when one failed.
    bool Refused(std::initializer_list<Check> checks);
    void Warn(const wxString& text);
    template <class Control>
    bool Take(Control* control, const char* field, std::size_t limit, std::span<const std::string> offered,
              std::string& bytes);
    void ShowName(wxOwnerDrawnComboBox* combo, const std::vector<std::string>& names, const std::string& text);
    bool AddRow(const std::string& name, const std::string& quantity);
    const std::pair<std::string, std::string>& RowTexts(long row) const;
    long FindRow(const std::string& name) const;

    // Set while members go into the controls: the guards leave those changes alone.
    bool m_bTransferring = false;
    int m_undoneId = wxID_NONE;  // the field whose change was last undone, and its text since
    wxString m_undoneText;
    std::vector<TypedLimit> m_typedLimits;
    // CP932 name and quantity text of every row ever added; a row's item data indexes it.
    std::vector<std::pair<std::string, std::string>> m_rowTexts;
};
