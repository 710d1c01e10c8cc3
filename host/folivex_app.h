// The host program's application object.
#pragma once

#include <memory>
#include <string>

#include <wx/app.h>

class CFolivexDoc;
class wxCommandEvent;

class CFolivexApp : public wxApp {
public:
    CFolivexApp();
    ~CFolivexApp() override;

    // Document, hidden main frame and view; settings and plug-in; only then the window.
    bool OnInit() override;
    // The document goes after the frame, so the plug-in's CleanUp runs without a list.
    int OnExit() override;

    // The working directory when the program started, handed to the plug-in.
    const std::string startupDirectory;

private:
    void OnAppAbout(wxCommandEvent& event);

    std::unique_ptr<CFolivexDoc> m_doc;
};

wxDECLARE_APP(CFolivexApp);
