// The host's main window: menu bar, one-button tool bar, status bar with the key-state
// panes, and the list view as its client.
#pragma once

#include <string>

#include <wx/frame.h>

#include "folivex_doc.h"
#include "host_commands.h"

class CFolivexView;
class wxKeyEvent;
class wxIdleEvent;
class wxCloseEvent;
class wxCommandEvent;

// Status bar panes, in order.
enum StatusPane : int { MessagePane = 0, KanaPane, CapsPane, NumPane, ScrollPane, PaneCount };

class CMainFrame : public wxFrame {
public:
    // Created hidden; the application shows it once the plug-in has started.
    explicit CMainFrame(CFolivexDoc* doc);

    CFolivexView* GetView() const { return m_view; }

    // Directory of the executable, where the manual lives.
    const std::string programDirectory;

    // The idle text of the message pane ("ﾚﾃﾞｨ").
    static wxString IdleText();

    // Puts the idle text back whenever a menu closes or the pointer leaves the tool-bar
    // button, instead of restoring whatever the pane showed before.
    void DoGiveHelp(const wxString& text, bool show) override;

protected:
    // Menu and tool-bar commands are offered to the view before the frame's own table.
    bool TryBefore(wxEvent& event) override;

private:
    void CreateMenus();
    void CreateBars();
    void UpdateKeyStatePanes();
    void RunPluginWindowCommand(PluginCommand command);

    void OnClose(wxCloseEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnEditHtml(wxCommandEvent& event);
    void OnManual(wxCommandEvent& event);
    void OnOptions(wxCommandEvent& event);
    void OnPluginOption(wxCommandEvent& event);
    void OnPluginAbout(wxCommandEvent& event);
    void OnPluginHelp(wxCommandEvent& event);
    void OnToggleToolBar(wxCommandEvent& event);
    void OnToggleStatusBar(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnIdle(wxIdleEvent& event);

    CFolivexDoc* m_doc;
    CFolivexView* m_view = nullptr;
};
