#include <gtest/gtest.h>

#include "site/frame_pages.h"
#include "site_fixture.h"

namespace {

// A frameset page; `end` closes each FRAME tag.
std::string Frameset(const std::string& open, const char* first, const char* second, const char* end) {
    return "<HTML>\r\n" + open + "\t<FRAME SRC=\"" + first + end + "\t<FRAME SRC=\"" + second + end +
           "\t<NOFRAMES><BODY></BODY></NOFRAMES>\r\n</FRAMESET>\r\n</HTML>";
}

}  // namespace

TEST_F(SiteTest, FramesetsTakeSpacingAndColourOnlyWithABorderAndTheTitleAsStored) {
    settings.title.windowTitle = Sjis("私の カクテル&");
    settings.design.frameBorder = 2;
    settings.design.frameSpacing = 3;
    settings.design.borderColor = "red";
    ASSERT_TRUE(WriteIndexPage(Context(), "entry.html"));
    EXPECT_EQ(File("entry.html"),
              Frameset("<HEAD><TITLE>" + settings.title.windowTitle +
                           "</TITLE></HEAD>\r\n<FRAMESET ROWS=\"*,80\" FRAMEBORDER=\"0\" FRAMESPACING=\"0\" "
                           "NAME=\"fs1\">\r\n",
                       "fvxmain.html\" NAME=\"main\" SCROLLING=\"auto\"",
                       "fvxtail.html\" NAME=\"tail\" SCROLLING=\"no\"", " NORESIZE>\r\n"));

    settings.design.frameBorder = 1;
    settings.design.frameResize = 1;
    ASSERT_TRUE(WriteMainFrameset(Context()));
    EXPECT_EQ(File("fvxmain.html"),
              Frameset("<FRAMESET COLS=\"140,*\" FRAMEBORDER=\"1\" FRAMESPACING=\"3\" BORDERCOLOR=\"red\">\r\n",
                       "fvxmenu.html\" NAME=\"menu\" SCROLLING=\"auto\"",
                       "fvxtop.html\" NAME=\"fvxtop\" SCROLLING=\"auto\"", ">\r\n"));
}
