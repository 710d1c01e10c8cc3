#include "main_frame.h"

#include <initializer_list>

#include <wx/display.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include "folivex_doc.h"
#include "folivex_view.h"
#include "host_messages.h"
#include "html_commands.h"
#include "option_sheet.h"
#include "paths.h"
#include "res/program_icon.h"
#include "utf8_text.h"

namespace {

struct MenuEntry {
    int id;  // 0 for a separator
    const char* text;
    const char* prompt;
    wxItemKind kind;
};

struct MenuPopup {
    const char* title;
    std::initializer_list<MenuEntry> entries;
};

const MenuPopup kMainMenu[] = {
    {"ﾌｧｲﾙ(&F)",
     {
         {HostCommand::CreateHTML, "HTML生成(&C)", "登録ﾃﾞｰﾀからHTMLを生成", wxITEM_NORMAL},
         {HostCommand::EditHTML, "HTML編集(&E)", "HTMLをｴﾃﾞｨﾀで編集", wxITEM_NORMAL},
         {HostCommand::BrowseHTML, "HTML閲覧(&V)", "生成されたHTMLﾌｧｲﾙを（関連付けされたｱﾌﾟﾘｹｰｼｮﾝで）起動",
          wxITEM_NORMAL},
         {0, nullptr, nullptr, wxITEM_SEPARATOR},
         {HostCommand::Exit, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", "ｱﾌﾟﾘｹｰｼｮﾝを終了", wxITEM_NORMAL},
     }},
    {"編集(&E)",
     {
         {HostCommand::AddItem, "ｱｲﾃﾑの追加(&A)", "新しいｱｲﾃﾑの追加", wxITEM_NORMAL},
         {HostCommand::EditItem, "ｱｲﾃﾑの編集(&E)", "ﾘｽﾄで選択中の既存ｱｲﾃﾑを編集", wxITEM_NORMAL},
         {HostCommand::DeleteItem, "ｱｲﾃﾑの削除(&D)", "ﾘｽﾄで選択中の既存ｱｲﾃﾑを削除", wxITEM_NORMAL},
         {0, nullptr, nullptr, wxITEM_SEPARATOR},
         {HostCommand::CopyItem, "ｱｲﾃﾑのｺﾋﾟｰ(&C)", "ﾘｽﾄで選択中の既存ｱｲﾃﾑをｺﾋﾟｰ", wxITEM_NORMAL},
         {0, nullptr, nullptr, wxITEM_SEPARATOR},
         {HostCommand::ViewItem, "ｱｲﾃﾑの詳細表示(&V)", "ﾘｽﾄで選択中の既存ｱｲﾃﾑの詳細表示", wxITEM_NORMAL},
         {0, nullptr, nullptr, wxITEM_SEPARATOR},
         {HostCommand::SearchItem, "ｱｲﾃﾑの検索(&S)", "ﾃﾞｰﾀﾍﾞｰｽからｱｲﾃﾑを検索してﾘｽﾄに表示", wxITEM_NORMAL},
     }},
    {"表示(&V)",
     {
         {HostCommand::ToggleToolBar, "ﾂｰﾙ ﾊﾞｰ(&T)", "ﾂｰﾙ ﾊﾞｰの 表示/非表示", wxITEM_CHECK},
         {HostCommand::ToggleStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示", wxITEM_CHECK},
         {0, nullptr, nullptr, wxITEM_SEPARATOR},
         {HostCommand::ClearList, "表示のｸﾘｱ(&C)", "ﾘｽﾄの表示をｸﾘｱ", wxITEM_NORMAL},
     }},
    {"設定(&S)",
     {
         {HostCommand::Options, "ｵﾌﾟｼｮﾝ(&O)...", "ﾌﾟﾛｸﾞﾗﾑのｵﾌﾟｼｮﾝを設定", wxITEM_NORMAL},
         {HostCommand::PluginOption, "ﾌﾟﾗｸﾞｲﾝのｵﾌﾟｼｮﾝ(&P)...", "ﾌﾟﾗｸﾞｲﾝのｵﾌﾟｼｮﾝを設定", wxITEM_NORMAL},
     }},
    {"ﾍﾙﾌﾟ(&H)",
     {
         {HostCommand::Manual, "ﾍﾙﾌﾟ(&H)...", "ﾌﾟﾛｸﾞﾗﾑのﾍﾙﾌﾟﾌｧｲﾙを表示", wxITEM_NORMAL},
         {HostCommand::About, "ﾊﾞｰｼﾞｮﾝ情報(&A)...", "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示", wxITEM_NORMAL},
         {0, nullptr, nullptr, wxITEM_SEPARATOR},
         {HostCommand::PluginHelp, "ﾌﾟﾗｸﾞｲﾝのﾍﾙﾌﾟ...", "ﾌﾟﾗｸﾞｲﾝのﾍﾙﾌﾟﾌｧｲﾙを表示", wxITEM_NORMAL},
         {HostCommand::PluginAbout, "ﾌﾟﾗｸﾞｲﾝのﾊﾞｰｼﾞｮﾝ情報...", "ﾌﾟﾗｸﾞｲﾝの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示",
          wxITEM_NORMAL},
     }},
};

struct KeyPane {
    StatusPane pane;
    const char* text;
    wxKeyCode key;
};

// The Kana pane has no lock state the system reports here, so it stays blank.
const KeyPane kKeyPanes[] = {
    {CapsPane, "CAP", WXK_CAPITAL},
    {NumPane, "NUM", WXK_NUMLOCK},
    {ScrollPane, "SCRL", WXK_SCROLL},
};

wxSize HalfDisplaySize() {
    const wxRect desktop = wxDisplay(0u).GetGeometry();
    return wxSize(desktop.width / 2, desktop.height / 2);
}

}  // namespace

CMainFrame::CMainFrame(CFolivexDoc* doc)
    : wxFrame(nullptr, wxID_ANY, U("Folivex"), wxDefaultPosition, HalfDisplaySize()),
      programDirectory(paths::ProgramDirectory()),
      m_doc(doc) {
    SetIcon(ProgramIcon());
    CreateMenus();
    CreateBars();
    m_view = new CFolivexView(this, doc);

    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
    Bind(wxEVT_MENU, &CMainFrame::OnExit, this, HostCommand::Exit);
    Bind(wxEVT_MENU, &CMainFrame::OnEditHtml, this, HostCommand::EditHTML);
    Bind(wxEVT_MENU, &CMainFrame::OnManual, this, HostCommand::Manual);
    Bind(wxEVT_MENU, &CMainFrame::OnOptions, this, HostCommand::Options);
    Bind(wxEVT_MENU, &CMainFrame::OnPluginOption, this, HostCommand::PluginOption);
    Bind(wxEVT_MENU, &CMainFrame::OnPluginAbout, this, HostCommand::PluginAbout);
    Bind(wxEVT_MENU, &CMainFrame::OnPluginHelp, this, HostCommand::PluginHelp);
    Bind(wxEVT_MENU, &CMainFrame::OnToggleToolBar, this, HostCommand::ToggleToolBar);
    Bind(wxEVT_MENU, &CMainFrame::OnToggleStatusBar, this, HostCommand::ToggleStatusBar);
    Bind(wxEVT_CHAR_HOOK, &CMainFrame::OnCharHook, this);
    Bind(wxEVT_IDLE, &CMainFrame::OnIdle, this);
}

wxString CMainFrame::IdleText() {
    return U("ﾚﾃﾞｨ");
}

void CMainFrame::CreateMenus() {
    auto* bar = new wxMenuBar;
    for (const MenuPopup& popup : kMainMenu) {
        auto* menu = new wxMenu;
        for (const MenuEntry& entry : popup.entries) {
            if (entry.kind == wxITEM_SEPARATOR)
                menu->AppendSeparator();
            else
                menu->Append(entry.id, U(entry.text), U(entry.prompt), entry.kind);
        }
        bar->Append(menu, U(popup.title));
    }
    SetMenuBar(bar);
}

void CMainFrame::CreateBars() {
    wxToolBar* toolBar = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL);
    toolBar->SetToolBitmapSize(wxSize(16, 15));
    toolBar->AddTool(HostCommand::Manual, U("ﾍﾙﾌﾟ"), ManualToolImage(), U("ﾍﾙﾌﾟ"));
    toolBar->SetToolLongHelp(HostCommand::Manual, U("ﾌﾟﾛｸﾞﾗﾑのﾍﾙﾌﾟﾌｧｲﾙを表示"));
    toolBar->Realize();

    wxStatusBar* statusBar = CreateStatusBar(PaneCount);
    int widths[PaneCount] = {-1, 0, 0, 0, 0};
    const char* indicators[PaneCount] = {nullptr, "ｶﾅ", "CAP", "NUM", "SCRL"};
    for (int pane = KanaPane; pane < PaneCount; ++pane)
        widths[pane] = statusBar->GetTextExtent(U(indicators[pane])).GetWidth() + 2 * statusBar->GetCharWidth();
    statusBar->SetStatusWidths(PaneCount, widths);
    SetStatusText(IdleText(), MessagePane);
    UpdateKeyStatePanes();

    wxMenuBar* bar = GetMenuBar();
    bar->Check(HostCommand::ToggleToolBar, true);
    bar->Check(HostCommand::ToggleStatusBar, true);
}

void CMainFrame::UpdateKeyStatePanes() {
    wxStatusBar* statusBar = GetStatusBar();
    if (!statusBar) return;
    for (const KeyPane& key : kKeyPanes) {
        const wxString text = wxGetKeyState(key.key) ? U(key.text) : wxString();
        if (statusBar->GetStatusText(key.pane) != text) statusBar->SetStatusText(text, key.pane);
    }
}

void CMainFrame::DoGiveHelp(const wxString& text, bool show) {
    wxFrame::DoGiveHelp(text, show);
    if (!show && GetStatusBar()) SetStatusText(IdleText(), MessagePane);
}

bool CMainFrame::TryBefore(wxEvent& event) {
    // The view's handlers are offered the command locally only, so a command it does not
    // handle comes back to the frame's own table instead of travelling up again.
    if (event.GetEventType() == wxEVT_MENU && m_view && m_view->GetEventHandler()->ProcessEventLocally(event))
        return true;
    return wxFrame::TryBefore(event);
}

void CMainFrame::OnClose(wxCloseEvent& event) {
    CFolivexDoc* doc = RequireDocument(m_doc);
    if (!doc) {
        if (event.CanVeto()) {
            event.Veto();
            return;
        }
    } else if (!doc->SaveHostSettings() &&
               !AskHostOkCancel(U("プロパティの保存に失敗しました。このまま終了しますか？")) && event.CanVeto()) {
        event.Veto();
        return;
    }
    Destroy();
}

void CMainFrame::OnExit(wxCommandEvent&) {
    Close();
}

void CMainFrame::OnEditHtml(wxCommandEvent&) {
    if (CFolivexDoc* doc = RequireDocument(m_doc)) EditHtml(*doc);
}

void CMainFrame::OnManual(wxCommandEvent&) {
    OpenManual(programDirectory);
}

void CMainFrame::OnOptions(wxCommandEvent&) {
    if (CFolivexDoc* doc = RequireDocument(m_doc)) RunHostOptions(this, *doc, *m_view);
}

void CMainFrame::OnPluginOption(wxCommandEvent&) {
    RunPluginWindowCommand(PluginCommand::Option);
}

void CMainFrame::OnPluginAbout(wxCommandEvent&) {
    RunPluginWindowCommand(PluginCommand::About);
}

void CMainFrame::OnPluginHelp(wxCommandEvent&) {
    RunPluginWindowCommand(PluginCommand::Help);
}

void CMainFrame::RunPluginWindowCommand(PluginCommand command) {
    if (CFolivexDoc* doc = RequireDocument(m_doc)) doc->RunPluginCommand(command, nullptr);
}

void CMainFrame::OnToggleToolBar(wxCommandEvent&) {
    wxToolBar* toolBar = GetToolBar();
    const bool show = !toolBar->IsShown();
    toolBar->Show(show);
    GetMenuBar()->Check(HostCommand::ToggleToolBar, show);
    SendSizeEvent();
}

void CMainFrame::OnToggleStatusBar(wxCommandEvent&) {
    wxStatusBar* statusBar = GetStatusBar();
    const bool show = !statusBar->IsShown();
    statusBar->Show(show);
    GetMenuBar()->Check(HostCommand::ToggleStatusBar, show);
    SendSizeEvent();
}

void CMainFrame::OnCharHook(wxKeyEvent& event) {
    UpdateKeyStatePanes();
    event.Skip();
}

void CMainFrame::OnIdle(wxIdleEvent& event) {
    UpdateKeyStatePanes();
    event.Skip();
}
