#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "core_test_support.h"
#include "core/settings.h"

namespace {

using coretest::ReadFile;
using coretest::TempDirectory;
using coretest::WriteFile;

TEST(SettingsFiles, MissingFilesGiveDefaultsAndSavingWritesEveryKeyInOrder)
{
    TempDirectory dir;
    PluginSettings settings;
    settings.topComment = "kept";
    settings.file.allPage = 0;
    ASSERT_TRUE(LoadSettings(dir.path(), settings));

    EXPECT_EQ(settings.design.frameBorder + settings.design.frameSpacing + settings.design.frameResize, 0);
    const FileSettings& file = settings.file;
    EXPECT_EQ((std::vector<int>{file.alphabet, file.basePage, file.stylePage, file.strongPage, file.tastePage,
                                file.masterPage, file.allPage}),
              std::vector<int>(7, 1));
    EXPECT_EQ(settings.topComment, "kept") << "no comment file leaves the comment as it was";

    settings.topComment.clear();
    ASSERT_TRUE(SaveSettings(dir.path(), settings));
    EXPECT_EQ(ReadFile(dir.File("Barvella.ini")),
              "[DESIGN]\r\nBACKGROUND=\r\nBGCOLOR=\r\nFRAMEBORDER=0\r\nFRAMESPACING=0\r\nFRAMERESIZE=0\r\nBORDERCOLOR=\r\n"
              "[TITLE]\r\nTITLECOLOR=\r\nTITLESIZE=\r\nTITLEFACE=\r\nWINDOWTITLE=\r\n"
              "[FONT]\r\nTEXTCOLOR=\r\nFONTSIZE=\r\nFONTFACE=\r\nLINKCOLOR=\r\nALINKCOLOR=\r\nVLINKCOLOR=\r\n"
              "[FILE]\r\nALPHABET=1\r\nBASEPAGE=1\r\nSTYLEPAGE=1\r\nSTRONGPAGE=1\r\nTASTEPAGE=1\r\nMASTERPAGE=1\r\nALLPAGE=1\r\n"
              "[USER]\r\nUSERNAME=\r\nUSERMAIL=\r\n"
              "[URL]\r\nURLTOPPAGE=\r\nURLIMAGES=\r\n");
    ASSERT_TRUE(std::filesystem::exists(dir.File("BarvellaTC.fvxcmt"))) << "an empty comment still makes the file";
    EXPECT_EQ(std::filesystem::file_size(dir.File("BarvellaTC.fvxcmt")), 0u);
}

TEST(SettingsFiles, ValuesAreReadThroughA256ByteBufferAndIntegersAsAtoiReadsThem)
{
    TempDirectory dir;
    const std::string longValue(300, 'x');
    WriteFile(dir.File("Barvella.ini"), "[DESIGN]\r\nBACKGROUND=" + longValue +
                                            "\r\nFRAMEBORDER=abc\r\nFRAMESPACING=3abc\r\nFRAMERESIZE= -12\r\n"
                                            "[file]\r\nallpage=0\r\nMASTERPAGE=99999999999\r\nBASEPAGE=-99999999999\r\n");
    PluginSettings settings;
    ASSERT_TRUE(LoadSettings(dir.path(), settings));
    EXPECT_EQ(settings.design.background, longValue.substr(0, 255));
    EXPECT_EQ(settings.design.frameBorder, 0);
    EXPECT_EQ(settings.design.frameSpacing, 3);
    EXPECT_EQ(settings.design.frameResize, -12);
    EXPECT_EQ(settings.file.allPage, 0);
    EXPECT_EQ(settings.file.masterPage, INT_MAX);
    EXPECT_EQ(settings.file.basePage, INT_MIN);
    EXPECT_EQ(settings.file.strongPage, 1);
}

TEST(SettingsFiles, ChangedSettingsSurviveASaveAndLoad)
{
    TempDirectory dir;
    PluginSettings saved;
    saved.design.bgColor = "#FFEEDD";
    saved.design.frameSpacing = -7;
    saved.title.windowTitle = coretest::Sjis("カクテル ソ表");  // 0x5C trail bytes
    saved.file.tastePage = 0;
    saved.user.userMail = "o'neil&co@example.com";
    saved.topComment = coretest::Sjis("<b>ようこそ</b>\r\n二行目");
    ASSERT_TRUE(SaveSettings(dir.path(), saved));

    PluginSettings loaded;
    ASSERT_TRUE(LoadSettings(dir.path(), loaded));
    EXPECT_EQ(loaded.design.bgColor, saved.design.bgColor);
    EXPECT_EQ(loaded.design.frameSpacing, -7);
    EXPECT_EQ(loaded.title.windowTitle, saved.title.windowTitle);
    EXPECT_EQ(loaded.file.tastePage, 0);
    EXPECT_EQ(loaded.user.userMail, saved.user.userMail);
    EXPECT_EQ(loaded.topComment, saved.topComment);
    EXPECT_EQ(ReadFile(dir.File("BarvellaTC.fvxcmt")), saved.topComment);
}

TEST(CommentFile, IsReadInChunksAndEachChunkEndsAtItsFirstNul)
{
    TempDirectory dir;
    PluginSettings settings;
    for (std::size_t size : {std::size_t{256}, std::size_t{300}, std::size_t{512}}) {
        std::string bytes;
        for (std::size_t i = 0; i < size; ++i) bytes.push_back(static_cast<char>('a' + i % 26));
        WriteFile(dir.File("BarvellaTC.fvxcmt"), bytes);
        ASSERT_TRUE(LoadSettings(dir.path(), settings));
        EXPECT_EQ(settings.topComment, bytes) << size << " bytes";
    }

    std::string withNul(300, 'n');
    withNul[10] = '\0';
    WriteFile(dir.File("BarvellaTC.fvxcmt"), withNul);
    ASSERT_TRUE(LoadSettings(dir.path(), settings));
    EXPECT_EQ(settings.topComment, std::string(10, 'n') + std::string(44, 'n'));
}

TEST(CommentFile, ReadAndWriteFailuresAreReported)
{
    TempDirectory dir;
    std::filesystem::create_directory(dir.File("BarvellaTC.fvxcmt"));
    PluginSettings settings;
    EXPECT_FALSE(LoadSettings(dir.path(), settings)) << "opens but cannot be read";
    EXPECT_FALSE(SaveSettings(dir.path(), settings));
}

TEST(SettingsFiles, SavingStopsAtTheFirstFailedWrite)
{
    TempDirectory dir;
    std::filesystem::create_directory(dir.File("Barvella.ini"));
    PluginSettings settings;
    settings.topComment = "comment";
    EXPECT_FALSE(SaveSettings(dir.path(), settings));
    EXPECT_FALSE(std::filesystem::exists(dir.File("BarvellaTC.fvxcmt")));
}

}  // namespace
