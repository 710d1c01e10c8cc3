// Option sheets whose pages check their fields when the user leaves them: the page's
// TransferDataFromWindow runs before another page shows and before OK closes the sheet, and a
// false answer keeps the page and the sheet open. The page shows its own message first.
#pragma once

#include <wx/propdlg.h>

#include "dialog_layout.h"

class wxBookCtrlEvent;

// Every page of an option sheet has the same size.
DialogLayout PropertyPageLayout(wxWindow* page);

class CheckedPropertySheet : public wxPropertySheetDialog {
public:
    // With OK and Cancel; the derived sheet adds its pages, then lays the sheet out.
    CheckedPropertySheet(wxWindow* parent, const wxString& caption);

    // Shows the members of every page, including pages not yet shown.
    bool TransferDataToWindow() override;

    // The leave check of the page on display; what OK runs before it ends the sheet.
    bool LeaveCurrentPage();

protected:
    // The first page added is the one the sheet opens on.
    void AddPage(wxWindow* page, const char* utf8Caption);

private:
    void OnPageChanging(wxBookCtrlEvent& event);
    void OnOK(wxCommandEvent& event);
};
