#include "cp932.h"

#include <gtest/gtest.h>

TEST(Cp932Test, ConvertsToShiftJisBytesAndRefusesWhatHasNoCp932FormNeverSubstituting) {
    EXPECT_EQ(cp932::Literal("ﾚﾃﾞｨ"), "\xda\xc3\xde\xa8");  // half-width katakana are single bytes
    EXPECT_EQ(cp932::ToUtf8("\x83\x41"), "ア");
    // Text without a CP932 form is also refused through the cocktail file.
    EXPECT_FALSE(cp932::FromUtf8("\xFF").has_value());  // not UTF-8
    EXPECT_THROW(cp932::Literal("\xE2\x82\xAC"), std::logic_error);
    EXPECT_FALSE(cp932::ToUtf8("\x81").has_value());  // a lead byte alone
}

TEST(Cp932Test, NamesCompareByUnsignedBytesWithAsciiLettersFoldedButNeverATrailByte) {
    // The store's name matching shows the comparison folds ASCII letters but never a trail byte.
    // Names that match share one key, and only they: "ア" (0x83 0x41) and "ヂ" (0x83 0x61) differ
    // only as 'A' and 'a' do.
    EXPECT_EQ(cp932::NameKey("x\x83\x41y"), cp932::NameKey("X\x83\x41Y"));
    EXPECT_NE(cp932::NameKey("x\x83\x41"), cp932::NameKey("X\x83\x61"));

    EXPECT_LT(cp932::CompareNames("apple", "Banana"), 0);
    EXPECT_LT(cp932::CompareNames("Zebra", "\x83\x41"), 0);
    EXPECT_LT(cp932::CompareNames("ab", "abc"), 0);
    EXPECT_GT(cp932::CompareNames("\xb1", "\x83\x41"), 0);
}
