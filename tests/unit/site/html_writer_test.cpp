#include <gtest/gtest.h>

#include "site/html_writer.h"
#include "site_fixture.h"

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

    // An image folder alone adds no background.
    PluginSettings imagesOnly;
    imagesOnly.url.urlImages = "http://example.com/img/";
    imagesOnly.font.vLinkColor = "purple";
    EXPECT_EQ(BuildBodyTag(imagesOnly), "<BODY VLINK=\"purple\">");
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
