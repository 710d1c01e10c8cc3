#include "site/modern/page_frame.h"

#include "site/modern/html_text.h"
#include "site/modern/site_links.h"

namespace modern {

namespace {

struct NavEntry {
    Section section;
    const char* href;
    const char* label;
    int FileSettings::*setting;  // null: always shown
};

// The order of the classic site's menu, with the search at its end.
constexpr NavEntry kNavigation[] = {
    {Section::Initial, "initials.html", "頭文字", &FileSettings::alphabet},
    {Section::Base, "bases.html", "ベース", &FileSettings::basePage},
    {Section::Strong, "strengths.html", "強度", &FileSettings::strongPage},
    {Section::Style, "styles.html", "スタイル", &FileSettings::stylePage},
    {Section::Taste, "tastes.html", "味わい", &FileSettings::tastePage},
    {Section::Master, "authors.html", "作者", &FileSettings::masterPage},
    {Section::All, "all.html", "すべて", &FileSettings::allPage},
    {Section::Search, "search.html", "検索", nullptr},
};

void AppendLink(std::string& page, std::string_view href, std::string_view label, bool current) {
    page += "<a href=\"";
    AppendText(page, EncodeAddress(href));
    page += current ? "\" aria-current=\"page\">" : "\">";
    AppendText(page, label);
    page += "</a>";
}

}  // namespace

std::string SiteTitle(const PluginSettings& settings) {
    return settings.title.windowTitle.empty() ? std::string("カクテル・レシピ") : Utf8(settings.title.windowTitle);
}

void OpenPage(std::string& page, const SiteInput& site, const PageFrame& frame) {
    const PluginSettings& s = site.settings;
    const std::string siteTitle = SiteTitle(s);
    page += "<!doctype html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n";
    page += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    if (!frame.title.empty()) {
        AppendText(page, frame.title);
        page += " | ";
    }
    AppendText(page, siteTitle);
    page += "</title>\n<meta name=\"description\" content=\"";
    AppendText(page, frame.description);
    page += "\">\n";
    if (!s.user.userName.empty()) {
        page += "<meta name=\"author\" content=\"";
        AppendStoredText(page, s.user.userName);
        page += "\">\n";
    }
    const std::string base = PublishedBase(s);
    if (!base.empty()) {
        page += "<link rel=\"canonical\" href=\"";
        AppendText(page, base + (frame.name == site.topPage ? std::string() : EncodeAddress(frame.name)));
        page += "\">\n";
    }
    // An empty icon: without one every browser asks the server for /favicon.ico.
    page += "<link rel=\"icon\" href=\"data:,\">\n<link rel=\"stylesheet\" href=\"style.css\">\n";
    page += frame.headExtra;
    page += "</head>\n<body>\n<a class=\"skip\" href=\"#content\">本文へ移動</a>\n";
    page += "<header class=\"site-header\"><div class=\"inner\">\n";
    page += "<a class=\"site-name\" href=\"";
    AppendText(page, EncodeAddress(site.topPage));
    page += "\">";
    AppendText(page, siteTitle);
    page += "</a>";
    page += "\n<nav class=\"site-nav\" aria-label=\"サイト\"><ul>\n<li>";
    AppendLink(page, site.topPage, "トップ", frame.section == Section::Top);
    page += "</li>\n";
    for (const NavEntry& entry : kNavigation) {
        if (entry.setting != nullptr && s.file.*entry.setting == 0) continue;
        page += "<li>";
        AppendLink(page, entry.href, entry.label, frame.section == entry.section);
        page += "</li>\n";
    }
    page += "</ul></nav>\n</div></header>\n<main id=\"content\">\n";
    if (!frame.crumbs.empty()) {
        page += "<nav class=\"breadcrumb\" aria-label=\"パンくずリスト\"><ol>\n<li>";
        AppendLink(page, site.topPage, "トップ", false);
        page += "</li>\n";
        for (const Crumb& crumb : frame.crumbs) {
            page += "<li>";
            if (crumb.href.empty()) {
                page += "<span aria-current=\"page\">";
                AppendText(page, crumb.label);
                page += "</span>";
            } else {
                AppendLink(page, crumb.href, crumb.label, false);
            }
            page += "</li>\n";
        }
        page += "</ol></nav>\n";
    }
}

void ClosePage(std::string& page, const SiteInput& site) {
    const UserSettings& user = site.settings.user;
    page += "</main>\n<footer class=\"site-footer\"><div class=\"inner\">\n";
    if (!user.userName.empty()) {
        page += "<p>&copy; " + std::to_string(site.year) + " ";
        if (user.userMail.empty()) {
            AppendStoredText(page, user.userName);
        } else {
            page += "<a href=\"mailto:";
            page += EncodeAddress(Utf8(user.userMail));
            page += "\">";
            AppendStoredText(page, user.userName);
            page += "</a>";
        }
        page += "</p>\n";
    }
    page += "</div></footer>\n</body>\n</html>\n";
}

}  // namespace modern
