#include "cocktail_dialog.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/odcombo.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "core/code_tables.h"
#include "cp932.h"
#include "cp932_wx.h"
#include "dialog_layout.h"
#include "plugin_messages.h"
#include "setting_text.h"
#include "shown_texts.h"
#include "store/schema.h"
#include "utf8_text.h"

namespace {

enum ControlId : int {
    IdName = 3003,
    IdBase = 3004,
    IdStyle = 3005,
    IdStrong = 3006,
    IdTaste = 3007,
    IdInitial = 3008,
    IdQuantity = 3011,
    IdUnit = 3012,
    IdAddMaterial = 3014,
    IdDeleteMaterial = 3015,
    IdHowTo = 3016,
    IdMemo = 3017,
    IdMaterials = 3018,
    IdMaster = 3019,
    IdMaterialName = 3021,
};

// Limits in CP932 bytes. The ingredient name has none in the form, so the store's applies.
constexpr std::size_t kNameLimit = 255;
constexpr std::size_t kCategoryLimit = 128;  // base, style, author
constexpr std::size_t kQuantityLimit = 100;
constexpr std::size_t kUnlimited = std::string::npos;

// A stored code without an entry selects nothing.
void SelectCode(wxOwnerDrawnComboBox* choice, int code) {
    choice->SetSelection(code >= 0 && code < static_cast<int>(choice->GetCount()) ? code : wxNOT_FOUND);
}

class TransferScope {
public:
    explicit TransferScope(bool& flag) : m_flag(flag), m_previous(flag) { flag = true; }
    ~TransferScope() { m_flag = m_previous; }
    TransferScope(const TransferScope&) = delete;
    TransferScope& operator=(const TransferScope&) = delete;

private:
    bool& m_flag;
    bool m_previous;
};

}  // namespace

CCocktailDialog::CCocktailDialog() : wxDialog(nullptr, wxID_ANY, wxString()) {
    const DialogLayout layout(this);
    layout.Label("カクテル名称", 5, 4, 44, 8);
    m_editName = layout.Edit(IdName, 50, 1, 190, 15);
    layout.Label("頭文字", 248, 5, 26, 8);
    m_comboInitial = layout.ComboBox(IdInitial, 275, 3, 35, wxCB_READONLY);
    layout.Label("ベース", 5, 23, 29, 8);
    m_comboBase = layout.ComboBox(IdBase, 35, 21, 145, wxCB_SORT);
    layout.Label("強度", 187, 23, 19, 8);
    m_comboStrong = layout.ComboBox(IdStrong, 207, 21, 35, wxCB_READONLY);
    layout.Label("味わい", 248, 23, 26, 8);
    m_comboTaste = layout.ComboBox(IdTaste, 275, 21, 35, wxCB_READONLY);
    layout.Label("スタイル", 5, 41, 29, 8);
    m_comboStyle = layout.ComboBox(IdStyle, 35, 39, 120);
    layout.Label("作者", 168, 41, 21, 8);
    m_comboMaster = layout.ComboBox(IdMaster, 190, 39, 120, wxCB_SORT);
    new wxStaticBox(this, wxID_ANY, U("材料"), layout.Position(5, 59), layout.Size(305, 101));
    layout.Label("名称", 10, 73, 19, 8);
    m_comboMaterialName = layout.ComboBox(IdMaterialName, 30, 71, 275, wxCB_SORT);
    layout.Label("分量", 10, 91, 19, 8);
    m_editQuantity = layout.Edit(IdQuantity, 30, 89, 60, 15, wxTE_RIGHT);
    m_comboUnit = layout.ComboBox(IdUnit, 95, 91, 60, wxCB_READONLY);
    m_listMaterials = new wxListCtrl(this, IdMaterials, layout.Position(10, 109), layout.Size(260, 45),
                                     wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_SUNKEN);
    m_buttonAddMaterial = layout.Button(IdAddMaterial, "追加(&A)", 275, 119, 30, 14);
    m_buttonDeleteMaterial = layout.Button(IdDeleteMaterial, "削除(&D)", 275, 137, 30, 14);
    layout.Label("作り方", 5, 166, 40, 8);
    m_editHowTo = layout.Edit(IdHowTo, 5, 176, 180, 50, wxTE_MULTILINE);
    layout.Label("メモ", 190, 166, 40, 8);
    m_editMemo = layout.Edit(IdMemo, 190, 176, 120, 50, wxTE_MULTILINE);
    m_buttonOK = layout.Button(wxID_OK, "OK", 205, 235, 50, 14);
    m_buttonOK->SetDefault();
    layout.Button(wxID_CANCEL, "ｷｬﾝｾﾙ", 260, 235, 50, 14);
    SetClientSize(layout.Size(319, 255));

    LimitTyping(m_editName, kNameLimit);
    LimitTyping(m_comboBase, kCategoryLimit, &m_listBaseNames);
    LimitTyping(m_comboStyle, kCategoryLimit, &m_listStyleNames);
    LimitTyping(m_comboMaster, kCategoryLimit, &m_listMasterNames);
    LimitTyping(m_comboMaterialName, kMaxTextBytes, &m_listMaterialNames);
    LimitTyping(m_editQuantity, kQuantityLimit);

    m_comboInitial->Append(CodeLabels(InitialLabel, kInitialCount));
    m_comboStrong->Append(CodeLabels(StrongLabel, kStrongCount));
    m_comboTaste->Append(CodeLabels(TasteLabel, kTasteCount));
    m_comboUnit->Append(CodeLabels(UnitLabel, kUnitCount));
    m_listMaterials->InsertColumn(0, U("名称"), wxLIST_FORMAT_LEFT, 310);
    m_listMaterials->InsertColumn(1, U("分量"), wxLIST_FORMAT_CENTRE, 120);

    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnAddMaterial(); }, IdAddMaterial);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnDeleteMaterial(); }, IdDeleteMaterial);
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            if (OnOK()) EndModal(wxID_OK);
        },
        wxID_OK);
    Bind(wxEVT_CHAR_HOOK, &CCocktailDialog::OnCharHook, this);
    m_editQuantity->Bind(wxEVT_KILL_FOCUS, &CCocktailDialog::OnQuantityKillFocus, this);
    m_comboInitial->Bind(wxEVT_KEY_DOWN, &CCocktailDialog::OnInitialKeyDown, this);
    Bind(wxEVT_TEXT, &CCocktailDialog::OnKeyFieldChange, this, IdName);
    // An editable combo reports a picked entry as changed text too.
    for (int id : {IdHowTo, IdMemo, IdBase, IdMaster, IdStyle})
        Bind(wxEVT_TEXT, &CCocktailDialog::OnReadOnlyFieldChange, this, id);
    for (int id : {IdStrong, IdTaste, IdInitial})
        Bind(wxEVT_COMBOBOX, &CCocktailDialog::OnReadOnlyFieldChange, this, id);
}

void CCocktailDialog::SetCaption(const std::string& caption) {
    m_strCaption = caption;
}

void CCocktailDialog::SetBaseNames(const std::vector<std::string>& names) {
    m_listBaseNames = names;
}

void CCocktailDialog::SetMasterNames(const std::vector<std::string>& names) {
    m_listMasterNames = names;
}

void CCocktailDialog::SetStyleNames(const std::vector<std::string>& names) {
    m_listStyleNames = names;
}

void CCocktailDialog::SetMaterialNames(const std::vector<std::string>& names) {
    m_listMaterialNames = names;
}

int CCocktailDialog::ShowModal() {
    OnInitDialog();
    return wxDialog::ShowModal();
}

void CCocktailDialog::OnInitDialog() {
    const TransferScope transferring(m_bTransferring);
    SetTitle(cp932::ToWx(m_strCaption));
    const std::pair<wxOwnerDrawnComboBox*, const std::vector<std::string>*> lists[] = {
        {m_comboBase, &m_listBaseNames},
        {m_comboMaster, &m_listMasterNames},
        {m_comboStyle, &m_listStyleNames},
        {m_comboMaterialName, &m_listMaterialNames},
    };
    for (const auto& [combo, names] : lists) {
        combo->Clear();
        combo->Append(ShownTexts(*names));
    }
    m_listMaterials->DeleteAllItems();
    m_rowTexts.clear();
    for (const auto& [name, quantity] : m_mapMaterials) AddRow(name, quantity);
    const bool changeable = m_nMode != ModeView;
    for (wxButton* button : {m_buttonOK, m_buttonAddMaterial, m_buttonDeleteMaterial}) button->Enable(changeable);
    TransferDataToWindow();
    m_editName->SetFocus();
    CentreOnScreen();
}

bool CCocktailDialog::TransferDataToWindow() {
    const TransferScope transferring(m_bTransferring);
    m_editName->ChangeValue(cp932::ToWx(m_strName));
    m_editHowTo->ChangeValue(cp932::ToWx(m_strHowTo));
    m_editMemo->ChangeValue(cp932::ToWx(m_strMemo));
    ShowName(m_comboBase, m_listBaseNames, m_strBase);
    SelectCode(m_comboStrong, m_nStrong);
    SelectCode(m_comboTaste, m_nTaste);
    ShowName(m_comboMaster, m_listMasterNames, m_strMaster);
    SelectCode(m_comboUnit, m_nUnit);
    m_comboMaterialName->ChangeValue(cp932::ToWx(m_strMaterialName));
    m_editQuantity->ChangeValue(cp932::ToWx(m_strQuantity));
    ShowName(m_comboStyle, m_listStyleNames, m_strStyle);
    SelectCode(m_comboInitial, m_nInitial);
    for (TypedLimit& field : m_typedLimits) field.accepted = field.entry->GetValue();
    return true;
}

// The entry that is the text (ASCII letters in any case) is selected; any other text stands
// as typed, so a name is never shown, nor saved, as a longer one that begins with it.
void CCocktailDialog::ShowName(wxOwnerDrawnComboBox* combo, const std::vector<std::string>& names,
                               const std::string& text) {
    const auto same = [&text](const std::string& name) { return cp932::CompareNames(name, text) == 0; };
    const auto found = text.empty() ? names.end() : std::find_if(names.begin(), names.end(), same);
    const int index = found == names.end() ? wxNOT_FOUND : combo->FindString(cp932::ToWx(*found), true);
    if (index != wxNOT_FOUND) {
        combo->SetSelection(index);
    } else {
        combo->SetSelection(wxNOT_FOUND);
        combo->ChangeValue(cp932::ToWx(text));
    }
}

bool CCocktailDialog::TransferDataFromWindow() {
    std::string name = m_strName, howTo = m_strHowTo, memo = m_strMemo, base = m_strBase, master = m_strMaster,
                materialName = m_strMaterialName, quantity = m_strQuantity, style = m_strStyle;
    if (!Take(m_editName, "カクテル名称", kNameLimit, {}, name) ||
        !Take(m_comboBase, "ベース", kCategoryLimit, m_listBaseNames, base) ||
        !Take(m_comboStyle, "スタイル", kCategoryLimit, m_listStyleNames, style) ||
        !Take(m_comboMaster, "作者", kCategoryLimit, m_listMasterNames, master) ||
        !Take(m_comboMaterialName, "材料の名称", kMaxTextBytes, m_listMaterialNames, materialName) ||
        !Take(m_editQuantity, "分量", kQuantityLimit, {}, quantity) ||
        !Take(m_editHowTo, "作り方", kUnlimited, {}, howTo) || !Take(m_editMemo, "メモ", kUnlimited, {}, memo))
        return false;
    m_strName = name;
    m_strHowTo = howTo;
    m_strMemo = memo;
    m_strBase = base;
    m_nStrong = m_comboStrong->GetSelection();
    m_nTaste = m_comboTaste->GetSelection();
    m_strMaster = master;
    m_nUnit = m_comboUnit->GetSelection();
    m_strMaterialName = materialName;
    m_strQuantity = quantity;
    m_strStyle = style;
    m_nInitial = m_comboInitial->GetSelection();
    return true;
}

// The limit is for what the user typed: the text that was shown, or a name offered, is
// taken whole, since the store already holds it.
template <class Control>
bool CCocktailDialog::Take(Control* control, const char* field, std::size_t limit, std::span<const std::string> offered,
                           std::string& bytes) {
    const std::optional<std::string> converted = cp932::FromWx(control->GetValue(), bytes, offered);
    const bool known =
        converted && (*converted == bytes || std::find(offered.begin(), offered.end(), *converted) != offered.end());
    if (const std::optional<wxString> refusal = FieldRefusal(converted, U(field), known ? 0 : limit)) {
        Warn(*refusal);
        control->SetFocus();
        return false;
    }
    bytes = *converted;
    return true;
}

void CCocktailDialog::OnAddMaterial() {
    if (!TransferDataFromWindow()) return;
    if (Refused({{m_strMaterialName.empty(), "名称を入力してください。"},
                 {FindRow(m_strMaterialName) != -1, "入力された材料はすでに登録済みです。"},
                 {m_strQuantity.empty(), "分量を入力してください。"},
                 {m_nUnit == wxNOT_FOUND, "単位を選択してください。"}}))
        return;
    std::string unit;
    UnitLabel(m_nUnit, unit);
    if (!AddRow(m_strMaterialName, unit.empty() ? m_strQuantity : m_strQuantity + " " + unit)) {
        Warn(U("追加に失敗しました。"));
        return;
    }
    if (std::find(m_listMaterialNames.begin(), m_listMaterialNames.end(), m_strMaterialName) ==
        m_listMaterialNames.end()) {
        m_listMaterialNames.push_back(m_strMaterialName);
        m_comboMaterialName->Append(cp932::ToWx(m_strMaterialName));
    }
    m_strMaterialName.clear();
    m_strQuantity.clear();
    m_nUnit = 0;
    TransferDataToWindow();
    m_comboMaterialName->SetFocus();
}

void CCocktailDialog::OnDeleteMaterial() {
    if (!TransferDataFromWindow()) return;
    const long selected = m_listMaterials->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (Refused({{selected == -1, "削除する材料が選択されていません。"}})) return;
    m_listMaterials->DeleteItem(selected);
}

bool CCocktailDialog::OnOK() {
    if (!TransferDataFromWindow()) return false;
    if (Refused({{m_strName.empty(), "カクテル名称を入力してください。"},
                 {m_nInitial == wxNOT_FOUND, "頭文字を選択してください。"},
                 {m_strBase.empty(), "ベースを選択、もしくは入力してください。"},
                 {m_strStyle.empty(), "スタイルを選択、もしくは入力してください。"},
                 {m_nStrong == wxNOT_FOUND, "アルコール強度を選択してください。"},
                 {m_nTaste == wxNOT_FOUND, "味わいを選択してください。"},
                 {m_listMaterials->GetItemCount() == 0, "材料を入力してください。"},
                 {m_strHowTo.empty(), "作り方を入力してください。"}}))
        return false;
    m_mapMaterials.clear();
    for (long row = 0; row < m_listMaterials->GetItemCount(); ++row) m_mapMaterials.insert(RowTexts(row));
    StrongLabel(m_nStrong, m_strStrongLabel);
    TasteLabel(m_nTaste, m_strTasteLabel);
    return true;
}

// The name is the record's key: it stays in every mode but add. Only the name goes back,
// so nothing else the user typed is lost.
void CCocktailDialog::OnKeyFieldChange(wxCommandEvent& event) {
    if (m_bTransferring || m_nMode == ModeAdd || IsUndoneChange(event)) return;
    Warn(U("変更はできません。"));
    const TransferScope transferring(m_bTransferring);
    m_editName->ChangeValue(cp932::ToWx(m_strName));
    NoteUndone(event);
}

void CCocktailDialog::OnReadOnlyFieldChange(wxCommandEvent& event) {
    if (m_bTransferring || m_nMode != ModeView || IsUndoneChange(event)) return;
    Warn(U("変更はできません。"));
    TransferDataToWindow();
    NoteUndone(event);
}

bool CCocktailDialog::IsUndoneChange(const wxCommandEvent& event) const {
    const auto* field = dynamic_cast<const wxTextEntry*>(event.GetEventObject());
    return event.GetId() == m_undoneId && field != nullptr && field->GetValue() == m_undoneText;
}

void CCocktailDialog::NoteUndone(const wxCommandEvent& event) {
    const auto* field = dynamic_cast<const wxTextEntry*>(event.GetEventObject());
    m_undoneId = field != nullptr ? event.GetId() : wxID_NONE;
    m_undoneText = field != nullptr ? field->GetValue() : wxString();
}

// A refusal cannot be shown while the focus moves, so the reading waits for that to end. A
// button reads and checks the fields itself when pressed, so focus going to one is left to it:
// the same refusal would otherwise show twice.
void CCocktailDialog::OnQuantityKillFocus(wxFocusEvent& event) {
    event.Skip();
    if (dynamic_cast<wxButton*>(event.GetWindow()) != nullptr) return;
    CallAfter([this] { TransferDataFromWindow(); });
}

template <class Control>
void CCocktailDialog::LimitTyping(Control* control, std::size_t limit, const std::vector<std::string>* offered) {
    const std::size_t field = m_typedLimits.size();
    m_typedLimits.push_back({control, limit, offered, wxString()});
    control->Bind(wxEVT_TEXT, [this, field](wxCommandEvent& event) { OnLimitedText(field, event); });
}

// A change that would take the text past its limit is undone, as a field with a length limit
// refuses a key. A text already longer (a stored value) may still be shortened, and a name
// picked from the list is always taken. Text CP932 cannot hold is refused by name on reading.
void CCocktailDialog::OnLimitedText(std::size_t index, wxCommandEvent& event) {
    TypedLimit& field = m_typedLimits[index];
    const wxString text = field.entry->GetValue();
    const auto byteCount = [](const wxString& shown) {
        const std::optional<std::string> bytes = cp932::FromWx(shown);
        return bytes ? bytes->size() : std::string::npos;
    };
    const std::size_t bytes = byteCount(text);
    const bool offered =
        field.offered && std::any_of(field.offered->begin(), field.offered->end(),
                                     [&text](const std::string& name) { return cp932::ToWx(name) == text; });
    if (m_bTransferring || bytes == std::string::npos || bytes <= field.limit || bytes <= byteCount(field.accepted) ||
        offered) {
        field.accepted = text;
        event.Skip();
        return;
    }
    const long insertion = field.entry->GetInsertionPoint() - static_cast<long>(text.length()) +
                           static_cast<long>(field.accepted.length());
    field.entry->ChangeValue(field.accepted);
    field.entry->SetInsertionPoint(std::clamp(insertion, 0L, static_cast<long>(field.accepted.length())));
    wxBell();
}

// Escape closes an open list, not the dialog with the input. Alt+A and Alt+D press their
// buttons wherever the focus is: a combo box would take those keys for its own list.
void CCocktailDialog::OnCharHook(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE && event.GetModifiers() == wxMOD_NONE) {
        for (wxOwnerDrawnComboBox* combo : {m_comboInitial, m_comboBase, m_comboStrong, m_comboTaste, m_comboStyle,
                                            m_comboMaster, m_comboMaterialName, m_comboUnit}) {
            if (combo->IsPopupShown()) {
                combo->Dismiss();
                return;
            }
        }
    }
    if (event.GetModifiers() == wxMOD_ALT && (event.GetKeyCode() == 'A' || event.GetKeyCode() == 'D')) {
        if (event.GetKeyCode() == 'A' && m_buttonAddMaterial->IsEnabled()) OnAddMaterial();
        if (event.GetKeyCode() == 'D' && m_buttonDeleteMaterial->IsEnabled()) OnDeleteMaterial();
        return;
    }
    event.Skip();
}

// Keys A to Z pick "Ａ" to "Ｚ" whatever the shift state, in place of the list's own search
// by typed text; every other key works as usual. A record that is only looked at keeps its
// letter.
void CCocktailDialog::OnInitialKeyDown(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (key < 'A' || key > 'Z') {
        event.Skip();
        return;
    }
    if (m_nMode != ModeView) m_comboInitial->SetSelection(key - 'A');
}

bool CCocktailDialog::Refused(std::initializer_list<Check> checks) {
    for (const Check& check : checks) {
        if (check.failed) {
            Warn(U(check.message));
            return true;
        }
    }
    return false;
}

void CCocktailDialog::Warn(const wxString& text) {
    ShowPluginMessage(text, wxOK | wxICON_EXCLAMATION, this);
}

// Rows stay in name order, the order of the stored ingredient map.
bool CCocktailDialog::AddRow(const std::string& name, const std::string& quantity) {
    long position = 0;
    while (position < m_listMaterials->GetItemCount() && cp932::CompareNames(RowTexts(position).first, name) < 0)
        ++position;
    const long row = m_listMaterials->InsertItem(position, cp932::ToWx(name));
    if (row < 0) return false;
    m_listMaterials->SetItem(row, 1, cp932::ToWx(quantity));
    m_listMaterials->SetItemData(row, static_cast<long>(m_rowTexts.size()));
    m_rowTexts.emplace_back(name, quantity);
    return true;
}

const std::pair<std::string, std::string>& CCocktailDialog::RowTexts(long row) const {
    return m_rowTexts.at(static_cast<std::size_t>(m_listMaterials->GetItemData(row)));
}

long CCocktailDialog::FindRow(const std::string& name) const {
    for (long row = 0; row < m_listMaterials->GetItemCount(); ++row) {
        if (cp932::CompareNames(RowTexts(row).first, name) == 0) return row;
    }
    return -1;
}
