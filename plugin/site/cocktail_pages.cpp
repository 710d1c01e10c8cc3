#include "site/cocktail_pages.h"

#include "core/code_tables.h"
#include "cp932.h"
#include "paths.h"
#include "site/html_writer.h"

namespace {

struct DetailTexts {
    std::string back = cp932::Literal("<A HREF=\"javascript:self.history.back()\">戻る</A>\r\n");
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
std::string HeaderCell(const std::string& color, const std::string& caption) {
    if (color.empty()) return "\t<TD ALIGN=\"center\" NOWRAP>" + caption + "</TD>\r\n";
    return "\t<TD ALIGN=\"center\" BGCOLOR=\"" + color + "\" NOWRAP>" + caption + "</TD>\r\n";
}

}  // namespace

bool WriteCocktailPage(SiteContext& site, const SiteCocktail& cocktail) {
    const PluginSettings& s = site.settings;
    const DetailTexts& t = Texts();
    const std::string& color = s.title.titleColor;
    std::string page;
    AppendPageHead(page, s);
    AppendFaceSizeFont(page, s);
    AppendHeading(page, s, cocktail.name, "<BR>\r\n<P ALIGN=\"right\">\r\n" + t.back + "</P>\r\n");
    page += "<TABLE WIDTH=\"80%\" BORDER=\"5\">\r\n";
    page += color.empty() ? std::string("<TR ALIGN=\"center\">\r\n")
                          : "<TR ALIGN=\"center\" BGCOLOR=\"" + color + "\">\r\n";
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
    page += "\t<TD NOWRAP>" + EscapeHtml(cocktail.baseName) + "</TD>\r\n";
    page += "\t<TD NOWRAP>" + EscapeHtml(cocktail.styleName) + "</TD>\r\n";
    page += "\t<TD>" + EscapeHtml(strong) + "</TD>\r\n";
    page += "\t<TD>" + EscapeHtml(taste) + "</TD>\r\n";
    page += "</TR>\r\n";
    page += "</TABLE>\r\n";
    page += "<BR>\r\n";
    page += "<TABLE WIDTH=\"80%\" BORDER=\"5\">\r\n";

    const auto& materials = cocktail.materials;
    if (!materials.empty()) {
        const int count = static_cast<int>(materials.size());
        page += "<TR>\r\n";
        if (color.empty())
            page += FormatPiece("\t<TD ALIGN=\"center\" ROWSPAN=\"%d\" NOWRAP>", count);
        else
            page += FormatPiece("\t<TD ALIGN=\"center\" BGCOLOR=\"%s\" ROWSPAN=\"%d\" NOWRAP>", color.c_str(), count);
        page += t.materials;
        page += "</TD>\r\n";
        bool first = true;
        for (const auto& [ingredient, quantity] : materials) {
            // Only the first row is closed; the later ones end where the next row starts.
            if (!first) page += "<TR>\r\n";
            page += "\t<TD COLSPAN=\"2\">" + EscapeHtml(ingredient) + "</TD><TD>" + EscapeHtml(quantity) + "</TD>\r\n";
            if (first) page += "</TR>\r\n";
            first = false;
        }
    }
    page += "<TR>\r\n";
    page += HeaderCell(color, t.howTo);
    page += "\t<TD COLSPAN=\"3\"><PRE>" + cocktail.howTo + "</PRE></TD>\r\n";
    page += "</TR>\r\n";
    if (!cocktail.memo.empty()) {
        page += "<TR>\r\n";
        page += HeaderCell(color, t.memo);
        page += "\t<TD COLSPAN=\"3\"><PRE>" + cocktail.memo + "</PRE></TD>\r\n";
        page += "</TR>\r\n";
    }
    if (!cocktail.masterName.empty()) {
        page += "<TR>\r\n";
        page += HeaderCell(color, t.master);
        page += "\t<TD COLSPAN=\"3\">" + EscapeHtml(cocktail.masterName) + "</TD>\r\n";
        page += "</TR>\r\n";
    }
    page += "</TABLE>\r\n";
    AppendPageTail(page);
    return WritePageFile(site, paths::Join(site.outDirectory, "fvxcocktail" + std::to_string(cocktail.index) + ".html"),
                         page);
}

bool WriteCocktailPages(SiteContext& site) {
    for (const SiteCocktail& listed : site.model.Cocktails()) {
        const SiteCocktail* cocktail = site.model.ReadCocktail(listed.name);
        if (!cocktail) {
            site.Fail(kUnreadable, listed.name);
            return false;
        }
        if (!WriteCocktailPage(site, *cocktail)) return false;
    }
    return true;
}
