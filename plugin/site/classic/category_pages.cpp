#include "site/classic/category_pages.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "core/code_tables.h"
#include "cp932.h"
#include "site/classic/html_blocks.h"
#include "site/html_escape.h"

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

// Appends one row; false when one of its labels has no entry (the row stays written).
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

// The list page family. A page stops at the first row it cannot render; that row stays when
// only a label is missing.
ListPage RenderListPage(const PluginSettings& s, std::string pageName, const ListKind& kind, const SiteRows& rows) {
    ListPage list{{std::move(pageName), {}}, static_cast<int>(rows.size()), std::nullopt};
    std::string& page = list.page.bytes;
    page.reserve(1024 + rows.size() * 256);
    AppendPageHead(page, s);
    AppendFaceSizeFont(page, s);
    AppendHeading(page, s, kind.heading, "<BR><BR>");
    if (rows.empty()) {
        page += Texts().noEntries;
        AppendPageTail(page);
        return list;
    }
    page += "<TABLE WIDTH=\"80%\" BORDER=\"5\">\r\n";
    page += "<TR ALIGN=\"center\"";
    AppendAttribute(page, "BGCOLOR", s.title.titleColor);
    page += ">\r\n";
    page += kind.header1;
    page += kind.header2;
    page += "</TR>\r\n";
    for (const SiteCocktail* row : rows) {
        if (!row->read) {
            list.failure = SiteFailure{kUnreadable, row->name};
            return list;
        }
        if (!AppendRow(page, *row->read, kind.cells)) {
            list.failure = SiteFailure{"has a strength or taste code without a label", row->read->name};
            return list;
        }
    }
    page += "</TABLE>\r\n";
    AppendPageTail(page);
    return list;
}

// A list page cut off by a failure is put with what it holds and fails the run.
bool PutListPage(PageSink& sink, ListPage& list) {
    if (!list.failure) return sink.Put(list.page);
    sink.PutCutOff(list.page, std::move(*list.failure));
    return false;
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

// The menu family. `entry` puts the list page of entry k and gives its menu line; the menu
// is opened first and each list page is put before its line goes into the menu.
bool PutMenu(const SiteSource& source, PageSink& sink, const MenuKind& kind,
             const std::function<EntryResult(int k, std::string& line)>& entry) {
    if (kind.setting == 0) return true;
    if (!sink.Open(kind.fileName)) return false;
    SitePage menu{kind.fileName, {}};
    std::string& page = menu.bytes;
    AppendPageHead(page, source.settings);
    AppendFaceFont(page, source.settings);
    page += "<P><FONT SIZE=\"+1\"><STRONG>\r\n";
    page += kind.backLink;
    page += kind.headingLine;
    page += "<TABLE WIDTH=\"100%\"><TR><TD NOWRAP><UL>\r\n";
    for (int k = 0;; ++k) {
        std::string line;
        const EntryResult result = entry(k, line);
        if (result == EntryResult::End) break;
        if (result == EntryResult::Failed) {
            // The menu keeps the lines of the pages put before the failing one.
            sink.Put(menu);
            return false;
        }
        page += line;
    }
    page += "</UL></TD></TR></TABLE>\r\n";
    AppendPageTail(page);
    return sink.Put(menu);
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

using NameRenderer = ListPage (*)(const SiteSource&, const std::string&, const std::string&);
using CodeRenderer = ListPage (*)(const SiteSource&, const std::string&, int);

// Menus over a name table: one page per row in FLD_INDEX order; the author menu adds the
// page of the cocktails without author as its last entry.
bool PutNameMenu(const SiteSource& source, PageSink& sink, const MenuKind& kind, const char* stem,
                 const std::vector<NamedRow>& table, NameRenderer render, bool withUnknown) {
    return PutMenu(source, sink, kind, [&](int k, std::string& line) {
        const std::size_t position = static_cast<std::size_t>(k);
        const bool isUnknown = withUnknown && position == table.size();
        if (position >= table.size() && !isUnknown) return EntryResult::End;
        const std::string pageName = PageName(stem, k);
        const std::string name = isUnknown ? std::string() : table[position].name;
        ListPage list = render(source, pageName, name);
        if (!PutListPage(sink, list)) return EntryResult::Failed;
        line = MenuLine(pageName, isUnknown ? Texts().unknown : Escaped(name));
        return EntryResult::Line;
    });
}

using LabelFunction = bool (*)(int, std::string&);

bool PutCodeMenu(const SiteSource& source, PageSink& sink, const MenuKind& kind, const char* stem, LabelFunction label,
                 CodeRenderer render) {
    return PutMenu(source, sink, kind, [&](int k, std::string& line) {
        std::string text;
        if (!label(k, text)) return EntryResult::End;
        const std::string pageName = PageName(stem, k);
        ListPage list = render(source, pageName, k);
        if (!PutListPage(sink, list)) return EntryResult::Failed;
        line = MenuLine(pageName, Escaped(text));
        return EntryResult::Line;
    });
}

// A name heading: the name as text, spaces kept, then the page kind.
std::string NameHeading(std::string_view name, const std::string& after) {
    std::string heading;
    AppendEscapedKeepingSpaces(heading, name);
    return heading + after;
}

}  // namespace

ListPage RenderAlphabetPage(const SiteSource& source, const std::string& pageName, int code) {
    const ListTexts& t = Texts();
    std::string label;
    InitialLabel(code, label);
    const ListKind kind{t.initialBefore + label + t.codeAfter, t.nameBaseStyle, t.strongTaste, kAllCells};
    return RenderListPage(source.settings, pageName + ".html", kind, source.model.Grouped(SiteGrouping::Initial, code));
}

ListPage RenderStrongPage(const SiteSource& source, const std::string& pageName, int code) {
    const ListTexts& t = Texts();
    std::string label;
    StrongLabel(code, label);
    const ListKind kind{t.strongBefore + label + t.codeAfter,
                        t.nameBase,
                        t.styleTaste,
                        {{Value::Base, false}, {Value::Style, true}, {Value::Taste, false}}};
    return RenderListPage(source.settings, pageName + ".html", kind, source.model.Grouped(SiteGrouping::Strong, code));
}

ListPage RenderTastePage(const SiteSource& source, const std::string& pageName, int code) {
    const ListTexts& t = Texts();
    std::string label;
    TasteLabel(code, label);
    const ListKind kind{t.tasteBefore + label + t.codeAfter,
                        t.nameBase,
                        t.styleStrong,
                        {{Value::Base, false}, {Value::Style, true}, {Value::Strong, false}}};
    return RenderListPage(source.settings, pageName + ".html", kind, source.model.Grouped(SiteGrouping::Taste, code));
}

ListPage RenderBasePage(const SiteSource& source, const std::string& pageName, const std::string& name) {
    const ListTexts& t = Texts();
    const ListKind kind{NameHeading(name, t.baseAfter),
                        t.nameStyle,
                        t.strongTaste,
                        {{Value::Style, true}, {Value::Strong, false}, {Value::Taste, false}}};
    const SiteRows rows = RowsNamed(source.model, SiteGrouping::Base, source.model.Bases(), name);
    return RenderListPage(source.settings, pageName + ".html", kind, rows);
}

ListPage RenderStylePage(const SiteSource& source, const std::string& pageName, const std::string& name) {
    const ListTexts& t = Texts();
    const ListKind kind{NameHeading(name, t.styleAfter),
                        t.nameBase,
                        t.strongTaste,
                        {{Value::Base, false}, {Value::Strong, true}, {Value::Taste, false}}};
    const SiteRows rows = RowsNamed(source.model, SiteGrouping::Style, source.model.Styles(), name);
    return RenderListPage(source.settings, pageName + ".html", kind, rows);
}

ListPage RenderMasterPage(const SiteSource& source, const std::string& pageName, const std::string& name) {
    const ListTexts& t = Texts();
    if (name.empty()) {
        const ListKind kind{t.noMaster, t.nameBaseStyle, t.strongTaste, kAllCells};
        return RenderListPage(source.settings, pageName + ".html", kind, source.model.WithoutMaster());
    }
    const ListKind kind{NameHeading(name, t.masterAfter), t.nameBaseStyle, t.strongTaste, kAllCells};
    const SiteRows rows = RowsNamed(source.model, SiteGrouping::Master, source.model.Masters(), name);
    return RenderListPage(source.settings, pageName + ".html", kind, rows);
}

ListPage RenderAllPage(const SiteSource& source) {
    const ListTexts& t = Texts();
    const ListKind kind{t.all, t.nameBaseStyle, t.strongTaste, kAllCells};
    SiteRows rows;
    rows.reserve(source.model.Cocktails().size());
    for (const SiteCocktail& c : source.model.Cocktails()) rows.push_back(&c);
    return RenderListPage(source.settings, "fvxall.html", kind, rows);
}

bool PutAllPage(const SiteSource& source, PageSink& sink) {
    ListPage list = RenderAllPage(source);
    return PutListPage(sink, list);
}

bool PutAlphabetMenu(const SiteSource& source, PageSink& sink) {
    const MenuKind kind{source.settings.file.alphabet, "fvxalphabetmenu.html",
                        "&lt;&lt;&nbsp;<A HREF=\"fvxmenu.html\">Menu</A>&nbsp;&gt;&gt;\r\n",
                        "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- Alphabet --</FONT></P>\r\n"};
    return PutMenu(source, sink, kind, [&](int k, std::string& line) {
        std::string letter;
        if (!InitialLabel(k, letter)) return EntryResult::End;
        const std::string pageName = PageName("fvxalphabet", k);
        ListPage list = RenderAlphabetPage(source, pageName, k);
        if (!PutListPage(sink, list)) return EntryResult::Failed;
        line = MenuLine(pageName, letter + " (" + std::to_string(list.count) + ")");
        return EntryResult::Line;
    });
}

bool PutBaseMenu(const SiteSource& source, PageSink& sink) {
    const MenuKind kind{source.settings.file.basePage, "fvxbasemenu.html", kBackLink,
                        "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- Base --</FONT></P>\r\n"};
    return PutNameMenu(source, sink, kind, "fvxbase", source.model.Bases(), RenderBasePage, false);
}

bool PutStrongMenu(const SiteSource& source, PageSink& sink) {
    const MenuKind kind{source.settings.file.strongPage, "fvxstrongmenu.html", kBackLink,
                        "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- Strong --</FONT></P>\r\n"};
    return PutCodeMenu(source, sink, kind, "fvxstrong", StrongLabel, RenderStrongPage);
}

bool PutTasteMenu(const SiteSource& source, PageSink& sink) {
    const MenuKind kind{source.settings.file.tastePage, "fvxtastemenu.html", kBackLink,
                        "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- Taste --</FONT></P>\r\n"};
    return PutCodeMenu(source, sink, kind, "fvxtaste", TasteLabel, RenderTastePage);
}

bool PutStyleMenu(const SiteSource& source, PageSink& sink) {
    const MenuKind kind{source.settings.file.stylePage, "fvxstylemenu.html", kBackLink,
                        "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- Style --</FONT></P>\r\n"};
    return PutNameMenu(source, sink, kind, "fvxstyle", source.model.Styles(), RenderStylePage, false);
}

bool PutMasterMenu(const SiteSource& source, PageSink& sink) {
    const MenuKind kind{source.settings.file.masterPage, "fvxmastermenu.html", kBackLink,
                        "</STRONG></FONT><BR><FONT SIZE=\"-1\">-- Master --</FONT></P>\r\n"};
    return PutNameMenu(source, sink, kind, "fvxmaster", source.model.Masters(), RenderMasterPage, true);
}
