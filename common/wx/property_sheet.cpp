#include "property_sheet.h"

#include <wx/bookctrl.h>

#include "utf8_text.h"

DialogLayout PropertyPageLayout(wxWindow* page) {
    DialogLayout layout(page);
    page->SetMinSize(layout.Size(210, 154));
    return layout;
}

CheckedPropertySheet::CheckedPropertySheet(wxWindow* parent, const wxString& caption) {
    Create(parent, wxID_ANY, caption);
    SetFont(DialogFont());
    CreateButtons(wxOK | wxCANCEL);
    if (wxWindow* cancel = FindWindow(wxID_CANCEL)) cancel->SetLabel(U("キャンセル"));

    Bind(wxEVT_BOOKCTRL_PAGE_CHANGING, &CheckedPropertySheet::OnPageChanging, this);
    Bind(wxEVT_BUTTON, &CheckedPropertySheet::OnOK, this, wxID_OK);
}

void CheckedPropertySheet::AddPage(wxWindow* page, const char* utf8Caption) {
    GetBookCtrl()->AddPage(page, U(utf8Caption), GetBookCtrl()->GetPageCount() == 0);
}

bool CheckedPropertySheet::TransferDataToWindow() {
    for (std::size_t i = 0; i < GetBookCtrl()->GetPageCount(); ++i) {
        if (!GetBookCtrl()->GetPage(i)->TransferDataToWindow()) return false;
    }
    return true;
}

bool CheckedPropertySheet::LeaveCurrentPage() {
    wxWindow* page = GetBookCtrl()->GetCurrentPage();
    return !page || page->TransferDataFromWindow();
}

void CheckedPropertySheet::OnPageChanging(wxBookCtrlEvent& event) {
    if (event.GetEventObject() != GetBookCtrl()) return;
    const int leaving = event.GetOldSelection();
    if (leaving == wxNOT_FOUND || GetBookCtrl()->GetPage(leaving)->TransferDataFromWindow()) return;
    event.Veto();
    // GTK switches a page set by the program even when the change is vetoed; putting the
    // refused page back once the switch is over keeps the sheet where the user must act.
    CallAfter([this, leaving] { GetBookCtrl()->ChangeSelection(leaving); });
}

void CheckedPropertySheet::OnOK(wxCommandEvent&) {
    if (LeaveCurrentPage()) EndDialog(wxID_OK);
}
