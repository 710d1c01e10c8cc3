// Shared by the host's GUI tests: host message-box expectations; a fixture with a document,
// copies of the test plug-ins in a scratch program directory and the windows a test asks
// for; and one with the real main frame whose desktop seams only record.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <wx/frame.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "folivex_doc.h"
#include "folivex_view.h"
#include "main_frame.h"
#include "recording_plugin_control.h"
#include "shell_seams.h"

// A host message box: exactly `utf8Text`, caption "Folivex", the error icon, `buttons`, no parent.
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

    // A frame with a status bar around a `View` over the document, shown.
    template <class View = CFolivexView>
    View* CreateWindows() {
        frame = new wxFrame(nullptr, wxID_ANY, "test", wxDefaultPosition, wxSize(600, 400));
        frame->CreateStatusBar();
        View* created = new View(frame, doc.get());
        view = created;
        frame->SendSizeEvent();
        frame->Show();
        return created;
    }
    // The windows go before the document, as at shut-down.
    void DestroyWindows();
    // The recording plug-in, which fills the list with five columns and four rows.
    void LoadRecording();

    std::string InProgramDirectory(const std::string& name) const;
    void SetResult(const char* entryName, const char* value) const;
    // Every call the test plug-ins logged since the last ClearLog, whole or by entry name.
    std::vector<std::string> Calls() const;
    std::vector<std::string> CallNames() const;
    void ClearLog() const;
    // True while the library `name` of the program directory is mapped into the process.
    bool IsMapped(const char* name) const;
    std::string StatusText() const;
    std::string SettingsFile() const;

    std::string programDirectory;
    std::unique_ptr<CFolivexDoc> doc;
    wxFrame* frame = nullptr;
    CFolivexView* view = nullptr;
};

// What the host would have opened, started or chosen; `succeed` is what opening and
// starting answer.
struct RecordedShell {
    RecordedShell();
    ~RecordedShell();

    std::vector<wxString> opened, folderTitles;
    std::vector<std::vector<wxString>> started;
    std::vector<shell::FileChoice> fileChoices;
    bool succeed = true;
    std::optional<wxString> folder;
    std::optional<shell::ChosenFile> file;
};

// The real main frame with the recording plug-in loaded.
class HostFrameTest : public HostTest {
protected:
    void SetUp() override;
    // A menu or tool-bar command as the frame receives it, by the host's command number.
    void Command(int command);
    // A directory in the settings file's place makes every write fail.
    void MakeSettingsUnwritable() const;

    CMainFrame* mainFrame = nullptr;
    RecordedShell shell;
};

inline wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }
