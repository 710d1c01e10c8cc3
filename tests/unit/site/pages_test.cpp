#include <gtest/gtest.h>

#include "site/frame_pages.h"
#include "site/html_writer.h"
#include "site_fixture.h"

TEST(BodyTag, AttributesInFixedOrderAndTheBackgroundGluedToTheImageFolder) {
    PluginSettings s;
    s.url.urlImages = "http://example.com/img/";
    s.font.vLinkColor = "purple";
    EXPECT_EQ(BuildBodyTag(s), "<BODY VLINK=\"purple\">") << "an image folder alone adds no background";
    s.url.urlImages = "img";
    s.design.background = "bg.gif";
    s.design.bgColor = "#FFFFFF";
    s.font.textColor = "black";
    s.font.linkColor = "blue";
    s.font.aLinkColor = "red";
    EXPECT_EQ(BuildBodyTag(s),
              "<BODY BACKGROUND=\"imgbg.gif\" BGCOLOR=\"#FFFFFF\" TEXT=\"black\" LINK=\"blue\" ALINK=\"red\" "
              "VLINK=\"purple\">");
}

TEST(AppendEscaped, ReplacesTheFiveAndNothingElseAfterWhatIsThere) {
    std::string page = "<P>";
    AppendEscaped(page, "a&b <c> \"d\" &lt;");
    EXPECT_EQ(page, "<P>a&amp;b&nbsp;&lt;c&gt;&nbsp;&quot;d&quot;&nbsp;&amp;lt;");
    // Full-width space, tab, CR LF and a trail byte 0x5C stay as they are.
    const std::string untouched = Sjis("ジン\u3000表") + "\t\r\n";
    page.clear();
    AppendEscaped(page, untouched);
    EXPECT_EQ(page, untouched);
}

TEST_F(SiteTest, FramesetsTakeSpacingAndColourOnlyWithABorderAndTheTitleAsStored) {
    settings.title.windowTitle = Sjis("私の カクテル&");
    settings.design.frameBorder = 2;
    settings.design.frameSpacing = 3;
    settings.design.borderColor = "red";
    ASSERT_TRUE(WriteIndexPage(Context(), "entry.html"));
    const std::string index = File("entry.html");
    EXPECT_NE(index.find("<TITLE>" + settings.title.windowTitle + "</TITLE>"), std::string::npos);
    EXPECT_NE(index.find("<FRAMESET ROWS=\"*,80\" FRAMEBORDER=\"0\" FRAMESPACING=\"0\" NAME=\"fs1\">"),
              std::string::npos);
    EXPECT_NE(index.find("<FRAME SRC=\"fvxtail.html\" NAME=\"tail\" SCROLLING=\"no\" NORESIZE>"), std::string::npos);

    settings.design.frameBorder = 1;
    settings.design.frameResize = 1;
    ASSERT_TRUE(WriteMainFrameset(Context()));
    const std::string main = File("fvxmain.html");
    EXPECT_NE(main.find("<FRAMESET COLS=\"140,*\" FRAMEBORDER=\"1\" FRAMESPACING=\"3\" BORDERCOLOR=\"red\">"),
              std::string::npos);
    EXPECT_EQ(main.find("NORESIZE"), std::string::npos);
}
