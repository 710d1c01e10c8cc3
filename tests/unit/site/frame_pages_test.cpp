#include <ctime>

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

TEST_F(FramePages, MenuListsEnabledPagesInMenuOrder) {
    settings.file = FileSettings{1, 1, 1, 1, 1, 1, 1};
    settings.url.urlTopPage = "http://example.com/~me/";
    settings.font.fontFace = "Gothic";
    settings.font.fontSize = "2";
    EXPECT_EQ(Run(WriteMenuPage, "fvxmenu.html"),
              std::string(kHead) +
                  "<BASEFONT FACE=\"Gothic\">\r\n"
                  "<P><FONT SIZE=\"+1\"><STRONG>\r\n&lt;&lt;&nbsp;Menu&nbsp;&gt;&gt;\r\n"
                  "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- TOP --</FONT></P>\r\n"
                  "<TABLE WIDTH=\"100%\"><TR><TD><UL>\r\n"
                  "<LI><A HREF=\"fvxalphabetmenu.html\" TARGET=\"menu\">Alphabet</A>\r\n"
                  "<LI><A HREF=\"fvxbasemenu.html\" TARGET=\"menu\">Base</A>\r\n"
                  "<LI><A HREF=\"fvxstrongmenu.html\" TARGET=\"menu\">Strong</A>\r\n"
                  "<LI><A HREF=\"fvxstylemenu.html\" TARGET=\"menu\">Style</A>\r\n"
                  "<LI><A HREF=\"fvxtastemenu.html\" TARGET=\"menu\">Taste</A>\r\n"
                  "<LI><A HREF=\"fvxmastermenu.html\" TARGET=\"menu\">Master</A>\r\n"
                  "<LI><A HREF=\"fvxall.html\" TARGET=\"fvxtop\">All</A>\r\n"
                  "<LI><A HREF=\"http://example.com/~me/\" TARGET=\"_top\">Home</A>\r\n"
                  "</UL></TD></TR></TABLE>\r\n" +
                  kTail);
}

TEST_F(FramePages, TopPageTitleAndComment) {
    EXPECT_EQ(Run(WriteTopPage, "fvxtop.html"), std::string(kHead) + kTail);

    // The title is escaped; the comment may hold the user's own HTML and goes out as stored.
    settings.title.windowTitle = Sjis("Bar & カクテル");
    settings.topComment = Sjis("ようこそ<B>!</B>\r\n2行目");
    settings.font.fontSize = "4";
    const std::string head = std::string(kHead) + "<BASEFONT SIZE=\"4\">\r\n";
    const std::string title = Sjis("Bar&nbsp;&amp;&nbsp;カクテル");
    EXPECT_EQ(Run(WriteTopPage, "fvxtop.html"), head + title + "<PRE>" + settings.topComment + "</PRE>" + kTail);

    settings.title.titleFace = "Mincho";
    settings.topComment.clear();
    EXPECT_EQ(Run(WriteTopPage, "fvxtop.html"), head + "<FONT FACE=\"Mincho\">\r\n" + title + "</FONT>\r\n" + kTail);
}

TEST_F(FramePages, FooterNavigationAndRightsLine) {
    settings.file = FileSettings{0, 0, 0, 0, 0, 0, 0};
    settings.user.userMail = "me@example.com";
    const std::string top = "[&nbsp;<A HREF=\"fvxmain.html\" TARGET=\"main\">Top</A>&nbsp;\r\n";
    EXPECT_EQ(Run(WriteTailPage, "fvxtail.html"), std::string(kHead) + top + "]" + kTail);

    // Only a flag of exactly 1 shows a link.
    settings.file = FileSettings{1, 0, 0, 0, 2, 1, 1};
    settings.url.urlTopPage = "http://example.com/";
    settings.user.userName = Sjis("山田 太郎");
    const std::time_t now = std::time(nullptr);
    const std::string nav = std::string(kHead) + top +
                            "|&nbsp;<A HREF=\"fvxalphabetmenu.html\" TARGET=\"menu\">Alphabet</A>&nbsp;\r\n"
                            "|&nbsp;<A HREF=\"fvxmastermenu.html\" TARGET=\"menu\">Master</A>&nbsp;\r\n"
                            "|&nbsp;<A HREF=\"fvxall.html\" TARGET=\"fvxtop\">All</A>&nbsp;\r\n"
                            "|&nbsp;<A HREF=\"http://example.com/\" TARGET=\"_top\">Home</A>&nbsp;\r\n]"
                            "<P><FONT SIZE=\"-1\">All Rights Reserved, Copyright (C) " +
                            std::to_string(std::localtime(&now)->tm_year + 1900) + ", </FONT>\r\n<FONT SIZE=\"+1\">";
    const std::string name = Sjis("山田&nbsp;太郎");
    EXPECT_EQ(Run(WriteTailPage, "fvxtail.html"),
              nav + "<A HREF=\"mailto:me@example.com\">" + name + "</A></FONT></P>\r\n" + kTail);

    settings.user.userMail.clear();
    EXPECT_EQ(Run(WriteTailPage, "fvxtail.html"), nav + name + "</FONT></P>\r\n" + kTail);
}
