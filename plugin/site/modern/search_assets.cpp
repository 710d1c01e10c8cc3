#include "site/modern/search_assets.h"

#include <unordered_map>

#include "core/code_tables.h"
#include "site/modern/html_text.h"

namespace modern {

namespace {

void AppendLabels(std::string& js, bool (*table)(int, std::string&), int count) {
    js += '[';
    for (int code = 0; code < count; ++code) {
        std::string label;
        table(code, label);
        if (code > 0) js += ',';
        js += '"';
        AppendJsonString(js, Utf8(label));
        js += '"';
    }
    js += ']';
}

// Names are matched after NFKC and lower case, so half-width kana and full-width letters
// find their usual forms; the index is folded once when the page loads.
constexpr std::string_view kSearchScript = R"((function () {
  "use strict";
  var data = window.BARVELLA_INDEX;
  var form = document.getElementById("search");
  var results = document.getElementById("results");
  var status = document.getElementById("status");
  if (!data || !form || !results || !status) return;
  var shownAtMost = 200;
  var fold = function (text) { return text.normalize("NFKC").toLowerCase(); };
  var rows = data.cocktails.map(function (c) {
    return { name: c[0], href: c[1], base: c[2], strength: c[3], taste: c[4], key: fold(c[0]), ingredients: fold(c[5]) };
  });
  var field = function (id) { return document.getElementById(id); };
  var fill = function (select, labels) {
    labels.forEach(function (label, i) {
      var option = document.createElement("option");
      option.value = String(i);
      option.textContent = label;
      select.appendChild(option);
    });
  };
  fill(field("search-base"), data.bases);
  fill(field("search-strength"), data.strengths);
  fill(field("search-taste"), data.tastes);
  var chosen = function (id) { var value = field(id).value; return value === "" ? -1 : Number(value); };
  var facts = function (row) {
    return [data.bases[row.base], "強度 " + data.strengths[row.strength], "味わい " + data.tastes[row.taste]].join(" / ");
  };
  var run = function () {
    var name = fold(field("search-name").value.trim());
    var ingredient = fold(field("search-ingredient").value.trim());
    var base = chosen("search-base"), strength = chosen("search-strength"), taste = chosen("search-taste");
    var list = document.createDocumentFragment();
    var found = 0;
    for (var i = 0; i < rows.length; i++) {
      var row = rows[i];
      if ((base < 0 || row.base === base) && (strength < 0 || row.strength === strength) &&
          (taste < 0 || row.taste === taste) && (name === "" || row.key.indexOf(name) >= 0) &&
          (ingredient === "" || row.ingredients.indexOf(ingredient) >= 0)) {
        found++;
        if (found > shownAtMost) continue;
        var item = document.createElement("li");
        var link = document.createElement("a");
        link.href = row.href;
        link.textContent = row.name;
        var line = document.createElement("span");
        line.textContent = facts(row);
        item.appendChild(link);
        item.appendChild(line);
        list.appendChild(item);
      }
    }
    results.replaceChildren(list);
    status.textContent = found + " 件" + (found > shownAtMost ? "（はじめの " + shownAtMost + " 件を表示）" : "");
  };
  var query = new URLSearchParams(window.location.search);
  [["q", "search-name"], ["ingredient", "search-ingredient"]].forEach(function (pair) {
    if (query.has(pair[0])) field(pair[1]).value = query.get(pair[0]);
  });
  form.addEventListener("input", run);
  form.addEventListener("change", run);
  form.addEventListener("submit", function (event) { event.preventDefault(); run(); });
  run();
})();
)";

}  // namespace

SitePage RenderSearchIndex(const SiteInput& site) {
    const SiteModel& model = site.model;
    std::unordered_map<int, std::size_t> basePosition;
    std::string js = "window.BARVELLA_INDEX = {\"bases\":[";
    for (std::size_t i = 0; i < model.Bases().size(); ++i) {
        basePosition.emplace(model.Bases()[i].index, i);
        if (i > 0) js += ',';
        js += '"';
        AppendJsonString(js, Utf8(model.Bases()[i].name));
        js += '"';
    }
    js += "],\"strengths\":";
    AppendLabels(js, StrongLabel, kStrongCount);
    js += ",\"tastes\":";
    AppendLabels(js, TasteLabel, kTasteCount);
    js += ",\"cocktails\":[\n";
    bool first = true;
    for (const SiteCocktail& listed : model.Cocktails()) {
        if (listed.read == nullptr) throw UnreadableCocktail(listed.name);
        // A name stored twice has one page: the one a read by name finds.
        if (listed.read != &listed) continue;
        if (!first) js += ",\n";
        first = false;
        js += "[\"";
        AppendJsonString(js, Utf8(listed.name));
        js += "\",\"cocktail-" + std::to_string(listed.index) + ".html\",";
        // A readable cocktail's base is stored, so it has a position.
        js += std::to_string(basePosition.at(listed.baseIndex)) + ',';
        js += std::to_string(listed.strong) + ',' + std::to_string(listed.taste) + ",\"";
        bool firstIngredient = true;
        for (const auto& material : listed.materials) {
            if (!firstIngredient) js += "\\n";
            firstIngredient = false;
            AppendJsonString(js, Utf8(material.first));
        }
        js += "\"]";
    }
    js += "\n]};\n";
    return {"search-index.js", std::move(js)};
}

SitePage RenderSearchScript() {
    return {"search.js", std::string(kSearchScript)};
}

}  // namespace modern
