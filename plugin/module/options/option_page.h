// What the pages of the plug-in's option sheet share: the page size and font, text fields
// bound to the members they edit, and warnings owned by the page.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include <wx/panel.h>

#include "dialog_layout.h"
#include "setting_text.h"

class wxTextCtrl;

// Barvella.ini is read back through a 256-byte buffer, so a longer value would come back cut.
inline constexpr std::size_t kProfileValueBytes = 255;

struct DialogRect {
    int x, y, width, height;
};

class COptionPage : public wxPanel {
public:
    explicit COptionPage(wxWindow* parent);

    // Shows the members in the text fields.
    bool TransferDataToWindow() override;
    // Takes the text fields into their members, refusing what a setting cannot hold.
    bool TransferDataFromWindow() override;

protected:
    // A single-line field at `rect`, labelled on its left from `labelX` on.
    wxTextCtrl* AddField(int id, std::string& member, const char* label, std::size_t maxBytes, DialogRect rect,
                         int labelX = 5);
    // A field the page placed itself.
    wxTextCtrl* BindField(wxTextCtrl* edit, std::string& member, SettingField field);

    // These values go into HTML attributes, which a quote or an apostrophe would end early.
    bool RefuseQuotes(std::initializer_list<wxTextCtrl*> edits);

    // A warning owned by the page: caption "Barvella", the exclamation icon.
    void Warn(const wxString& text);

    const DialogLayout& Controls() const { return m_layout; }

private:
    struct BoundField {
        wxTextCtrl* edit;
        std::string* member;
        SettingField field;
    };

    DialogLayout m_layout;
    std::vector<BoundField> m_fields;
};
