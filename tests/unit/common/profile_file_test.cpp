#include "profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "atomic_file.h"

namespace fs = std::filesystem;

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        directory = fs::temp_directory_path() / ("profile_test_" + std::to_string(::getpid()) + "_" +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(directory);
        path = (directory / "test.ini").string();
    }
    void TearDown() override { fs::remove_all(directory); }

    void WriteRaw(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    std::string ReadRaw()
    {
        std::string bytes;
        fileio::ReadWholeFile(path, bytes);
        return bytes;
    }
    std::string Read(std::string_view section, std::string_view key, std::size_t buffer = 256)
    {
        return profile::ReadString(path, section, key, "default", buffer);
    }

    fs::path directory;
    std::string path;
};

TEST_F(ProfileFileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(Read("DEFAULT", "Key"), "default");
    WriteRaw("[OTHER]\r\nKey=1\r\n");
    EXPECT_EQ(Read("DEFAULT", "Key"), "default");
    EXPECT_EQ(Read("OTHER", "Missing"), "default");
    EXPECT_EQ(profile::ReadString(path, "OTHER", "Missing", "long default", 5), "long");
}

TEST_F(ProfileFileTest, SectionsAndKeysMatchRegardlessOfCaseAndValuesLoseBlanksAndOneQuotePair)
{
    WriteRaw("; comment\n[Design]\n  bgcolor  =   #FFFFFF  \nFace=\"ＭＳ ゴシック\"\nSingle='x'\nTwo=\"\"a\"\"\n"
             "Mixed=\"a'\nEmpty=\n");
    EXPECT_EQ(Read("DESIGN", "BGCOLOR"), "#FFFFFF");
    EXPECT_EQ(Read("design", "face"), "ＭＳ ゴシック");
    EXPECT_EQ(Read("DESIGN", "SINGLE"), "x");
    EXPECT_EQ(Read("DESIGN", "TWO"), "\"a\"");
    EXPECT_EQ(Read("DESIGN", "MIXED"), "\"a'");
    EXPECT_EQ(Read("DESIGN", "EMPTY"), "");
}

TEST_F(ProfileFileTest, ReadThroughAnNByteBufferYieldsAtMostNMinusOneBytes)
{
    const std::string value(300, 'v');
    WriteRaw("[S]\r\nK=" + value + "\r\n");
    EXPECT_EQ(Read("S", "K", 256), std::string(255, 'v'));
    EXPECT_EQ(Read("S", "K", 260), std::string(259, 'v'));
    EXPECT_EQ(Read("S", "K", 1), "");
}

TEST_F(ProfileFileTest, ValuesAreBytesWithoutConversion)
{
    const std::string sjis = "\x83\x4a\x83\x4e\x83\x65\x83\x8b";  // katakana in CP932
    ASSERT_TRUE(profile::WriteString(path, "USER", "USERNAME", sjis));
    EXPECT_EQ(Read("USER", "USERNAME"), sjis);
}

TEST_F(ProfileFileTest, NewFileIsWrittenWithCrLfAndSectionsInWriteOrder)
{
    ASSERT_TRUE(profile::WriteString(path, "DESIGN", "BACKGROUND", "bg.gif"));
    ASSERT_TRUE(profile::WriteString(path, "DESIGN", "BGCOLOR", ""));
    ASSERT_TRUE(profile::WriteString(path, "TITLE", "TITLECOLOR", "red"));
    EXPECT_EQ(ReadRaw(), "[DESIGN]\r\nBACKGROUND=bg.gif\r\nBGCOLOR=\r\n[TITLE]\r\nTITLECOLOR=red\r\n");
}

TEST_F(ProfileFileTest, WriteReplacesTheValueInPlaceAndKeepsEveryOtherLine)
{
    WriteRaw("; settings\n[DEFAULT]\nHTMLOutDirectory = /old\n\n; keep me\nPluginName=x.so\n[OTHER]\nA=1\n");
    ASSERT_TRUE(profile::WriteString(path, "default", "htmloutdirectory", "/new"));
    ASSERT_TRUE(profile::WriteString(path, "DEFAULT", "BrowseHTMLAfterCreate", "1"));
    ASSERT_TRUE(profile::WriteString(path, "OTHER", "B", "2"));
    EXPECT_EQ(ReadRaw(),
              "; settings\n[DEFAULT]\nHTMLOutDirectory =/new\n\n; keep me\nPluginName=x.so\n"
              "BrowseHTMLAfterCreate=1\n[OTHER]\nA=1\nB=2\n");
}

TEST_F(ProfileFileTest, ExistingCrLfFileKeepsCrLfAndAFileWithoutFinalLineEndGetsOne)
{
    WriteRaw("[S]\r\nA=1");
    ASSERT_TRUE(profile::WriteString(path, "S", "B", "2"));
    EXPECT_EQ(ReadRaw(), "[S]\r\nA=1\r\nB=2\r\n");
}

TEST_F(ProfileFileTest, FailedWriteReportsFailureAndLeavesNoTemporaryFile)
{
    const std::string blocked = (directory / "missing" / "test.ini").string();
    EXPECT_FALSE(profile::WriteString(blocked, "S", "K", "V"));

    // A directory standing where the file should be cannot be replaced.
    fs::create_directory(path);
    EXPECT_FALSE(profile::WriteString(path, "S", "K", "V"));
    EXPECT_EQ(std::distance(fs::directory_iterator(directory), fs::directory_iterator()), 1);
}

TEST_F(ProfileFileTest, WriteReplacesTheFileAtomically)
{
    WriteRaw("[S]\r\nK=old\r\n");
    const auto before = fs::status(path).permissions();
    // Hold the old file open: an in-place write would change what this reader sees.
    std::ifstream reader(path, std::ios::binary);
    ASSERT_TRUE(profile::WriteString(path, "S", "K", "new"));
    std::string seen((std::istreambuf_iterator<char>(reader)), std::istreambuf_iterator<char>());
    EXPECT_EQ(seen, "[S]\r\nK=old\r\n");
    EXPECT_EQ(ReadRaw(), "[S]\r\nK=new\r\n");
    EXPECT_EQ(fs::status(path).permissions(), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(directory), fs::directory_iterator()), 1);
}

}  // namespace
