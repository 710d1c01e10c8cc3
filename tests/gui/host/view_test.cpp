// The list view: the list as the plug-in sees it, keys, clicks, the context menu and the
// status text.
#include <wx/menu.h>

#include "cp932.h"
#include "host_test_support.h"

namespace {

// Chooses the context menu's item labelled `choice` instead of showing the popup.
class MenuChoosingView : public CFolivexView {
public:
    using CFolivexView::CFolivexView;
    wxString choice;

protected:
    void TrackContextMenu(wxMenu& menu, const wxPoint&) override {
        wxCommandEvent command(wxEVT_MENU, menu.FindItem(choice));
        ProcessWindowEvent(command);
    }
};

class ViewTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        menuView = CreateWindows<MenuChoosingView>();
    }
    void Send(wxEvent&& event) {
        event.SetEventObject(view->GetRowsWindow());
        view->GetRowsWindow()->GetEventHandler()->ProcessEvent(event);
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

    MenuChoosingView* menuView = nullptr;
};

TEST_F(ViewTest, SortedRowsFoldOnlySingleByteLetters) {
    IPluginList& list = view->GetPluginList();
    list.InsertColumn(0, "name", ListColumnAlign::Left, 100);
    list.SetSortAscending(true);
    // 0x83 0x61 and 0x83 0x41 differ only in a trail byte that looks like 'a' and 'A'.
    for (const std::string text : {"b", "C", "a", "\x83\x61", "B", "\x83\x41", "A"}) list.InsertItem(0, text);
    std::vector<std::string> order;
    for (int row = 0; row < list.GetItemCount(); ++row) order.push_back(list.GetItemText(row, 0));
    EXPECT_EQ(order, (std::vector<std::string>{"a", "A", "b", "B", "C", "\x83\x41", "\x83\x61"}));
}

TEST_F(ViewTest, ListRefusesOutOfRangeRequestsInsteadOfAsserting) {
    IPluginList& list = view->GetPluginList();
    EXPECT_EQ(list.InsertItem(0, "no columns yet"), -1);
    list.InsertColumn(0, "name", ListColumnAlign::Left, 100);
    EXPECT_EQ(list.InsertItem(99, "past the end"), 0);
    EXPECT_EQ(list.InsertItem(-1, "negative"), -1);
    EXPECT_FALSE(list.SetItemText(1, 0, "x"));
    EXPECT_FALSE(list.SetItemText(0, 1, "x"));
    EXPECT_EQ(list.GetItemText(5, 0), "");
    EXPECT_FALSE(list.DeleteItem(1));
    EXPECT_FALSE(list.DeleteColumn(1));
    EXPECT_EQ(list.InsertColumn(7, "past the end", ListColumnAlign::Center, 50), 1);
    EXPECT_EQ(list.InsertColumn(-1, "negative", ListColumnAlign::Right, 50), 2);
}

TEST_F(ViewTest, SelectionAndFocusStayWithTheirRowWhenRowsOrColumnsComeAndGo) {
    LoadRecording();
    IPluginList& list = view->GetPluginList();
    Select(1);
    const std::string selected = list.GetItemText(1, 0);
    list.InsertItem(0, "first");
    EXPECT_EQ(list.GetFirstSelectedItem(), 2);
    EXPECT_EQ(view->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED), 2);
    EXPECT_EQ(list.GetItemText(2, 0), selected);
    list.InsertItem(9, "last");
    list.DeleteItem(0);
    EXPECT_EQ(list.GetFirstSelectedItem(), 1);
    EXPECT_EQ(list.GetItemText(1, 0), selected);
    list.InsertColumn(0, "new", ListColumnAlign::Left, 50);
    EXPECT_EQ(list.GetItemText(1, 1), selected);
    EXPECT_EQ(list.GetItemText(1, 0), "");
    list.DeleteColumn(0);
    EXPECT_EQ(list.GetItemText(4, 0), "last");
}

TEST_F(ViewTest, KeysEditOnceAfterCtrlThenViewPassInsertOnAndConsumeDelete) {
    LoadRecording();
    const auto key = [&](int code, wxEventType type = wxEVT_KEY_DOWN) {
        wxKeyEvent event(type);
        event.m_keyCode = code;
        Send(std::move(event));
    };
    key(WXK_CONTROL);
    key(WXK_RETURN);
    key(WXK_RETURN);
    key(WXK_CONTROL);
    key(WXK_CONTROL, wxEVT_KEY_UP);
    key(WXK_RETURN);
    std::vector<int> reached;
    view->Bind(wxEVT_LIST_KEY_DOWN, [&](wxListEvent& event) { reached.push_back(event.GetKeyCode()); });
    // The keypad's keys (NumLock off) act as the main ones.
    for (const int code : {WXK_INSERT, WXK_DELETE, WXK_NUMPAD_INSERT, WXK_NUMPAD_DELETE}) key(code);
    EXPECT_EQ(reached, (std::vector<int>{WXK_INSERT, WXK_NUMPAD_INSERT}));
    EXPECT_EQ(Calls(true), (std::vector<std::string>{"EditItem", "ViewItem", "ViewItem", "AddItem", "DeleteItem",
                                                     "AddItem", "DeleteItem"}));
}

TEST_F(ViewTest, StatusFollowsSelectionClicksOnEmptySpaceAndAdds) {
    LoadRecording();
    Select(2);
    EXPECT_EQ(StatusText(), "3: モスコー・ミュール");
    view->SetItemState(2, 0, wxLIST_STATE_SELECTED);
    EXPECT_EQ(StatusText(), "ﾚﾃﾞｨ");
    Select(0);
    EXPECT_EQ(StatusText(), "1: ジン・トニック");
    Mouse(wxEVT_LEFT_DOWN, 3, true);
    EXPECT_EQ(StatusText(), "ﾚﾃﾞｨ");

    frame->SetStatusText("something else");
    Command(HostCommand::AddItem);
    EXPECT_EQ(StatusText(), "1: ジン・トニック");
    // No follow-up after a failure.
    frame->SetStatusText("something else");
    SetResult("AddItem", "-1");
    wxTEST_DIALOG(Command(HostCommand::AddItem), ExpectHostMessage("アイテムの追加に失敗しました。"));
    EXPECT_EQ(StatusText(), "something else");
}

TEST_F(ViewTest, MouseViewsOnARowAndTheContextMenuSelectsOnlyARowItHits) {
    LoadRecording();
    Mouse(wxEVT_LEFT_DCLICK, 3, true);
    EXPECT_TRUE(Calls().empty());
    Mouse(wxEVT_LEFT_DCLICK, 0);
    EXPECT_EQ(Calls(), std::vector<std::string>{"ViewItem\t-1\t4"});

    ClearLog();
    Select(1);
    menuView->choice = U("削除");
    Mouse(wxEVT_RIGHT_DOWN, 3, true);
    menuView->choice = U("ｺﾋﾟｰ");
    Mouse(wxEVT_RIGHT_DOWN, 2);
    EXPECT_EQ(view->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED), 2);
    EXPECT_EQ(Calls(), (std::vector<std::string>{"DeleteItem\t1\t4", "CopyItem\t2\t4"}));
    EXPECT_EQ(StatusText(), "3: モスコー・ミュール");
}

TEST_F(ViewTest, ClearKeepsColumnsAndKeepsRowsOnlyWhenThePluginFails) {
    LoadRecording();
    SetResult("ClearList", "-1");
    wxTEST_DIALOG(Command(HostCommand::ClearList), ExpectHostMessage("リストのクリアに失敗しました。"));
    EXPECT_EQ(view->GetItemCount(), 4);
    SetResult("ClearList", "0");
    Command(HostCommand::ClearList);
    EXPECT_EQ(view->GetItemCount(), 0);

    view->GetPluginList().InsertItem(0, "left behind");
    doc->UnloadPlugin();
    Command(HostCommand::ClearList);
    EXPECT_EQ(view->GetItemCount(), 0);
    EXPECT_EQ(view->GetColumnCount(), 1);
}

TEST_F(ViewTest, CommandsWithoutADocumentReportAnInternalError) {
    view = new CFolivexView(frame, nullptr);
    wxTEST_DIALOG(Command(HostCommand::ViewItem), ExpectHostMessage("内部処理エラーが発生しました。"));
    wxTEST_DIALOG(view->OnUpdate(HINT_PLUGIN_LOADED), ExpectHostMessage("内部処理エラーが発生しました。"));
}

}  // namespace
