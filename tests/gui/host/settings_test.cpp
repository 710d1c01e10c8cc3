// The host settings file: the flag's reading and the round trip. Where it is read from, and
// what no file gives, the end-to-end test sees in the real program.
#include "cp932.h"
#include "host_test_support.h"

using SettingsTest = HostTest;

TEST_F(SettingsTest, FlagIsOnOnlyForALeadingOne) {
    const std::pair<const char*, int> cases[] = {
        {"1abc", 1}, {"01", 1}, {"11", 0}, {"on", 0}, {"99999999999999999999", 0}};
    for (const auto& [stored, expected] : cases) {
        std::ofstream(doc->SettingsPath())
            << "[DEFAULT]\r\nPluginName=RecordingPlugin.so\r\nBrowseHTMLAfterCreate=" << stored << "\r\n";
        doc->LoadHostSettings();
        EXPECT_EQ(doc->BrowseHTMLAfterCreate, expected) << stored;
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
    EXPECT_EQ(std::tuple(reread.HTMLOutDirectory, reread.HTMLIndexFileName, reread.HTMLEditorPath,
                         reread.BrowseHTMLAfterCreate, reread.PluginName, reread.IsPluginLoaded()),
              std::tuple(doc->HTMLOutDirectory, "index.html", std::string(259, 'e'), 1, "RecordingPlugin.so", true));
}
