// The host settings file: defaults, the flag's reading, the round trip, the title and where
// the settings and the start directory come from.
#include <filesystem>
#include <fstream>

#include "cp932.h"
#include "host_test_support.h"

namespace {

using SettingsTest = HostTest;

TEST_F(SettingsTest, NoFileGivesDefaultsTheHintTitleAndOneMessage) {
    CreateWindows();
    wxTEST_DIALOG(doc->LoadHostSettings(), ExpectHostMessage("プラグイン名称が未設定です。"));
    EXPECT_EQ(doc->HTMLOutDirectory + doc->HTMLIndexFileName + doc->HTMLEditorPath + doc->PluginName, "");
    EXPECT_EQ(doc->BrowseHTMLAfterCreate, 0);
    EXPECT_EQ(frame->GetTitle().utf8_string(), "ﾌﾟﾗｸﾞｲﾝを設定してください - Folivex");
}

TEST_F(SettingsTest, FlagIsOnOnlyForALeadingOneAndIsWrittenBackAsZeroOrOne) {
    const std::pair<const char*, int> cases[] = {
        {"1abc", 1}, {"01", 1}, {"11", 0}, {"on", 0}, {"99999999999999999999", 0}};
    for (const auto& [stored, expected] : cases) {
        std::ofstream(doc->SettingsPath())
            << "[DEFAULT]\r\nPluginName=RecordingPlugin.so\r\nBrowseHTMLAfterCreate=" << stored << "\r\n";
        doc->LoadHostSettings();
        EXPECT_EQ(doc->BrowseHTMLAfterCreate, expected) << stored;
        ASSERT_TRUE(doc->SaveHostSettings());
        EXPECT_NE(SettingsFile().find("BrowseHTMLAfterCreate=" + std::to_string(expected) + "\r\n"), std::string::npos)
            << stored;
    }
}

TEST_F(SettingsTest, SavedSettingsReadBackByteForByteUpToTheBuffer) {
    doc->HTMLOutDirectory = cp932::Literal("/home/o'brien/サイト 出力");
    doc->HTMLIndexFileName = "index.html";
    doc->HTMLEditorPath = std::string(300, 'e');
    doc->BrowseHTMLAfterCreate = 1;
    doc->PluginName = "RecordingPlugin.so";
    ASSERT_TRUE(doc->SaveHostSettings());

    CFolivexDoc reread("/elsewhere");
    reread.programDirectory = programDirectory;
    reread.LoadHostSettings();
    EXPECT_EQ(reread.HTMLOutDirectory, doc->HTMLOutDirectory);
    EXPECT_EQ(reread.HTMLIndexFileName, "index.html");
    EXPECT_EQ(reread.HTMLEditorPath, std::string(259, 'e'));
    EXPECT_EQ(reread.BrowseHTMLAfterCreate, 1);
    EXPECT_EQ(reread.PluginName, "RecordingPlugin.so");
    EXPECT_TRUE(reread.IsPluginLoaded());
}

TEST_F(SettingsTest, StartedElsewhereReadsFromTheProgramDirectoryAndStartsInTheStartDirectory) {
    const std::string startDirectory = InProgramDirectory("start");
    std::filesystem::create_directory(startDirectory);
    std::ofstream(InProgramDirectory("Folivex.ini")) << "[DEFAULT]\r\nPluginName=RecordingPlugin.so\r\n";
    std::ofstream(startDirectory + "/Folivex.ini") << "[DEFAULT]\r\nPluginName=EmptyPlugin.so\r\n";
    doc = std::make_unique<CFolivexDoc>(startDirectory);
    doc->programDirectory = programDirectory;
    CreateWindows();
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(startDirectory);
    doc->LoadHostSettings();
    std::filesystem::current_path(previous);

    EXPECT_EQ(frame->GetTitle(), "RecordingPlugin.so - Folivex");
    EXPECT_EQ(Calls(), std::vector<std::string>{"StartUp\t" + startDirectory + "\t0\t0"});
}

}  // namespace
