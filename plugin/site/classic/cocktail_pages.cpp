#include "site/classic/cocktail_pages.h"

#include <utility>

#include "core/code_tables.h"
#include "cp932.h"
#include "site/classic/html_blocks.h"
#include "site/html_escape.h"

namespace {

struct DetailTexts {
    std::string headingEnd = cp932::Literal(
        "<BR>\r\n<P ALIGN=\"right\">\r\n<A HREF=\"javascript:self.history.back()\">戻る</A>\r\n</P>\r\n");
    std::string base = cp932::Literal("\t<TD NOWRAP>ベース</TD>\r\n");
    std::string style = cp932::Literal("\t<TD NOWRAP>スタイル</TD>\r\n");
    std::string strong = cp932::Literal("\t<TD NOWRAP>強度</TD>\r\n");
    std::string taste = cp932::Literal("<TD NOWRAP>味わい</TD>\r\n");
    std::string materials = cp932::Literal("材料");
    std::string howTo = cp932::Literal("作り方");
    std::string memo = cp932::Literal("メモ");
    std::string master = cp932::Literal("作者");
};

const DetailTexts& Texts() {
    static const DetailTexts texts;
    return texts;
}

// The left header cell of a row of the second table, coloured like the table headers.
void AppendHeaderCell(std::string& page, const std::string& color, const std::string& caption) {
    page += "\t<TD ALIGN=\"center\"";
    AppendAttribute(page, "BGCOLOR", color);
    page.append(" NOWRAP>").append(caption).append("</TD>\r\n");
}

void AppendCell(std::string& page, const char* open, std::string_view text) {
    page += open;
    AppendEscaped(page, text);
    page += "</TD>\r\n";
}

}  // namespace

SitePage RenderCocktailPage(const PluginSettings& s, const SiteCocktail& cocktail) {
    const DetailTexts& t = Texts();
    const std::string& color = s.title.titleColor;
    std::string page;
    page.reserve(4096);
    AppendPageHead(page, s);
    AppendFaceSizeFont(page, s);
    std::string heading;
    AppendEscapedKeepingSpaces(heading, cocktail.name);
    AppendHeading(page, s, heading, t.headingEnd);
    page += "<TABLE WIDTH=\"80%\" BORDER=\"5\">\r\n";
    page += "<TR ALIGN=\"center\"";
    AppendAttribute(page, "BGCOLOR", color);
    page += ">\r\n";
    page += t.base;
    page += t.style;
    page += t.strong;
    page += t.taste;
    page += "</TR>\r\n";
    page += "<TR ALIGN=\"center\">\r\n";
    // A code outside the tables cannot come from the record dialog; it shows as an empty cell.
    std::string strong;
    std::string taste;
    StrongLabel(cocktail.strong, strong);
    TasteLabel(cocktail.taste, taste);
    AppendCell(page, "\t<TD NOWRAP>", cocktail.baseName);
    AppendCell(page, "\t<TD NOWRAP>", cocktail.styleName);
    AppendCell(page, "\t<TD>", strong);
    AppendCell(page, "\t<TD>", taste);
    page += "</TR>\r\n";
    page += "</TABLE>\r\n";
    page += "<BR>\r\n";
    page += "<TABLE WIDTH=\"80%\" BORDER=\"5\">\r\n";

    const auto& materials = cocktail.materials;
    if (!materials.empty()) {
        page += "<TR>\r\n";
        page += "\t<TD ALIGN=\"center\"";
        AppendAttribute(page, "BGCOLOR", color);
        page.append(" ROWSPAN=\"").append(std::to_string(materials.size())).append("\" NOWRAP>");
        page += t.materials;
        page += "</TD>\r\n";
        bool first = true;
        for (const auto& [ingredient, quantity] : materials) {
            // Only the first row is closed; the later ones end where the next row starts.
            if (!first) page += "<TR>\r\n";
            page += "\t<TD COLSPAN=\"2\">";
            AppendEscaped(page, ingredient);
            page += "</TD><TD>";
            AppendEscaped(page, quantity);
            page += "</TD>\r\n";
            if (first) page += "</TR>\r\n";
            first = false;
        }
    }
    page += "<TR>\r\n";
    AppendHeaderCell(page, color, t.howTo);
    page.append("\t<TD COLSPAN=\"3\"><PRE>").append(cocktail.howTo).append("</PRE></TD>\r\n");
    page += "</TR>\r\n";
    if (!cocktail.memo.empty()) {
        page += "<TR>\r\n";
        AppendHeaderCell(page, color, t.memo);
        page.append("\t<TD COLSPAN=\"3\"><PRE>").append(cocktail.memo).append("</PRE></TD>\r\n");
        page += "</TR>\r\n";
    }
    if (!cocktail.masterName.empty()) {
        page += "<TR>\r\n";
        AppendHeaderCell(page, color, t.master);
        AppendCell(page, "\t<TD COLSPAN=\"3\">", cocktail.masterName);
        page += "</TR>\r\n";
    }
    page += "</TABLE>\r\n";
    AppendPageTail(page);
    return {"fvxcocktail" + std::to_string(cocktail.index) + ".html", std::move(page)};
}

bool PutCocktailPages(const SiteSource& source, PageSink& sink) {
    for (const SiteCocktail& listed : source.model.Cocktails()) {
        if (!listed.read) {
            sink.Fail({kUnreadable, listed.name});
            return false;
        }
        if (!sink.Put(RenderCocktailPage(source.settings, *listed.read))) return false;
    }
    return true;
}
