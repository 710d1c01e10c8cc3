#include <filesystem>

#include <wx/app.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include "cp932.h"
#include "host_test_support.h"

namespace {

using CallList = std::vector<std::string>;

TEST_F(HostFrameTest, AManualThatCannotBeOpenedGivesNoMessage) {
    // A manual that cannot be opened is not worth a message.
    shell.succeed = false;
    Command(32780);
    EXPECT_EQ(shell.opened, std::vector<wxString>{mainFrame->programDirectory + "/Folivex Manual.txt"});
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
    EXPECT_EQ(StatusText(), "ﾚﾃﾞｨ");
    wxMenuEvent highlight(wxEVT_MENU_HIGHLIGHT, HostCommand::SearchItem);
    frame->GetEventHandler()->ProcessEvent(highlight);
    EXPECT_EQ(StatusText(), "ﾃﾞｰﾀﾍﾞｰｽからｱｲﾃﾑを検索してﾘｽﾄに表示");
    wxMenuEvent close(wxEVT_MENU_CLOSE);
    frame->GetEventHandler()->ProcessEvent(close);
    EXPECT_EQ(StatusText(), "ﾚﾃﾞｨ");
    EXPECT_EQ(frame->GetToolBar()->GetToolShortHelp(HostCommand::Manual), U("ﾍﾙﾌﾟ"));
}

}  // namespace
