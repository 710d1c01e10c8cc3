#include <gtest/gtest.h>

#include "site/frame_pages.h"
#include "site_fixture.h"

// The title and a border of 1 without a colour are in the committed site.
TEST_F(SiteTest, AFramesetTakesSpacingAndColourOnlyWithABorderOfOne) {
    settings.design.frameBorder = 2;
    settings.design.frameSpacing = 3;
    settings.design.borderColor = "red";
    ASSERT_TRUE(WriteMainFrameset(Context()));
    EXPECT_NE(File("fvxmain.html").find("<FRAMESET COLS=\"140,*\" FRAMEBORDER=\"0\" FRAMESPACING=\"0\">"),
              std::string::npos);
    settings.design.frameBorder = 1;
    settings.design.frameResize = 1;
    ASSERT_TRUE(WriteMainFrameset(Context()));
    const std::string page = File("fvxmain.html");
    EXPECT_NE(page.find("FRAMEBORDER=\"1\" FRAMESPACING=\"3\" BORDERCOLOR=\"red\">"), std::string::npos);
    EXPECT_EQ(page.find("NORESIZE"), std::string::npos);
}
