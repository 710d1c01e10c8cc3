// The main frame's own commands: the manual, Generate and its browsing, Exit, the message pane.
#include <filesystem>

#include <wx/app.h>
#include <wx/menu.h>

#include "cp932.h"
#include "host_test_support.h"

namespace {

TEST_F(HostFrameTest, AManualThatCannotBeOpenedGivesNoMessage) {
    shell.succeed = false;
    Command(HostCommand::Manual);
    EXPECT_EQ(shell.opened,
              std::vector<wxString>{static_cast<CMainFrame*>(frame)->programDirectory + "/Folivex Manual.txt"});
}

TEST_F(HostFrameTest, GenerateBrowsesOnlyAfterSuccessWithBrowsingOn) {
    doc->HTMLOutDirectory = "/srv/site";
    doc->HTMLIndexFileName = "index.html";
    Command(HostCommand::CreateHTML);
    EXPECT_EQ(Calls(), std::vector<std::string>{"CreateHTML\t-1\t4\t/srv/site\tindex.html"});
    doc->BrowseHTMLAfterCreate = 1;
    SetResult("CreateHTML", "-1001");
    Command(HostCommand::CreateHTML);
    EXPECT_TRUE(shell.opened.empty());
    SetResult("CreateHTML", "0");
    Command(HostCommand::CreateHTML);
    EXPECT_EQ(shell.opened, std::vector<wxString>{"/srv/site/index.html"});
}

TEST_F(HostFrameTest, ExitWritesTheSettingsOrAsksWhetherToQuit) {
    // A directory in the settings file's place makes the write fail.
    std::filesystem::create_directory(InProgramDirectory("Folivex.ini"));
    wxTEST_DIALOG(
        Command(HostCommand::Exit),
        ExpectHostMessage("プロパティの保存に失敗しました。このまま終了しますか？", wxOK | wxCANCEL, wxID_CANCEL));
    EXPECT_FALSE(wxPendingDelete.Member(frame));

    std::filesystem::remove(InProgramDirectory("Folivex.ini"));
    doc->HTMLOutDirectory = cp932::Literal("/srv/カクテル");
    Command(HostCommand::Exit);
    EXPECT_TRUE(wxPendingDelete.Member(frame));
    EXPECT_NE(SettingsFile().find("HTMLOutDirectory=" + doc->HTMLOutDirectory + "\r\n"), std::string::npos);
    wxTheApp->ProcessIdle();
    frame = nullptr;
}

TEST_F(HostFrameTest, MessagePaneFallsBackToTheIdleTextWhenAMenuCloses) {
    wxMenuEvent highlight(wxEVT_MENU_HIGHLIGHT, HostCommand::SearchItem);
    frame->GetEventHandler()->ProcessEvent(highlight);
    EXPECT_NE(StatusText(), "ﾚﾃﾞｨ");
    wxMenuEvent close(wxEVT_MENU_CLOSE);
    frame->GetEventHandler()->ProcessEvent(close);
    EXPECT_EQ(StatusText(), "ﾚﾃﾞｨ");
}

}  // namespace
