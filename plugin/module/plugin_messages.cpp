#include "plugin_messages.h"

#include <cstdio>

#include <wx/app.h>
#include <wx/msgdlg.h>

#include "cp932_wx.h"

wxWindow* PluginMainWindow() {
    return wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
}

int ShowPluginMessage(const wxString& text, long style, wxWindow* owner) {
    wxMessageDialog dialog(owner, text, wxString::FromUTF8("Barvella"), style);
    return dialog.ShowModal();
}

void ShowPluginNotice(const std::string& text) {
    ShowPluginMessage(cp932::ToWx(text), wxOK | wxICON_INFORMATION);
}

void ReportFailure(const std::string& why) {
    std::fprintf(stderr, "Barvella: %s\n", why.c_str());
}
