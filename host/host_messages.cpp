#include "host_messages.h"

#include <wx/msgdlg.h>

#include "utf8_text.h"

namespace {

// Without wxDIALOG_NO_PARENT the box would attach itself to the active window.
int ShowHostMessage(const wxString& text, long buttons) {
    wxMessageDialog dialog(nullptr, text, U("Folivex"), buttons | wxICON_ERROR | wxDIALOG_NO_PARENT);
    return dialog.ShowModal();
}

}  // namespace

void ShowHostError(const wxString& text) {
    ShowHostMessage(text, wxOK);
}

bool AskHostOkCancel(const wxString& text) {
    return ShowHostMessage(text, wxOK | wxCANCEL) == wxID_OK;
}
