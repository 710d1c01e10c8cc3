// Shared by the host's GUI tests: host message-box expectations and a fixture with a
// document, a frame with a status bar and the list view, and copies of the test plug-ins
// in a scratch program directory.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <wx/frame.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "folivex_doc.h"
#include "folivex_view.h"

// A host message box: exactly `utf8Text`, caption "Folivex", the error icon, `buttons`.
class ExpectHostMessage : public wxExpectModalBase<wxMessageDialog, ExpectHostMessage> {
public:
    explicit ExpectHostMessage(const char* utf8Text, long buttons = wxOK, int answer = wxID_OK);

protected:
    int OnInvoked(wxMessageDialog* dialog) const override;
    wxString GetDefaultDescription() const override;

private:
    wxString m_text;
    long m_buttons;
    int m_answer;
};

class HostTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A frame with a status bar, to hold the view.
    void CreateFrame();
    // The frame and a view over `doc` (or `ownView`, a child of `frame`), shown.
    void CreateWindows(CFolivexView* ownView = nullptr);
    // The frame and view go before the document, as at shut-down.
    void DestroyWindows();

    std::string InProgramDirectory(const std::string& name) const;
    void SetResult(const char* entryName, const char* value) const;
    // Every call the test plug-ins logged since the last ClearLog.
    std::vector<std::string> Calls() const;
    void ClearLog() const;
    // True while the library at `path` is mapped into the process.
    static bool IsMapped(const std::string& path);

    // Five columns and one row per text, without any plug-in.
    void FillRows(const std::vector<std::string>& firstColumn);
    wxString StatusText() const;

    std::string programDirectory;
    std::string logPath;
    std::unique_ptr<CFolivexDoc> doc;
    wxFrame* frame = nullptr;
    CFolivexView* view = nullptr;
};

// The CP932 form of a UTF-8 literal.
std::string Sjis(const char* utf8);
