#include "plugin_messages.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

#include "cp932_wx.h"

int ShowPluginMessage(const wxString& text, long style) {
    return ShowOwnedMessage(wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr, text, style);
}

int ShowOwnedMessage(wxWindow* owner, const wxString& text, long style) {
    wxMessageDialog dialog(owner, text, wxString::FromUTF8("Barvella"), style);
    return dialog.ShowModal();
}

void ShowPluginNotice(const std::string& text) {
    ShowPluginMessage(cp932::ToWx(text), wxOK | wxICON_INFORMATION);
}
