// Where Folivex.ini lives: beside the program while its directory can be written, else in the
// user's configuration folder, with the program's file as the defaults until then.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "host_test_support.h"

namespace {

class SettingsLocationTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        for (const char* name : {"XDG_CONFIG_HOME", "HOME"}) {
            const char* value = std::getenv(name);
            saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        ::setenv("XDG_CONFIG_HOME", InProgramDirectory("config").c_str(), 1);
    }
    void TearDown() override {
        for (const auto& [name, value] : saved) value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
        HostTest::TearDown();
    }
    static std::string Read(const std::string& path) {
        std::ostringstream bytes;
        bytes << std::ifstream(path, std::ios::binary).rdbuf();
        return bytes.str();
    }

    std::vector<std::pair<const char*, std::optional<std::string>>> saved;
};

TEST_F(SettingsLocationTest, AWritableProgramDirectoryKeepsTheSettingsBesideTheProgram) {
    doc->HTMLIndexFileName = "index.html";
    ASSERT_TRUE(doc->SaveHostSettings());
    EXPECT_EQ(doc->SettingsPath(), InProgramDirectory("Folivex.ini"));
    EXPECT_NE(SettingsFile().find("HTMLIndexFileName=index.html\r\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(InProgramDirectory("config")));
}

TEST_F(SettingsLocationTest, AnUnwritableProgramDirectoryUsesTheUsersConfigurationFolder) {
    const std::string installed = "[DEFAULT]\r\nHTMLIndexFileName=system.html\r\nPluginName=RecordingPlugin.so\r\n";
    std::ofstream(InProgramDirectory("Folivex.ini"), std::ios::binary) << installed;
    doc->isWritableDirectory = [](const std::string&) { return false; };
    const std::string own = InProgramDirectory("config/folivex/Folivex.ini");
    EXPECT_EQ(doc->SettingsPath(), own);

    doc->LoadHostSettings();
    EXPECT_EQ(doc->HTMLIndexFileName, "system.html") << "the installed file gives the first defaults";
    doc->HTMLIndexFileName = "mine.html";
    ASSERT_TRUE(doc->SaveHostSettings()) << "the folder is created";
    EXPECT_NE(Read(own).find("HTMLIndexFileName=mine.html\r\n"), std::string::npos);
    EXPECT_EQ(SettingsFile(), installed);
    doc->LoadHostSettings();
    EXPECT_EQ(doc->HTMLIndexFileName, "mine.html");

    ::setenv("HOME", InProgramDirectory("home").c_str(), 1);
    for (const char* configHome : {"", "relative/config"}) {
        ::setenv("XDG_CONFIG_HOME", configHome, 1);
        EXPECT_EQ(doc->SettingsPath(), InProgramDirectory("home/.config/folivex/Folivex.ini")) << configHome;
    }
}

}  // namespace
