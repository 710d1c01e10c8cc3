#include "plugin_messages.h"

#include <cstdio>

#include <wx/app.h>
#include <wx/msgdlg.h>

#include "cp932_wx.h"
#include "utf8_text.h"

wxWindow* PluginMainWindow() {
    return wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
}

int ShowPluginMessage(const wxString& text, long style, wxWindow* owner) {
    wxMessageDialog dialog(owner, text, U("Barvella"), style);
    return dialog.ShowModal();
}

void ShowPluginNotice(const std::string& text) {
    ShowPluginMessage(cp932::ToWx(text), wxOK | wxICON_INFORMATION);
}

void ReportFailure(const std::string& why) {
    std::fprintf(stderr, "Barvella: %s\n", why.c_str());
}
