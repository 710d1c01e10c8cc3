// Shared by the plug-in's GUI tests.
#pragma once

#include <gtest/gtest.h>

#include <wx/msgdlg.h>
#include <wx/testing.h>

// A message box of the plug-in: exactly `utf8Text`, caption "Barvella", `icon`, owned by `owner`.
class ExpectPluginMessage : public wxExpectModalBase<wxMessageDialog, ExpectPluginMessage> {
public:
    ExpectPluginMessage(const char* utf8Text, long icon, wxWindow* owner)
        : m_text(wxString::FromUTF8(utf8Text)), m_icon(icon), m_owner(owner) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override {
        EXPECT_EQ(dialog->GetMessage(), m_text);
        EXPECT_EQ(dialog->GetCaption(), "Barvella");
        EXPECT_EQ(dialog->GetMessageDialogStyle() & (wxICON_MASK | wxCANCEL), m_icon) << m_text;
        EXPECT_EQ(dialog->GetParent(), m_owner) << m_text;
        return wxID_OK;
    }
    wxString GetDefaultDescription() const override { return m_text; }

private:
    wxString m_text;
    long m_icon;
    wxWindow* m_owner;
};
