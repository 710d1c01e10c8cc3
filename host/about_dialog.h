// The host's about box.
#pragma once

#include <wx/dialog.h>

class CAboutDialog : public wxDialog {
public:
    CAboutDialog(wxWindow* parent, const wxIcon& icon);
};

// Shows the about box modally, with the main window's icon.
void ShowAboutBox();
