// The list view: the list as the plug-in sees it, keys, clicks, the context menu and the
// status text.
#include <wx/menu.h>

#include "host_test_support.h"

// Chooses the context menu's item labelled `choice` instead of showing the popup.
struct MenuChoosingView : CFolivexView {
    using CFolivexView::CFolivexView;
    wxString choice;

    void TrackContextMenu(wxMenu& menu, const wxPoint&) override {
        wxCommandEvent command(wxEVT_MENU, menu.FindItem(choice));
        ProcessWindowEvent(command);
    }
};

// A frame with a status bar around the view, shown, and the recording plug-in loaded.
struct ViewTest : HostTest {
    void SetUp() override {
        HostTest::SetUp();
        frame = new wxFrame(nullptr, wxID_ANY, "test");
        frame->CreateStatusBar();
        view = new MenuChoosingView(frame, doc.get());
        frame->SendSizeEvent();
        frame->Show();
        LoadRecording();
    }
    // A key or mouse event as the rows window receives it.
    void Send(wxEvent&& event) {
        event.SetEventObject(view->GetRowsWindow());
        view->GetRowsWindow()->GetEventHandler()->ProcessEvent(event);
    }
    void Key(int code, wxEventType type = wxEVT_KEY_DOWN) {
        wxKeyEvent event(type);
        event.m_keyCode = code;
        Send(std::move(event));
    }
    // A click on `row`, or 40 pixels below it when `below`.
    void Mouse(wxEventType type, int row, bool below = false) {
        wxRect rect;
        view->GetItemRect(row, rect);
        const wxPoint inList(rect.x + 5, below ? rect.GetBottom() + 40 : rect.y + rect.height / 2);
        wxMouseEvent event(type);
        // Item rectangles are in the control's coordinates, mouse events in the rows window's.
        event.SetPosition(view->GetRowsWindow()->ScreenToClient(view->ClientToScreen(inList)));
        Send(std::move(event));
    }
    void Select(int row) { view->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED); }
};

using Texts = std::vector<std::string>;

TEST_F(ViewTest, RowsNeedAColumnAndCellsOutsideTheListAreRefused) {
    view->ResetListControl();
    IPluginList& list = view->GetPluginList();
    EXPECT_EQ(list.InsertItem(0, "no columns yet"), -1);
    list.InsertColumn(0, "name", ListColumnAlign::Left, 100);
    EXPECT_EQ(list.InsertItem(99, "b"), 0);
    EXPECT_EQ(list.InsertItem(-1, "negative"), -1);
    EXPECT_FALSE(list.SetItemText(0, 1, "no such column"));
    EXPECT_FALSE(list.DeleteItem(1));
}

TEST_F(ViewTest, SortedInsertionFoldsOnlySingleByteLetters) {
    view->ResetListControl();
    IPluginList& list = view->GetPluginList();
    list.InsertColumn(0, "name", ListColumnAlign::Left, 100);
    list.SetSortAscending(true);
    // 0x83 0x61 and 0x83 0x41 differ only in a trail byte that looks like 'a' and 'A'.
    Texts order;
    for (const std::string text : {"C", "a", "\x83\x61", "B", "\x83\x41", "A", "b"}) list.InsertItem(0, text);
    for (int row = 0; row < list.GetItemCount(); ++row) order.push_back(list.GetItemText(row, 0));
    EXPECT_EQ(order, (Texts{"a", "A", "B", "b", "C", "\x83\x41", "\x83\x61"}));
}

TEST_F(ViewTest, SelectionAndFocusStayWithTheirRowWhenRowsOrColumnsComeAndGo) {
    IPluginList& list = view->GetPluginList();
    Select(1);
    const std::string selected = list.GetItemText(1, 0);
    list.InsertItem(0, "first");
    EXPECT_EQ(list.GetFirstSelectedItem(), 2);
    EXPECT_EQ(view->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED), 2);
    list.InsertItem(9, "last");
    list.DeleteItem(0);
    EXPECT_EQ(list.GetFirstSelectedItem(), 1);
    list.InsertColumn(0, "new", ListColumnAlign::Left, 50);
    EXPECT_EQ(list.GetItemText(1, 1), selected);
    list.DeleteColumn(0);
    EXPECT_EQ(list.GetItemText(4, 0), "last");
}

// Ctrl+Return edits once, and a released Ctrl leaves a plain Return; the keypad's keys (NumLock
// off) act as the main ones.
TEST_F(ViewTest, KeysRunTheirCommands) {
    for (const int code : {WXK_CONTROL, WXK_RETURN, WXK_RETURN, WXK_CONTROL}) Key(code);
    Key(WXK_CONTROL, wxEVT_KEY_UP);
    for (const int code : {WXK_RETURN, WXK_INSERT, WXK_DELETE, WXK_NUMPAD_INSERT, WXK_NUMPAD_DELETE}) Key(code);
    EXPECT_EQ(Calls(true),
              (Texts{"EditItem", "ViewItem", "ViewItem", "AddItem", "DeleteItem", "AddItem", "DeleteItem"}));
}

TEST_F(ViewTest, StatusBarShowsTheSelectedRowOrTheIdleText) {
    Select(2);
    EXPECT_EQ(StatusText(), "3: モスコー・ミュール");
    view->SetItemState(2, 0, wxLIST_STATE_SELECTED);
    EXPECT_EQ(StatusText(), "ﾚﾃﾞｨ");
    Select(0);
    Mouse(wxEVT_LEFT_DOWN, 3, true);
    EXPECT_EQ(StatusText(), "ﾚﾃﾞｨ");
    Command(HostCommand::AddItem);
    EXPECT_EQ(StatusText(), "1: ジン・トニック");
    // No follow-up when the plug-in did not add.
    frame->SetStatusText("something else");
    SetResult("AddItem", "-1001");
    Command(HostCommand::AddItem);
    EXPECT_EQ(StatusText(), "something else");
}

TEST_F(ViewTest, DoubleClickViewsOnlyOnARow) {
    Mouse(wxEVT_LEFT_DCLICK, 3, true);
    Mouse(wxEVT_LEFT_DCLICK, 0);
    EXPECT_EQ(Calls(), (Texts{"ViewItem\t-1\t4"}));
}

TEST_F(ViewTest, ContextMenuSelectsARowItHitsAndActsOnTheSelection) {
    Select(1);
    static_cast<MenuChoosingView*>(view)->choice = L"削除";
    Mouse(wxEVT_RIGHT_DOWN, 3, true);
    static_cast<MenuChoosingView*>(view)->choice = L"ｺﾋﾟｰ";
    Mouse(wxEVT_RIGHT_DOWN, 2);
    EXPECT_EQ(view->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED), 2);
    EXPECT_EQ(Calls(), (Texts{"DeleteItem\t1\t4", "CopyItem\t2\t4"}));
}

TEST_F(ViewTest, ClearEmptiesTheRowsUnlessThePluginDeclines) {
    SetResult("ClearList", "-1001");
    Command(HostCommand::ClearList);
    EXPECT_EQ(view->GetItemCount(), 4);
    SetResult("ClearList", "0");
    Command(HostCommand::ClearList);
    EXPECT_EQ(view->GetItemCount(), 0);
    // Without a plug-in the host empties the list itself.
    view->GetPluginList().InsertItem(0, "left behind");
    doc->UnloadPlugin();
    Command(HostCommand::ClearList);
    EXPECT_EQ(view->GetItemCount(), 0);
    EXPECT_EQ(view->GetColumnCount(), 1);
}
