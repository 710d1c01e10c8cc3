#include <algorithm>

#include <gtest/gtest.h>

#include "site/category_pages.h"
#include "site_fixture.h"

namespace {

const std::string kAllColumns =
    "\t<TD NOWRAP>カクテル名称</TD>\r\n\t<TD NOWRAP>ベース</TD>\t<TD NOWRAP>スタイル</TD>\r\n"
    "\t<TD NOWRAP>強度</TD>\r\n\t<TD NOWRAP>味わい</TD>\r\n</TR>\r\n";

std::string Link(int index, const std::string& name) {
    return "<TR ALIGN=\"center\">\r\n\t<TD ALIGN=\"left\" NOWRAP><A HREF=\"fvxcocktail" + std::to_string(index) +
           ".html\" TARGET=\"fvxtop\">" + name + "</A></TD>";
}

std::string Lines(const std::string& stem, const std::vector<std::string>& captions) {
    std::string lines;
    for (std::size_t i = 0; i < captions.size(); ++i)
        lines +=
            "<LI><A HREF=\"fvx" + stem + std::to_string(i) + ".html\" TARGET=\"fvxtop\">" + captions[i] + "</A>\r\n";
    return lines;
}

// Bases "Gin" and "Rum & Cola", an unused base, two styles, an author with an apostrophe.
class CategoryPages : public SiteTest {
protected:
    CategoryPages() {
        store.AddBase("Gin");
        store.AddBase("Rum & Cola");
        store.AddBase("Unused");
        store.AddStyle("Short");
        store.AddStyle("ロング");
        store.AddMaster("O'Brien");
        martini = store.AddCocktail({.name = "Martini", .initial = 12, .strong = 1});
        cuba = store.AddCocktail(
            {.name = "Cuba Libre", .initial = 2, .strong = 2, .taste = 3, .style = 2, .base = 2, .master = 1});
        gimlet = store.AddCocktail({.name = "Gimlet", .initial = 6, .taste = 1});
    }
    std::string Page(const std::string& heading, const std::string& columns, const std::string& rows,
                     const std::string& colour = "") {
        const std::string title =
            colour.empty() ? heading : "<FONT COLOR=\"" + colour + "\">\r\n" + heading + "</FONT>\r\n";
        const std::string header = colour.empty() ? "" : " BGCOLOR=\"" + colour + "\"";
        return std::string(kHead) +
               Sjis(title + "<BR><BR><TABLE WIDTH=\"80%\" BORDER=\"5\">\r\n<TR ALIGN=\"center\"" + header + ">\r\n" +
                    columns + rows + "</TABLE>\r\n") +
               kTail;
    }

    int martini = 0;
    int cuba = 0;
    int gimlet = 0;
};

}  // namespace

TEST_F(CategoryPages, EachListKindHasItsHeadingColumnsOrderAndCells) {
    SiteContext& s = Context();
    ASSERT_TRUE(WriteAllPage(s));
    ASSERT_TRUE(WriteBasePage(s, "b", Sjis("Rum & Cola")));
    ASSERT_TRUE(WriteStylePage(s, "s", Sjis("ロング")));
    ASSERT_TRUE(WriteStrongPage(s, "st", 2));
    ASSERT_TRUE(WriteTastePage(s, "t", 3));
    ASSERT_TRUE(WriteMasterPage(s, "m", "O'Brien"));
    // Author names match as every look-up does, regardless of ASCII case.
    ASSERT_TRUE(WriteMasterPage(s, "m2", "o'brien"));

    const std::string gimletRow =
        Link(gimlet, "Gimlet") + "\t<TD>Gin</TD>\t<TD NOWRAP>Short</TD>\t<TD NOWRAP>極強</TD>\t<TD>辛</TD></TR>\r\n";
    const std::string martiniRow =
        Link(martini, "Martini") + "\t<TD>Gin</TD>\t<TD NOWRAP>Short</TD>\t<TD NOWRAP>強</TD>\t<TD>極辛</TD></TR>\r\n";
    const std::string cubaRow = Link(cuba, "Cuba&nbsp;Libre") +
                                "\t<TD>Rum&nbsp;&amp;&nbsp;Cola</TD>\t<TD NOWRAP>ロング</TD>"
                                "\t<TD NOWRAP>中</TD>\t<TD>甘</TD></TR>\r\n";
    // Base 1 before base 2; within base 1 strength 0 (Gimlet) before 1 (Martini).
    EXPECT_EQ(File("fvxall.html"), Page("全カクテル一覧", kAllColumns, gimletRow + martiniRow + cubaRow));
    EXPECT_EQ(File("m.html"), Page("O'Brien 作一覧", kAllColumns, cubaRow));
    EXPECT_EQ(File("m2.html"), Page("o'brien 作一覧", kAllColumns, cubaRow));
    const struct {
        const char* file;
        const char* heading;
        std::vector<std::string> columns;
        const char* cells;
    } lists[] = {
        {"b.html",
         "Rum & Cola ベース一覧",
         {"スタイル", "強度", "味わい"},
         "\t<TD NOWRAP>ロング</TD>\t<TD>中</TD>\t<TD>甘</TD>"},
        {"s.html",
         "ロング スタイル一覧",
         {"ベース", "強度", "味わい"},
         "\t<TD>Rum&nbsp;&amp;&nbsp;Cola</TD>\t<TD NOWRAP>中</TD>\t<TD>甘</TD>"},
        {"st.html",
         "アルコール強度 ＜中＞ 一覧",
         {"ベース", "スタイル", "味わい"},
         "\t<TD>Rum&nbsp;&amp;&nbsp;Cola</TD>\t<TD NOWRAP>ロング</TD>\t<TD>甘</TD>"},
        {"t.html",
         "味わい ＜甘＞ 一覧",
         {"ベース", "スタイル", "強度"},
         "\t<TD>Rum&nbsp;&amp;&nbsp;Cola</TD>\t<TD NOWRAP>ロング</TD>\t<TD>中</TD>"},
    };
    for (const auto& list : lists) {
        std::string columns = "\t<TD NOWRAP>カクテル名称</TD>\r\n";
        for (const std::string& column : list.columns) columns += "\t<TD NOWRAP>" + column + "</TD>\r\n";
        EXPECT_EQ(File(list.file),
                  Page(list.heading, columns + "</TR>\r\n", Link(cuba, "Cuba&nbsp;Libre") + list.cells + "</TR>\r\n"))
            << list.file;
    }

    // The authorless page takes every cocktail without an author.
    settings.title.titleColor = "navy";
    ASSERT_TRUE(WriteMasterPage(Context(), "none", ""));
    EXPECT_EQ(File("none.html"), Page("作者不明一覧", kAllColumns, gimletRow + martiniRow, "navy"));
}

TEST_F(CategoryPages, MenusWriteEveryListPageAndLine) {
    settings.font.fontFace = "Gothic";
    SiteContext& s = Context();
    for (bool (*writer)(SiteContext&) :
         {WriteBaseMenu, WriteMasterMenu, WriteAlphabetMenu, WriteStrongMenu, WriteTasteMenu, WriteStyleMenu})
        ASSERT_TRUE(writer(s));
    const std::string face = "<BASEFONT FACE=\"Gothic\">\r\n";
    const auto menu = [&](const char* heading, const std::string& lines, const char* space = "") {
        return std::string(kHead) + face + "<P><FONT SIZE=\"+1\"><STRONG>\r\n&lt;&lt;" + space +
               "<A HREF=\"fvxmenu.html\">Menu</A>" + space + "&gt;&gt;\r\n</STRONG></FONT><BR><FONT SIZE=\"-1\">-- " +
               heading + " --</FONT></P>\r\n<TABLE WIDTH=\"100%\"><TR><TD NOWRAP><UL>\r\n" + Sjis(lines) +
               "</UL></TD></TR></TABLE>\r\n" + kTail;
    };
    EXPECT_EQ(File("fvxbasemenu.html"), menu("Base", Lines("base", {"Gin", "Rum&nbsp;&amp;&nbsp;Cola", "Unused"})));
    EXPECT_EQ(File("fvxmastermenu.html"), menu("Master", Lines("master", {"O'Brien", "不明"})));
    EXPECT_EQ(File("fvxstrongmenu.html"), menu("Strong", Lines("strong", {"極強", "強", "中", "弱", "極弱"})));
    EXPECT_EQ(File("fvxtastemenu.html"), menu("Taste", Lines("taste", {"極辛", "辛", "中", "甘", "極甘"})));
    EXPECT_EQ(File("fvxstylemenu.html"), menu("Style", Lines("style", {"Short", "ロング"})));
    // Each initial with the true number of its cocktails: C, G and M have one each.
    std::vector<std::string> initials;
    for (char i = 0; i < 26; ++i)
        initials.push_back(std::string{'\xEF', '\xBC', static_cast<char>('\xA1' + i)} +
                           (i == 2 || i == 6 || i == 12 ? " (1)" : " (0)"));
    EXPECT_EQ(File("fvxalphabetmenu.html"), menu("Alphabet", Lines("alphabet", initials), "&nbsp;"));

    EXPECT_EQ(File("fvxbase2.html"),
              std::string(kHead) + face + Sjis("Unused ベース一覧<BR><BR>該当項目はありません。\r\n") + kTail);
    EXPECT_EQ(File("fvxalphabet25.html"),
              std::string(kHead) + face + Sjis("頭文字 ＜Ｚ＞ 一覧<BR><BR>該当項目はありません。\r\n") + kTail);
    // Each menu first, then its list pages in order.
    EXPECT_EQ(s.createdFiles.size(), 4u + 3u + 27u + 6u + 6u + 3u);
    EXPECT_EQ(s.createdFiles[0], out.Str() + "/fvxbasemenu.html");
    EXPECT_EQ(s.createdFiles[3], out.Str() + "/fvxbase2.html");
}

TEST_F(CategoryPages, TableRowsOfMatchingNamesListTheirCocktailsTogetherInPageOrder) {
    store.AddStyle("SHORT");
    store.AddCocktail({.name = "Daiquiri", .style = 3});
    store.AddCocktail({.name = "Rum Short", .base = 2});
    ASSERT_TRUE(WriteStylePage(Context(), "s", "short"));
    const std::string page = File("s.html");
    std::vector<std::size_t> at;
    for (const char* name : {"Gimlet", "Martini", "Daiquiri", "Rum&nbsp;Short"}) at.push_back(page.find(name));
    EXPECT_TRUE(std::is_sorted(at.begin(), at.end()) && at.back() != std::string::npos) << page;
}
