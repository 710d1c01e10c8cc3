#include "folivex_app.h"

#include "about_dialog.h"
#include "folivex_doc.h"
#include "main_frame.h"
#include "paths.h"

CFolivexApp::CFolivexApp() : startupDirectory(paths::CurrentDirectory()) {
    Bind(wxEVT_MENU, &CFolivexApp::OnAppAbout, this, HostCommand::About);
}

CFolivexApp::~CFolivexApp() = default;

// The program takes no arguments; whatever is given is ignored, so the base class's
// command-line parsing is not run.
bool CFolivexApp::OnInit() {
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

void CFolivexApp::OnAppAbout(wxCommandEvent&) {
    ShowAboutBox();
}
