// Option sheets driven by a test in place of the user.
#pragma once

#include <functional>
#include <utility>

#include <wx/testing.h>

#include "property_sheet.h"

// The sheet's modal run, replaced by `user`, which answers what the sheet would end with.
// The sheet is shown with its controls filled, as the modal run would show it.
template <class Sheet>
class ExpectSheet : public wxExpectModalBase<Sheet, ExpectSheet<Sheet>> {
public:
    explicit ExpectSheet(std::function<int(Sheet&)> user) : m_user(std::move(user)) {}

protected:
    int OnInvoked(Sheet* sheet) const override {
        sheet->TransferDataToWindow();
        sheet->Show();
        return m_user(*sheet);
    }

private:
    std::function<int(Sheet&)> m_user;
};

// What pressing OK would return.
inline int PressOK(CheckedPropertySheet& sheet) {
    return sheet.LeaveCurrentPage() ? wxID_OK : wxID_NONE;
}

inline void Press(wxWindow* page, int button) {
    wxCommandEvent event(wxEVT_BUTTON, button);
    page->GetEventHandler()->ProcessEvent(event);
}
