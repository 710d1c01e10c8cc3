// A main frame over a real document and the recording test plug-in, in a scratch program
// directory, with the desktop seams replaced by recorders.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/testing.h>

#include "folivex_doc.h"
#include "folivex_view.h"
#include "main_frame.h"
#include "recording_plugin_control.h"
#include "shell_seams.h"

namespace frame_test {

inline wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }

// One host message box: caption "Folivex", the error icon and exactly `text`.
class ExpectHostMessage : public wxExpectModalBase<wxMessageDialog, ExpectHostMessage> {
public:
    explicit ExpectHostMessage(const char* text, int answer = wxID_OK) : m_text(U(text)), m_answer(answer) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override {
        EXPECT_EQ(dialog->GetMessage().utf8_string(), m_text.utf8_string());
        EXPECT_EQ(dialog->GetCaption().utf8_string(), "Folivex");
        EXPECT_TRUE(dialog->GetMessageDialogStyle() & wxICON_ERROR);
        return m_answer;
    }
    wxString GetDefaultDescription() const override { return "host message \"" + m_text + "\""; }

private:
    wxString m_text;
    int m_answer;
};

// What the host would have opened, started or chosen.
struct RecordedShell {
    std::vector<wxString> opened;
    std::vector<std::vector<wxString>> started;
    std::vector<shell::FileChoice> fileChoices;
    std::vector<wxString> folderTitles;
    bool succeed = true;
    std::optional<wxString> folder;
    std::optional<shell::ChosenFile> file;

    RecordedShell() {
        shell::Current() = shell::Seams{
            [this](const wxString& path) { opened.push_back(path); return succeed; },
            [this](const std::vector<wxString>& argv) { started.push_back(argv); return succeed; },
            [this](wxWindow*, const wxString& title) { folderTitles.push_back(title); return folder; },
            [this](const shell::FileChoice& choice) { fileChoices.push_back(choice); return file; },
        };
    }
    ~RecordedShell() { shell::Current() = shell::DesktopSeams(); }
};

class HostFrameTest : public testing::Test {
protected:
    void SetUp() override {
        const char* built = std::getenv("FOLIVEX_PROGRAM_DIR");
        ASSERT_NE(built, nullptr) << "run through ctest";
        dir = std::filesystem::temp_directory_path() /
              ("hostframe-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        // Two names for one library, so a change of letter case has something to load.
        for (const char* name : {"RecordingPlugin.so", "recordingPlugin.so"})
            std::filesystem::copy_file(std::filesystem::path(built) / recording_plugin::kRecordingPlugin, dir / name);
        ClearResults();
        setenv(recording_plugin::kLogVariable, LogPath().c_str(), 1);
        setenv(recording_plugin::kFillVariable, "1", 1);

        doc = std::make_unique<CFolivexDoc>(dir.string());
        doc->programDirectory = dir.string();
        frame = new CMainFrame(doc.get());
        doc->PluginName = "RecordingPlugin.so";
        doc->LoadPlugin();
        std::filesystem::remove(LogPath());
    }

    void TearDown() override {
        if (frame)
            frame->Destroy();
        wxTheApp->ProcessIdle();
        doc.reset();
        ClearResults();
        unsetenv(recording_plugin::kLogVariable);
        unsetenv(recording_plugin::kFillVariable);
        std::filesystem::remove_all(dir);
    }

    static void ClearResults() {
        for (const char* name : kPluginEntryNames)
            unsetenv(recording_plugin::ResultVariable(name).c_str());
    }
    static void SetResult(const char* entry, const char* result) {
        setenv(recording_plugin::ResultVariable(entry).c_str(), result, 1);
    }

    // The frame's way in for a menu or tool-bar command, by the host's command number.
    void Command(int command) {
        wxCommandEvent event(wxEVT_MENU, CommandWindowId(command));
        event.SetEventObject(frame);
        frame->GetEventHandler()->ProcessEvent(event);
    }

    std::string LogPath() const { return (dir / "calls.log").string(); }
    std::vector<std::string> Calls() const {
        std::vector<std::string> names;
        std::ifstream log(LogPath());
        for (std::string line; std::getline(log, line);)
            names.push_back(line.substr(0, line.find('\t')));
        return names;
    }
    std::string SettingsFile() const {
        std::ifstream file(dir / "Folivex.ini", std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }
    // A directory in the settings file's place makes every write fail.
    void MakeSettingsUnwritable() const { std::filesystem::create_directory(dir / "Folivex.ini"); }

    std::filesystem::path dir;
    std::unique_ptr<CFolivexDoc> doc;
    CMainFrame* frame = nullptr;
    RecordedShell shell;
};

}  // namespace frame_test
