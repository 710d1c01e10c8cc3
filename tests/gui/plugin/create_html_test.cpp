#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>
#include <vector>

#include <SQLiteCpp/Database.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/gauge.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/testing.h>

#include "../../e2e/barvella_session.h"
#include "core/schema.h"

namespace {

wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }

class ExpectOverwriteQuestion : public wxExpectModalBase<wxMessageDialog, ExpectOverwriteQuestion> {
public:
    explicit ExpectOverwriteQuestion(int answer) : m_answer(answer) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override {
        EXPECT_EQ(dialog->GetMessage(), U("ファイルは上書きされます。続行しますか？"));
        EXPECT_EQ(dialog->GetCaption(), "Barvella");
        const long style = dialog->GetMessageDialogStyle();
        EXPECT_TRUE(style & wxICON_QUESTION);
        EXPECT_TRUE((style & wxOK) && (style & wxCANCEL));
        return m_answer;
    }
    wxString GetDefaultDescription() const override { return "the overwrite question"; }

private:
    int m_answer;
};

// What the progress window showed each time it was painted during a run.
struct Snapshot {
    wxString status;
    int position;
    int range;
    bool mainWindowEnabled;
    long style;
};

class ProgressWatcher : public wxEventFilter {
public:
    explicit ProgressWatcher(wxWindow* main) : m_main(main) { wxEvtHandler::AddFilter(this); }
    ~ProgressWatcher() override { wxEvtHandler::RemoveFilter(this); }

    int FilterEvent(wxEvent& event) override {
        auto* window = wxDynamicCast(event.GetEventObject(), wxWindow);
        if (event.GetEventType() != wxEVT_PAINT || !window) return Event_Skip;
        wxWindow* top = wxGetTopLevelParent(window);
        if (!top || top == m_main || top->GetLabel() != U("HTML生成")) return Event_Skip;
        Snapshot shot{{}, -1, -1, m_main->IsEnabled(), top->GetWindowStyleFlag()};
        for (wxWindow* child : top->GetChildren()) {
            if (auto* gauge = wxDynamicCast(child, wxGauge)) {
                shot.position = gauge->GetValue();
                shot.range = gauge->GetRange();
            } else if (auto* text = wxDynamicCast(child, wxStaticText); text && text->GetId() != wxID_STATIC) {
                shot.status = text->GetLabel();
            }
        }
        shots.push_back(shot);
        return Event_Skip;
    }

    std::vector<Snapshot> shots;

private:
    wxWindow* m_main;
};

class CreateHtml : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(BarvellaSession::Get().Loaded()) << "Barvella.so in " << BarvellaSession::ProgramDirectory();
        std::random_device random;
        root = std::filesystem::temp_directory_path() / ("create-html-" + std::to_string(random()));
        std::filesystem::create_directories(root / "work");
        std::filesystem::create_directories(root / "out");
        std::unique_ptr<SQLite::Database> db;
        ASSERT_TRUE(CreateCocktailDatabase((root / "work" / "Barvella.mdb").string(), db));
        frame = new wxFrame(nullptr, wxID_ANY, "Folivex");
        wxTheApp->SetTopWindow(frame);
        frame->Show();
        ASSERT_EQ(BarvellaSession::Get().StartUp((root / "work").string()), PLUGIN_OK);
    }
    void TearDown() override {
        BarvellaSession::Get().CleanUp();
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    int Run(const std::string& out, int answer) {
        // The host calls from inside its event loop; the progress window paints through it.
        wxGUIEventLoop loop;
        wxEventLoopActivator active(&loop);
        int result = 0;
        wxTEST_DIALOG(result = BarvellaSession::Get().CreateHTML(out, "index.html"), ExpectOverwriteQuestion(answer));
        return result;
    }
    bool ProgressWindowOpen() const {
        for (wxWindow* window : wxTopLevelWindows)
            if (window->GetLabel() == U("HTML生成") && !window->IsBeingDeleted()) return true;
        return false;
    }

    std::filesystem::path root;
    wxFrame* frame = nullptr;
};

}  // namespace

TEST_F(CreateHtml, CancelOrFailureShowsNoProgressAndLeavesTheHostEnabled) {
    ProgressWatcher watcher(frame);
    EXPECT_EQ(Run((root / "out").string(), wxID_CANCEL), PLUGIN_CANCELLED);
    EXPECT_TRUE(std::filesystem::is_empty(root / "out"));
    EXPECT_TRUE(watcher.shots.empty());
    EXPECT_FALSE(ProgressWindowOpen());
    EXPECT_TRUE(frame->IsEnabled());

    EXPECT_EQ(Run((root / "missing" / "dir").string(), wxID_OK), PLUGIN_FAILED);
    EXPECT_TRUE(frame->IsEnabled());
    EXPECT_FALSE(ProgressWindowOpen());
}

TEST_F(CreateHtml, RunPaintsProgressWithTheHostDisabledThenEnablesIt) {
    ProgressWatcher watcher(frame);
    EXPECT_EQ(Run((root / "out").string(), wxID_OK), PLUGIN_OK);
    EXPECT_TRUE(frame->IsEnabled());
    EXPECT_FALSE(ProgressWindowOpen());
    EXPECT_TRUE(std::filesystem::exists(root / "out" / "index.html"));

    ASSERT_FALSE(watcher.shots.empty()) << "the progress window was never painted";
    for (const Snapshot& shot : watcher.shots) {
        EXPECT_FALSE(shot.mainWindowEnabled);
        EXPECT_EQ(shot.range, 90);
        EXPECT_FALSE(shot.style & (wxCLOSE_BOX | wxSYSTEM_MENU));
    }
    const Snapshot& last = watcher.shots.back();
    EXPECT_EQ(last.status, U("HTML生成を完了しました。"));
    EXPECT_EQ(last.position, 90);
    // It repainted while the run advanced, not only at the end.
    EXPECT_TRUE(std::any_of(watcher.shots.begin(), watcher.shots.end(),
                            [](const Snapshot& s) { return s.position > 0 && s.position < 90; }));
}
