#include "property_sheet.h"

#include <wx/listbook.h>

#include "utf8_text.h"

DialogLayout PropertyPageLayout(wxWindow* page) {
    DialogLayout layout(page);
    page->SetMinSize(layout.Size(210, 154));
    return layout;
}

CheckedPropertySheet::CheckedPropertySheet(wxWindow* parent, const wxString& caption) {
    // The pages are listed beside them rather than on tabs: GTK hides the tabs that do not fit
    // the sheet's width behind scroll arrows, where a user never finds them.
    SetSheetStyle(wxPROPSHEET_LISTBOOK);
    Create(parent, wxID_ANY, caption);
    SetFont(DialogFont());
    CreateButtons(wxOK | wxCANCEL | wxAPPLY);
    if (wxWindow* cancel = FindWindow(wxID_CANCEL)) cancel->SetLabel(U("キャンセル"));
    // Shown as every property sheet shows it; the pages take effect only on OK, so it never
    // has anything to apply.
    if (wxWindow* apply = FindWindow(wxID_APPLY)) {
        apply->SetLabel(U("適用(&A)"));
        apply->Disable();
    }

    Bind(wxEVT_LISTBOOK_PAGE_CHANGING, &CheckedPropertySheet::OnPageChanging, this);
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
    if (leaving != wxNOT_FOUND && !GetBookCtrl()->GetPage(leaving)->TransferDataFromWindow()) event.Veto();
}

void CheckedPropertySheet::OnOK(wxCommandEvent&) {
    if (LeaveCurrentPage()) EndDialog(wxID_OK);
}
