// The plug-in's version box.
#pragma once

#include <wx/dialog.h>

class CPluginAboutDialog : public wxDialog {
public:
    CPluginAboutDialog();
};
