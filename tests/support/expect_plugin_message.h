// The plug-in's message boxes as the GUI and end-to-end tests expect them.
#pragma once

#include <gtest/gtest.h>

#include <wx/msgdlg.h>
#include <wx/testing.h>

inline wxString U(const char* utf8) {
    return wxString::FromUTF8(utf8);
}

// A box with caption "Barvella" and the given text, icon and owner, answered with `answer`.
class ExpectPluginMessage : public wxExpectModalBase<wxMessageDialog, ExpectPluginMessage> {
public:
    ExpectPluginMessage(const char* text, wxWindow* owner, long icon = wxICON_EXCLAMATION, int answer = wxID_OK)
        : m_text(U(text)), m_owner(owner), m_icon(icon), m_answer(answer) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override {
        EXPECT_EQ(dialog->GetMessage(), m_text);
        EXPECT_EQ(dialog->GetCaption(), "Barvella") << m_text;
        EXPECT_EQ(dialog->GetMessageDialogStyle() & wxICON_MASK, m_icon) << m_text;
        EXPECT_EQ(dialog->GetParent(), m_owner) << m_text;
        return m_answer;
    }
    wxString GetDefaultDescription() const override { return m_text; }

private:
    wxString m_text;
    wxWindow* m_owner;
    long m_icon;
    int m_answer;
};
