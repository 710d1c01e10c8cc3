#include <wx/display.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "cp932.h"
#include "frame_test_support.h"

using namespace frame_test;

namespace {

using CallList = std::vector<std::string>;

bool Closing(wxWindow* window) { return wxPendingDelete.Member(window); }

TEST_F(HostFrameTest, MenuCarriesEveryCommandEnabledWithoutAPlugin) {
    doc->UnloadPlugin();
    const std::pair<int, const char*> items[] = {
        {32771, "HTML生成(&C)"},          {32773, "HTML編集(&E)"},
        {32772, "HTML閲覧(&V)"},          {57665, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"},
        {32774, "ｱｲﾃﾑの追加(&A)"},        {32775, "ｱｲﾃﾑの編集(&E)"},
        {32776, "ｱｲﾃﾑの削除(&D)"},        {32786, "ｱｲﾃﾑのｺﾋﾟｰ(&C)"},
        {32777, "ｱｲﾃﾑの詳細表示(&V)"},    {32778, "ｱｲﾃﾑの検索(&S)"},
        {59392, "ﾂｰﾙ ﾊﾞｰ(&T)"},           {59393, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"},
        {32779, "表示のｸﾘｱ(&C)"},         {32783, "ｵﾌﾟｼｮﾝ(&O)..."},
        {32784, "ﾌﾟﾗｸﾞｲﾝのｵﾌﾟｼｮﾝ(&P)..."}, {32780, "ﾍﾙﾌﾟ(&H)..."},
        {57664, "ﾊﾞｰｼﾞｮﾝ情報(&A)..."},     {32782, "ﾌﾟﾗｸﾞｲﾝのﾍﾙﾌﾟ..."},
        {32781, "ﾌﾟﾗｸﾞｲﾝのﾊﾞｰｼﾞｮﾝ情報..."},
    };
    wxMenuBar* bar = frame->GetMenuBar();
    for (const auto& [id, text] : items) {
        const wxMenuItem* item = bar->FindItem(CommandWindowId(id));
        ASSERT_NE(item, nullptr) << id;
        EXPECT_EQ(item->GetItemLabel().utf8_string(), text) << id;
        EXPECT_TRUE(item->IsEnabled()) << id;
    }
    EXPECT_TRUE(bar->IsChecked(HostCommand::ToggleToolBar));
    EXPECT_TRUE(bar->IsChecked(HostCommand::ToggleStatusBar));
    wxTEST_DIALOG(Command(32774), ExpectHostMessage("プラグインが読みこまれていません。"));
}

TEST_F(HostFrameTest, CommandsReachTheirEntryPoints) {
    const std::pair<int, const char*> routes[] = {
        {32774, "AddItem"},  {32775, "EditItem"},   {32776, "DeleteItem"}, {32786, "CopyItem"},
        {32777, "ViewItem"}, {32778, "SearchItem"}, {32779, "ClearList"},  {32771, "CreateHTML"},
        {32784, "Option"},   {32781, "About"},      {32782, "Help"},
    };
    for (const auto& [id, entry] : routes) {
        std::filesystem::remove(LogPath());
        Command(id);
        EXPECT_EQ(Calls(), CallList{entry}) << id;
    }
    Command(32780);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], frame->programDirectory + "/Folivex Manual.txt");
}

TEST_F(HostFrameTest, PluginWindowCommandsAnswerEveryResult) {
    struct Case {
        int id;
        const char* entry;
        const char* failure;
    };
    const Case cases[] = {
        {32784, "Option", "プラグインオプションの設定に失敗しました。"},
        {32781, "About", "プラグインバージョンの表示に失敗しました。"},
        {32782, "Help", "プラグインヘルプの表示に失敗しました。"},
    };
    for (const Case& c : cases) {
        SetResult(c.entry, "0");
        Command(c.id);
        SetResult(c.entry, "-1001");
        Command(c.id);
        SetResult(c.entry, "-1");
        wxTEST_DIALOG(Command(c.id), ExpectHostMessage(c.failure));
        SetResult(c.entry, "1");
        wxTEST_DIALOG(Command(c.id), ExpectHostMessage("プラグイン関数の戻り値が不正です。"));
        SetResult(c.entry, "throw");
        wxTEST_DIALOG(Command(c.id), ExpectHostMessage("プラグイン関数の実行中に例外が発生しました。"));
    }
    EXPECT_EQ(Calls().size(), 15u);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(HostFrameTest, GenerateBrowsesOnlyAfterSuccessWithBrowsingOn) {
    doc->HTMLOutDirectory = "/srv/site";
    doc->HTMLIndexFileName = "index.html";
    Command(32771);
    EXPECT_TRUE(shell.opened.empty());

    doc->BrowseHTMLAfterCreate = 1;
    SetResult("CreateHTML", "-1001");
    Command(32771);
    SetResult("CreateHTML", "-1");
    wxTEST_DIALOG(Command(32771), ExpectHostMessage("HTMLの生成に失敗しました。"));
    EXPECT_TRUE(shell.opened.empty());

    SetResult("CreateHTML", "0");
    Command(32771);
    EXPECT_EQ(shell.opened, std::vector<wxString>{"/srv/site/index.html"});

    doc->HTMLIndexFileName.clear();
    std::filesystem::remove(LogPath());
    wxTEST_DIALOG(Command(32771), ExpectHostMessage("インデックスファイル名称が設定されていません。"));
    EXPECT_EQ(Calls(), CallList{"CreateHTML"});
    EXPECT_EQ(shell.opened.size(), 1u);
}

TEST_F(HostFrameTest, ExitWritesTheSettings) {
    doc->HTMLOutDirectory = cp932::Literal("/srv/カクテル");
    Command(57665);
    EXPECT_TRUE(Closing(frame));
    EXPECT_NE(SettingsFile().find("HTMLOutDirectory=" + cp932::Literal("/srv/カクテル") + "\r\n"), std::string::npos);
    frame = nullptr;
}

TEST_F(HostFrameTest, FailedSaveAtCloseLetsTheUserStay) {
    MakeSettingsUnwritable();
    const char* question = "プロパティの保存に失敗しました。このまま終了しますか？";
    wxTEST_DIALOG(frame->Close(), ExpectHostMessage(question, wxID_CANCEL));
    EXPECT_FALSE(Closing(frame));
    wxTEST_DIALOG(frame->Close(), ExpectHostMessage(question, wxID_OK));
    EXPECT_TRUE(Closing(frame));
    frame = nullptr;
}

TEST_F(HostFrameTest, MessagePaneShowsPromptsAndFallsBackToIdleText) {
    wxStatusBar* status = frame->GetStatusBar();
    EXPECT_EQ(status->GetStatusText(0).utf8_string(), "ﾚﾃﾞｨ");
    EXPECT_EQ(status->GetFieldsCount(), 5);

    frame->GetView()->SetItemState(1, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    EXPECT_EQ(status->GetStatusText(0).utf8_string(), "2: マティーニ");
    wxMenuEvent highlight(wxEVT_MENU_HIGHLIGHT, HostCommand::SearchItem);
    frame->GetEventHandler()->ProcessEvent(highlight);
    EXPECT_EQ(status->GetStatusText(0).utf8_string(), "ﾃﾞｰﾀﾍﾞｰｽからｱｲﾃﾑを検索してﾘｽﾄに表示");
    wxMenuEvent close(wxEVT_MENU_CLOSE);
    frame->GetEventHandler()->ProcessEvent(close);
    EXPECT_EQ(status->GetStatusText(0).utf8_string(), "ﾚﾃﾞｨ");

    wxToolBar* tools = frame->GetToolBar();
    EXPECT_EQ(tools->GetToolShortHelp(HostCommand::Manual).utf8_string(), "ﾍﾙﾌﾟ");
    EXPECT_EQ(tools->GetToolLongHelp(HostCommand::Manual).utf8_string(), "ﾌﾟﾛｸﾞﾗﾑのﾍﾙﾌﾟﾌｧｲﾙを表示");
}

TEST_F(HostFrameTest, BarsToggleWithTheirCheckMarks) {
    const wxRect desktop = wxDisplay(0u).GetGeometry();
    EXPECT_EQ(frame->GetSize(), wxSize(desktop.width / 2, desktop.height / 2));
    const auto listHeight = [this] {
        for (int round = 0; round < 20; ++round) {
            wxYield();
            wxMilliSleep(10);
        }
        return frame->GetView()->GetSize().GetHeight();
    };
    frame->Show();
    const int withBars = listHeight();
    Command(59392);
    Command(59393);
    EXPECT_FALSE(frame->GetToolBar()->IsShown());
    EXPECT_FALSE(frame->GetStatusBar()->IsShown());
    EXPECT_FALSE(frame->GetMenuBar()->IsChecked(HostCommand::ToggleToolBar));
    EXPECT_FALSE(frame->GetMenuBar()->IsChecked(HostCommand::ToggleStatusBar));
    EXPECT_GT(listHeight(), withBars);
    Command(59392);
    Command(59393);
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(HostCommand::ToggleToolBar));
    EXPECT_EQ(listHeight(), withBars);
}

}  // namespace
