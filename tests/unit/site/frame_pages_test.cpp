#include <gtest/gtest.h>

#include "site/frame_pages.h"
#include "site_fixture.h"

namespace {

class FramePages : public SiteTest {
protected:
    std::string Run(bool (*writer)(SiteContext&), const char* file) {
        EXPECT_TRUE(writer(Context()));
        return File(file);
    }
};

// A frameset page; `end` closes each FRAME tag.
std::string Frameset(const std::string& open, const char* first, const char* second, const char* end) {
    return "<HTML>\r\n" + open + "\t<FRAME SRC=\"" + first + end + "\t<FRAME SRC=\"" + second + end +
           "\t<NOFRAMES><BODY></BODY></NOFRAMES>\r\n</FRAMESET>\r\n</HTML>";
}

}  // namespace

TEST_F(FramePages, IndexAndMainFramesetForms) {
    const auto index = [&](const std::string& title, const std::string& frameset, const char* end) {
        EXPECT_TRUE(WriteIndexPage(Context(), "entry.html"));
        EXPECT_EQ(File("entry.html"), Frameset("<HEAD><TITLE>" + title + "</TITLE></HEAD>\r\n<FRAMESET ROWS=\"*,80\" " +
                                                   frameset + " NAME=\"fs1\">\r\n",
                                               "fvxmain.html\" NAME=\"main\" SCROLLING=\"auto\"",
                                               "fvxtail.html\" NAME=\"tail\" SCROLLING=\"no\"", end));
    };
    // The title goes out as stored; spacing and colour count only with a border.
    settings.title.windowTitle = Sjis("私の カクテル&");
    settings.design.frameBorder = 2;
    settings.design.frameSpacing = 3;
    settings.design.borderColor = "red";
    index(settings.title.windowTitle, "FRAMEBORDER=\"0\" FRAMESPACING=\"0\"", " NORESIZE>\r\n");
    settings.title.windowTitle.clear();
    settings.design.frameBorder = 1;
    index("", "FRAMEBORDER=\"1\" FRAMESPACING=\"3\" BORDERCOLOR=\"red\"", " NORESIZE>\r\n");
    settings.design.borderColor.clear();
    settings.design.frameResize = 1;
    index("", "FRAMEBORDER=\"1\" FRAMESPACING=\"3\"", ">\r\n");

    settings.design.borderColor = "#000080";
    EXPECT_EQ(Run(WriteMainFrameset, "fvxmain.html"),
              Frameset("<FRAMESET COLS=\"140,*\" FRAMEBORDER=\"1\" FRAMESPACING=\"3\" BORDERCOLOR=\"#000080\">\r\n",
                       "fvxmenu.html\" NAME=\"menu\" SCROLLING=\"auto\"",
                       "fvxtop.html\" NAME=\"fvxtop\" SCROLLING=\"auto\"", ">\r\n"));
}
