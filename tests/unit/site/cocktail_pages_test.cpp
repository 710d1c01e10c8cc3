#include <gtest/gtest.h>

#include "site/cocktail_pages.h"
#include "site/site_model.h"
#include "site_fixture.h"

namespace {

class DetailPages : public ::testing::Test {
protected:
    DetailPages() : store(workspace.Path()) {
        store.AddBase("Gin");
        store.AddStyle("ショート");
        store.AddMaster("O'Brien & Co");
    }
    bool Generate() {
        model.Load(store.Database());
        SiteContext site(settings, model, out.Str());
        return WriteCocktailPages(site);
    }
    std::string Page(int index) {
        return ReadFileBytes(out.Path() / ("fvxcocktail" + std::to_string(index) + ".html"));
    }

    TempDirectory workspace;
    TempDirectory out;
    CocktailStore store;
    PluginSettings settings;
    SiteModel model;
};

}  // namespace

TEST_F(DetailPages, OneIngredientNoMemoNoAuthorUncoloured) {
    CocktailRow row;
    row.name = "Gin & Tonic <1>";
    row.strong = 2;
    row.taste = 4;
    row.howTo = "Build <in> glass";
    row.materials = {{"Tonic Water", "Full up"}};
    const int index = store.AddCocktail(row);
    ASSERT_TRUE(Generate());
    EXPECT_EQ(Page(index),
              std::string(kHead) +
                  Sjis("Gin & Tonic <1><BR>\r\n<P ALIGN=\"right\">\r\n"
                       "<A HREF=\"javascript:self.history.back()\">戻る</A>\r\n</P>\r\n"
                       "<TABLE WIDTH=\"80%\" BORDER=\"5\">\r\n<TR ALIGN=\"center\">\r\n"
                       "\t<TD NOWRAP>ベース</TD>\r\n\t<TD NOWRAP>スタイル</TD>\r\n\t<TD NOWRAP>強度</TD>\r\n"
                       "<TD NOWRAP>味わい</TD>\r\n</TR>\r\n<TR ALIGN=\"center\">\r\n"
                       "\t<TD NOWRAP>Gin</TD>\r\n\t<TD NOWRAP>ショート</TD>\r\n\t<TD>中</TD>\r\n\t<TD>極甘</TD>\r\n"
                       "</TR>\r\n</TABLE>\r\n<BR>\r\n<TABLE WIDTH=\"80%\" BORDER=\"5\">\r\n"
                       "<TR>\r\n\t<TD ALIGN=\"center\" ROWSPAN=\"1\" NOWRAP>材料</TD>\r\n"
                       "\t<TD COLSPAN=\"2\">Tonic&nbsp;Water</TD><TD>Full&nbsp;up</TD>\r\n</TR>\r\n"
                       "<TR>\r\n\t<TD ALIGN=\"center\" NOWRAP>作り方</TD>\r\n"
                       "\t<TD COLSPAN=\"3\"><PRE>Build <in> glass</PRE></TD>\r\n</TR>\r\n</TABLE>\r\n") +
                  kTail);
}

TEST_F(DetailPages, ThreeIngredientsInByteOrderWithMemoAuthorAndColours) {
    settings.title.titleColor = "#C0C0C0";
    settings.font.fontFace = "Gothic";
    CocktailRow row;
    row.name = "Tom Collins";
    row.master = 1;
    row.memo = "Memo\r\nline 2";
    // Stored out of order; the page lists them in ascending CP932 bytes: ASCII, kana, kanji.
    row.materials = {{"砂糖", "1tsp"}, {"レモン", "20ml"}, {"Gin", "45ml"}};
    const int index = store.AddCocktail(row);
    ASSERT_TRUE(Generate());
    EXPECT_EQ(Page(index),
              std::string(kHead) +
                  Sjis("<BASEFONT FACE=\"Gothic\">\r\n<FONT COLOR=\"#C0C0C0\">\r\nTom Collins</FONT>\r\n"
                       "<BR>\r\n<P ALIGN=\"right\">\r\n"
                       "<A HREF=\"javascript:self.history.back()\">戻る</A>\r\n</P>\r\n"
                       "<TABLE WIDTH=\"80%\" BORDER=\"5\">\r\n<TR ALIGN=\"center\" BGCOLOR=\"#C0C0C0\">\r\n"
                       "\t<TD NOWRAP>ベース</TD>\r\n\t<TD NOWRAP>スタイル</TD>\r\n\t<TD NOWRAP>強度</TD>\r\n"
                       "<TD NOWRAP>味わい</TD>\r\n</TR>\r\n<TR ALIGN=\"center\">\r\n"
                       "\t<TD NOWRAP>Gin</TD>\r\n\t<TD NOWRAP>ショート</TD>\r\n\t<TD>極強</TD>\r\n\t<TD>極辛</TD>\r\n"
                       "</TR>\r\n</TABLE>\r\n<BR>\r\n<TABLE WIDTH=\"80%\" BORDER=\"5\">\r\n"
                       "<TR>\r\n\t<TD ALIGN=\"center\" BGCOLOR=\"#C0C0C0\" ROWSPAN=\"3\" NOWRAP>材料</TD>\r\n"
                       "\t<TD COLSPAN=\"2\">Gin</TD><TD>45ml</TD>\r\n</TR>\r\n"
                       "<TR>\r\n\t<TD COLSPAN=\"2\">レモン</TD><TD>20ml</TD>\r\n"
                       "<TR>\r\n\t<TD COLSPAN=\"2\">砂糖</TD><TD>1tsp</TD>\r\n"
                       "<TR>\r\n\t<TD ALIGN=\"center\" BGCOLOR=\"#C0C0C0\" NOWRAP>作り方</TD>\r\n"
                       "\t<TD COLSPAN=\"3\"><PRE>Shake.</PRE></TD>\r\n</TR>\r\n"
                       "<TR>\r\n\t<TD ALIGN=\"center\" BGCOLOR=\"#C0C0C0\" NOWRAP>メモ</TD>\r\n"
                       "\t<TD COLSPAN=\"3\"><PRE>Memo\r\nline 2</PRE></TD>\r\n</TR>\r\n"
                       "<TR>\r\n\t<TD ALIGN=\"center\" BGCOLOR=\"#C0C0C0\" NOWRAP>作者</TD>\r\n"
                       "\t<TD COLSPAN=\"3\">O'Brien&nbsp;&amp;&nbsp;Co</TD>\r\n</TR>\r\n</TABLE>\r\n") +
                  kTail);
}

TEST_F(DetailPages, PagesFollowTheStoredCodesThenIndexAndStopAtAnUnreadableCocktail) {
    store.AddBase("Rum");
    CocktailRow second;
    second.name = "B";
    second.base = 2;
    CocktailRow first;
    first.name = "A";
    first.taste = 3;
    CocktailRow tie;
    tie.name = "C";
    tie.taste = 3;
    const int b = store.AddCocktail(second);
    const int a = store.AddCocktail(first);
    const int c = store.AddCocktail(tie);
    CocktailRow broken;
    broken.name = "No ingredients";
    broken.base = 2;
    broken.strong = 4;
    broken.materials.clear();
    store.AddCocktail(broken);

    model.Load(store.Database());
    SiteContext site(settings, model, out.Str());
    EXPECT_FALSE(WriteCocktailPages(site));
    const std::string dir = out.Str() + "/";
    EXPECT_EQ(site.createdFiles,
              (std::vector<std::string>{dir + "fvxcocktail" + std::to_string(a) + ".html",
                                        dir + "fvxcocktail" + std::to_string(c) + ".html",
                                        dir + "fvxcocktail" + std::to_string(b) + ".html"}));
    EXPECT_EQ(site.errorCocktail, "No ingredients");
}
