// Dialogs and pages are laid out in dialog units of one font, as their templates give them.
#pragma once

#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxButton;
class wxCheckBox;
class wxStaticBox;
class wxOwnerDrawnComboBox;
class wxStaticText;
class wxTextCtrl;
class wxWindow;

// IPAPGothic 9 pt when installed (the metrics the rectangles were drawn for), else the
// default GUI font.
wxFont DialogFont();

// Places controls on `window` by dialog units of DialogFont, which it gives the window.
class DialogLayout {
public:
    explicit DialogLayout(wxWindow* window);

    wxPoint Position(int x, int y) const;
    wxSize Size(int width, int height) const;

    wxStaticText* Label(const char* utf8, int x, int y, int width, int height) const;
    wxTextCtrl* Edit(int id, int x, int y, int width, int height, long style = 0) const;
    wxButton* Button(int id, const char* utf8, int x, int y, int width, int height) const;
    wxCheckBox* CheckBox(int id, const char* utf8, int x, int y, int width, int height) const;
    // A frame with a caption drawn around controls placed on the same window.
    wxStaticBox* GroupBox(const char* utf8, int x, int y, int width, int height) const;
    // A template gives a combo box the height of its open list; closed it is as tall as a
    // one-line edit. The box is drawn by wx: a native one is taller than a template's row.
    // `style` may add wxCB_READONLY (a drop-down list) and wxCB_SORT.
    wxOwnerDrawnComboBox* ComboBox(int id, int x, int y, int width, long style = 0) const;

    wxWindow* Window() const { return m_window; }

private:
    wxWindow* m_window;
};
