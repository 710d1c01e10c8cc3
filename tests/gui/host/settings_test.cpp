// The host settings file: defaults, the flag's reading, the round trip, the title and where
// the settings and the start directory come from.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "host_test_support.h"
#include "profile_file.h"
#include "recording_plugin_control.h"

using namespace recording_plugin;

namespace {

class SettingsTest : public HostTest {
protected:
    void WriteSettings(const std::string& text) const {
        std::ofstream(doc->SettingsPath(), std::ios::binary) << text;
    }
    std::string Stored(const char* key) const {
        return profile::ReadString(doc->SettingsPath(), "DEFAULT", key, "(missing)", 1024);
    }
};

TEST_F(SettingsTest, NoFileGivesDefaultsTheHintTitleAndOneMessage) {
    CreateWindows();
    wxTEST_DIALOG(EXPECT_EQ(doc->LoadHostSettings(), 1), ExpectHostMessage("プラグイン名称が未設定です。"));
    EXPECT_EQ(doc->HTMLOutDirectory, "");
    EXPECT_EQ(doc->HTMLIndexFileName, "");
    EXPECT_EQ(doc->HTMLEditorPath, "");
    EXPECT_EQ(doc->BrowseHTMLAfterCreate, 0);
    EXPECT_EQ(doc->PluginName, "");
    EXPECT_FALSE(doc->IsPluginLoaded());
    EXPECT_EQ(frame->GetTitle().utf8_string(), "ﾌﾟﾗｸﾞｲﾝを設定してください - Folivex");
    EXPECT_EQ(view->GetColumnCount(), 0);
}

TEST_F(SettingsTest, FlagIsOnOnlyForALeadingOne) {
    const std::pair<const char*, int> cases[] = {
        {"1", 1}, {"1abc", 1}, {"01", 1}, {"2", 0}, {"on", 0}, {"", 0}, {"11", 0}, {"99999999999999999999", 0},
    };
    for (const auto& [stored, expected] : cases) {
        WriteSettings("[DEFAULT]\r\nPluginName=" + std::string(kRecordingPlugin) + "\r\nBrowseHTMLAfterCreate=" + stored + "\r\n");
        doc->LoadHostSettings();
        EXPECT_EQ(doc->BrowseHTMLAfterCreate, expected) << '"' << stored << '"';
        ASSERT_EQ(doc->SaveHostSettings(), 1);
        EXPECT_EQ(Stored("BrowseHTMLAfterCreate"), expected == 1 ? "1" : "0") << '"' << stored << '"';
    }
}

TEST_F(SettingsTest, SavedSettingsReadBackByteForByteUpToTheBuffer) {
    doc->HTMLOutDirectory = Sjis("/home/o'brien/サイト 出力");
    doc->HTMLIndexFileName = "index.html";
    doc->HTMLEditorPath = std::string(300, 'e');
    doc->BrowseHTMLAfterCreate = 1;
    doc->PluginName = kRecordingPlugin;
    ASSERT_EQ(doc->SaveHostSettings(), 1);

    CFolivexDoc reread("/elsewhere");
    reread.programDirectory = programDirectory;
    reread.LoadHostSettings();
    EXPECT_EQ(reread.HTMLOutDirectory, doc->HTMLOutDirectory);
    EXPECT_EQ(reread.HTMLIndexFileName, "index.html");
    EXPECT_EQ(reread.HTMLEditorPath, std::string(259, 'e'));
    EXPECT_EQ(reread.BrowseHTMLAfterCreate, 1);
    EXPECT_EQ(reread.PluginName, kRecordingPlugin);
    EXPECT_TRUE(reread.IsPluginLoaded());
}

TEST_F(SettingsTest, UnwritableSettingsAreReportedAsNotSaved) {
    doc->programDirectory = programDirectory + "/no/such/directory";
    EXPECT_EQ(doc->SaveHostSettings(), 0);
}

TEST_F(SettingsTest, StartedElsewhereReadsFromTheProgramDirectoryAndStartsInTheStartDirectory) {
    CreateWindows();
    WriteSettings("[DEFAULT]\r\nPluginName=" + std::string(kRecordingPlugin) + "\r\nHTMLIndexFileName=program.html\r\n");
    const std::string startDirectory = programDirectory + "/start";
    std::filesystem::create_directory(startDirectory);
    std::ofstream(startDirectory + "/Folivex.ini") << "[DEFAULT]\r\nPluginName=EmptyPlugin.so\r\nHTMLIndexFileName=start.html\r\n";
    const std::string previous = std::filesystem::current_path();
    ASSERT_EQ(::chdir(startDirectory.c_str()), 0);

    CFolivexDoc started(startDirectory);
    started.programDirectory = programDirectory;
    view->Destroy();
    view = new CFolivexView(frame, &started);
    started.LoadHostSettings();
    ASSERT_EQ(::chdir(previous.c_str()), 0);

    EXPECT_EQ(started.HTMLIndexFileName, "program.html");
    EXPECT_EQ(frame->GetTitle(), wxString(kRecordingPlugin) + " - Folivex");
    EXPECT_EQ(Calls(), std::vector<std::string>{"StartUp\t" + startDirectory + "\t0\t0"});
    DestroyWindows();
}

}  // namespace
