#include <gtest/gtest.h>

#include "core/code_tables.h"
#include "core_test_support.h"

namespace {

using coretest::Sjis;

TEST(CodeTables, CodesInRangeGiveTheirCp932Labels)
{
    std::string label;
    ASSERT_TRUE(InitialLabel(0, label));
    EXPECT_EQ(label, "\x82\x60");
    ASSERT_TRUE(InitialLabel(25, label));
    EXPECT_EQ(label, Sjis("Ｚ"));

    const char* strong[] = {"極強", "強", "中", "弱", "極弱"};
    const char* taste[] = {"極辛", "辛", "中", "甘", "極甘"};
    for (int code = 0; code < 5; ++code) {
        ASSERT_TRUE(StrongLabel(code, label));
        EXPECT_EQ(label, Sjis(strong[code])) << code;
        ASSERT_TRUE(TasteLabel(code, label));
        EXPECT_EQ(label, Sjis(taste[code])) << code;
    }
}

TEST(CodeTables, CodesOutsideTheTableAreRefusedAndLeaveTheLabelAlone)
{
    std::string label = "before";
    EXPECT_FALSE(InitialLabel(26, label));
    EXPECT_FALSE(InitialLabel(-1, label));
    EXPECT_FALSE(StrongLabel(5, label));
    EXPECT_FALSE(StrongLabel(-1, label));
    EXPECT_FALSE(TasteLabel(7, label));
    EXPECT_FALSE(TasteLabel(-1, label));
    EXPECT_EQ(label, "before");
}

}  // namespace
