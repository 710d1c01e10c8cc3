#include <ctime>

#include <gtest/gtest.h>

#include "site/frame_pages.h"
#include "site/site_model.h"
#include "site_fixture.h"

namespace {

class FramePages : public ::testing::Test {
protected:
    std::string Run(bool (*writer)(SiteContext&), const char* file) {
        SiteContext site(settings, model, out.Str());
        EXPECT_TRUE(writer(site));
        return ReadFileBytes(out.Path() / file);
    }
    std::string Index() {
        SiteContext site(settings, model, out.Str());
        EXPECT_TRUE(WriteIndexPage(site, "index.html"));
        return ReadFileBytes(out.Path() / "index.html");
    }
    void AllPagesOff() {
        settings.file = FileSettings{0, 0, 0, 0, 0, 0, 0};
    }

    TempDirectory out;
    PluginSettings settings;
    SiteModel model;
};

int ThisYear() {
    const std::time_t now = std::time(nullptr);
    return std::localtime(&now)->tm_year + 1900;
}

}  // namespace

TEST_F(FramePages, IndexFramesetForms) {
    const std::string frames =
        "\t<FRAME SRC=\"fvxmain.html\" NAME=\"main\" SCROLLING=\"auto\" NORESIZE>\r\n"
        "\t<FRAME SRC=\"fvxtail.html\" NAME=\"tail\" SCROLLING=\"no\" NORESIZE>\r\n"
        "\t<NOFRAMES><BODY></BODY></NOFRAMES>\r\n</FRAMESET>\r\n</HTML>";
    settings.title.windowTitle = Sjis("私の カクテル&");
    settings.design.frameBorder = 2;
    settings.design.frameSpacing = 3;
    settings.design.borderColor = "red";
    EXPECT_EQ(Index(), "<HTML>\r\n<HEAD><TITLE>" + settings.title.windowTitle +
                           "</TITLE></HEAD>\r\n"
                           "<FRAMESET ROWS=\"*,80\" FRAMEBORDER=\"0\" FRAMESPACING=\"0\" NAME=\"fs1\">\r\n" +
                           frames);

    settings.title.windowTitle.clear();
    settings.design.frameBorder = 1;
    EXPECT_EQ(Index(), "<HTML>\r\n<HEAD><TITLE></TITLE></HEAD>\r\n"
                       "<FRAMESET ROWS=\"*,80\" FRAMEBORDER=\"1\" FRAMESPACING=\"3\" BORDERCOLOR=\"red\" "
                       "NAME=\"fs1\">\r\n" +
                           frames);

    settings.design.borderColor.clear();
    settings.design.frameResize = 1;
    EXPECT_EQ(Index(), "<HTML>\r\n<HEAD><TITLE></TITLE></HEAD>\r\n"
                       "<FRAMESET ROWS=\"*,80\" FRAMEBORDER=\"1\" FRAMESPACING=\"3\" NAME=\"fs1\">\r\n"
                       "\t<FRAME SRC=\"fvxmain.html\" NAME=\"main\" SCROLLING=\"auto\">\r\n"
                       "\t<FRAME SRC=\"fvxtail.html\" NAME=\"tail\" SCROLLING=\"no\">\r\n"
                       "\t<NOFRAMES><BODY></BODY></NOFRAMES>\r\n</FRAMESET>\r\n</HTML>");
}

TEST_F(FramePages, MainFramesetForms) {
    EXPECT_EQ(Run(WriteMainFrameset, "fvxmain.html"),
              "<HTML>\r\n<FRAMESET COLS=\"140,*\" FRAMEBORDER=\"0\" FRAMESPACING=\"0\">\r\n"
              "\t<FRAME SRC=\"fvxmenu.html\" NAME=\"menu\" SCROLLING=\"auto\" NORESIZE>\r\n"
              "\t<FRAME SRC=\"fvxtop.html\" NAME=\"fvxtop\" SCROLLING=\"auto\" NORESIZE>\r\n"
              "\t<NOFRAMES><BODY></BODY></NOFRAMES>\r\n</FRAMESET>\r\n</HTML>");
    settings.design.frameBorder = 1;
    settings.design.frameSpacing = 2;
    settings.design.borderColor = "#000080";
    settings.design.frameResize = 1;
    EXPECT_EQ(Run(WriteMainFrameset, "fvxmain.html"),
              "<HTML>\r\n<FRAMESET COLS=\"140,*\" FRAMEBORDER=\"1\" FRAMESPACING=\"2\" BORDERCOLOR=\"#000080\">\r\n"
              "\t<FRAME SRC=\"fvxmenu.html\" NAME=\"menu\" SCROLLING=\"auto\">\r\n"
              "\t<FRAME SRC=\"fvxtop.html\" NAME=\"fvxtop\" SCROLLING=\"auto\">\r\n"
              "\t<NOFRAMES><BODY></BODY></NOFRAMES>\r\n</FRAMESET>\r\n</HTML>");
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

    // Only exactly 1 shows a link.
    AllPagesOff();
    settings.file.tastePage = 2;
    settings.url.urlTopPage.clear();
    settings.font = FontSettings{};
    EXPECT_EQ(Run(WriteMenuPage, "fvxmenu.html"),
              std::string(kHead) +
                  "<P><FONT SIZE=\"+1\"><STRONG>\r\n&lt;&lt;&nbsp;Menu&nbsp;&gt;&gt;\r\n"
                  "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- TOP --</FONT></P>\r\n"
                  "<TABLE WIDTH=\"100%\"><TR><TD><UL>\r\n</UL></TD></TR></TABLE>\r\n" +
                  kTail);
}

TEST_F(FramePages, TopPageTitleAndComment) {
    EXPECT_EQ(Run(WriteTopPage, "fvxtop.html"), std::string(kHead) + kTail);

    settings.title.windowTitle = Sjis("Bar & カクテル");
    settings.topComment = Sjis("ようこそ<B>!</B>\r\n2行目");
    settings.font.fontSize = "4";
    EXPECT_EQ(Run(WriteTopPage, "fvxtop.html"),
              std::string(kHead) + "<BASEFONT SIZE=\"4\">\r\n" + Sjis("Bar&nbsp;&amp;&nbsp;カクテル") + "<PRE>" +
                  settings.topComment + "</PRE>" + kTail);

    settings.title.titleFace = "Mincho";
    settings.topComment.clear();
    EXPECT_EQ(Run(WriteTopPage, "fvxtop.html"), std::string(kHead) + "<BASEFONT SIZE=\"4\">\r\n" +
                                                    "<FONT FACE=\"Mincho\">\r\n" +
                                                    Sjis("Bar&nbsp;&amp;&nbsp;カクテル") + "</FONT>\r\n" + kTail);
}

TEST_F(FramePages, FooterNavigationAndRightsLine) {
    AllPagesOff();
    settings.user.userMail = "me@example.com";
    EXPECT_EQ(Run(WriteTailPage, "fvxtail.html"),
              std::string(kHead) + "[&nbsp;<A HREF=\"fvxmain.html\" TARGET=\"main\">Top</A>&nbsp;\r\n]" + kTail);

    settings.file = FileSettings{1, 0, 0, 0, 0, 1, 1};
    settings.url.urlTopPage = "http://example.com/";
    settings.user.userName = Sjis("山田 太郎");
    const std::string rights = "<P><FONT SIZE=\"-1\">All Rights Reserved, Copyright (C) " +
                               std::to_string(ThisYear()) + ", </FONT>\r\n<FONT SIZE=\"+1\">";
    const std::string nav =
        "[&nbsp;<A HREF=\"fvxmain.html\" TARGET=\"main\">Top</A>&nbsp;\r\n"
        "|&nbsp;<A HREF=\"fvxalphabetmenu.html\" TARGET=\"menu\">Alphabet</A>&nbsp;\r\n"
        "|&nbsp;<A HREF=\"fvxmastermenu.html\" TARGET=\"menu\">Master</A>&nbsp;\r\n"
        "|&nbsp;<A HREF=\"fvxall.html\" TARGET=\"fvxtop\">All</A>&nbsp;\r\n"
        "|&nbsp;<A HREF=\"http://example.com/\" TARGET=\"_top\">Home</A>&nbsp;\r\n]";
    EXPECT_EQ(Run(WriteTailPage, "fvxtail.html"),
              std::string(kHead) + nav + rights + "<A HREF=\"mailto:me@example.com\">" + Sjis("山田&nbsp;太郎") +
                  "</A></FONT></P>\r\n" + kTail);

    settings.user.userMail.clear();
    EXPECT_EQ(Run(WriteTailPage, "fvxtail.html"),
              std::string(kHead) + nav + rights + Sjis("山田&nbsp;太郎") + "</FONT></P>\r\n" + kTail);
}
