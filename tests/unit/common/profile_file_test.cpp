#include "profile_file.h"

#include <gtest/gtest.h>

// Files are read and written whole elsewhere; here they are their bytes.
std::string Read(std::string_view bytes, std::string_view section, std::string_view key, std::size_t buffer = 256) {
    return profile::ReadStringFrom(bytes, section, key, "default", buffer);
}

// `bytes` after setting each key in turn; "refused" when a set refuses.
std::string Set(std::string bytes, std::initializer_list<std::array<std::string_view, 3>> keys) {
    for (const auto& [section, key, value] : keys)
        if (!profile::SetString(bytes, section, key, value)) return "refused";
    return bytes;
}

TEST(ProfileFile, ReadsMatchAnyCaseLoseBlanksAndOneQuotePairAndStopAtTheBuffer) {
    EXPECT_EQ(Read("", "DESIGN", "Key"), "default");
    const std::string file =
        "; comment\n[Design]\n  bgcolor  =   #FFFFFF  \nFace=\"ＭＳ ゴシック\"\nSingle='x'\nTwo=\"\"a\"\"\n"
        "Mixed=\"a'\nEmpty=\n[S]\r\nK=" +
        std::string(300, 'v') + "\r\nKana=\x83\x4a\x83\x4e\x83\x65\r\n";
    EXPECT_EQ(Read(file, "OTHER", "BGCOLOR"), "default");
    EXPECT_EQ(profile::ReadStringFrom(file, "DESIGN", "Missing", "long default", 5), "long");
    EXPECT_EQ(Read(file, "DESIGN", "BGCOLOR"), "#FFFFFF");
    EXPECT_EQ(Read(file, "design", "face"), "ＭＳ ゴシック");
    EXPECT_EQ(Read(file, "DESIGN", "SINGLE"), "x");
    EXPECT_EQ(Read(file, "DESIGN", "TWO"), "\"a\"");
    EXPECT_EQ(Read(file, "DESIGN", "MIXED"), "\"a'");
    EXPECT_EQ(Read(file, "DESIGN", "EMPTY"), "");
    EXPECT_EQ(Read(file, "S", "K"), std::string(255, 'v'));
    EXPECT_EQ(Read(file, "S", "K", 1), "");
    // Five bytes kept of a cut double-byte text would end in half a character.
    EXPECT_EQ(Read(file, "S", "KANA", 6), "\x83\x4a\x83\x4e");
}

TEST(ProfileFile, SetsMakeCrLfFilesAndKeepAnExistingFilesLinesAndLineEnds) {
    const std::string sjis = "\x83\x4a\x83\x4e\x83\x65\x83\x5c";  // bytes, never converted, 0x5C no escape
    const std::string made =
        Set("", {{"DESIGN", "BACKGROUND", sjis}, {"DESIGN", "BGCOLOR", ""}, {"TITLE", "TITLECOLOR", "red"}});
    EXPECT_EQ(made, "[DESIGN]\r\nBACKGROUND=" + sjis + "\r\nBGCOLOR=\r\n[TITLE]\r\nTITLECOLOR=red\r\n");
    EXPECT_EQ(Read(made, "design", "background"), sjis);

    EXPECT_EQ(
        Set("; settings\n[DEFAULT]\nHTMLOutDirectory = /old\n\n; keep me\nPluginName=x.so\n[OTHER]\nA=1\n",
            {{"default", "htmloutdirectory", "/new"}, {"DEFAULT", "BrowseHTMLAfterCreate", "1"}, {"OTHER", "B", "2"}}),
        "; settings\n[DEFAULT]\nHTMLOutDirectory =/new\n\n; keep me\nPluginName=x.so\n"
        "BrowseHTMLAfterCreate=1\n[OTHER]\nA=1\nB=2\n");
    EXPECT_EQ(Set("[S]\r\nA=1", {{"S", "B", "2"}}), "[S]\r\nA=1\r\nB=2\r\n");
}
