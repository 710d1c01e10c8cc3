#include "site/modern/recipe_data.h"

#include "core/code_tables.h"
#include "site/modern/html_text.h"
#include "site/modern/site_links.h"

namespace modern {

namespace {

void AppendMember(std::string& json, const char* name, std::string_view utf8) {
    json.append(",\"").append(name).append("\":\"");
    AppendJsonString(json, utf8);
    json += '"';
}

// Method lines as steps: the stored HTML without tags, one step per non-empty line.
void AppendSteps(std::string& json, const std::string& howTo) {
    const std::string html = SanitizeHtml(Utf8(howTo));
    json += ",\"recipeInstructions\":[";
    bool first = true;
    std::size_t start = 0;
    while (start < html.size()) {
        std::size_t end = html.find('\n', start);
        if (end == std::string::npos) end = html.size();
        const std::string step = PlainText(std::string_view(html).substr(start, end - start));
        start = end + 1;
        if (step.empty()) continue;
        if (!first) json += ',';
        first = false;
        json += "{\"@type\":\"HowToStep\",\"text\":\"";
        AppendJsonString(json, step);
        json += "\"}";
    }
    json += ']';
}

}  // namespace

std::string RecipeJsonLd(const PluginSettings& settings, const SiteCocktail& cocktail) {
    std::string json = "<script type=\"application/ld+json\">{\"@context\":\"https://schema.org\",\"@type\":\"Recipe\"";
    AppendMember(json, "name", Utf8(cocktail.name));
    if (!cocktail.memo.empty()) AppendMember(json, "description", PlainText(SanitizeHtml(Utf8(cocktail.memo))));
    if (!cocktail.picture.empty() && !settings.url.urlImages.empty())
        AppendMember(json, "image", ImageAddress(settings, cocktail.picture));
    const std::string& author = cocktail.masterName.empty() ? settings.user.userName : cocktail.masterName;
    if (!author.empty()) {
        json += ",\"author\":{\"@type\":\"Person\",\"name\":\"";
        AppendJsonString(json, Utf8(author));
        json += "\"}";
    }
    AppendMember(json, "recipeCategory", "カクテル");
    std::string strong, taste;
    StrongLabel(cocktail.strong, strong);
    TasteLabel(cocktail.taste, taste);
    std::string keywords = Utf8(cocktail.baseName) + "," + Utf8(cocktail.styleName) + ",味わい" + Utf8(taste) +
                           ",アルコール強度" + Utf8(strong);
    AppendMember(json, "keywords", keywords);
    json += ",\"recipeIngredient\":[";
    bool first = true;
    for (const auto& [ingredient, quantity] : cocktail.materials) {
        if (!first) json += ',';
        first = false;
        json += '"';
        AppendJsonString(json, quantity.empty() ? Utf8(ingredient) : Utf8(quantity) + " " + Utf8(ingredient));
        json += '"';
    }
    json += ']';
    AppendSteps(json, cocktail.howTo);
    json += "}</script>\n";
    return json;
}

}  // namespace modern
