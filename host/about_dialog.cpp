#include "about_dialog.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/fontenum.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "res/program_icon.h"

namespace {

// The dialog's rectangles are laid out in dialog units of this font.
wxFont DialogFont() {
    const wxString face = "IPAPGothic";
    if (wxFontEnumerator::IsValidFacename(face)) {
        return wxFont(wxFontInfo(9).FaceName(face));
    }
    return wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
}

}  // namespace

CAboutDialog::CAboutDialog(wxWindow* parent) : wxDialog(parent, wxID_ANY, wxString::FromUTF8("Folivex のﾊﾞｰｼﾞｮﾝ情報")) {
    SetFont(DialogFont());
    const auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
    const auto size = [this](int width, int height) { return ConvertDialogToPixels(wxSize(width, height)); };

    new wxStaticBitmap(this, wxID_ANY, ProgramIcon(), at(11, 17));
    new wxStaticText(this, wxID_ANY, "Folivex Version 0.9.1.2", at(40, 10), size(119, 8));
    new wxStaticText(this, wxID_ANY, "Copyright (C) 2026 Folivex developers", at(40, 25), size(119, 8));
    wxButton* ok = new wxButton(this, wxID_OK, "OK", at(178, 7), size(50, 14));
    ok->SetDefault();
    SetClientSize(size(235, 55));
    CentreOnParent();
}

void ShowAboutBox() {
    CAboutDialog dialog(wxTheApp->GetTopWindow());
    dialog.ShowModal();
}
