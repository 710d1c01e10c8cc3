// GoogleTest main for the GUI tests: wx is started only when tests will run (listing them
// needs no display), a wx assert fails the test, and a modal dialog that no wxTEST_DIALOG
// expected fails the test and ends at once instead of waiting for a user.
#include <gtest/gtest.h>

#include <cstdio>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/init.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>

namespace {

// Creates no window: each test builds the windows it needs.
class TestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

void FailOnAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
                  const wxString& message) {
    ADD_FAILURE_AT(file.utf8_str().data(), line)
        << "wx assert in " << function.utf8_string() << ": " << condition.utf8_string() << " " << message.utf8_string();
}

// Registered first, so any wxTEST_DIALOG hook is asked before it.
class UnexpectedDialogHook : public wxModalDialogHook {
protected:
    int Enter(wxDialog* dialog) override {
        wxString text = dialog->GetTitle();
        if (auto* message = dynamic_cast<wxMessageDialog*>(dialog))
            text = message->GetCaption() + ": " + message->GetMessage();
        ADD_FAILURE() << "unexpected modal dialog: " << text.utf8_string();
        return wxID_CANCEL;
    }
};

// Windows a test left behind are destroyed before the next test starts.
class LeftoverWindows : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override {
        for (wxWindow* window : wxTopLevelWindows) window->Destroy();
        wxTheApp->ProcessIdle();
    }
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "wxWidgets could not start (is there a display?)\n");
        return 1;
    }
    wxSetAssertHandler(FailOnAssert);
    UnexpectedDialogHook unexpectedDialogs;
    unexpectedDialogs.Register();
    testing::UnitTest::GetInstance()->listeners().Append(new LeftoverWindows);
    const int result = RUN_ALL_TESTS();
    unexpectedDialogs.Unregister();
    wxEntryCleanup();
    return result;
}
