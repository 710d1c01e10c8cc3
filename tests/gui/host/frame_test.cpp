#include <wx/display.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include "cp932.h"
#include "frame_test_support.h"

using namespace frame_test;

namespace {

using CallList = std::vector<std::string>;

TEST_F(HostFrameTest, CommandsReachTheirEntryPoints) {
    const std::pair<int, const char*> routes[] = {
        {32774, "AddItem"},  {32775, "EditItem"},   {32776, "DeleteItem"}, {32786, "CopyItem"},
        {32777, "ViewItem"}, {32778, "SearchItem"}, {32779, "ClearList"},  {32771, "CreateHTML"},
        {32784, "Option"},   {32781, "About"},      {32782, "Help"},
    };
    for (const auto& [command, entry] : routes) {
        ClearLog();
        Command(command);
        EXPECT_EQ(CallNames(), CallList{entry}) << command;
    }
    // A manual that cannot be opened is not worth a message.
    shell.succeed = false;
    Command(32780);
    EXPECT_EQ(shell.opened, std::vector<wxString>{mainFrame->programDirectory + "/Folivex Manual.txt"});
}

// The guarded call's answers to odd results are the document's; here each command's own.
TEST_F(HostFrameTest, PluginWindowCommandsReportTheirOwnFailure) {
    const std::tuple<int, const char*, const char*> commands[] = {
        {32784, "Option", "プラグインオプションの設定に失敗しました。"},
        {32781, "About", "プラグインバージョンの表示に失敗しました。"},
        {32782, "Help", "プラグインヘルプの表示に失敗しました。"},
    };
    for (const auto& [command, entry, failure] : commands) {
        SetResult(entry, "-1001");
        Command(command);
        SetResult(entry, "-1");
        wxTEST_DIALOG(Command(command), ExpectHostMessage(failure));
        SetResult(entry, "throw");
        wxTEST_DIALOG(Command(command), ExpectHostMessage("プラグイン関数の実行中に例外が発生しました。"));
    }
    EXPECT_EQ(CallNames().size(), 9u);
}

TEST_F(HostFrameTest, GenerateBrowsesOnlyAfterSuccessWithBrowsingOn) {
    doc->HTMLOutDirectory = "/srv/site";
    doc->HTMLIndexFileName = "index.html";
    Command(32771);
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
    ClearLog();
    wxTEST_DIALOG(Command(32771), ExpectHostMessage("インデックスファイル名称が設定されていません。"));
    EXPECT_EQ(CallNames(), CallList{"CreateHTML"});
}

TEST_F(HostFrameTest, ExitWritesTheSettingsOrAsksWhetherToQuit) {
    MakeSettingsUnwritable();
    wxTEST_DIALOG(Command(57665), ExpectHostMessage("プロパティの保存に失敗しました。このまま終了しますか？",
                                                    wxOK | wxCANCEL, wxID_CANCEL));
    EXPECT_FALSE(wxPendingDelete.Member(frame));

    std::filesystem::remove(InProgramDirectory("Folivex.ini"));
    doc->HTMLOutDirectory = cp932::Literal("/srv/カクテル");
    Command(57665);
    EXPECT_TRUE(wxPendingDelete.Member(frame));
    EXPECT_NE(SettingsFile().find("HTMLOutDirectory=" + cp932::Literal("/srv/カクテル") + "\r\n"), std::string::npos);
    wxTheApp->ProcessIdle();
    frame = nullptr;
}

TEST_F(HostFrameTest, MessagePaneShowsPromptsAndFallsBackToIdleText) {
    EXPECT_EQ(StatusText(), U("ﾚﾃﾞｨ"));
    view->SetItemState(1, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    EXPECT_EQ(StatusText(), U("2: マティーニ"));
    wxMenuEvent highlight(wxEVT_MENU_HIGHLIGHT, HostCommand::SearchItem);
    frame->GetEventHandler()->ProcessEvent(highlight);
    EXPECT_EQ(StatusText(), U("ﾃﾞｰﾀﾍﾞｰｽからｱｲﾃﾑを検索してﾘｽﾄに表示"));
    wxMenuEvent close(wxEVT_MENU_CLOSE);
    frame->GetEventHandler()->ProcessEvent(close);
    EXPECT_EQ(StatusText(), U("ﾚﾃﾞｨ"));
    EXPECT_EQ(frame->GetToolBar()->GetToolShortHelp(HostCommand::Manual), U("ﾍﾙﾌﾟ"));
}

TEST_F(HostFrameTest, OpensAtHalfTheDisplayAndTogglesItsBars) {
    const wxRect desktop = wxDisplay(0u).GetGeometry();
    EXPECT_EQ(frame->GetSize(), wxSize(desktop.width / 2, desktop.height / 2));
    const auto listHeight = [this] {
        for (int round = 0; round < 20; ++round, wxMilliSleep(10))
            wxYield();
        return view->GetSize().GetHeight();
    };
    frame->Show();
    const int withBars = listHeight();
    Command(59392);
    Command(59393);
    EXPECT_FALSE(frame->GetMenuBar()->IsChecked(HostCommand::ToggleToolBar));
    EXPECT_FALSE(frame->GetMenuBar()->IsChecked(HostCommand::ToggleStatusBar));
    EXPECT_GT(listHeight(), withBars);
    Command(59392);
    Command(59393);
    EXPECT_EQ(listHeight(), withBars);
}

}  // namespace
