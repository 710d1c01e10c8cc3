#include "profile_file.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using namespace testsupport;

class ProfileFileTest : public ::testing::Test {
protected:
    std::string Read(std::string_view section, std::string_view key, std::size_t buffer = 256) {
        return profile::ReadString(path, section, key, "default", buffer);
    }
    long Files(const std::string& folder) { return std::distance(fs::directory_iterator(folder), {}); }

    TempDirectory dir;
    const std::string path = dir.File("test.ini");
};

TEST_F(ProfileFileTest, ReadsMatchAnyCaseLoseBlanksAndOneQuotePairAndStopAtTheBuffer) {
    EXPECT_EQ(Read("DESIGN", "Key"), "default");
    WriteFile(path,
              "; comment\n[Design]\n  bgcolor  =   #FFFFFF  \nFace=\"ＭＳ ゴシック\"\nSingle='x'\nTwo=\"\"a\"\"\n"
              "Mixed=\"a'\nEmpty=\n[S]\r\nK=" +
                  std::string(300, 'v') + "\r\nKana=\x83\x4a\x83\x4e\x83\x65\r\n");
    EXPECT_EQ(Read("OTHER", "BGCOLOR"), "default");
    EXPECT_EQ(profile::ReadString(path, "DESIGN", "Missing", "long default", 5), "long");
    EXPECT_EQ(Read("DESIGN", "BGCOLOR"), "#FFFFFF");
    EXPECT_EQ(Read("design", "face"), "ＭＳ ゴシック");
    EXPECT_EQ(Read("DESIGN", "SINGLE"), "x");
    EXPECT_EQ(Read("DESIGN", "TWO"), "\"a\"");
    EXPECT_EQ(Read("DESIGN", "MIXED"), "\"a'");
    EXPECT_EQ(Read("DESIGN", "EMPTY"), "");
    EXPECT_EQ(Read("S", "K"), std::string(255, 'v'));
    EXPECT_EQ(Read("S", "K", 1), "");
    // Five bytes kept of a cut double-byte text would end in half a character.
    EXPECT_EQ(Read("S", "KANA", 6), "\x83\x4a\x83\x4e");
}

TEST_F(ProfileFileTest, WritesMakeCrLfFilesAndKeepAnExistingFilesLinesAndLineEnds) {
    const std::string sjis = "\x83\x4a\x83\x4e\x83\x65\x83\x5c";  // bytes, never converted, 0x5C no escape
    ASSERT_TRUE(profile::WriteString(path, "DESIGN", "BACKGROUND", sjis));
    ASSERT_TRUE(profile::WriteString(path, "DESIGN", "BGCOLOR", ""));
    ASSERT_TRUE(profile::WriteString(path, "TITLE", "TITLECOLOR", "red"));
    EXPECT_EQ(ReadFile(path), "[DESIGN]\r\nBACKGROUND=" + sjis + "\r\nBGCOLOR=\r\n[TITLE]\r\nTITLECOLOR=red\r\n");
    EXPECT_EQ(Read("design", "background"), sjis);

    WriteFile(path, "; settings\n[DEFAULT]\nHTMLOutDirectory = /old\n\n; keep me\nPluginName=x.so\n[OTHER]\nA=1\n");
    ASSERT_TRUE(profile::WriteString(path, "default", "htmloutdirectory", "/new"));
    ASSERT_TRUE(profile::WriteString(path, "DEFAULT", "BrowseHTMLAfterCreate", "1"));
    ASSERT_TRUE(profile::WriteString(path, "OTHER", "B", "2"));
    EXPECT_EQ(ReadFile(path),
              "; settings\n[DEFAULT]\nHTMLOutDirectory =/new\n\n; keep me\nPluginName=x.so\n"
              "BrowseHTMLAfterCreate=1\n[OTHER]\nA=1\nB=2\n");

    WriteFile(path, "[S]\r\nA=1");
    ASSERT_TRUE(profile::WriteString(path, "S", "B", "2"));
    EXPECT_EQ(ReadFile(path), "[S]\r\nA=1\r\nB=2\r\n");
}

TEST_F(ProfileFileTest, WritesReplaceTheFileOrALinksTargetWholeElseInPlaceAndLeaveNoTemporaryFile) {
    const std::string folder = dir.File("program"), target = folder + "/Folivex.ini";
    fs::create_directory(folder);
    WriteFile(target, "[S]\r\nK=old\r\n");
    fs::create_symlink("program/Folivex.ini", path);
    const auto before = fs::status(target).permissions();
    // Hold the old file open: an in-place write would change what this reader sees.
    std::ifstream reader(target, std::ios::binary);
    ASSERT_TRUE(profile::WriteString(path, "S", "K", "new"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), {}), "[S]\r\nK=old\r\n");
    EXPECT_EQ(std::tuple(fs::is_symlink(path), ReadFile(path), fs::status(target).permissions()),
              std::tuple(true, "[S]\r\nK=new\r\n", before));

    EXPECT_FALSE(profile::WriteString(dir.File("missing/test.ini"), "S", "K", "V"));
    fs::create_directory(dir.File("taken.ini"));  // a directory where the file should be cannot be replaced
    EXPECT_FALSE(profile::WriteString(dir.File("taken.ini"), "S", "K", "V"));
    EXPECT_EQ(Files(dir.path), 3);

    // Root writes into any folder, so the write runs as a user whom the folder refuses.
    using fs::perms;
    fs::permissions(dir.path, perms::others_exec, fs::perm_options::add);
    fs::permissions(target, perms::owner_all | perms::group_all | perms::others_read | perms::others_write);
    fs::permissions(folder, perms::owner_read | perms::owner_exec | perms::others_read | perms::others_exec);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        ::_exit(profile::WriteString(target, "S", "K", "in place") ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    fs::permissions(folder, perms::owner_all);
    EXPECT_EQ(std::tuple(status, ReadFile(path), Files(folder)), std::tuple(0, "[S]\r\nK=in place\r\n", 1L));
}

}  // namespace
