// The list view: the list as the plug-in sees it, keys, clicks, the context menu, the
// status text and the item commands.
#include <wx/menu.h>

#include "host_test_support.h"
#include "main_frame.h"
#include "recording_plugin_control.h"

using namespace recording_plugin;

namespace {

// Answers the context menu by choosing the item labelled `choice`, as the popup would.
class MenuChoosingView : public CFolivexView {
public:
    MenuChoosingView(wxWindow* parent, CFolivexDoc* doc) : CFolivexView(parent, doc) {}

    wxString choice;
    std::vector<std::pair<int, wxString>> shownItems;

protected:
    void TrackContextMenu(wxMenu& menu, const wxPoint&) override {
        shownItems.clear();
        int chosen = wxID_NONE;
        for (const wxMenuItem* item : menu.GetMenuItems()) {
            shownItems.emplace_back(item->IsSeparator() ? 0 : item->GetId(), item->GetItemLabelText());
            if (!item->IsSeparator() && item->GetItemLabelText() == choice) {
                chosen = item->GetId();
            }
        }
        if (chosen != wxID_NONE) {
            wxCommandEvent command(wxEVT_MENU, chosen);
            command.SetEventObject(&menu);
            ProcessWindowEvent(command);
        }
    }
};

class ViewTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        CreateFrame();
        menuView = new MenuChoosingView(frame, doc.get());
        CreateWindows(menuView);
    }
    void LoadRecording() {
        doc->PluginName = kRecordingPlugin;
        ASSERT_EQ(doc->LoadPlugin(), 1);
        FillRows({"one", "two", "three"});
        ClearLog();
    }
    void Key(wxEventType type, int code) {
        wxKeyEvent event(type);
        event.m_keyCode = code;
        event.SetEventObject(view->GetRowsWindow());
        view->GetRowsWindow()->GetEventHandler()->ProcessEvent(event);
    }
    void Mouse(wxEventType type, const wxPoint& at) {
        wxMouseEvent event(type);
        event.SetPosition(at);
        event.m_leftDown = type == wxEVT_LEFT_DOWN;
        event.m_rightDown = type == wxEVT_RIGHT_DOWN;
        event.SetEventObject(view->GetRowsWindow());
        view->GetRowsWindow()->GetEventHandler()->ProcessEvent(event);
    }
    // Item rectangles are in the control's coordinates, mouse events in the rows window's.
    wxPoint InRowsWindow(const wxPoint& point) const {
        return view->GetRowsWindow()->ScreenToClient(view->ClientToScreen(point));
    }
    wxPoint OnRow(int row) const {
        wxRect rect;
        view->GetItemRect(row, rect);
        return InRowsWindow(wxPoint(rect.x + 5, rect.y + rect.height / 2));
    }
    wxPoint BelowTheRows() const {
        wxRect rect;
        view->GetItemRect(view->GetItemCount() - 1, rect);
        return InRowsWindow(wxPoint(rect.x + 5, rect.GetBottom() + 40));
    }
    void Select(int row) { view->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED); }
    void Command(int id) {
        wxCommandEvent command(wxEVT_MENU, id);
        view->ProcessWindowEvent(command);
    }
    std::string FirstCall() const {
        const std::vector<std::string> calls = Calls();
        return calls.empty() ? std::string() : calls.front();
    }

    MenuChoosingView* menuView = nullptr;
};

TEST_F(ViewTest, SortedRowsFoldOnlySingleByteLetters) {
    IPluginList& list = *view;
    list.InsertColumn(0, "name", ListColumnAlign::Left, 100);
    list.SetSortAscending(true);
    // 0x83 0x61 and 0x83 0x41 differ only in a trail byte that looks like 'a' and 'A'.
    for (const std::string text : {"b", "C", "a", "\x83\x61", "B", "\x83\x41", "A"}) {
        list.InsertItem(0, text);
    }
    std::vector<std::string> order;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        order.push_back(list.GetItemText(row, 0));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"a", "A", "b", "B", "C", "\x83\x41", "\x83\x61"}));
}

TEST_F(ViewTest, ListRefusesOutOfRangeRequestsInsteadOfAsserting) {
    IPluginList& list = *view;
    EXPECT_EQ(list.InsertItem(0, "no columns yet"), -1);
    list.InsertColumn(0, Sjis("名前"), ListColumnAlign::Left, 100);
    EXPECT_EQ(list.InsertItem(99, Sjis("二番目")), 0);
    EXPECT_EQ(list.InsertItem(-1, "negative"), -1);
    EXPECT_EQ(list.GetItemText(0, 0), Sjis("二番目"));
    EXPECT_FALSE(list.SetItemText(1, 0, "x"));
    EXPECT_FALSE(list.SetItemText(0, 1, "x"));
    EXPECT_EQ(list.GetItemText(5, 0), "");
    EXPECT_FALSE(list.DeleteItem(1));
    EXPECT_FALSE(list.DeleteColumn(1));
    EXPECT_EQ(list.InsertColumn(7, "past the end", ListColumnAlign::Center, 50), 1);
    EXPECT_EQ(list.InsertColumn(-1, "negative", ListColumnAlign::Right, 50), 2);
}

TEST_F(ViewTest, CtrlEnterEditsOnceThenEnterViews) {
    LoadRecording();
    Key(wxEVT_KEY_DOWN, WXK_CONTROL);
    Key(wxEVT_KEY_DOWN, WXK_RETURN);
    Key(wxEVT_KEY_DOWN, WXK_RETURN);
    Key(wxEVT_KEY_DOWN, WXK_CONTROL);
    Key(wxEVT_KEY_UP, WXK_CONTROL);
    Key(wxEVT_KEY_DOWN, WXK_RETURN);
    const std::vector<std::string> calls = Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].rfind("EditItem", 0), 0u);
    EXPECT_EQ(calls[1].rfind("ViewItem", 0), 0u);
    EXPECT_EQ(calls[2].rfind("ViewItem", 0), 0u);
}

TEST_F(ViewTest, InsertReachesTheListButDeleteIsConsumed) {
    LoadRecording();
    std::vector<int> reached;
    view->Bind(wxEVT_LIST_KEY_DOWN, [&](wxListEvent& event) { reached.push_back(event.GetKeyCode()); });
    Key(wxEVT_KEY_DOWN, WXK_INSERT);
    Key(wxEVT_KEY_DOWN, WXK_DELETE);
    Key(wxEVT_KEY_DOWN, WXK_RETURN);
    EXPECT_EQ(reached, std::vector<int>{WXK_INSERT});
    const std::vector<std::string> calls = Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0], "AddItem\t-1\t3");
    EXPECT_EQ(calls[1], "DeleteItem\t-1\t3");
    EXPECT_EQ(calls[2], "ViewItem\t-1\t3");
}

TEST_F(ViewTest, StatusFollowsSelectionAndClicksOnEmptySpace) {
    LoadRecording();
    Select(2);
    EXPECT_EQ(StatusText().utf8_string(), "3: three");
    Mouse(wxEVT_LEFT_DOWN, BelowTheRows());
    EXPECT_EQ(StatusText().utf8_string(), "ﾚﾃﾞｨ");
    Select(0);
    EXPECT_EQ(StatusText().utf8_string(), "1: one");
    view->SetItemState(0, 0, wxLIST_STATE_SELECTED);
    EXPECT_EQ(StatusText().utf8_string(), "ﾚﾃﾞｨ");
}

TEST_F(ViewTest, SuccessfulAddWithNothingSelectedShowsReady) {
    LoadRecording();
    frame->SetStatusText("something else");
    Command(HostCommand::AddItem);
    EXPECT_EQ(StatusText().utf8_string(), "ﾚﾃﾞｨ");
    // No follow-up after a failure.
    frame->SetStatusText("something else");
    SetResult("AddItem", "-1");
    wxTEST_DIALOG(Command(HostCommand::AddItem), ExpectHostMessage("アイテムの追加に失敗しました。"));
    EXPECT_EQ(StatusText().utf8_string(), "something else");
}

TEST_F(ViewTest, DoubleClickViewsOnlyOnARow) {
    LoadRecording();
    Mouse(wxEVT_LEFT_DCLICK, BelowTheRows());
    EXPECT_TRUE(Calls().empty());
    Mouse(wxEVT_LEFT_DCLICK, OnRow(0));
    EXPECT_EQ(Calls(), std::vector<std::string>{"ViewItem\t-1\t3"});
}

TEST_F(ViewTest, ContextMenuActsOnTheSelectedRowOrSelectsTheClickedOne) {
    LoadRecording();
    Select(1);
    menuView->choice = wxString::FromUTF8("削除");
    Mouse(wxEVT_RIGHT_DOWN, BelowTheRows());
    EXPECT_EQ(FirstCall(), "DeleteItem\t1\t3");
    const std::vector<std::pair<int, wxString>> expected = {
        {HostCommand::AddItem, wxString::FromUTF8("追加")},    {HostCommand::EditItem, wxString::FromUTF8("編集")},
        {HostCommand::DeleteItem, wxString::FromUTF8("削除")}, {0, ""},
        {HostCommand::CopyItem, wxString::FromUTF8("ｺﾋﾟｰ")},   {0, ""},
        {HostCommand::ViewItem, wxString::FromUTF8("詳細表示")},
    };
    EXPECT_EQ(menuView->shownItems, expected);

    ClearLog();
    menuView->choice = wxString::FromUTF8("ｺﾋﾟｰ");
    Mouse(wxEVT_RIGHT_DOWN, OnRow(2));
    EXPECT_EQ(view->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED), 2);
    EXPECT_EQ(FirstCall(), "CopyItem\t2\t3");
    EXPECT_EQ(StatusText().utf8_string(), "3: three");
}

TEST_F(ViewTest, ClearEmptiesRowsSilentlyWithoutAPluginAndKeepsColumns) {
    FillRows({"one", "two"});
    Command(HostCommand::ClearList);
    EXPECT_EQ(view->GetItemCount(), 0);
    EXPECT_EQ(view->GetColumnCount(), 5);
}

TEST_F(ViewTest, ClearKeepsRowsUnlessThePluginClearedSuccessfully) {
    LoadRecording();
    SetResult("ClearList", "-1");
    wxTEST_DIALOG(Command(HostCommand::ClearList), ExpectHostMessage("リストのクリアに失敗しました。"));
    SetResult("ClearList", "-1001");
    Command(HostCommand::ClearList);
    SetResult("ClearList", kThrow);
    wxTEST_DIALOG(Command(HostCommand::ClearList), ExpectHostMessage("プラグイン関数の実行中に例外が発生しました。"));
    EXPECT_EQ(view->GetItemCount(), 3);
    SetResult("ClearList", "0");
    Command(HostCommand::ClearList);
    EXPECT_EQ(view->GetItemCount(), 0);
    EXPECT_EQ(view->GetColumnCount(), 5);
}

TEST_F(ViewTest, ResetRemovesRowsAndColumnsForTheNextPlugin) {
    LoadRecording();
    view->ResetListControl();
    EXPECT_EQ(view->GetItemCount(), 0);
    EXPECT_EQ(view->GetColumnCount(), 0);
    ::setenv(kFillVariable, "1", 1);
    doc->LoadPlugin();
    EXPECT_EQ(view->GetColumnCount(), 5);
    EXPECT_EQ(view->GetItemCount(), 4);
    // Only the loader's hint starts the plug-in.
    ClearLog();
    view->OnUpdate(0);
    EXPECT_TRUE(Calls().empty());
}

TEST_F(ViewTest, CommandsWithoutADocumentReportAnInternalError) {
    CFolivexView* orphan = new CFolivexView(frame, nullptr);
    wxCommandEvent command(wxEVT_MENU, HostCommand::ViewItem);
    wxTEST_DIALOG(orphan->ProcessWindowEvent(command), ExpectHostMessage("内部処理エラーが発生しました。"));
    wxTEST_DIALOG(orphan->OnUpdate(HINT_PLUGIN_LOADED), ExpectHostMessage("内部処理エラーが発生しました。"));
}

}  // namespace
