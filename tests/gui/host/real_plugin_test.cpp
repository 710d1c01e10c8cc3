// The host with the real Barvella.so: Japanese folder and file names from the workspace to
// the generated site and its browsing, and a Generate that must refuse before it asks.
#include "cp932.h"
#include "host_test_support.h"

struct RealPluginTest : HostFrameTest {
    void SetUp() override {
        HostFrameTest::SetUp();
        doc->PluginName = FOLIVEX_TEST_PROGRAM_DIR "/Barvella.so";
        ASSERT_TRUE(doc->LoadPlugin());
    }
};

TEST_F(RealPluginTest, JapaneseNamesGoFromTheWorkspaceToTheBrowsedSite) {
    const std::string site = scratch.File("サイト");
    std::filesystem::create_directory(site);
    doc->HTMLOutDirectory = *cp932::FromUtf8(site);
    doc->HTMLIndexFileName = cp932::Literal("目次.html");
    doc->BrowseHTMLAfterCreate = 1;
    wxTEST_DIALOG(Command(HostCommand::CreateHTML), wxExpectModal<wxMessageDialog>(wxID_OK));
    EXPECT_EQ(shell.opened, std::vector<wxString>{wxString::FromUTF8(site + "/目次.html")});
    EXPECT_TRUE(wxFileExists(shell.opened.at(0)));
}

TEST_F(RealPluginTest, GenerateWithoutAnOutputDirectoryFailsBeforeItAsks) {
    testing::internal::CaptureStderr();
    wxTEST_DIALOG(Command(HostCommand::CreateHTML), ExpectHostMessage("HTMLの生成に失敗しました。"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Barvella: no output directory"), std::string::npos);
}
