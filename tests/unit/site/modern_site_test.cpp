#include <algorithm>

#include "site/modern/html_text.h"
#include "site/modern/modern_site.h"
#include "site/modern/site_links.h"
#include "site_fixture.h"

using modern::SanitizeHtml;

// The modern pages of a fixture store, and the steps of the progress bar.
struct RenderedSite final : PageCollector, GenerationObserver {
    int steps = 0;
    void ShowStatus(const std::string&) override {}
    void StepIt() override { ++steps; }
    void Pause(std::chrono::milliseconds) override {}

    bool Render(const SiteSource& source) { return modern::PutModernSite(source, "index.html", 2026, *this, *this); }
};

TEST(ModernSanitizer, TakesOutEveryWayToRunAScriptAndKeepsTheRest) {
    const std::pair<const char*, const char*> cases[] = {
        {"<script>alert(1)</script>ok", "ok"},
        {"a<SCRIPT SRC=//x.example/y.js></SCRIPT>b", "ab"},
        {"<script/src=x>alert(1)</script >after", "after"},
        {"before<script>never closed", "before"},
        {"<img src=x onerror=alert(1)>", "<img src=\"x\">"},
        {"<p/onmouseover=alert(1)>t</p>", "<p>t</p>"},
        {"<svg ONLOAD='alert(1)'>", "<svg>"},
        {"<a href=\"JaVaScRiPt:alert(1)\">x</a>", "<a>x</a>"},
        {"<a href=\"jav&#x61;script&colon;alert(1)\">x</a>", "<a>x</a>"},
        {"<a href=\"java\tscript:alert(1)\">x</a>", "<a>x</a>"},
        {"<a href=' &#14;javascript:alert(1)'>x</a>", "<a>x</a>"},
        {"<form action=vbscript:msgbox(1)>", "<form>"},
        {"<div style=\"background:url(javascript:alert(1))\">d</div>", "<div>d</div>"},
        {"<iframe srcdoc=\"<script>alert(1)</script>\"></iframe>x", "x"},
        {"<meta http-equiv=refresh content=\"0;url=data:text/html,x\">", ""},
        {"<!--[if IE]><script>alert(1)</script><![endif]-->c", "c"},
        {"<a \"onclick\"=x title=\"a&quot;b\">", "<a title=\"a&quot;b\">"},
        {"<a title='x\"><script>alert(1)</script>'>", "<a title=\"x&quot;>&lt;script>alert(1)&lt;/script>\">"},
        {"<a href=\"https://example.org/?a=1&amp;b=2\" target=_blank>ok</a>",
         "<a href=\"https://example.org/?a=1&amp;b=2\" target=\"_blank\">ok</a>"},
        {"<b>bold</b> & <i>it</i>\r\nnext\rline", "<b>bold</b> & <i>it</i>\nnext\nline"},
        {"1 < 2 <3", "1 &lt; 2 &lt;3"},
        {"<a href=\"never closed", "&lt;a href=&quot;never closed"},
    };
    for (const auto& [hostile, safe] : cases) EXPECT_EQ(SanitizeHtml(hostile), safe) << hostile;
    EXPECT_EQ(modern::PlainText("<b>Shake</b>&amp;\n  strain<br>"), "Shake & strain");
}

TEST(ModernText, EscapesConvertsAndEncodesAddresses) {
    std::string page;
    modern::AppendStoredText(page, Sjis("<ジン&\"トニック'>"));
    EXPECT_EQ(page, "&lt;ジン&amp;&quot;トニック&#39;&gt;");
    // A damaged byte shows as the replacement character; the rest converts.
    EXPECT_EQ(modern::Utf8(Sjis("ジン") + "\x81"), "ジン\xEF\xBF\xBD");
    std::string json;
    modern::AppendJsonString(json, "a\"\\</script>\n\xE2\x80\xA8");
    EXPECT_EQ(json, "a\\\"\\\\\\u003c/script\\u003e\\u000a\\u2028");
    EXPECT_EQ(modern::EncodeAddress("images/my \"pic\".jpg"), "images/my%20%22pic%22.jpg");

    PluginSettings settings;
    for (const auto& [top, base] : std::vector<std::pair<std::string, std::string>>{
             {"", ""},
             {"index.html", ""},
             {"https://bar.example", "https://bar.example/"},
             {"https://bar.example/cocktails", "https://bar.example/cocktails/"},
             {"https://bar.example/cocktails/index.html", "https://bar.example/cocktails/"}}) {
        settings.url.urlTopPage = top;
        EXPECT_EQ(modern::PublishedBase(settings), base) << top;
    }
}

TEST(ModernStylesheet, TakesPlainCssValuesFromTheSettingsAndDropsTheRest) {
    PluginSettings settings;
    settings.design.bgColor = "#FFFDF7";
    settings.font.textColor = "red;}body{display:none";
    settings.font.linkColor = "navy";
    settings.font.fontFace = Sjis("ＭＳ Ｐゴシック, \"Noto Sans\",sans-serif");
    settings.design.background = Sjis("back ground.gif");
    settings.url.urlImages = "img/";
    const std::string css = modern::RenderStylesheet(settings).bytes;
    // A value that is not a colour is left out: the text keeps its own colour.
    for (const char* part : {"--paper: #FFFDF7;", "--text: #1f1b16;", "--link: navy;",
                             "font-family: \"ＭＳ Ｐゴシック\", \"Noto Sans\", sans-serif;",
                             "background-image: url(\"img/back%20ground.gif\");"})
        EXPECT_TRUE(Has(css, part)) << part;
    EXPECT_FALSE(Has(css, "display:none"));
}

TEST(ModernCocktailPage, ShowsTheRecordEscapedWithItsRecipeData) {
    PluginSettings settings;
    settings.user.userName = Sjis("バー");
    SiteModel empty;
    const modern::SiteInput site{settings, empty, "index.html", 2026};
    SiteCocktail c;
    std::tie(c.index, c.baseIndex, c.strong, c.taste) = std::tuple(7, 3, 3, 2);
    std::tie(c.name, c.baseName, c.styleName) =
        std::tuple(Sjis("ジン&<b>トニック</b></script>"), Sjis("ジン"), Sjis("ロング"));
    c.howTo = Sjis("<b>Build</b> in a glass.\r\n<script>steal()</script>Stir.");
    c.memo = Sjis("<a href=\"javascript:x()\" onclick=\"y()\">Cool</a>");
    c.picture = "gt.jpg";
    c.materials = {{Sjis("ジン"), "45ml"}, {Sjis("氷"), ""}};

    SitePage page = modern::RenderCocktailPage(site, c);
    EXPECT_EQ(page.name, "cocktail-7.html");
    const std::string& html = page.bytes;
    for (const char* part :
         {"<h1>ジン&amp;&lt;b&gt;トニック&lt;/b&gt;&lt;/script&gt;</h1>", "<a href=\"base-3.html\">ジン</a>",
          "<a href=\"taste-2.html\">中</a>", "<div class=\"stored\"><b>Build</b> in a glass.\nStir.</div>",
          "<div class=\"stored\"><a>Cool</a></div>", "<img class=\"picture\" src=\"gt.jpg\"", "&copy; 2026 バー"})
        EXPECT_TRUE(Has(html, part)) << part;
    EXPECT_FALSE(Has(html, "steal()"));

    const std::size_t json = html.find("<script type=\"application/ld+json\">");
    ASSERT_NE(json, std::string::npos);
    const std::string data = html.substr(json, html.find("</script>", json) - json);
    for (const char* part : {"\"@type\":\"Recipe\"", "\"name\":\"ジン\\u0026\\u003cb\\u003eトニック",
                             "\"recipeIngredient\":[\"45ml ジン\",\"氷\"]",
                             "\"recipeInstructions\":[{\"@type\":\"HowToStep\",\"text\":\"Build in a glass.\"},"
                             "{\"@type\":\"HowToStep\",\"text\":\"Stir.\"}]",
                             "\"keywords\":\"ジン,ロング,味わい中,アルコール強度弱\"", "\"description\":\"Cool\"",
                             "\"author\":{\"@type\":\"Person\",\"name\":\"バー\"}", "\"recipeCategory\":\"カクテル\""})
        EXPECT_TRUE(Has(data, part)) << part;
    EXPECT_FALSE(Has(data, "image")) << "no image without the image folder's address";

    settings.url.urlImages = "https://bar.example/img/";
    c.masterName = Sjis("作者");
    const std::string withImage = modern::RenderCocktailPage(site, c).bytes;
    EXPECT_TRUE(Has(withImage, "\"image\":\"https://bar.example/img/gt.jpg\""));
    EXPECT_TRUE(Has(withImage, "\"author\":{\"@type\":\"Person\",\"name\":\"作者\"}"));
}

TEST_F(SiteTest, TheModernSiteHasAPageForEveryValueTheClassicSiteHas) {
    // The first rows of each table are the defaults of every cocktail.
    store.AddBase("Gin");
    store.AddBase("Rum");
    store.AddStyle("ショート");
    const int martini = store.AddCocktail({.name = "Martini",
                                           .initial = 12,
                                           .master = store.AddMaster("Ann"),
                                           .materials = {{"Gin", "45ml"}, {"Dry Vermouth", "15ml"}}});
    store.AddCocktail({.name = "Gimlet", .initial = 6, .strong = 1, .taste = 3});
    settings.file.tastePage = 0;
    settings.file.allPage = 1;
    RenderedSite rendered;
    ASSERT_TRUE(rendered.Render(Source()));
    EXPECT_EQ(rendered.steps, 9) << "the progress bar ends where the classic run's does";

    const std::vector<std::string>& events = rendered.events;
    const auto count = [&](const std::string& prefix) {
        return std::count_if(events.begin(), events.end(),
                             [&](const std::string& event) { return event.starts_with("put " + prefix); });
    };
    EXPECT_EQ(count("initial-"), 26);
    EXPECT_EQ(count("strength-"), 5);
    EXPECT_EQ(count("taste"), 0) << "switched off";
    EXPECT_EQ(count("base-"), 2) << "a base without cocktails still has its page";
    EXPECT_EQ(count("author-"), 2) << "the author and the cocktails without one";
    EXPECT_EQ(count("cocktail-"), 2);
    EXPECT_EQ(events.front(), "put index.html");
    EXPECT_EQ(events.size(), rendered.pages.size()) << "each page once, none opened ahead";
    EXPECT_FALSE(rendered.pages.contains("sitemap.xml")) << "no published address";
    for (const auto& [name, bytes] : rendered.pages) {
        if (!name.ends_with(".html")) continue;
        EXPECT_TRUE(Has(bytes, "<a href=\"search.html\"")) << name;
        EXPECT_FALSE(Has(bytes, "tastes.html")) << name;
        EXPECT_TRUE(name == "index.html" || Has(bytes, "class=\"breadcrumb\"")) << name;
    }
    EXPECT_TRUE(Has(rendered.pages["initial-12.html"], "<a href=\"cocktail-" + std::to_string(martini) +
                                                           ".html\">Martini</a><span>Gin / ショート / 強度 極強"));
    EXPECT_TRUE(Has(rendered.pages["initial-0.html"], "該当するカクテルはありません。"));
    EXPECT_TRUE(Has(rendered.pages["author-none.html"], "Gimlet"));
    EXPECT_FALSE(Has(rendered.pages["author-none.html"], "Martini"));
    EXPECT_TRUE(Has(rendered.pages["bases.html"], "<a href=\"base-2.html\">Rum (0)</a>"));
    EXPECT_TRUE(Has(rendered.pages["index.html"], "<li><strong>2</strong> カクテル</li>"));
    EXPECT_TRUE(Has(rendered.pages["search-index.js"],
                    "[\"Martini\",\"cocktail-" + std::to_string(martini) + ".html\",0,0,0,\"Dry Vermouth\\nGin\"]"));

    settings.url.urlTopPage = "https://bar.example/recipes/";
    RenderedSite published;
    ASSERT_TRUE(published.Render(Source()));
    const std::string& sitemap = published.pages["sitemap.xml"];
    EXPECT_TRUE(Has(sitemap, "<url><loc>https://bar.example/recipes/</loc></url>"));
    EXPECT_TRUE(Has(sitemap, "<loc>https://bar.example/recipes/cocktail-" + std::to_string(martini) + ".html</loc>"));
    EXPECT_FALSE(Has(sitemap, ".js<"));
    EXPECT_EQ(published.pages["robots.txt"],
              "User-agent: *\nAllow: /\nSitemap: https://bar.example/recipes/sitemap.xml\n");
    EXPECT_TRUE(
        Has(published.pages["all.html"], "<link rel=\"canonical\" href=\"https://bar.example/recipes/all.html\">"));
}

TEST_F(SiteTest, AModernRunStopsAtACocktailThatCannotBeRead) {
    store.AddBase("Gin");
    store.AddStyle("Short");
    store.AddCocktail({.name = "Broken", .materials = {}});
    RenderedSite rendered;
    EXPECT_FALSE(rendered.Render(Source()));
    ASSERT_TRUE(rendered.failure);
    EXPECT_EQ(rendered.failure->what, kUnreadable);
    EXPECT_EQ(rendered.failure->cocktail, "Broken");
    EXPECT_EQ(rendered.events.back(), "fail");
    EXPECT_EQ(rendered.steps, 0) << "the search index lists every cocktail, so the common step stops";
}
