#include <array>

#include "core/code_tables.h"
#include "site/modern/html_text.h"
#include "site/modern/modern_pages.h"
#include "site/modern/page_frame.h"
#include "site/modern/recipe_data.h"
#include "site/modern/search_assets.h"
#include "site/modern/site_links.h"

namespace modern {

namespace {

struct CategoryKind {
    Section section;
    const char* overview;  // the page listing the category's values
    const char* label;
    int FileSettings::*setting;
};

// Indexed by Category.
constexpr std::array<CategoryKind, 6> kCategories = {{
    {Section::Initial, "initials.html", "頭文字", &FileSettings::alphabet},
    {Section::Base, "bases.html", "ベース", &FileSettings::basePage},
    {Section::Strong, "strengths.html", "強度", &FileSettings::strongPage},
    {Section::Taste, "tastes.html", "味わい", &FileSettings::tastePage},
    {Section::Style, "styles.html", "スタイル", &FileSettings::stylePage},
    {Section::Master, "authors.html", "作者", &FileSettings::masterPage},
}};

const CategoryKind& Kind(Category category) {
    return kCategories[static_cast<std::size_t>(category)];
}

bool Enabled(const SiteInput& site, Category category) {
    return site.settings.file.*Kind(category).setting != 0;
}

struct CategoryValue {
    std::string label;  // UTF-8
    std::string page;
    const SiteRows* rows;
};

std::string CodeLabel(bool (*table)(int, std::string&), int code) {
    std::string label;
    table(code, label);
    return Utf8(label);
}

std::string ValuePage(Category category, int number) {
    static constexpr const char* kPrefixes[] = {"initial-", "base-", "strength-", "taste-", "style-", "author-"};
    return kPrefixes[static_cast<std::size_t>(category)] + std::to_string(number) + ".html";
}

constexpr const char* kNoAuthorPage = "author-none.html";

// The values the classic site has pages for: every code, every stored name, and the
// cocktails without author.
std::vector<CategoryValue> Values(const SiteModel& model, Category category) {
    std::vector<CategoryValue> values;
    const auto codes = [&](bool (*table)(int, std::string&), int count, SiteGrouping grouping) {
        for (int code = 0; code < count; ++code)
            values.push_back({CodeLabel(table, code), ValuePage(category, code), &model.Grouped(grouping, code)});
    };
    const auto names = [&](const std::vector<NamedRow>& rows, SiteGrouping grouping) {
        for (const NamedRow& row : rows)
            values.push_back({Utf8(row.name), ValuePage(category, row.index), &model.Grouped(grouping, row.index)});
    };
    switch (category) {
        case Category::Initial:
            codes(InitialLabel, kInitialCount, SiteGrouping::Initial);
            break;
        case Category::Strong:
            codes(StrongLabel, kStrongCount, SiteGrouping::Strong);
            break;
        case Category::Taste:
            codes(TasteLabel, kTasteCount, SiteGrouping::Taste);
            break;
        case Category::Base:
            names(model.Bases(), SiteGrouping::Base);
            break;
        case Category::Style:
            names(model.Styles(), SiteGrouping::Style);
            break;
        case Category::Master:
            names(model.Masters(), SiteGrouping::Master);
            values.push_back({"作者不明", kNoAuthorPage, &model.WithoutMaster()});
            break;
    }
    return values;
}

const SiteCocktail& Readable(const SiteCocktail& listed) {
    if (listed.read == nullptr) throw UnreadableCocktail(listed.name);
    return *listed.read;
}

std::string CocktailPage(const SiteCocktail& cocktail) {
    return "cocktail-" + std::to_string(cocktail.index) + ".html";
}

void AppendCocktailList(std::string& page, const SiteRows& rows) {
    if (rows.empty()) {
        page += "<p>該当するカクテルはありません。</p>\n";
        return;
    }
    page += "<ul class=\"cocktails\">\n";
    for (const SiteCocktail* row : rows) {
        const SiteCocktail& c = Readable(*row);
        page += "<li><a href=\"" + CocktailPage(c) + "\">";
        AppendStoredText(page, c.name);
        page += "</a><span>";
        AppendStoredText(page, c.baseName);
        page += " / ";
        AppendStoredText(page, c.styleName);
        page += " / 強度 ";
        AppendText(page, CodeLabel(StrongLabel, c.strong));
        page += " / 味わい ";
        AppendText(page, CodeLabel(TasteLabel, c.taste));
        page += "</span></li>\n";
    }
    page += "</ul>\n";
}

void AppendHeading(std::string& page, std::string_view utf8) {
    page += "<h1>";
    AppendText(page, utf8);
    page += "</h1>\n";
}

SitePage ListPage(const SiteInput& site, PageFrame frame, const std::string& heading, const SiteRows& rows) {
    std::string page;
    page.reserve(2048 + rows.size() * 200);
    OpenPage(page, site, frame);
    AppendHeading(page, heading);
    AppendCocktailList(page, rows);
    ClosePage(page, site);
    return {std::move(frame.name), std::move(page)};
}

SitePage TopPage(const SiteInput& site) {
    const PluginSettings& s = site.settings;
    const SiteModel& model = site.model;
    const std::string title = SiteTitle(s);
    PageFrame frame;
    frame.name = site.topPage;
    frame.section = Section::Top;
    frame.description = title + "。カクテル " + std::to_string(model.Cocktails().size()) + " 種のレシピ集。";
    std::string page;
    OpenPage(page, site, frame);
    AppendHeading(page, title);
    if (!s.topComment.empty()) {
        page += "<div class=\"stored\">";
        page += SanitizeHtml(Utf8(s.topComment));
        page += "</div>\n";
    }
    page += "<h2>収録数</h2>\n<ul class=\"counts\">\n";
    const std::pair<const char*, std::size_t> counts[] = {{"カクテル", model.Cocktails().size()},
                                                          {"ベース", model.Bases().size()},
                                                          {"スタイル", model.Styles().size()},
                                                          {"作者", model.Masters().size()}};
    for (const auto& [label, count] : counts)
        page.append("<li><strong>").append(std::to_string(count)).append("</strong> ").append(label).append("</li>\n");
    page += "</ul>\n<h2>さがす</h2>\n";
    // A link, not a form: form controls cost a phone more time at first paint than the
    // rest of this page together.
    page += "<p><a href=\"search.html\">名前、ベース、材料、強度、味わいで検索</a></p>\n";
    page += "<ul class=\"values\">\n";
    for (const CategoryKind& kind : kCategories) {
        if (s.file.*kind.setting == 0) continue;
        page.append("<li><a href=\"").append(kind.overview).append("\">").append(kind.label).append("別</a></li>\n");
    }
    if (s.file.allPage != 0) page += "<li><a href=\"all.html\">すべてのカクテル</a></li>\n";
    page += "</ul>\n";
    ClosePage(page, site);
    return {site.topPage, std::move(page)};
}

SitePage SearchPage(const SiteInput& site) {
    PageFrame frame;
    frame.name = "search.html";
    frame.title = "検索";
    frame.description = "カクテルを名前、ベース、材料、強度、味わいで探せます。";
    frame.section = Section::Search;
    frame.crumbs = {{"検索", ""}};
    frame.headExtra = "<script src=\"search-index.js\" defer></script>\n<script src=\"search.js\" defer></script>\n";
    std::string page;
    OpenPage(page, site, frame);
    AppendHeading(page, "カクテル検索");
    page +=
        "<form id=\"search\" class=\"search\" role=\"search\">\n"
        "<div><label for=\"search-name\">カクテル名</label>"
        "<input id=\"search-name\" type=\"search\" autocomplete=\"off\"></div>\n"
        "<div><label for=\"search-base\">ベース</label>"
        "<select id=\"search-base\"><option value=\"\">すべて</option></select></div>\n"
        "<div><label for=\"search-ingredient\">材料</label>"
        "<input id=\"search-ingredient\" type=\"search\" autocomplete=\"off\"></div>\n"
        "<div><label for=\"search-strength\">強度</label>"
        "<select id=\"search-strength\"><option value=\"\">すべて</option></select></div>\n"
        "<div><label for=\"search-taste\">味わい</label>"
        "<select id=\"search-taste\"><option value=\"\">すべて</option></select></div>\n"
        "</form>\n"
        "<p id=\"status\" role=\"status\"></p>\n"
        "<noscript><p>検索には JavaScript が必要です。";
    if (site.settings.file.allPage != 0) page += "<a href=\"all.html\">すべてのカクテル</a>の一覧もご覧ください。";
    page += "</p></noscript>\n<ul id=\"results\" class=\"cocktails\"></ul>\n";
    ClosePage(page, site);
    return {frame.name, std::move(page)};
}

// The category value a cocktail belongs to, linked when the category has pages.
void AppendFact(std::string& page, const SiteInput& site, Category category, const char* label,
                const std::string& utf8Value, const std::string& valuePage) {
    page += "<dt>";
    page += label;
    page += "</dt><dd>";
    if (Enabled(site, category)) {
        page += "<a href=\"" + valuePage + "\">";
        AppendText(page, utf8Value);
        page += "</a>";
    } else {
        AppendText(page, utf8Value);
    }
    page += "</dd>\n";
}

}  // namespace

SitePage RenderCocktailPage(const SiteInput& site, const SiteCocktail& c) {
    const PluginSettings& s = site.settings;
    const std::string name = Utf8(c.name);
    const std::string base = Utf8(c.baseName);
    PageFrame frame;
    frame.name = CocktailPage(c);
    frame.title = name;
    frame.description = name + "のレシピ。ベース: " + base + "、スタイル: " + Utf8(c.styleName) + "、材料 " +
                        std::to_string(c.materials.size()) + " 種。";
    if (Enabled(site, Category::Base)) {
        frame.crumbs = {{"ベース", Kind(Category::Base).overview}, {base, ValuePage(Category::Base, c.baseIndex)}};
    } else if (s.file.allPage != 0) {
        frame.crumbs = {{"すべて", "all.html"}};
    }
    frame.crumbs.push_back({name, ""});
    frame.headExtra = RecipeJsonLd(s, c);

    std::string page;
    page.reserve(4096);
    OpenPage(page, site, frame);
    page += "<article>\n";
    AppendHeading(page, name);
    if (!c.picture.empty()) {
        page += "<p><img class=\"picture\" src=\"" + ImageAddress(s, c.picture) + "\" alt=\"";
        AppendText(page, name);
        page += "\"></p>\n";
    }
    page += "<dl class=\"facts\">\n";
    AppendFact(page, site, Category::Base, "ベース", base, ValuePage(Category::Base, c.baseIndex));
    AppendFact(page, site, Category::Style, "スタイル", Utf8(c.styleName), ValuePage(Category::Style, c.styleIndex));
    AppendFact(page, site, Category::Strong, "強度", CodeLabel(StrongLabel, c.strong),
               ValuePage(Category::Strong, c.strong));
    AppendFact(page, site, Category::Taste, "味わい", CodeLabel(TasteLabel, c.taste),
               ValuePage(Category::Taste, c.taste));
    if (!c.masterName.empty())
        AppendFact(page, site, Category::Master, "作者", Utf8(c.masterName),
                   ValuePage(Category::Master, c.masterIndex));
    page += "</dl>\n<h2>材料</h2>\n<table class=\"ingredients\">\n";
    for (const auto& [ingredient, quantity] : c.materials) {
        page += "<tr><th scope=\"row\">";
        AppendStoredText(page, ingredient);
        page += "</th><td>";
        AppendStoredText(page, quantity);
        page += "</td></tr>\n";
    }
    page += "</table>\n<h2>作り方</h2>\n<div class=\"stored\">";
    page += SanitizeHtml(Utf8(c.howTo));
    page += "</div>\n";
    if (!c.memo.empty()) {
        page += "<h2>メモ</h2>\n<div class=\"stored\">";
        page += SanitizeHtml(Utf8(c.memo));
        page += "</div>\n";
    }
    page += "</article>\n";
    ClosePage(page, site);
    return {std::move(frame.name), std::move(page)};
}

bool PutCommonPages(const SiteInput& site, PageSink& sink) {
    return sink.Put(TopPage(site)) && sink.Put(RenderStylesheet(site.settings)) && sink.Put(SearchPage(site)) &&
           sink.Put(RenderSearchScript()) && sink.Put(RenderSearchIndex(site));
}

bool PutCategoryPages(const SiteInput& site, Category category, PageSink& sink) {
    if (!Enabled(site, category)) return true;
    const CategoryKind& kind = Kind(category);
    const std::vector<CategoryValue> values = Values(site.model, category);

    PageFrame overview;
    overview.name = kind.overview;
    overview.title = std::string(kind.label) + "別";
    overview.description = std::string(kind.label) + "ごとのカクテル一覧。";
    overview.section = kind.section;
    overview.crumbs = {{overview.title, ""}};
    std::string page;
    OpenPage(page, site, overview);
    AppendHeading(page, overview.title);
    page += "<ul class=\"values\">\n";
    for (const CategoryValue& value : values) {
        page += "<li><a href=\"" + value.page + "\">";
        AppendText(page, value.label);
        page += " (" + std::to_string(value.rows->size()) + ")</a></li>\n";
    }
    page += "</ul>\n";
    ClosePage(page, site);
    if (!sink.Put({overview.name, std::move(page)})) return false;

    for (const CategoryValue& value : values) {
        PageFrame frame;
        frame.name = value.page;
        frame.title = std::string(kind.label) + ": " + value.label;
        frame.description = frame.title + " のカクテル " + std::to_string(value.rows->size()) + " 種。";
        frame.section = kind.section;
        frame.crumbs = {{overview.title, kind.overview}, {value.label, ""}};
        const std::string heading = frame.title;
        if (!sink.Put(ListPage(site, std::move(frame), heading, *value.rows))) return false;
    }
    return true;
}

bool PutAllPage(const SiteInput& site, PageSink& sink) {
    if (site.settings.file.allPage == 0) return true;
    SiteRows rows;
    rows.reserve(site.model.Cocktails().size());
    for (const SiteCocktail& c : site.model.Cocktails()) rows.push_back(&c);
    PageFrame frame;
    frame.name = "all.html";
    frame.title = "すべてのカクテル";
    frame.description = "カクテル " + std::to_string(rows.size()) + " 種の一覧。";
    frame.section = Section::All;
    frame.crumbs = {{frame.title, ""}};
    const std::string heading = frame.title;
    return sink.Put(ListPage(site, std::move(frame), heading, rows));
}

bool PutCocktailPages(const SiteInput& site, PageSink& sink) {
    for (const SiteCocktail& listed : site.model.Cocktails()) {
        const SiteCocktail& read = Readable(listed);
        // A name stored twice has one page: the one a read by name finds.
        if (&read != &listed) continue;
        if (!sink.Put(RenderCocktailPage(site, read))) return false;
    }
    return true;
}

bool PutCrawlerFiles(const SiteInput& site, const std::vector<std::string>& pages, PageSink& sink) {
    const std::string base = PublishedBase(site.settings);
    if (base.empty()) return true;
    std::string sitemap =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
    for (const std::string& name : pages) {
        sitemap += "<url><loc>";
        AppendText(sitemap, base + (name == site.topPage ? std::string() : EncodeAddress(name)));
        sitemap += "</loc></url>\n";
    }
    sitemap += "</urlset>\n";
    return sink.Put({"sitemap.xml", std::move(sitemap)}) &&
           sink.Put({"robots.txt", "User-agent: *\nAllow: /\nSitemap: " + base + "sitemap.xml\n"});
}

}  // namespace modern
