#include <gtest/gtest.h>

#include "site/category_pages.h"
#include "site/site_model.h"
#include "site_fixture.h"

namespace {

const char* const kNameBaseStyleStrongTaste =
    "\t<TD NOWRAP>カクテル名称</TD>\r\n\t<TD NOWRAP>ベース</TD>\t<TD NOWRAP>スタイル</TD>\r\n"
    "\t<TD NOWRAP>強度</TD>\r\n\t<TD NOWRAP>味わい</TD>\r\n</TR>\r\n";

std::string Link(int index, const std::string& name) {
    return "<TR ALIGN=\"center\">\r\n\t<TD ALIGN=\"left\" NOWRAP><A HREF=\"fvxcocktail" + std::to_string(index) +
           ".html\" TARGET=\"fvxtop\">" + name + "</A></TD>";
}

// Bases "Gin" and "Rum & Cola", an unused base, two styles, an author with an apostrophe.
class CategoryPages : public ::testing::Test {
protected:
    CategoryPages() : store(workspace.Path()) {
        store.AddBase("Gin");
        store.AddBase("Rum & Cola");
        store.AddBase("Unused");
        store.AddStyle("Short");
        store.AddStyle("ロング");
        store.AddMaster("O'Brien");
        CocktailRow row;
        row.name = "Martini";
        row.initial = 12;
        row.strong = 1;
        martini = store.AddCocktail(row);
        row.name = "Cuba Libre";
        row.initial = 2;
        row.base = 2;
        row.style = 2;
        row.strong = 2;
        row.taste = 3;
        row.master = 1;
        cuba = store.AddCocktail(row);
        row.name = "Gimlet";
        row.initial = 6;
        row.base = 1;
        row.style = 1;
        row.strong = 0;
        row.taste = 1;
        row.master.reset();
        gimlet = store.AddCocktail(row);
    }
    SiteContext& Context() {
        model.Load(store.Database());
        site = std::make_unique<SiteContext>(settings, model, out.Str());
        return *site;
    }
    std::string File(const std::string& name) { return ReadFileBytes(out.Path() / name); }
    std::string Page(const std::string& heading, const std::string& header, const std::string& rows) {
        return std::string(kHead) + Sjis(heading) + "<BR><BR><TABLE WIDTH=\"80%\" BORDER=\"5\">\r\n" +
               "<TR ALIGN=\"center\">\r\n" + Sjis(header) + Sjis(rows) + "</TABLE>\r\n" + kTail;
    }

    TempDirectory workspace;
    TempDirectory out;
    CocktailStore store;
    PluginSettings settings;
    SiteModel model;
    std::unique_ptr<SiteContext> site;
    int martini = 0;
    int cuba = 0;
    int gimlet = 0;
};

}  // namespace

TEST_F(CategoryPages, AllPageOrdersByStoredCodesAndEscapesCells) {
    ASSERT_TRUE(WriteAllPage(Context()));
    // Base 1 before base 2; within base 1 strength 0 (Gimlet) before 1 (Martini).
    EXPECT_EQ(File("fvxall.html"),
              Page("全カクテル一覧", kNameBaseStyleStrongTaste,
                   Link(gimlet, "Gimlet") +
                       "\t<TD>Gin</TD>\t<TD NOWRAP>Short</TD>\t<TD NOWRAP>極強</TD>\t<TD>辛</TD></TR>\r\n" +
                       Link(martini, "Martini") +
                       "\t<TD>Gin</TD>\t<TD NOWRAP>Short</TD>\t<TD NOWRAP>強</TD>\t<TD>極辛</TD></TR>\r\n" +
                       Link(cuba, "Cuba&nbsp;Libre") +
                       "\t<TD>Rum&nbsp;&amp;&nbsp;Cola</TD>\t<TD NOWRAP>ロング</TD>\t<TD NOWRAP>中</TD>\t<TD>甘</TD>"
                       "</TR>\r\n"));
}

TEST_F(CategoryPages, EachListKindHasItsHeadingHeadersAndCells) {
    SiteContext& s = Context();
    ASSERT_TRUE(WriteBasePage(s, "b", Sjis("Rum & Cola")));
    ASSERT_TRUE(WriteStylePage(s, "s", Sjis("ロング")));
    ASSERT_TRUE(WriteStrongPage(s, "st", 2));
    ASSERT_TRUE(WriteTastePage(s, "t", 3));
    ASSERT_TRUE(WriteMasterPage(s, "m", "O'Brien"));
    const std::string cubaLink = Link(cuba, "Cuba&nbsp;Libre");
    EXPECT_EQ(File("b.html"),
              Page("Rum & Cola ベース一覧",
                   "\t<TD NOWRAP>カクテル名称</TD>\r\n\t<TD NOWRAP>スタイル</TD>\r\n"
                   "\t<TD NOWRAP>強度</TD>\r\n\t<TD NOWRAP>味わい</TD>\r\n</TR>\r\n",
                   cubaLink + "\t<TD NOWRAP>ロング</TD>\t<TD>中</TD>\t<TD>甘</TD></TR>\r\n"));
    EXPECT_EQ(File("s.html"),
              Page("ロング スタイル一覧",
                   "\t<TD NOWRAP>カクテル名称</TD>\r\n\t<TD NOWRAP>ベース</TD>\r\n"
                   "\t<TD NOWRAP>強度</TD>\r\n\t<TD NOWRAP>味わい</TD>\r\n</TR>\r\n",
                   cubaLink + "\t<TD>Rum&nbsp;&amp;&nbsp;Cola</TD>\t<TD NOWRAP>中</TD>\t<TD>甘</TD></TR>\r\n"));
    EXPECT_EQ(File("st.html"),
              Page("アルコール強度 ＜中＞ 一覧",
                   "\t<TD NOWRAP>カクテル名称</TD>\r\n\t<TD NOWRAP>ベース</TD>\r\n"
                   "\t<TD NOWRAP>スタイル</TD>\r\n\t<TD NOWRAP>味わい</TD>\r\n</TR>\r\n",
                   cubaLink + "\t<TD>Rum&nbsp;&amp;&nbsp;Cola</TD>\t<TD NOWRAP>ロング</TD>\t<TD>甘</TD></TR>\r\n"));
    EXPECT_EQ(File("t.html"),
              Page("味わい ＜甘＞ 一覧",
                   "\t<TD NOWRAP>カクテル名称</TD>\r\n\t<TD NOWRAP>ベース</TD>\r\n"
                   "\t<TD NOWRAP>スタイル</TD>\r\n\t<TD NOWRAP>強度</TD>\r\n</TR>\r\n",
                   cubaLink + "\t<TD>Rum&nbsp;&amp;&nbsp;Cola</TD>\t<TD NOWRAP>ロング</TD>\t<TD>中</TD></TR>\r\n"));
    EXPECT_EQ(File("m.html"),
              Page("O'Brien 作一覧", kNameBaseStyleStrongTaste,
                   cubaLink +
                       "\t<TD>Rum&nbsp;&amp;&nbsp;Cola</TD>\t<TD NOWRAP>ロング</TD>\t<TD NOWRAP>中</TD>\t<TD>甘</TD>"
                       "</TR>\r\n"));
}

TEST_F(CategoryPages, NamesMatchRegardlessOfAsciiCaseAndAuthorlessPageTakesTheRest) {
    settings.title.titleColor = "navy";
    SiteContext& s = Context();
    ASSERT_TRUE(WriteMasterPage(s, "m", "o'brien"));
    EXPECT_NE(File("m.html").find("fvxcocktail" + std::to_string(cuba) + ".html"), std::string::npos);
    ASSERT_TRUE(WriteMasterPage(s, "none", ""));
    const std::string none = File("none.html");
    EXPECT_EQ(none.substr(0, none.find("<TR ALIGN=\"center\">\r\n\t<TD ALIGN")),
              std::string(kHead) + "<FONT COLOR=\"navy\">\r\n" + Sjis("作者不明一覧") +
                  "</FONT>\r\n<BR><BR><TABLE WIDTH=\"80%\" BORDER=\"5\">\r\n<TR ALIGN=\"center\" BGCOLOR=\"navy\">\r\n" +
                  Sjis(kNameBaseStyleStrongTaste));
    EXPECT_NE(none.find("fvxcocktail" + std::to_string(gimlet) + ".html"), std::string::npos);
    EXPECT_NE(none.find("fvxcocktail" + std::to_string(martini) + ".html"), std::string::npos);
    EXPECT_EQ(none.find("fvxcocktail" + std::to_string(cuba) + ".html"), std::string::npos);
}

TEST_F(CategoryPages, MenusWriteEveryListPageAndLine) {
    SiteContext& s = Context();
    ASSERT_TRUE(WriteBaseMenu(s));
    ASSERT_TRUE(WriteMasterMenu(s));
    ASSERT_TRUE(WriteAlphabetMenu(s));
    const std::string back = "<P><FONT SIZE=\"+1\"><STRONG>\r\n&lt;&lt;<A HREF=\"fvxmenu.html\">Menu</A>&gt;&gt;\r\n";
    EXPECT_EQ(File("fvxbasemenu.html"),
              std::string(kHead) + back +
                  "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- Base --</FONT></P>\r\n"
                  "<TABLE WIDTH=\"100%\"><TR><TD NOWRAP><UL>\r\n"
                  "<LI><A HREF=\"fvxbase0.html\" TARGET=\"fvxtop\">Gin</A>\r\n"
                  "<LI><A HREF=\"fvxbase1.html\" TARGET=\"fvxtop\">Rum&nbsp;&amp;&nbsp;Cola</A>\r\n"
                  "<LI><A HREF=\"fvxbase2.html\" TARGET=\"fvxtop\">Unused</A>\r\n"
                  "</UL></TD></TR></TABLE>\r\n" +
                  kTail);
    EXPECT_EQ(File("fvxbase2.html"),
              std::string(kHead) + Sjis("Unused ベース一覧<BR><BR>該当項目はありません。\r\n") + kTail);
    EXPECT_EQ(File("fvxmastermenu.html"),
              std::string(kHead) + back +
                  "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- Master --</FONT></P>\r\n"
                  "<TABLE WIDTH=\"100%\"><TR><TD NOWRAP><UL>\r\n"
                  "<LI><A HREF=\"fvxmaster0.html\" TARGET=\"fvxtop\">O'Brien</A>\r\n" +
                  Sjis("<LI><A HREF=\"fvxmaster1.html\" TARGET=\"fvxtop\">不明</A>\r\n") +
                  "</UL></TD></TR></TABLE>\r\n" + kTail);

    const std::string alphabet = File("fvxalphabetmenu.html");
    EXPECT_EQ(alphabet.substr(0, alphabet.find("<LI>")),
              std::string(kHead) +
                  "<P><FONT SIZE=\"+1\"><STRONG>\r\n"
                  "&lt;&lt;&nbsp;<A HREF=\"fvxmenu.html\">Menu</A>&nbsp;&gt;&gt;\r\n"
                  "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- Alphabet --</FONT></P>\r\n"
                  "<TABLE WIDTH=\"100%\"><TR><TD NOWRAP><UL>\r\n");
    EXPECT_NE(alphabet.find(Sjis("<LI><A HREF=\"fvxalphabet0.html\" TARGET=\"fvxtop\">Ａ (0)</A>\r\n"
                                 "<LI><A HREF=\"fvxalphabet1.html\" TARGET=\"fvxtop\">Ｂ (0)</A>\r\n"
                                 "<LI><A HREF=\"fvxalphabet2.html\" TARGET=\"fvxtop\">Ｃ (1)</A>\r\n")),
              std::string::npos);
    EXPECT_NE(alphabet.find(Sjis("<LI><A HREF=\"fvxalphabet25.html\" TARGET=\"fvxtop\">Ｚ (0)</A>\r\n</UL>")),
              std::string::npos);
    EXPECT_EQ(File("fvxalphabet25.html"),
              std::string(kHead) + Sjis("頭文字 ＜Ｚ＞ 一覧<BR><BR>該当項目はありません。\r\n") + kTail);
    // Menu first, each list page before the next one.
    EXPECT_EQ(s.createdFiles.size(), 4u + 2u + 1u + 26u + 1u);
    EXPECT_EQ(s.createdFiles[0], out.Str() + "/fvxbasemenu.html");
    EXPECT_EQ(s.createdFiles[3], out.Str() + "/fvxbase2.html");
}

TEST_F(CategoryPages, StrengthTasteAndStyleMenus) {
    settings.font.fontFace = "Gothic";
    SiteContext& s = Context();
    ASSERT_TRUE(WriteStrongMenu(s));
    ASSERT_TRUE(WriteTasteMenu(s));
    ASSERT_TRUE(WriteStyleMenu(s));
    const auto menu = [](const char* heading, const std::string& lines) {
        return std::string(kHead) + "<BASEFONT FACE=\"Gothic\">\r\n<P><FONT SIZE=\"+1\"><STRONG>\r\n" +
               "&lt;&lt;<A HREF=\"fvxmenu.html\">Menu</A>&gt;&gt;\r\n</STRONG></FONT><BR><FONT SIZE=\"-1\">-- " +
               heading + " --</FONT></P>\r\n<TABLE WIDTH=\"100%\"><TR><TD NOWRAP><UL>\r\n" + Sjis(lines) +
               "</UL></TD></TR></TABLE>\r\n" + kTail;
    };
    EXPECT_EQ(File("fvxstrongmenu.html"),
              menu("Strong", "<LI><A HREF=\"fvxstrong0.html\" TARGET=\"fvxtop\">極強</A>\r\n"
                             "<LI><A HREF=\"fvxstrong1.html\" TARGET=\"fvxtop\">強</A>\r\n"
                             "<LI><A HREF=\"fvxstrong2.html\" TARGET=\"fvxtop\">中</A>\r\n"
                             "<LI><A HREF=\"fvxstrong3.html\" TARGET=\"fvxtop\">弱</A>\r\n"
                             "<LI><A HREF=\"fvxstrong4.html\" TARGET=\"fvxtop\">極弱</A>\r\n"));
    EXPECT_EQ(File("fvxtastemenu.html"),
              menu("Taste", "<LI><A HREF=\"fvxtaste0.html\" TARGET=\"fvxtop\">極辛</A>\r\n"
                            "<LI><A HREF=\"fvxtaste1.html\" TARGET=\"fvxtop\">辛</A>\r\n"
                            "<LI><A HREF=\"fvxtaste2.html\" TARGET=\"fvxtop\">中</A>\r\n"
                            "<LI><A HREF=\"fvxtaste3.html\" TARGET=\"fvxtop\">甘</A>\r\n"
                            "<LI><A HREF=\"fvxtaste4.html\" TARGET=\"fvxtop\">極甘</A>\r\n"));
    EXPECT_EQ(File("fvxstylemenu.html"),
              menu("Style", "<LI><A HREF=\"fvxstyle0.html\" TARGET=\"fvxtop\">Short</A>\r\n"
                            "<LI><A HREF=\"fvxstyle1.html\" TARGET=\"fvxtop\">ロング</A>\r\n"));
    EXPECT_TRUE(std::filesystem::exists(out.Path() / "fvxtaste4.html"));
}

TEST_F(CategoryPages, UnreadableCocktailCutsTheListAndTheMenu) {
    CocktailRow orphan;
    orphan.name = "Orphan";
    orphan.initial = 12;
    orphan.strong = 3;
    orphan.master = 99;  // no such author
    store.AddCocktail(orphan);
    SiteContext& s = Context();
    EXPECT_FALSE(WriteAlphabetMenu(s));
    // The page of M holds the Martini row and stops at the orphan; the menu ends at L.
    EXPECT_EQ(File("fvxalphabet12.html"),
              std::string(kHead) +
                  Sjis(std::string("頭文字 ＜Ｍ＞ 一覧<BR><BR><TABLE WIDTH=\"80%\" BORDER=\"5\">\r\n"
                                   "<TR ALIGN=\"center\">\r\n") +
                       kNameBaseStyleStrongTaste + Link(martini, "Martini") +
                       "\t<TD>Gin</TD>\t<TD NOWRAP>Short</TD>\t<TD NOWRAP>強</TD>\t<TD>極辛</TD></TR>\r\n"));
    const std::string menu = File("fvxalphabetmenu.html");
    EXPECT_NE(menu.find("fvxalphabet11.html"), std::string::npos);
    EXPECT_EQ(menu.find("fvxalphabet12.html"), std::string::npos);
    EXPECT_EQ(menu.find("</UL>"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out.Path() / "fvxalphabet13.html"));
}
