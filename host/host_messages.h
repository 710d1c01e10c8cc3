// Every message box of the host goes through here: caption "Folivex", the error icon and no
// owner window.
#pragma once

#include <wx/string.h>

void ShowHostError(const wxString& text);

// OK and Cancel; true on OK.
bool AskHostOkCancel(const wxString& text);
