#include "plugin_about_dialog.h"

#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/statbmp.h>

#include "dialog_layout.h"
#include "res/cocktail_glass.xpm"
#include "utf8_text.h"

CPluginAboutDialog::CPluginAboutDialog() : wxDialog(nullptr, wxID_ANY, U("Barvella のﾊﾞｰｼﾞｮﾝ情報")) {
    const DialogLayout layout(this);
    new wxStaticBitmap(this, wxID_ANY, wxBitmap(cocktail_glass_xpm), layout.Position(11, 14));
    layout.Label("Barvella Version " BARVELLA_VERSION, 40, 10, 130, 8);
    layout.Label("Copyright (C) 2026 Barvella developers", 40, 25, 130, 8);
    layout.Button(wxID_OK, "OK", 178, 7, 50, 14)->SetDefault();
    SetClientSize(layout.Size(234, 55));
    CentreOnScreen();
}
