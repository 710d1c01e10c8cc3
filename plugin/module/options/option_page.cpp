#include "options/option_page.h"

#include <wx/textctrl.h>

#include "cp932_wx.h"
#include "plugin_messages.h"
#include "property_sheet.h"
#include "utf8_text.h"

COptionPage::COptionPage(wxWindow* parent) : wxPanel(parent, wxID_ANY), m_layout(PropertyPageLayout(this)) {}

bool COptionPage::TransferDataToWindow() {
    for (const BoundField& bound : m_fields) bound.edit->ChangeValue(cp932::ToWx(*bound.member));
    return true;
}

bool COptionPage::TransferDataFromWindow() {
    for (const BoundField& bound : m_fields) {
        wxString refusal;
        const std::optional<std::string> bytes =
            SettingBytes(bound.edit->GetValue(), *bound.member, bound.field, refusal);
        if (!bytes) {
            Warn(refusal);
            bound.edit->SetFocus();
            return false;
        }
        *bound.member = *bytes;
    }
    return true;
}

wxTextCtrl* COptionPage::AddField(int id, std::string& member, const char* label, std::size_t maxBytes, DialogRect rect,
                                  int labelX) {
    m_layout.Label(label, labelX, rect.y + 3, rect.x - labelX - 2, 8);
    wxTextCtrl* edit = m_layout.Edit(id, rect.x, rect.y, rect.width, rect.height);
    return BindField(edit, member, {U(label), maxBytes});
}

wxTextCtrl* COptionPage::BindField(wxTextCtrl* edit, std::string& member, SettingField field) {
    m_fields.push_back({edit, &member, std::move(field)});
    return edit;
}

bool COptionPage::RefuseQuotes(std::initializer_list<wxTextCtrl*> edits) {
    for (wxTextCtrl* edit : edits) {
        if (edit->GetValue().find_first_of("\"'") == wxString::npos) continue;
        // The message names only the double quote, though the apostrophe is refused too.
        Warn(U("\" は使用できません。"));
        edit->SetFocus();
        return false;
    }
    return true;
}

void COptionPage::Warn(const wxString& text) {
    ShowPluginMessage(text, wxOK | wxICON_EXCLAMATION, this);
}
