#include <gtest/gtest.h>

#include "site/cocktail_pages.h"
#include "site_fixture.h"

namespace {

class DetailPages : public SiteTest {
protected:
    DetailPages() {
        store.AddBase("Gin");
        store.AddStyle("ショート");
        store.AddMaster("O'Brien & Co");
    }
    SiteContext& Generate(bool expectOk = true) {
        EXPECT_EQ(WriteCocktailPages(Context()), expectOk);
        return *site;
    }
    std::string Page(int index) { return File("fvxcocktail" + std::to_string(index) + ".html"); }
    // The page from the back link to the first ingredient cell; `colour` is the cells' attribute.
    static std::string Upper(const std::string& colour, const char* strong, const char* taste, int rows) {
        return Sjis(
            "<BR>\r\n<P ALIGN=\"right\">\r\n<A HREF=\"javascript:self.history.back()\">戻る</A>\r\n</P>\r\n"
            "<TABLE WIDTH=\"80%\" BORDER=\"5\">\r\n<TR ALIGN=\"center\"" +
            colour +
            ">\r\n"
            "\t<TD NOWRAP>ベース</TD>\r\n\t<TD NOWRAP>スタイル</TD>\r\n\t<TD NOWRAP>強度</TD>\r\n"
            "<TD NOWRAP>味わい</TD>\r\n</TR>\r\n<TR ALIGN=\"center\">\r\n"
            "\t<TD NOWRAP>Gin</TD>\r\n\t<TD NOWRAP>ショート</TD>\r\n\t<TD>" +
            strong + "</TD>\r\n\t<TD>" + taste +
            "</TD>\r\n</TR>\r\n</TABLE>\r\n<BR>\r\n<TABLE WIDTH=\"80%\" BORDER=\"5\">\r\n"
            "<TR>\r\n\t<TD ALIGN=\"center\"" +
            colour + " ROWSPAN=\"" + std::to_string(rows) + "\" NOWRAP>材料</TD>\r\n");
    }
    static std::string Row(const std::string& colour, const char* label, const std::string& cell) {
        return Sjis("<TR>\r\n\t<TD ALIGN=\"center\"" + colour + " NOWRAP>" + label + "</TD>\r\n\t<TD COLSPAN=\"3\">" +
                    cell + "</TD>\r\n</TR>\r\n");
    }
};

}  // namespace

TEST_F(DetailPages, OneIngredientNoMemoNoAuthorUncoloured) {
    // The name and the method go out as stored, the ingredient escaped.
    const int index = store.AddCocktail({.name = "Gin & Tonic <1>",
                                         .strong = 2,
                                         .taste = 4,
                                         .howTo = "Build <in> glass",
                                         .materials = {{"Tonic Water", "Full up"}}});
    Generate();
    EXPECT_EQ(Page(index), std::string(kHead) + "Gin & Tonic <1>" + Upper("", "中", "極甘", 1) +
                               "\t<TD COLSPAN=\"2\">Tonic&nbsp;Water</TD><TD>Full&nbsp;up</TD>\r\n</TR>\r\n" +
                               Row("", "作り方", "<PRE>Build <in> glass</PRE>") + "</TABLE>\r\n" + kTail);
}

TEST_F(DetailPages, ThreeIngredientsInByteOrderWithMemoAuthorAndColours) {
    settings.title.titleColor = "#C0C0C0";
    settings.font.fontFace = "Gothic";
    // Stored out of order; the page lists them in ascending CP932 bytes: ASCII, kana, kanji.
    const int index = store.AddCocktail({.name = "Tom Collins",
                                         .memo = "Memo\r\nline 2",
                                         .master = 1,
                                         .materials = {{"砂糖", "1tsp"}, {"レモン", "20ml"}, {"Gin", "45ml"}}});
    Generate();
    const std::string colour = " BGCOLOR=\"#C0C0C0\"";
    EXPECT_EQ(Page(index),
              std::string(kHead) + "<BASEFONT FACE=\"Gothic\">\r\n<FONT COLOR=\"#C0C0C0\">\r\nTom Collins</FONT>\r\n" +
                  Upper(colour, "極強", "極辛", 3) +
                  Sjis("\t<TD COLSPAN=\"2\">Gin</TD><TD>45ml</TD>\r\n</TR>\r\n"
                       "<TR>\r\n\t<TD COLSPAN=\"2\">レモン</TD><TD>20ml</TD>\r\n"
                       "<TR>\r\n\t<TD COLSPAN=\"2\">砂糖</TD><TD>1tsp</TD>\r\n") +
                  Row(colour, "作り方", "<PRE>Shake.</PRE>") + Row(colour, "メモ", "<PRE>Memo\r\nline 2</PRE>") +
                  Row(colour, "作者", "O'Brien&nbsp;&amp;&nbsp;Co") + "</TABLE>\r\n" + kTail);
}

TEST_F(DetailPages, PagesFollowTheStoredCodesThenIndexAndStopAtAnUnreadableCocktail) {
    store.AddBase("Rum");
    const int b = store.AddCocktail({.name = "B", .base = 2});
    const int a = store.AddCocktail({.name = "A", .taste = 3});
    const int c = store.AddCocktail({.name = "C", .taste = 3});
    store.AddCocktail({.name = "No ingredients", .strong = 4, .base = 2, .materials = {}});

    const SiteContext& s = Generate(false);
    const auto path = [&](int index) { return out.Str() + "/fvxcocktail" + std::to_string(index) + ".html"; };
    EXPECT_EQ(s.createdFiles, (std::vector<std::string>{path(a), path(c), path(b)}));
    EXPECT_EQ(s.errorCocktail, "No ingredients");
}
