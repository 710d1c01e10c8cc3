// The message boxes of the host and of the plug-in as the GUI and end-to-end tests expect them.
#pragma once

#include <gtest/gtest.h>

#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "utf8_text.h"

// A box with exactly this caption, text, icon and owner (and buttons, unless 0), answered with `answer`.
struct ExpectMessageBox : wxExpectModalBase<wxMessageDialog, ExpectMessageBox> {
    ExpectMessageBox(const char* caption, const char* text, wxWindow* owner, long icon, long buttons, int answer)
        : caption(caption), text(U(text)), owner(owner), icon(icon), buttons(buttons), answer(answer) {}

    int OnInvoked(wxMessageDialog* dialog) const override {
        const long style = dialog->GetMessageDialogStyle();
        EXPECT_EQ(dialog->GetMessage(), text);
        EXPECT_EQ(dialog->GetCaption(), caption) << text;
        EXPECT_EQ(style & wxICON_MASK, icon) << text;
        EXPECT_TRUE(buttons == 0 || (style & (wxOK | wxCANCEL | wxYES_NO)) == buttons) << text;
        EXPECT_EQ(dialog->GetParent(), owner) << text;
        return answer;
    }
    wxString GetDefaultDescription() const override { return text; }

    wxString caption, text;
    wxWindow* owner;
    long icon, buttons;
    int answer;
};

// The plug-in's boxes: captioned "Barvella", owned by the window on top.
inline ExpectMessageBox ExpectPluginMessage(const char* text, wxWindow* owner, long icon = wxICON_EXCLAMATION,
                                            int answer = wxID_OK) {
    return {"Barvella", text, owner, icon, 0, answer};
}

// The host's boxes: captioned "Folivex", with the error icon and no owner.
inline ExpectMessageBox ExpectHostMessage(const char* text, long buttons = wxOK, int answer = wxID_OK) {
    return {"Folivex", text, nullptr, wxICON_ERROR, buttons, answer};
}
