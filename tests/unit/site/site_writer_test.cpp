#include "site/site_writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::TempDirectory;
using testsupport::WriteFile;

class SiteWriterTest : public ::testing::Test {
protected:
    // A file of an earlier run, dated well back so that a write shows in its time stamp.
    fs::file_time_type Earlier(const std::string& name, const std::string& bytes) {
        WriteFile(out.File(name), bytes);
        const fs::file_time_type stamp = fs::last_write_time(out.File(name)) - std::chrono::hours(24);
        fs::last_write_time(out.File(name), stamp);
        return stamp;
    }

    TempDirectory out;
    SiteWriter writer{out.path};
};

TEST_F(SiteWriterTest, AnIdenticalFileKeepsItsTimeStampAndCountsAsUnchanged) {
    const auto stamp = Earlier("a.html", "<HTML>same</HTML>");
    EXPECT_TRUE(writer.Put({"a.html", "<HTML>same</HTML>"}));
    EXPECT_EQ(fs::last_write_time(out.File("a.html")), stamp);
    EXPECT_EQ(writer.Unchanged(), 1u);
    EXPECT_TRUE(writer.Written().empty());
}

TEST_F(SiteWriterTest, AChangedFileIsWrittenOverAndCutToThePage) {
    Earlier("longer.html", std::string(5000, '~'));
    const auto stamp = Earlier("same-size.html", "abc");
    EXPECT_TRUE(writer.Put({"longer.html", "new"}));
    EXPECT_TRUE(writer.Put({"same-size.html", "abd"}));
    EXPECT_TRUE(writer.Put({"fresh.html", ""}));
    EXPECT_EQ(ReadFile(out.File("longer.html")), "new");
    EXPECT_EQ(ReadFile(out.File("same-size.html")), "abd");
    EXPECT_NE(fs::last_write_time(out.File("same-size.html")), stamp);
    EXPECT_EQ(writer.Written(),
              (std::vector<std::string>{out.File("longer.html"), out.File("same-size.html"), out.File("fresh.html")}));
    EXPECT_EQ(writer.Unchanged(), 0u);
}

TEST_F(SiteWriterTest, ACutOffPageIsWrittenAsItIsAndFailsTheRunWithItsCause) {
    writer.PutCutOff({"cut.html", "<HTML>half"}, {"cannot be read", "X"});
    EXPECT_EQ(ReadFile(out.File("cut.html")), "<HTML>half");
    ASSERT_TRUE(writer.Failure());
    EXPECT_EQ(std::tuple(writer.Failure()->what, writer.Failure()->cocktail), std::tuple("cannot be read", "X"));
    EXPECT_FALSE(writer.Put({"later.html", "x"}));
}

// A menu's file is created before the list pages put meanwhile, and stays open until it is put.
TEST_F(SiteWriterTest, AnOpenedPageIsCreatedAheadOfItsBytes) {
    ASSERT_TRUE(writer.Open("menu.html"));
    EXPECT_EQ(ReadFile(out.File("menu.html")), "");
    EXPECT_TRUE(writer.Put({"list.html", "list"}));
    EXPECT_TRUE(writer.Put({"menu.html", "menu"}));
    EXPECT_EQ(ReadFile(out.File("menu.html")), "menu");
    EXPECT_EQ(writer.Written(), (std::vector<std::string>{out.File("list.html"), out.File("menu.html")}));
}
