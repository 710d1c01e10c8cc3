// Where Folivex.ini lives: beside the program while its directory can be written, else in the
// user's configuration folder, with the program's file as the defaults until then.
#include "host_test_support.h"

using SettingsLocationTest = HostTest;

// No ASSERT here: the environment is put back at the end.
TEST_F(SettingsLocationTest, BesideTheProgramWhileItCanBeWrittenElseInTheUsersConfigurationFolder) {
    const char* savedHome = std::getenv("HOME");
    const std::string home = savedHome ? savedHome : "";
    ::setenv("XDG_CONFIG_HOME", scratch.File("config").c_str(), 1);
    const std::string installed = "[DEFAULT]\r\nHTMLIndexFileName=system.html\r\nPluginName=RecordingPlugin.so\r\n";
    std::ofstream(scratch.File("Folivex.ini"), std::ios::binary) << installed;
    EXPECT_EQ(doc->SettingsPath(), scratch.File("Folivex.ini"));

    doc->isWritableDirectory = [](const std::string&) { return false; };
    const std::string own = scratch.File("config/folivex/Folivex.ini");
    EXPECT_EQ(doc->SettingsPath(), own);
    doc->LoadHostSettings();
    EXPECT_EQ(doc->HTMLIndexFileName, "system.html") << "the installed file gives the first values";
    doc->HTMLIndexFileName = "mine.html";
    EXPECT_TRUE(doc->SaveHostSettings()) << "the folder is created";
    EXPECT_NE(SettingsFile(own).find("HTMLIndexFileName=mine.html\r\n"), std::string::npos);
    EXPECT_EQ(SettingsFile(), installed);
    doc->LoadHostSettings();
    EXPECT_EQ(doc->HTMLIndexFileName, "mine.html");

    ::setenv("HOME", scratch.File("home").c_str(), 1);
    // A relative configuration folder is none.
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(doc->SettingsPath(), scratch.File("home/.config/folivex/Folivex.ini"));
    ::unsetenv("XDG_CONFIG_HOME");
    savedHome ? ::setenv("HOME", home.c_str(), 1) : ::unsetenv("HOME");
}
