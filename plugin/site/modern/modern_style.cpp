// The one stylesheet of the modern site. The workspace's colours, faces, sizes and background
// image go in where they are plain CSS values; anything else is left to the defaults, so a
// value written for the classic site's attributes can never break the sheet.
#include <cctype>
#include <string_view>

#include "site/modern/html_text.h"
#include "site/modern/modern_site.h"
#include "site/modern/site_links.h"

namespace modern {

namespace {

// "#rgb" to "#rrggbbaa" or a colour keyword.
bool IsCssColour(std::string_view value) {
    if (value.empty()) return false;
    if (value[0] == '#') {
        const std::size_t digits = value.size() - 1;
        if (digits != 3 && digits != 4 && digits != 6 && digits != 8) return false;
        for (const char c : value.substr(1)) {
            if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
        }
        return true;
    }
    for (const char c : value) {
        if (!std::isalpha(static_cast<unsigned char>(c))) return false;
    }
    return value.size() <= 32;
}

// The HTML font sizes 1 to 7, absolute or relative to 3, as the CSS keywords browsers use for
// them; a CSS length is taken as it is.
std::string CssFontSize(std::string_view value) {
    static const char* const kSizes[] = {"x-small", "small", "medium", "large", "x-large", "xx-large", "xxx-large"};
    if (value.empty()) return {};
    const bool relative = value[0] == '+' || value[0] == '-';
    std::string_view digits = relative ? value.substr(1) : value;
    if (digits.size() == 1 && std::isdigit(static_cast<unsigned char>(digits[0]))) {
        int size = digits[0] - '0';
        if (relative) size = value[0] == '+' ? 3 + size : 3 - size;
        if (size < 1) size = 1;
        if (size > 7) size = 7;
        return kSizes[size - 1];
    }
    std::size_t number = 0;
    while (number < value.size() && (std::isdigit(static_cast<unsigned char>(value[number])) || value[number] == '.'))
        ++number;
    const std::string_view unit = value.substr(number);
    if (number == 0 || !(unit == "px" || unit == "pt" || unit == "em" || unit == "rem" || unit == "%")) return {};
    return std::string(value);
}

// A comma-separated face list as a font-family value: each family quoted, the generic ones
// as keywords.
std::string CssFontFamily(std::string_view cp932Faces) {
    static const std::string_view kGeneric[] = {"serif", "sans-serif", "monospace", "cursive", "fantasy", "system-ui"};
    const std::string faces = Utf8(cp932Faces);
    std::string family;
    std::size_t start = 0;
    while (start <= faces.size()) {
        std::size_t end = faces.find(',', start);
        if (end == std::string::npos) end = faces.size();
        std::string_view face = std::string_view(faces).substr(start, end - start);
        while (!face.empty() && (face.front() == ' ' || face.front() == '"' || face.front() == '\''))
            face.remove_prefix(1);
        while (!face.empty() && (face.back() == ' ' || face.back() == '"' || face.back() == '\''))
            face.remove_suffix(1);
        start = end + 1;
        if (face.empty()) continue;
        if (!family.empty()) family += ", ";
        bool generic = false;
        for (const std::string_view keyword : kGeneric) generic = generic || face == keyword;
        if (generic) {
            family += face;
            continue;
        }
        family += '"';
        for (const char c : face) {
            if (c == '"' || c == '\\') family += '\\';
            if (c == '<' || c == '>' || c == '{' || c == '}' || c == ';') continue;
            family += c;
        }
        family += '"';
    }
    return family;
}

void AppendColour(std::string& css, const char* property, const std::string& value, const char* fallback) {
    css.append(property).append(": ").append(IsCssColour(value) ? value : std::string(fallback)).append(";\n");
}

constexpr std::string_view kRules = R"(*, *::before, *::after { box-sizing: border-box; }
html { -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }
body { margin: 0; line-height: 1.7; overflow-wrap: anywhere; }
a { color: var(--link); text-underline-offset: 0.15em; }
a:visited { color: var(--visited); }
a:active { color: var(--active); }
.skip { position: absolute; left: -100vw; }
.skip:focus { left: 0.5rem; top: 0.5rem; padding: 0.5rem 1rem; background: var(--paper); z-index: 1; }
.site-header, main, .site-footer { background: var(--paper); }
.site-header { border-bottom: 3px solid var(--accent); }
.site-header .inner, .site-footer .inner, main { max-width: 60rem; margin: 0 auto; padding: 0.75rem 1rem; }
.site-name { display: inline-block; margin: 0; font-size: 1.25rem; font-weight: bold; text-decoration: none; color: var(--text); }
.site-name:visited { color: var(--text); }
.site-nav ul { display: flex; flex-wrap: wrap; gap: 0 0.25rem; margin: 0.25rem 0 0; padding: 0; list-style: none; }
.site-nav a { display: inline-block; padding: 0.5rem 0.5rem; min-height: 2.75rem; }
.site-nav a[aria-current="page"] { font-weight: bold; color: var(--text); text-decoration: none; }
.breadcrumb ol { display: flex; flex-wrap: wrap; margin: 0 0 0.5rem; padding: 0; list-style: none; font-size: 0.9rem; }
.breadcrumb li + li::before { content: "›"; padding: 0 0.5em; }
.breadcrumb a, .breadcrumb span { display: inline-block; padding: 0.25rem 0; }
h1 { margin: 0.25rem 0 1rem; line-height: 1.3; color: var(--heading); font-family: var(--heading-face); font-size: var(--heading-size); }
h2 { margin: 1.75rem 0 0.5rem; font-size: 1.2rem; border-left: 0.3rem solid var(--accent); padding-left: 0.5rem; }
.stored { white-space: pre-wrap; }
.facts { display: grid; grid-template-columns: max-content 1fr; gap: 0.25rem 1rem; margin: 0; }
.facts dt { font-weight: bold; }
.facts dd { margin: 0; }
.ingredients { width: 100%; max-width: 36rem; border-collapse: collapse; }
.ingredients th, .ingredients td { padding: 0.5rem; border-bottom: 1px solid var(--line); text-align: left; vertical-align: top; }
.ingredients td { text-align: right; white-space: nowrap; }
.picture { max-width: 100%; height: auto; }
.cocktails { display: grid; grid-template-columns: repeat(auto-fill, minmax(15rem, 1fr)); gap: 0.5rem; margin: 0; padding: 0; list-style: none; }
.cocktails li { padding: 0.5rem 0.75rem; border: 1px solid var(--line); border-radius: 0.4rem; }
.cocktails a { display: block; font-weight: bold; padding: 0.25rem 0; }
.cocktails span { display: block; font-size: 0.9rem; }
.values { display: flex; flex-wrap: wrap; gap: 0.5rem; margin: 0; padding: 0; list-style: none; }
.values a { display: inline-block; min-width: 2.75rem; padding: 0.5rem 0.75rem; border: 1px solid var(--line); border-radius: 0.4rem; text-align: center; }
.counts { display: flex; flex-wrap: wrap; gap: 0.5rem 1.5rem; margin: 0; padding: 0; list-style: none; }
.counts strong { font-size: 1.4rem; }
.search { display: grid; grid-template-columns: repeat(auto-fill, minmax(13rem, 1fr)); gap: 0.75rem 1rem; margin: 0 0 1rem; }
.search label { display: block; font-weight: bold; }
.search input, .search select, .search button { width: 100%; min-height: 2.75rem; font: inherit; padding: 0.25rem 0.5rem; color: inherit; background: var(--paper); border: 1px solid var(--text); border-radius: 0.3rem; }
.site-footer { border-top: 1px solid var(--line); font-size: 0.9rem; }
.site-footer p { margin: 0.25rem 0; }
)";

}  // namespace

SitePage RenderStylesheet(const PluginSettings& settings) {
    std::string css = ":root {\n";
    AppendColour(css, "--paper", settings.design.bgColor, "#ffffff");
    AppendColour(css, "--text", settings.font.textColor, "#1f1b16");
    AppendColour(css, "--link", settings.font.linkColor, "#0b5394");
    AppendColour(css, "--visited", settings.font.vLinkColor, "#5b3f7a");
    AppendColour(css, "--active", settings.font.aLinkColor, "#a33a1e");
    AppendColour(css, "--heading", settings.title.titleColor, "#1f1b16");
    AppendColour(css, "--accent", settings.title.titleColor, "#8a6d3b");
    css += "--line: #d6d0c4;\n";
    const std::string face = CssFontFamily(settings.font.fontFace);
    const std::string headingFace = CssFontFamily(settings.title.titleFace);
    const std::string size = CssFontSize(settings.font.fontSize);
    const std::string headingSize = CssFontSize(settings.title.titleSize);
    css.append("--heading-face: ").append(headingFace.empty() ? "inherit" : headingFace).append(";\n");
    css.append("--heading-size: ").append(headingSize.empty() ? "1.75rem" : headingSize).append(";\n");
    css += "color-scheme: light;\n}\n";
    css += "body {\ncolor: var(--text);\nbackground-color: var(--paper);\n";
    if (!face.empty()) css.append("font-family: ").append(face).append(";\n");
    if (!size.empty()) css.append("font-size: ").append(size).append(";\n");
    if (!settings.design.background.empty()) {
        css += "background-image: url(\"";
        css += ImageAddress(settings, settings.design.background);
        css += "\");\n";
    }
    css += "}\n";
    css += kRules;
    return {"style.css", std::move(css)};
}

}  // namespace modern
