// Dialogs and option sheets driven by a test in place of the user.
#pragma once

#include <functional>
#include <utility>

#include <wx/testing.h>

#include "property_sheet.h"

// The modal run, replaced by `user`, which answers what the closing button would. The window is
// shown meanwhile with its controls filled: only a shown window owns the boxes it raises.
template <class Dialog>
class UserAt : public wxExpectModalBase<Dialog, UserAt<Dialog>> {
public:
    explicit UserAt(std::function<int(Dialog&)> user) : m_user(std::move(user)) {}

protected:
    int OnInvoked(Dialog* dialog) const override {
        dialog->Show();
        const int answer = m_user(*dialog);
        dialog->Hide();
        return answer;
    }

private:
    std::function<int(Dialog&)> m_user;
};

// What pressing OK would return.
inline int PressOK(CheckedPropertySheet& sheet) {
    return sheet.LeaveCurrentPage() ? wxID_OK : wxID_NONE;
}

inline void Press(wxWindow* page, int button) {
    wxCommandEvent event(wxEVT_BUTTON, button);
    page->GetEventHandler()->ProcessEvent(event);
}
