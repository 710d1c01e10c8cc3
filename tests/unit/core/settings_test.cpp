#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "core/settings.h"
#include "core_test_support.h"

namespace {

using coretest::ReadFile;
using coretest::TempDirectory;
using coretest::WriteFile;

TEST(SettingsFiles, MissingFilesGiveDefaultsAndSavingWritesEveryKeyInOrder)
{
    TempDirectory dir;
    PluginSettings settings;
    settings.topComment = "kept";
    ASSERT_TRUE(LoadSettings(dir.path(), settings));
    const DesignSettings& design = settings.design;
    const FileSettings& file = settings.file;
    EXPECT_EQ((std::vector<int>{design.frameBorder, design.frameSpacing, design.frameResize, file.alphabet,
                                file.basePage, file.stylePage, file.strongPage, file.tastePage, file.masterPage,
                                file.allPage}),
              (std::vector<int>{0, 0, 0, 1, 1, 1, 1, 1, 1, 1}));
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

TEST(SettingsFiles, ValuesAreCutTo255BytesIntegersReadAsAtoiAndSavedValuesComeBack)
{
    TempDirectory dir;
    WriteFile(dir.File("Barvella.ini"), "[DESIGN]\r\nBACKGROUND=" + std::string(300, 'x') +
                                            "\r\nFRAMEBORDER=abc\r\nFRAMESPACING=3abc\r\nFRAMERESIZE= -12\r\n"
                                            "[file]\r\nallpage=0\r\nMASTERPAGE=99999999999\r\nBASEPAGE=-99999999999\r\n");
    PluginSettings settings;
    ASSERT_TRUE(LoadSettings(dir.path(), settings));
    EXPECT_EQ(settings.design.background, std::string(255, 'x'));
    EXPECT_EQ((std::vector<int>{settings.design.frameBorder, settings.design.frameSpacing, settings.design.frameResize,
                                settings.file.allPage, settings.file.masterPage, settings.file.basePage}),
              (std::vector<int>{0, 3, -12, 0, INT_MAX, INT_MIN}));

    settings.title.windowTitle = coretest::Sjis("カクテル ソ表");  // trail bytes 0x5C
    settings.user.userMail = "o'neil&co@example.com";
    settings.topComment = coretest::Sjis("<b>ようこそ</b>\r\n二行目");
    ASSERT_TRUE(SaveSettings(dir.path(), settings));
    PluginSettings loaded;
    ASSERT_TRUE(LoadSettings(dir.path(), loaded));
    EXPECT_EQ((std::vector<std::string>{loaded.title.windowTitle, loaded.user.userMail, loaded.topComment}),
              (std::vector<std::string>{settings.title.windowTitle, settings.user.userMail, settings.topComment}));
    EXPECT_EQ(loaded.design.frameResize, -12);
}

TEST(CommentFile, IsReadInChunksAndEachChunkEndsAtItsFirstNul)
{
    TempDirectory dir;
    PluginSettings settings;
    for (std::size_t size : {256u, 300u, 512u}) {
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
    EXPECT_EQ(settings.topComment, std::string(10 + 44, 'n'));
}

TEST(SettingsFiles, FailuresAreReportedAndSavingStopsAtTheFirstFailedWrite)
{
    TempDirectory dir;
    std::filesystem::create_directory(dir.File("BarvellaTC.fvxcmt"));
    PluginSettings settings;
    EXPECT_FALSE(LoadSettings(dir.path(), settings)) << "the comment opens but cannot be read";
    EXPECT_FALSE(SaveSettings(dir.path(), settings));

    TempDirectory other;
    std::filesystem::create_directory(other.File("Barvella.ini"));
    EXPECT_FALSE(SaveSettings(other.path(), settings));
    EXPECT_FALSE(std::filesystem::exists(other.File("BarvellaTC.fvxcmt")));
}

}  // namespace
