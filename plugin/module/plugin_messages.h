// Message boxes of the plug-in's entry points: caption "Barvella", owned by the host's main
// window (the plug-in has no window of its own).
#pragma once

#include <string>

#include <wx/string.h>

// `style` takes the wxMessageDialog flags (wxOK, wxOK | wxCANCEL, wxICON_...).
// Answers the dialog's result: wxID_OK, wxID_CANCEL, wxID_YES or wxID_NO.
int ShowPluginMessage(const wxString& text, long style);

// An information notice whose text comes from the core as CP932.
void ShowPluginNotice(const std::string& text);
