// Shared by the host's GUI tests: a fixture with a document that starts
// in a Japanese-named workspace, over copies of the test plug-ins in a scratch program directory;
// one with the real main frame, the recording plug-in loaded and desktop seams that only record.
#pragma once

#include <filesystem>
#include <fstream>

#include <wx/app.h>
#include <wx/testing.h>

#include "expect_message_box.h"
#include "folivex_view.h"
#include "main_frame.h"
#include "recording_plugin_control.h"
#include "shell_seams.h"
#include "test_support.h"

// The warning for a plug-in that lacks entry points.
inline constexpr const char* kIncomplete =
    "プラグインが正しくないか、いくつかの機能が実装されていません。\n"
    "処理中に予期せぬエラーが発生する可能性があります。";

struct HostTest : testing::Test {
    void SetUp() override {
        programDirectory = scratch.path;
        for (const char* name : {"RecordingPlugin.so", "PartialPlugin.so", "NotAPlugin.so"})
            std::filesystem::copy_file(std::string(FOLIVEX_TEST_PLUGIN_DIR "/") + name, scratch.File(name));
        ::setenv(recording_plugin::kLogVariable, scratch.File("calls.log").c_str(), 1);
        for (const char* entry : kPluginEntryNames) ::unsetenv(recording_plugin::ResultVariable(entry).c_str());
        std::filesystem::create_directory(startDirectory = scratch.File("作業 フォルダ"));
        doc = std::make_unique<CFolivexDoc>(startDirectory);
        doc->programDirectory = programDirectory;
    }
    // The windows go before the document, as at shut-down.
    void TearDown() override {
        if (frame != nullptr) frame->Destroy();
        wxTheApp->ProcessIdle();
        doc.reset();
    }

    // The recording plug-in, which fills the list with one column and four rows.
    void LoadRecording() {
        doc->PluginName = "RecordingPlugin.so";
        ASSERT_TRUE(doc->LoadPlugin());
        ClearLog();
    }
    // A menu, tool-bar, key or mouse command, from the view up to its frame.
    void Command(int id) {
        wxCommandEvent command(wxEVT_MENU, id);
        view->ProcessWindowEvent(command);
    }
    void SetResult(const char* entryName, const char* value) const {
        ::setenv(recording_plugin::ResultVariable(entryName).c_str(), value, 1);
    }
    // Every call the test plug-ins logged since the last ClearLog, whole or by entry name.
    std::vector<std::string> Calls(bool namesOnly = false) const {
        std::vector<std::string> lines;
        std::ifstream file(scratch.File("calls.log"));
        for (std::string line; std::getline(file, line);)
            lines.push_back(namesOnly ? line.substr(0, line.find('\t')) : line);
        return lines;
    }
    void ClearLog() const { std::filesystem::remove(scratch.File("calls.log")); }
    std::string StatusText() const { return frame->GetStatusBar()->GetStatusText(0).utf8_string(); }
    // The bytes of the program directory's settings file, or of the one at `path`.
    std::string SettingsFile(const std::string& path = "") const {
        return testsupport::ReadFile(path.empty() ? scratch.File("Folivex.ini") : path);
    }

    testsupport::TempDirectory scratch;
    std::string programDirectory, startDirectory;
    std::unique_ptr<CFolivexDoc> doc;
    wxFrame* frame = nullptr;
    CFolivexView* view = nullptr;
};

// What the host would have opened, started or chosen; `succeed` is what opening and starting answer.
struct RecordedShell {
    RecordedShell() {
        shell::Current() = shell::Seams{
            [this](const wxString& path) { return opened.push_back(path), succeed; },
            [this](const std::vector<wxString>& argv) { return started.push_back(argv), succeed; },
            [this](wxWindow*, const wxString&) { return folder; },
            [this](const shell::FileChoice& choice) { return fileChoices.push_back(choice), file; },
        };
    }
    ~RecordedShell() { shell::Current() = shell::DesktopSeams(); }

    std::vector<wxString> opened;
    std::vector<std::vector<wxString>> started;
    std::vector<shell::FileChoice> fileChoices;
    bool succeed = true;
    std::optional<wxString> folder;
    std::optional<shell::ChosenFile> file;
};

// The real main frame with the recording plug-in loaded.
struct HostFrameTest : HostTest {
    void SetUp() override {
        HostTest::SetUp();
        frame = new CMainFrame(doc.get());
        view = static_cast<CMainFrame*>(frame)->GetView();
        LoadRecording();
    }

    RecordedShell shell;
};
