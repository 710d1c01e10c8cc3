#include "dialog_layout.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/fontenum.h>
#include <wx/odcombo.h>
#include <wx/settings.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "utf8_text.h"

wxFont DialogFont() {
    static const wxFont font = [] {
        const wxString face = "IPAPGothic";
        if (wxFontEnumerator::IsValidFacename(face)) return wxFont(wxFontInfo(9).FaceName(face));
        return wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    }();
    return font;
}

DialogLayout::DialogLayout(wxWindow* window) : m_window(window) {
    window->SetFont(DialogFont());
}

wxPoint DialogLayout::Position(int x, int y) const {
    return m_window->ConvertDialogToPixels(wxPoint(x, y));
}

wxSize DialogLayout::Size(int width, int height) const {
    return m_window->ConvertDialogToPixels(wxSize(width, height));
}

wxStaticText* DialogLayout::Label(const char* utf8, int x, int y, int width, int height) const {
    return new wxStaticText(m_window, wxID_ANY, U(utf8), Position(x, y), Size(width, height));
}

wxTextCtrl* DialogLayout::Edit(int id, int x, int y, int width, int height, long style) const {
    return new wxTextCtrl(m_window, id, wxEmptyString, Position(x, y), Size(width, height), style);
}

wxButton* DialogLayout::Button(int id, const char* utf8, int x, int y, int width, int height) const {
    return new wxButton(m_window, id, U(utf8), Position(x, y), Size(width, height));
}

// GTK draws its check mark taller than ten dialog units and refuses to squeeze it, and its
// mark and spacing take more room beside the label than the rectangles allow for.
wxCheckBox* DialogLayout::CheckBox(int id, const char* utf8, int x, int y, int width, int height) const {
    auto* box = new wxCheckBox(m_window, id, U(utf8), Position(x, y));
    wxSize size = Size(width, height);
    size.IncTo(box->GetBestSize());
    box->SetSize(size);
    return box;
}

wxStaticBox* DialogLayout::GroupBox(const char* utf8, int x, int y, int width, int height) const {
    return new wxStaticBox(m_window, wxID_ANY, U(utf8), Position(x, y), Size(width, height));
}

wxOwnerDrawnComboBox* DialogLayout::ComboBox(int id, int x, int y, int width, long style) const {
    auto* box = new wxOwnerDrawnComboBox(m_window, id, wxEmptyString, Position(x, y), Size(width, 15), 0, nullptr,
                                         style | wxCB_DROPDOWN);
    // The text part is placed on a size event, which a window not yet shown has not had.
    box->SendSizeEvent();
    return box;
}
