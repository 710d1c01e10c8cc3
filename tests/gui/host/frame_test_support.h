// A main frame over a real document and the recording test plug-in, in a scratch program
// directory, with the desktop seams replaced by recorders.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <wx/app.h>
#include <wx/testing.h>

#include "folivex_doc.h"
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
        EXPECT_EQ(dialog->GetCaption(), "Folivex");
        EXPECT_TRUE(dialog->GetMessageDialogStyle() & wxICON_ERROR);
        return m_answer;
    }

private:
    wxString m_text;
    int m_answer;
};

// What the host would have opened, started or chosen; `succeed` is what opening and
// starting answer.
struct RecordedShell {
    std::vector<wxString> opened, folderTitles;
    std::vector<std::vector<wxString>> started;
    std::vector<shell::FileChoice> fileChoices;
    bool succeed = true;
    std::optional<wxString> folder;
    std::optional<shell::ChosenFile> file;

    RecordedShell() {
        shell::Current() = shell::Seams{
            [this](const wxString& path) { return opened.push_back(path), succeed; },
            [this](const std::vector<wxString>& argv) { return started.push_back(argv), succeed; },
            [this](wxWindow*, const wxString& title) { return folderTitles.push_back(title), folder; },
            [this](const shell::FileChoice& choice) { return fileChoices.push_back(choice), file; },
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
        for (const char* name : kPluginEntryNames)
            unsetenv(recording_plugin::ResultVariable(name).c_str());
        std::filesystem::remove_all(dir);
    }

    static void SetResult(const char* entry, const char* result) {
        setenv(recording_plugin::ResultVariable(entry).c_str(), result, 1);
    }

    // A menu or tool-bar command as the frame receives it, by the host's command number.
    void Command(int command) {
        wxCommandEvent event(wxEVT_MENU, CommandWindowId(command));
        frame->GetEventHandler()->ProcessEvent(event);
    }

    std::string LogPath() const { return (dir / "calls.log").string(); }
    // The entry points called since set-up, by name.
    std::vector<std::string> Calls() const {
        std::vector<std::string> names;
        std::istringstream log(Contents(LogPath()));
        for (std::string line; std::getline(log, line);)
            names.push_back(line.substr(0, line.find('\t')));
        return names;
    }
    static std::string Contents(const std::filesystem::path& path) {
        std::ostringstream bytes;
        bytes << std::ifstream(path, std::ios::binary).rdbuf();
        return bytes.str();
    }
    std::string SettingsFile() const { return Contents(dir / "Folivex.ini"); }
    // A directory in the settings file's place makes every write fail.
    void MakeSettingsUnwritable() const { std::filesystem::create_directory(dir / "Folivex.ini"); }

    std::filesystem::path dir;
    std::unique_ptr<CFolivexDoc> doc;
    CMainFrame* frame = nullptr;
    RecordedShell shell;
};

}  // namespace frame_test
