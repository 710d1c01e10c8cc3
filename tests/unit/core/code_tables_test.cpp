#include <gtest/gtest.h>

#include "core/code_tables.h"
#include "core_test_support.h"

namespace {

TEST(CodeTables, LabelsAreCp932AndCodesOutsideATableLeaveTheLabelAlone)
{
    std::string label;
    ASSERT_TRUE(InitialLabel(0, label));
    EXPECT_EQ(label, "\x82\x60");
    ASSERT_TRUE(InitialLabel(25, label));
    EXPECT_EQ(label, coretest::Sjis("Ｚ"));
    ASSERT_TRUE(StrongLabel(4, label));
    EXPECT_EQ(label, coretest::Sjis("極弱"));
    ASSERT_TRUE(TasteLabel(3, label));
    EXPECT_EQ(label, coretest::Sjis("甘"));

    label = "before";
    EXPECT_FALSE(InitialLabel(26, label) || InitialLabel(-1, label) || StrongLabel(5, label) ||
                 StrongLabel(-1, label) || TasteLabel(7, label) || TasteLabel(-1, label));
    EXPECT_EQ(label, "before");
}

}  // namespace
