// The main frame's own commands: the manual, Generate and its browsing, Exit, the message pane.
#include "host_test_support.h"

TEST_F(HostFrameTest, AManualThatCannotBeOpenedGivesNoMessage) {
    shell.succeed = false;
    Command(HostCommand::Manual);
    EXPECT_EQ(shell.opened,
              std::vector<wxString>{static_cast<CMainFrame*>(frame)->programDirectory + "/Folivex Manual.txt"});
}

// Success with browsing on the real plug-in's test shows; a browse here would first report the
// unset output directory.
TEST_F(HostFrameTest, GenerateBrowsesOnlyAfterSuccessWithBrowsingOn) {
    Command(HostCommand::CreateHTML);
    doc->BrowseHTMLAfterCreate = 1;
    SetResult("CreateHTML", "-1001");
    Command(HostCommand::CreateHTML);
    EXPECT_EQ(Calls(true), (std::vector<std::string>{"CreateHTML", "CreateHTML"}));
}

TEST_F(HostFrameTest, ExitWritesTheSettingsOrAsksWhetherToQuit) {
    // A directory in the settings file's place makes the write fail; the end-to-end test sees
    // the settings written at exit.
    std::filesystem::create_directory(scratch.File("Folivex.ini"));
    const char* ask = "プロパティの保存に失敗しました。このまま終了しますか？";
    wxTEST_DIALOG(Command(HostCommand::Exit), ExpectHostMessage(ask, wxOK | wxCANCEL, wxID_CANCEL));
    EXPECT_FALSE(wxPendingDelete.Member(frame));
    wxTEST_DIALOG(Command(HostCommand::Exit), ExpectHostMessage(ask, wxOK | wxCANCEL));
    EXPECT_TRUE(wxPendingDelete.Member(frame));
}

TEST_F(HostFrameTest, MessagePaneShowsTheIdleTextWhenAMenuClosesNotWhatItShowedBefore) {
    frame->SetStatusText("before the menu");
    frame->DoGiveHelp("a menu item's prompt", true);
    frame->DoGiveHelp("", false);
    EXPECT_EQ(StatusText(), "ﾚﾃﾞｨ");
}
