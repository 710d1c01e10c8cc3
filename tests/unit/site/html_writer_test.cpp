#include <gtest/gtest.h>

#include "site/html_writer.h"
#include "site_fixture.h"

TEST(BodyTag, EmptySettingsGiveTheBareTag) {
    EXPECT_EQ(BuildBodyTag(PluginSettings{}), "<BODY>");
}

TEST(BodyTag, AttributesInFixedOrderAndImageAddressGlued) {
    PluginSettings s;
    s.design.background = "bg.gif";
    s.url.urlImages = "http://example.com/img/";
    s.design.bgColor = "#FFFFFF";
    s.font.textColor = "black";
    s.font.linkColor = "blue";
    s.font.aLinkColor = "red";
    s.font.vLinkColor = "purple";
    EXPECT_EQ(BuildBodyTag(s),
              "<BODY BACKGROUND=\"http://example.com/img/bg.gif\" BGCOLOR=\"#FFFFFF\" TEXT=\"black\" LINK=\"blue\" "
              "ALINK=\"red\" VLINK=\"purple\">");

    s.url.urlImages = "img";
    EXPECT_EQ(BuildBodyTag(s).substr(0, 30), "<BODY BACKGROUND=\"imgbg.gif\" B");

    PluginSettings imagesOnly;
    imagesOnly.url.urlImages = "http://example.com/img/";
    imagesOnly.font.vLinkColor = "purple";
    EXPECT_EQ(BuildBodyTag(imagesOnly), "<BODY VLINK=\"purple\">");
}

TEST(EscapeHtml, ReplacesTheFiveAndNothingElse) {
    EXPECT_EQ(EscapeHtml("a&b <c> \"d\""), "a&amp;b&nbsp;&lt;c&gt;&nbsp;&quot;d&quot;");
    EXPECT_EQ(EscapeHtml("&lt;"), "&amp;lt;");
    // Full-width space, tab, CR LF and a trail byte 0x5C stay as they are.
    const std::string untouched = Sjis("ジン\u3000表") + "\t\r\n";
    EXPECT_EQ(EscapeHtml(untouched), untouched);
}

TEST(FontBlocks, FaceOnlyAndFaceSizeForms) {
    PluginSettings s;
    std::string page;
    AppendFaceFont(page, s);
    AppendFaceSizeFont(page, s);
    EXPECT_EQ(page, "");

    s.font.fontSize = "3";
    AppendFaceFont(page, s);
    EXPECT_EQ(page, "");
    AppendFaceSizeFont(page, s);
    EXPECT_EQ(page, "<BASEFONT SIZE=\"3\">\r\n");

    s.font.fontFace = Sjis("ＭＳ ゴシック");
    page.clear();
    AppendFaceFont(page, s);
    AppendFaceSizeFont(page, s);
    EXPECT_EQ(page, "<BASEFONT FACE=\"" + s.font.fontFace + "\">\r\n<BASEFONT FACE=\"" + s.font.fontFace +
                        "\" SIZE=\"3\">\r\n");
}

TEST(Heading, PlainOrWrappedInFont) {
    PluginSettings s;
    std::string page;
    AppendHeading(page, s, "H", "T");
    EXPECT_EQ(page, "HT");

    s.title.titleSize = "+2";
    s.title.titleColor = "red";
    page.clear();
    AppendHeading(page, s, "H", "T");
    EXPECT_EQ(page, "<FONT COLOR=\"red\" SIZE=\"+2\">\r\nH</FONT>\r\nT");
}

TEST(PageHeadTail, UseTheBodyTag) {
    PluginSettings s;
    s.design.bgColor = "white";
    std::string page;
    AppendPageHead(page, s);
    AppendPageTail(page);
    EXPECT_EQ(page, "<HTML>\r\n<BODY BGCOLOR=\"white\"><CENTER>\r\n</CENTER></BODY>\r\n</HTML>");
}
