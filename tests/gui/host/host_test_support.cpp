#include "host_test_support.h"

#include <dlfcn.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include <wx/app.h>
#include <wx/statusbr.h>

#include "cp932.h"
#include "recording_plugin_control.h"

namespace fs = std::filesystem;

std::string Sjis(const char* utf8) { return cp932::Literal(utf8); }

ExpectHostMessage::ExpectHostMessage(const char* utf8Text, long buttons, int answer)
    : m_text(wxString::FromUTF8(utf8Text)), m_buttons(buttons), m_answer(answer) {}

int ExpectHostMessage::OnInvoked(wxMessageDialog* dialog) const {
    EXPECT_EQ(dialog->GetMessage().utf8_string(), m_text.utf8_string());
    EXPECT_EQ(dialog->GetCaption().utf8_string(), "Folivex");
    const long style = dialog->GetMessageDialogStyle();
    EXPECT_EQ(style & wxICON_MASK, wxICON_ERROR) << m_text.utf8_string();
    EXPECT_EQ(style & (wxOK | wxCANCEL | wxYES_NO), m_buttons) << m_text.utf8_string();
    EXPECT_EQ(dialog->GetParent(), nullptr) << m_text.utf8_string();
    return m_answer;
}

wxString ExpectHostMessage::GetDefaultDescription() const { return "host message \"" + m_text + "\""; }

void HostTest::SetUp() {
    char pattern[] = "/tmp/folivex-host-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    programDirectory = pattern;
    const char* built = std::getenv("FOLIVEX_PROGRAM_DIR");
    ASSERT_NE(built, nullptr) << "FOLIVEX_PROGRAM_DIR names the build's program directory";
    for (const char* name : {recording_plugin::kRecordingPlugin, recording_plugin::kPartialPlugin,
                             recording_plugin::kEmptyPlugin, recording_plugin::kNotALibrary}) {
        fs::copy_file(fs::path(built) / name, fs::path(programDirectory) / name);
    }
    logPath = programDirectory + "/calls.log";
    ::setenv(recording_plugin::kLogVariable, logPath.c_str(), 1);
    ::unsetenv(recording_plugin::kFillVariable);
    for (const char* entry : kPluginEntryNames) {
        ::unsetenv(recording_plugin::ResultVariable(entry).c_str());
    }
    doc = std::make_unique<CFolivexDoc>("/start/directory");
    doc->programDirectory = programDirectory;
}

void HostTest::TearDown() {
    DestroyWindows();
    for (const char* entry : kPluginEntryNames) {
        ::unsetenv(recording_plugin::ResultVariable(entry).c_str());
    }
    doc.reset();
    ::unsetenv(recording_plugin::kLogVariable);
    std::error_code ignored;
    fs::remove_all(programDirectory, ignored);
}

void HostTest::CreateFrame() {
    frame = new wxFrame(nullptr, wxID_ANY, "test", wxDefaultPosition, wxSize(600, 400));
    frame->CreateStatusBar();
}

void HostTest::CreateWindows(CFolivexView* ownView) {
    if (frame == nullptr) {
        CreateFrame();
    }
    view = ownView != nullptr ? ownView : new CFolivexView(frame, doc.get());
    frame->SendSizeEvent();
    frame->Show();
}

void HostTest::DestroyWindows() {
    if (frame != nullptr) {
        frame->Destroy();
        wxTheApp->ProcessIdle();
        frame = nullptr;
        view = nullptr;
    }
}

std::string HostTest::InProgramDirectory(const std::string& name) const { return programDirectory + "/" + name; }

void HostTest::SetResult(const char* entryName, const char* value) const {
    ::setenv(recording_plugin::ResultVariable(entryName).c_str(), value, 1);
}

std::vector<std::string> HostTest::Calls() const {
    std::vector<std::string> lines;
    std::ifstream file(logPath);
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

void HostTest::ClearLog() const {
    std::error_code ignored;
    fs::remove(logPath, ignored);
}

bool HostTest::IsMapped(const std::string& path) {
    void* handle = ::dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle == nullptr) {
        return false;
    }
    ::dlclose(handle);
    return true;
}

void HostTest::FillRows(const std::vector<std::string>& firstColumn) {
    IPluginList& list = *view;
    for (int column = 0; column < 5; ++column) {
        list.InsertColumn(column, "c" + std::to_string(column), ListColumnAlign::Left, 80);
    }
    for (const std::string& text : firstColumn) {
        list.InsertItem(list.GetItemCount(), text);
    }
}

wxString HostTest::StatusText() const { return frame->GetStatusBar()->GetStatusText(0); }
