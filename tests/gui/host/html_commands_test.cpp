// Browse and Edit HTML through the recorded desktop, and the real desktop's refusals.
#include "cp932.h"
#include "host_test_support.h"

TEST_F(HostFrameTest, BrowseNeedsBothSettingsAndJoinsThemPlainly) {
    wxTEST_DIALOG(Command(HostCommand::BrowseHTML), ExpectHostMessage("HTML出力ディレクトリが設定されていません。"));
    // A directory that ends in the separator gives a doubled one.
    doc->HTMLOutDirectory = cp932::Literal("/srv/カクテル/");
    wxTEST_DIALOG(Command(HostCommand::BrowseHTML),
                  ExpectHostMessage("インデックスファイル名称が設定されていません。"));
    doc->HTMLIndexFileName = "index.html";
    Command(HostCommand::BrowseHTML);
    EXPECT_EQ(shell.opened, std::vector<wxString>{L"/srv/カクテル//index.html"});
    shell.succeed = false;
    wxTEST_DIALOG(Command(HostCommand::BrowseHTML), ExpectHostMessage("HTMLブラウザの起動に失敗しました。"));
}

TEST_F(HostFrameTest, EditStartsTheEditorOnTheChosenPageAndLeavesTheWorkingDirectory) {
    const std::filesystem::path before = std::filesystem::current_path();
    wxTEST_DIALOG(Command(HostCommand::EditHTML), ExpectHostMessage("HTMLエディタが設定されていません。"));
    doc->HTMLEditorPath = cp932::Literal("/opt/My エディタ/edit");
    // A relative output directory names the same folder for every later command.
    std::filesystem::current_path(programDirectory);
    doc->HTMLOutDirectory = cp932::Literal("作業 フォルダ");
    Command(HostCommand::EditHTML);
    const std::filesystem::path after = std::filesystem::current_path();
    std::filesystem::current_path(before);
    EXPECT_EQ(after, programDirectory);
    EXPECT_EQ(shell.fileChoices.at(0).defaultDirectory, wxString::FromUTF8(startDirectory));
    EXPECT_TRUE(shell.started.empty());

    shell.file = shell::ChosenFile{"/srv/site/page 1.html", "page 1.html"};
    Command(HostCommand::EditHTML);
    EXPECT_EQ(shell.started.at(0), (std::vector<wxString>{L"/opt/My エディタ/edit", "/srv/site/page 1.html"}));
    shell.succeed = false;
    wxTEST_DIALOG(Command(HostCommand::EditHTML), ExpectHostMessage("HTMLエディタの起動に失敗しました。"));
}

TEST(DesktopSeams, RefuseWhatCannotBeOpenedOrStarted) {
    const shell::Seams desktop = shell::DesktopSeams();
    const testsupport::TempDirectory scratch;
    testsupport::WriteFile(scratch.File("not-a-program"), "echo started\n");
    EXPECT_FALSE(desktop.openWithAssociatedProgram("/nonexistent/site/index.html"));
    EXPECT_FALSE(desktop.startProgram({"no-such-editor-anywhere", "page.html"}));
    EXPECT_FALSE(desktop.startProgram({wxString(scratch.File("not-a-program")), "page.html"}));
    EXPECT_TRUE(desktop.startProgram({"true", "page.html"}));
}
