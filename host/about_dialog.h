// The host's about box.
#pragma once

#include <wx/dialog.h>

class CAboutDialog : public wxDialog {
public:
    explicit CAboutDialog(wxWindow* parent);
};

// Shows the about box modally over the main window.
void ShowAboutBox();
