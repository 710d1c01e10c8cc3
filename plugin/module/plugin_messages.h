// Message boxes of the plug-in: caption "Barvella". A box raised in a dialog or page is owned
// by it; a box of an entry point by the host's main window (the plug-in has none of its own).
#pragma once

#include <string>

#include <wx/string.h>

class wxWindow;

// The host's main window, or null when the host has none.
wxWindow* PluginMainWindow();

// `style` takes the wxMessageDialog flags (wxOK, wxOK | wxCANCEL, wxICON_...).
// Answers the dialog's result: wxID_OK, wxID_CANCEL, wxID_YES or wxID_NO.
int ShowPluginMessage(const wxString& text, long style, wxWindow* owner = PluginMainWindow());

// An information notice whose text comes from the core as CP932.
void ShowPluginNotice(const std::string& text);

// Why a run or a database change failed, on standard error, for whoever started the host
// from a terminal; the host's message box says only that it failed.
void ReportFailure(const std::string& why);
