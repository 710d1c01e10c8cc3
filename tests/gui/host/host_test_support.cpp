#include "host_test_support.h"

#include <dlfcn.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <wx/app.h>
#include <wx/statusbr.h>

namespace fs = std::filesystem;
using namespace recording_plugin;

ExpectHostMessage::ExpectHostMessage(const char* utf8Text, long buttons, int answer)
    : m_text(U(utf8Text)), m_buttons(buttons), m_answer(answer) {}

int ExpectHostMessage::OnInvoked(wxMessageDialog* dialog) const {
    const std::string text = m_text.utf8_string();
    EXPECT_EQ(dialog->GetMessage().utf8_string(), text);
    EXPECT_EQ(dialog->GetCaption().utf8_string(), "Folivex") << text;
    const long style = dialog->GetMessageDialogStyle();
    EXPECT_EQ(style & wxICON_MASK, wxICON_ERROR) << text;
    EXPECT_EQ(style & (wxOK | wxCANCEL | wxYES_NO), m_buttons) << text;
    EXPECT_EQ(dialog->GetParent(), nullptr) << text;
    return m_answer;
}

wxString ExpectHostMessage::GetDefaultDescription() const { return "host message \"" + m_text + "\""; }

void HostTest::SetUp() {
    char pattern[] = "/tmp/folivex-host-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    programDirectory = pattern;
    const char* built = std::getenv("FOLIVEX_PROGRAM_DIR");
    ASSERT_NE(built, nullptr) << "FOLIVEX_PROGRAM_DIR names the build's program directory";
    for (const char* name : {kRecordingPlugin, "PartialPlugin.so", "EmptyPlugin.so", "NotAPlugin.so"}) {
        fs::copy_file(fs::path(built) / name, InProgramDirectory(name));
    }
    ::setenv(kLogVariable, InProgramDirectory("calls.log").c_str(), 1);
    ::setenv(kFillVariable, "1", 1);
    for (const char* entry : kPluginEntryNames) {
        ::unsetenv(ResultVariable(entry).c_str());
    }
    doc = std::make_unique<CFolivexDoc>("/start/directory");
    doc->programDirectory = programDirectory;
}

void HostTest::TearDown() {
    DestroyWindows();
    doc.reset();
    std::error_code ignored;
    fs::remove_all(programDirectory, ignored);
}

void HostTest::DestroyWindows() {
    if (frame != nullptr) {
        frame->Destroy();
        wxTheApp->ProcessIdle();
        frame = nullptr;
        view = nullptr;
    }
}

void HostTest::LoadRecording() {
    doc->PluginName = kRecordingPlugin;
    ASSERT_EQ(doc->LoadPlugin(), 1);
    ClearLog();
}

std::string HostTest::InProgramDirectory(const std::string& name) const { return programDirectory + "/" + name; }

void HostTest::SetResult(const char* entryName, const char* value) const {
    ::setenv(ResultVariable(entryName).c_str(), value, 1);
}

std::vector<std::string> HostTest::Calls() const {
    std::vector<std::string> lines;
    std::ifstream file(InProgramDirectory("calls.log"));
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> HostTest::CallNames() const {
    std::vector<std::string> names;
    for (const std::string& line : Calls()) {
        names.push_back(line.substr(0, line.find('\t')));
    }
    return names;
}

void HostTest::ClearLog() const {
    std::error_code ignored;
    fs::remove(InProgramDirectory("calls.log"), ignored);
}

bool HostTest::IsMapped(const char* name) const {
    void* handle = ::dlopen(InProgramDirectory(name).c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle != nullptr) {
        ::dlclose(handle);
    }
    return handle != nullptr;
}

std::string HostTest::StatusText() const { return frame->GetStatusBar()->GetStatusText(0).utf8_string(); }

std::string HostTest::SettingsFile() const {
    std::ostringstream bytes;
    bytes << std::ifstream(InProgramDirectory("Folivex.ini"), std::ios::binary).rdbuf();
    return bytes.str();
}

RecordedShell::RecordedShell() {
    shell::Current() = shell::Seams{
        [this](const wxString& path) { return opened.push_back(path), succeed; },
        [this](const std::vector<wxString>& argv) { return started.push_back(argv), succeed; },
        [this](wxWindow*, const wxString& title) { return folderTitles.push_back(title), folder; },
        [this](const shell::FileChoice& choice) { return fileChoices.push_back(choice), file; },
    };
}

RecordedShell::~RecordedShell() { shell::Current() = shell::DesktopSeams(); }

void HostFrameTest::SetUp() {
    HostTest::SetUp();
    mainFrame = new CMainFrame(doc.get());
    frame = mainFrame;
    view = mainFrame->GetView();
    LoadRecording();
}

void HostFrameTest::Command(int command) {
    wxCommandEvent event(wxEVT_MENU, CommandWindowId(command));
    frame->GetEventHandler()->ProcessEvent(event);
}

void HostFrameTest::MakeSettingsUnwritable() const { fs::create_directory(InProgramDirectory("Folivex.ini")); }
