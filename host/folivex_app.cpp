#include "folivex_app.h"

#include "about_dialog.h"
#include "folivex_doc.h"
#include "main_frame.h"
#include "paths.h"

CFolivexApp::CFolivexApp()
    : startupDirectory(paths::CurrentDirectory()), programDirectory(paths::ProgramDirectory()) {
    Bind(wxEVT_MENU, &CFolivexApp::OnAppAbout, this, HostCommand::About);
}

CFolivexApp::~CFolivexApp() = default;

bool CFolivexApp::OnInit() {
    if (!wxApp::OnInit()) {
        return false;
    }
    SetAppDisplayName("Folivex");
    m_doc = std::make_unique<CFolivexDoc>(startupDirectory);
    CMainFrame* frame = new CMainFrame(m_doc.get());
    SetTopWindow(frame);
    // The plug-in's StartUp fills the list before anyone sees the window.
    m_doc->LoadHostSettings();
    frame->Show();
    return true;
}

int CFolivexApp::OnExit() {
    m_doc.reset();
    return wxApp::OnExit();
}

void CFolivexApp::OnAppAbout(wxCommandEvent&) { ShowAboutBox(); }
