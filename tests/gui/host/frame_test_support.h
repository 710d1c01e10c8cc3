// The real main frame over the recording test plug-in, with the desktop seams replaced by
// recorders.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>

#include <wx/app.h>

#include "host_test_support.h"
#include "main_frame.h"
#include "recording_plugin_control.h"
#include "shell_seams.h"

namespace frame_test {

inline wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }

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

class HostFrameTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        // A second name for the library, so a change of letter case has something to load.
        std::filesystem::copy_file(InProgramDirectory(recording_plugin::kRecordingPlugin),
                                   InProgramDirectory("recordingPlugin.so"));
        setenv(recording_plugin::kFillVariable, "1", 1);
        mainFrame = new CMainFrame(doc.get());
        frame = mainFrame;
        view = mainFrame->GetView();
        doc->PluginName = recording_plugin::kRecordingPlugin;
        doc->LoadPlugin();
        ClearLog();
    }

    // A menu or tool-bar command as the frame receives it, by the host's command number.
    void Command(int command) {
        wxCommandEvent event(wxEVT_MENU, CommandWindowId(command));
        frame->GetEventHandler()->ProcessEvent(event);
    }

    // The entry points called since set-up, by name.
    std::vector<std::string> CallNames() const {
        std::vector<std::string> names;
        for (const std::string& line : Calls())
            names.push_back(line.substr(0, line.find('\t')));
        return names;
    }
    std::string SettingsFile() const {
        std::ostringstream bytes;
        bytes << std::ifstream(InProgramDirectory("Folivex.ini"), std::ios::binary).rdbuf();
        return bytes.str();
    }
    // A directory in the settings file's place makes every write fail.
    void MakeSettingsUnwritable() const { std::filesystem::create_directory(InProgramDirectory("Folivex.ini")); }

    CMainFrame* mainFrame = nullptr;
    RecordedShell shell;
};

}  // namespace frame_test
