// Message boxes of the plug-in: caption "Barvella". Boxes of an entry point are owned by the
// host's main window (the plug-in has no window of its own); boxes of a dialog by the dialog.
#pragma once

#include <string>

#include <wx/string.h>

class wxWindow;

// `style` takes the wxMessageDialog flags (wxOK, wxOK | wxCANCEL, wxICON_...).
// Answers the dialog's result: wxID_OK, wxID_CANCEL, wxID_YES or wxID_NO.
int ShowPluginMessage(const wxString& text, long style);
int ShowOwnedMessage(wxWindow* owner, const wxString& text, long style);

// An information notice whose text comes from the core as CP932.
void ShowPluginNotice(const std::string& text);
