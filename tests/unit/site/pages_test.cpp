// The classic renderers as values: no file system, only the pages they put.
#include "site/classic/category_pages.h"
#include "site/classic/cocktail_pages.h"
#include "site/classic/frame_pages.h"
#include "site_fixture.h"

// The title and a border of 1 without a colour are in the committed site.
TEST_F(SiteTest, AFramesetTakesSpacingAndColourOnlyWithABorderOfOne) {
    settings.design.frameBorder = 2;
    settings.design.frameSpacing = 3;
    settings.design.borderColor = "red";
    EXPECT_TRUE(
        Has(RenderMainFrameset(settings).bytes, "<FRAMESET COLS=\"140,*\" FRAMEBORDER=\"0\" FRAMESPACING=\"0\">"));
    settings.design.frameBorder = 1;
    settings.design.frameResize = 1;
    const SitePage page = RenderMainFrameset(settings);
    EXPECT_TRUE(Has(page.bytes, "FRAMEBORDER=\"1\" FRAMESPACING=\"3\" BORDERCOLOR=\"red\">"));
    EXPECT_FALSE(Has(page.bytes, "NORESIZE"));
}

// A heading shows a name as text: the four markup characters become references, spaces stay.
TEST_F(SiteTest, NameHeadingsEscapeMarkupAndKeepSpaces) {
    const std::string name = "<Special> & \"Co\"";
    const std::string shown = "&lt;Special&gt; &amp; &quot;Co&quot;";
    store.AddBase(name);
    store.AddStyle(name);
    store.AddMaster(name);
    const SiteSource source = Source();
    SiteCocktail cocktail;
    cocktail.name = name;
    EXPECT_TRUE(Has(RenderCocktailPage(settings, cocktail).bytes, "\r\n" + shown + "<BR>\r\n"));
    EXPECT_TRUE(Has(RenderBasePage(source, "b", name).page.bytes, shown + Sjis(" ベース一覧<BR><BR>")));
    EXPECT_TRUE(Has(RenderStylePage(source, "s", name).page.bytes, shown + Sjis(" スタイル一覧<BR><BR>")));
    EXPECT_TRUE(Has(RenderMasterPage(source, "m", name).page.bytes, shown + Sjis(" 作一覧<BR><BR>")));
}

// The menu is opened before its pages and put after them; a failing page is cut after the rows
// before it, and leaves the menu with the lines of the pages before it.
TEST_F(SiteTest, AMenuKeepsTheLinesBeforeAFailingListPage) {
    for (const char* name : {"Gin", "Rum", "Vodka"}) store.AddBase(name);
    store.AddStyle("Short");
    store.AddCocktail({.name = "Fine", .base = 2});
    store.AddCocktail({.name = "Lonely", .base = 2, .materials = {}});
    PageCollector sink;
    EXPECT_FALSE(PutBaseMenu(Source(), sink));
    EXPECT_EQ(sink.events, (std::vector<std::string>{"open fvxbasemenu.html", "put fvxbase0.html", "cut fvxbase1.html",
                                                     "put fvxbasemenu.html"}));
    ASSERT_TRUE(sink.failure);
    EXPECT_EQ(sink.failure->cocktail, "Lonely");
    EXPECT_TRUE(Has(sink.pages["fvxbase1.html"], ">Fine</A>"));
    EXPECT_TRUE(sink.pages["fvxbase1.html"].ends_with("</TR>\r\n"));
    EXPECT_TRUE(sink.pages["fvxbasemenu.html"].ends_with(
        "<UL>\r\n<LI><A HREF=\"fvxbase0.html\" TARGET=\"fvxtop\">Gin</A>\r\n"));
}

// Table rows whose names match list their cocktails on one page in page order: base first, so
// the cocktails of the second style come between those of the first.
TEST_F(SiteTest, MatchingTableRowsListTheirCocktailsTogetherInPageOrder) {
    for (const char* name : {"Gin", "Rum"}) store.AddBase(name);
    for (const char* name : {"Short", "SHORT"}) store.AddStyle(name);
    for (const CocktailRow& row : {CocktailRow{.name = "Rum Short", .base = 2},
                                   CocktailRow{.name = "Daiquiri", .style = 2}, CocktailRow{.name = "Gimlet"}})
        store.AddCocktail(row);
    const ListPage list = RenderStylePage(Source(), "s", "short");
    EXPECT_EQ(list.count, 3);
    const std::string& page = list.page.bytes;
    EXPECT_LT(page.find("Gimlet"), page.find("Daiquiri"));
    EXPECT_LT(page.find("Daiquiri"), page.find("Rum&nbsp;Short"));
}
