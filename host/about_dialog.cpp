#include "about_dialog.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/statbmp.h>

#include "dialog_layout.h"
#include "res/program_icon.h"
#include "utf8_text.h"

CAboutDialog::CAboutDialog(wxWindow* parent) : wxDialog(parent, wxID_ANY, U("Folivex のﾊﾞｰｼﾞｮﾝ情報")) {
    const DialogLayout layout(this);
    new wxStaticBitmap(this, wxID_ANY, ProgramIcon(), layout.Position(11, 17));
    layout.Label("Folivex Version " FOLIVEX_VERSION, 40, 10, 119, 8);
    layout.Label("Copyright (C) 2026 Folivex developers", 40, 25, 119, 8);
    layout.Button(wxID_OK, "OK", 178, 7, 50, 14)->SetDefault();
    SetClientSize(layout.Size(235, 55));
    CentreOnParent();
}

void ShowAboutBox() {
    CAboutDialog dialog(wxTheApp->GetTopWindow());
    dialog.ShowModal();
}
