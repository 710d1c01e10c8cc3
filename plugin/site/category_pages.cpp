#include "site/category_pages.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "core/code_tables.h"
#include "cp932.h"
#include "paths.h"
#include "site/html_writer.h"

namespace {

struct ListTexts {
    std::string nameBaseStyle =
        cp932::Literal("\t<TD NOWRAP>カクテル名称</TD>\r\n\t<TD NOWRAP>ベース</TD>\t<TD NOWRAP>スタイル</TD>\r\n");
    std::string strongTaste = cp932::Literal("\t<TD NOWRAP>強度</TD>\r\n\t<TD NOWRAP>味わい</TD>\r\n");
    std::string nameStyle = cp932::Literal("\t<TD NOWRAP>カクテル名称</TD>\r\n\t<TD NOWRAP>スタイル</TD>\r\n");
    std::string nameBase = cp932::Literal("\t<TD NOWRAP>カクテル名称</TD>\r\n\t<TD NOWRAP>ベース</TD>\r\n");
    std::string styleTaste = cp932::Literal("\t<TD NOWRAP>スタイル</TD>\r\n\t<TD NOWRAP>味わい</TD>\r\n");
    std::string styleStrong = cp932::Literal("\t<TD NOWRAP>スタイル</TD>\r\n\t<TD NOWRAP>強度</TD>\r\n");
    std::string noEntries = cp932::Literal("該当項目はありません。\r\n");
    std::string initialBefore = cp932::Literal("頭文字 ＜");
    std::string strongBefore = cp932::Literal("アルコール強度 ＜");
    std::string tasteBefore = cp932::Literal("味わい ＜");
    std::string codeAfter = cp932::Literal("＞ 一覧");
    std::string all = cp932::Literal("全カクテル一覧");
    std::string baseAfter = cp932::Literal(" ベース一覧");
    std::string styleAfter = cp932::Literal(" スタイル一覧");
    std::string masterAfter = cp932::Literal(" 作一覧");
    std::string noMaster = cp932::Literal("作者不明一覧");
    std::string unknown = cp932::Literal("不明");
};

const ListTexts& Texts() {
    static const ListTexts texts;
    return texts;
}

enum class Value { Base, Style, Strong, Taste };

struct Cell {
    Value value;
    bool nowrap;
};

struct ListKind {
    std::string heading;
    const std::string& header1;
    const std::string& header2;
    std::vector<Cell> cells;
};

std::string ListPath(const SiteContext& site, const std::string& pageName) {
    return paths::Join(site.outDirectory, pageName + ".html");
}

// Writes one row; false when one of its labels has no entry (the row stays written).
bool AppendRow(std::string& page, const SiteCocktail& cocktail, const std::vector<Cell>& cells) {
    page += "<TR ALIGN=\"center\">\r\n\t<TD ALIGN=\"left\" NOWRAP><A HREF=\"fvxcocktail";
    page += std::to_string(cocktail.index);
    page += ".html\" TARGET=\"fvxtop\">";
    AppendEscaped(page, cocktail.name);
    page += "</A></TD>";
    bool complete = true;
    std::string label;
    for (const Cell& cell : cells) {
        std::string_view text;
        label.clear();
        switch (cell.value) {
            case Value::Base:
                text = cocktail.baseName;
                break;
            case Value::Style:
                text = cocktail.styleName;
                break;
            case Value::Strong:
                complete = StrongLabel(cocktail.strong, label) && complete;
                text = label;
                break;
            case Value::Taste:
                complete = TasteLabel(cocktail.taste, label) && complete;
                text = label;
                break;
        }
        page += cell.nowrap ? "\t<TD NOWRAP>" : "\t<TD>";
        AppendEscaped(page, text);
        page += "</TD>";
    }
    page += "</TR>\r\n";
    return complete;
}

// The list page family: -1 on failure, else the number of cocktails listed.
int WriteListPage(SiteContext& site, const std::string& path, const ListKind& kind, const SiteRows& rows) {
    const PluginSettings& s = site.settings;
    PageFile file;
    if (!file.Create(site, path)) return -1;

    std::string page;
    page.reserve(1024 + rows.size() * 256);
    AppendPageHead(page, s);
    AppendFaceSizeFont(page, s);
    AppendHeading(page, s, kind.heading, "<BR><BR>");
    bool ok = true;
    if (rows.empty()) {
        page += Texts().noEntries;
    } else {
        page += "<TABLE WIDTH=\"80%\" BORDER=\"5\">\r\n";
        page += "<TR ALIGN=\"center\"";
        AppendAttribute(page, "BGCOLOR", s.title.titleColor);
        page += ">\r\n";
        page += kind.header1;
        page += kind.header2;
        page += "</TR>\r\n";
        for (const SiteCocktail* row : rows) {
            if (!row->read) {
                site.Fail(kUnreadable, row->name);
                ok = false;
                break;
            }
            if (!AppendRow(page, *row->read, kind.cells)) {
                site.Fail("has a strength or taste code without a label", row->read->name);
                ok = false;
                break;
            }
        }
        if (ok) page += "</TABLE>\r\n";
    }
    if (ok) AppendPageTail(page);
    if (!file.Write(site, page) || !file.Close(site)) return -1;
    return ok ? static_cast<int>(rows.size()) : -1;
}

const std::vector<Cell> kAllCells = {
    {Value::Base, false}, {Value::Style, true}, {Value::Strong, true}, {Value::Taste, false}};

// The cocktails of every table row whose name matches `name` as every name look-up does.
SiteRows RowsNamed(const SiteModel& model, SiteGrouping by, const std::vector<NamedRow>& table,
                   const std::string& name) {
    SiteRows rows;
    int groups = 0;
    for (const NamedRow& row : table) {
        if (cp932::CompareNames(row.name, name) != 0) continue;
        const SiteRows& group = model.Grouped(by, row.index);
        rows.insert(rows.end(), group.begin(), group.end());
        ++groups;
    }
    // Rows of namesakes come in page order again; the model keeps its cocktails in that order.
    if (groups > 1) std::sort(rows.begin(), rows.end(), std::less<>());
    return rows;
}

struct MenuKind {
    int setting;
    const char* fileName;
    const char* backLink;
    const char* headingLine;
};

const char* const kBackLink = "&lt;&lt;<A HREF=\"fvxmenu.html\">Menu</A>&gt;&gt;\r\n";

enum class EntryResult { Line, Failed, End };

// The menu family. `entry` writes the list page of entry k and gives its menu line; each
// list page is complete on disk before its line goes into the still open menu file.
bool WriteMenu(SiteContext& site, const MenuKind& kind,
               const std::function<EntryResult(int k, std::string& line)>& entry) {
    if (kind.setting == 0) return true;
    const PluginSettings& s = site.settings;
    PageFile file;
    if (!file.Create(site, paths::Join(site.outDirectory, kind.fileName))) return false;
    std::string menu;
    AppendPageHead(menu, s);
    AppendFaceFont(menu, s);
    menu += "<P><FONT SIZE=\"+1\"><STRONG>\r\n";
    menu += kind.backLink;
    menu += kind.headingLine;
    menu += "<TABLE WIDTH=\"100%\"><TR><TD NOWRAP><UL>\r\n";
    for (int k = 0;; ++k) {
        std::string line;
        const EntryResult result = entry(k, line);
        if (result == EntryResult::End) break;
        if (result == EntryResult::Failed) {
            // The menu keeps the lines of the pages written before the failing one.
            file.Write(site, menu);
            return false;
        }
        menu += line;
    }
    menu += "</UL></TD></TR></TABLE>\r\n";
    AppendPageTail(menu);
    return file.Write(site, menu) && file.Close(site);
}

std::string PageName(const char* stem, int k) {
    return stem + std::to_string(k);
}

std::string MenuLine(const std::string& pageName, const std::string& text) {
    return "<LI><A HREF=\"" + pageName + ".html\" TARGET=\"fvxtop\">" + text + "</A>\r\n";
}

std::string Escaped(std::string_view text) {
    std::string escaped;
    AppendEscaped(escaped, text);
    return escaped;
}

// Menus over a name table: one page per row in FLD_INDEX order; the author menu adds the
// page of the cocktails without author as its last entry.
bool WriteNameMenu(SiteContext& site, const MenuKind& kind, const char* stem, const std::vector<NamedRow>& table,
                   bool (*writer)(SiteContext&, const std::string&, const std::string&), bool withUnknown) {
    return WriteMenu(site, kind, [&](int k, std::string& line) {
        const std::size_t position = static_cast<std::size_t>(k);
        const bool isUnknown = withUnknown && position == table.size();
        if (position >= table.size() && !isUnknown) return EntryResult::End;
        const std::string pageName = PageName(stem, k);
        const std::string name = isUnknown ? std::string() : table[position].name;
        if (!writer(site, pageName, name)) return EntryResult::Failed;
        line = MenuLine(pageName, isUnknown ? Texts().unknown : Escaped(name));
        return EntryResult::Line;
    });
}

using LabelFunction = bool (*)(int, std::string&);

bool WriteCodeMenu(SiteContext& site, const MenuKind& kind, const char* stem, LabelFunction label,
                   bool (*writer)(SiteContext&, const std::string&, int)) {
    return WriteMenu(site, kind, [&](int k, std::string& line) {
        std::string text;
        if (!label(k, text)) return EntryResult::End;
        const std::string pageName = PageName(stem, k);
        if (!writer(site, pageName, k)) return EntryResult::Failed;
        line = MenuLine(pageName, Escaped(text));
        return EntryResult::Line;
    });
}

}  // namespace

int WriteAlphabetPage(SiteContext& site, const std::string& pageName, int code) {
    const ListTexts& t = Texts();
    std::string label;
    InitialLabel(code, label);
    const ListKind kind{t.initialBefore + label + t.codeAfter, t.nameBaseStyle, t.strongTaste, kAllCells};
    return WriteListPage(site, ListPath(site, pageName), kind, site.model.Grouped(SiteGrouping::Initial, code));
}

bool WriteStrongPage(SiteContext& site, const std::string& pageName, int code) {
    const ListTexts& t = Texts();
    std::string label;
    StrongLabel(code, label);
    const ListKind kind{t.strongBefore + label + t.codeAfter,
                        t.nameBase,
                        t.styleTaste,
                        {{Value::Base, false}, {Value::Style, true}, {Value::Taste, false}}};
    return WriteListPage(site, ListPath(site, pageName), kind, site.model.Grouped(SiteGrouping::Strong, code)) >= 0;
}

bool WriteTastePage(SiteContext& site, const std::string& pageName, int code) {
    const ListTexts& t = Texts();
    std::string label;
    TasteLabel(code, label);
    const ListKind kind{t.tasteBefore + label + t.codeAfter,
                        t.nameBase,
                        t.styleStrong,
                        {{Value::Base, false}, {Value::Style, true}, {Value::Strong, false}}};
    return WriteListPage(site, ListPath(site, pageName), kind, site.model.Grouped(SiteGrouping::Taste, code)) >= 0;
}

bool WriteBasePage(SiteContext& site, const std::string& pageName, const std::string& name) {
    const ListTexts& t = Texts();
    const ListKind kind{name + t.baseAfter,
                        t.nameStyle,
                        t.strongTaste,
                        {{Value::Style, true}, {Value::Strong, false}, {Value::Taste, false}}};
    const SiteRows rows = RowsNamed(site.model, SiteGrouping::Base, site.model.Bases(), name);
    return WriteListPage(site, ListPath(site, pageName), kind, rows) >= 0;
}

bool WriteStylePage(SiteContext& site, const std::string& pageName, const std::string& name) {
    const ListTexts& t = Texts();
    const ListKind kind{name + t.styleAfter,
                        t.nameBase,
                        t.strongTaste,
                        {{Value::Base, false}, {Value::Strong, true}, {Value::Taste, false}}};
    const SiteRows rows = RowsNamed(site.model, SiteGrouping::Style, site.model.Styles(), name);
    return WriteListPage(site, ListPath(site, pageName), kind, rows) >= 0;
}

bool WriteMasterPage(SiteContext& site, const std::string& pageName, const std::string& name) {
    const ListTexts& t = Texts();
    if (name.empty()) {
        const ListKind kind{t.noMaster, t.nameBaseStyle, t.strongTaste, kAllCells};
        return WriteListPage(site, ListPath(site, pageName), kind, site.model.WithoutMaster()) >= 0;
    }
    const ListKind kind{name + t.masterAfter, t.nameBaseStyle, t.strongTaste, kAllCells};
    const SiteRows rows = RowsNamed(site.model, SiteGrouping::Master, site.model.Masters(), name);
    return WriteListPage(site, ListPath(site, pageName), kind, rows) >= 0;
}

bool WriteAllPage(SiteContext& site) {
    const ListTexts& t = Texts();
    const ListKind kind{t.all, t.nameBaseStyle, t.strongTaste, kAllCells};
    SiteRows rows;
    rows.reserve(site.model.Cocktails().size());
    for (const SiteCocktail& c : site.model.Cocktails()) rows.push_back(&c);
    return WriteListPage(site, paths::Join(site.outDirectory, "fvxall.html"), kind, rows) >= 0;
}

bool WriteAlphabetMenu(SiteContext& site) {
    const MenuKind kind{site.settings.file.alphabet, "fvxalphabetmenu.html",
                        "&lt;&lt;&nbsp;<A HREF=\"fvxmenu.html\">Menu</A>&nbsp;&gt;&gt;\r\n",
                        "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- Alphabet --</FONT></P>\r\n"};
    return WriteMenu(site, kind, [&site](int k, std::string& line) {
        std::string letter;
        if (!InitialLabel(k, letter)) return EntryResult::End;
        const std::string pageName = PageName("fvxalphabet", k);
        const int count = WriteAlphabetPage(site, pageName, k);
        if (count < 0) return EntryResult::Failed;
        line = MenuLine(pageName, letter + " (" + std::to_string(count) + ")");
        return EntryResult::Line;
    });
}

bool WriteBaseMenu(SiteContext& site) {
    const MenuKind kind{site.settings.file.basePage, "fvxbasemenu.html", kBackLink,
                        "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- Base --</FONT></P>\r\n"};
    return WriteNameMenu(site, kind, "fvxbase", site.model.Bases(), WriteBasePage, false);
}

bool WriteStrongMenu(SiteContext& site) {
    const MenuKind kind{site.settings.file.strongPage, "fvxstrongmenu.html", kBackLink,
                        "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- Strong --</FONT></P>\r\n"};
    return WriteCodeMenu(site, kind, "fvxstrong", StrongLabel, WriteStrongPage);
}

bool WriteTasteMenu(SiteContext& site) {
    const MenuKind kind{site.settings.file.tastePage, "fvxtastemenu.html", kBackLink,
                        "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- Taste --</FONT></P>\r\n"};
    return WriteCodeMenu(site, kind, "fvxtaste", TasteLabel, WriteTastePage);
}

bool WriteStyleMenu(SiteContext& site) {
    const MenuKind kind{site.settings.file.stylePage, "fvxstylemenu.html", kBackLink,
                        "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- Style --</FONT></P>\r\n"};
    return WriteNameMenu(site, kind, "fvxstyle", site.model.Styles(), WriteStylePage, false);
}

bool WriteMasterMenu(SiteContext& site) {
    const MenuKind kind{site.settings.file.masterPage, "fvxmastermenu.html", kBackLink,
                        "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- Master --</FONT></P>\r\n"};
    return WriteNameMenu(site, kind, "fvxmaster", site.model.Masters(), WriteMasterPage, true);
}
