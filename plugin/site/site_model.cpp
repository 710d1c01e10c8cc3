#include "site/site_model.h"

#include <algorithm>
#include <unordered_map>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include "cp932.h"

namespace {

std::vector<NamedRow> LoadNames(SQLite::Database& database, const char* sql) {
    std::vector<NamedRow> rows;
    SQLite::Statement query(database, sql);
    while (query.executeStep()) rows.push_back({query.getColumn(0).getInt(), query.getColumn(1).getString()});
    return rows;
}

}  // namespace

bool NameLess::operator()(std::string_view a, std::string_view b) const {
    return cp932::CompareNames(a, b) < 0;
}

void SiteModel::Load(SQLite::Database& database) {
    m_cocktails.clear();
    m_byName.clear();
    m_bases = LoadNames(database, "SELECT FLD_INDEX, FLD_NAME FROM TBL_BASE ORDER BY FLD_INDEX");
    m_styles = LoadNames(database, "SELECT FLD_INDEX, FLD_NAME FROM TBL_STYLE ORDER BY FLD_INDEX");
    m_masters = LoadNames(database, "SELECT FLD_INDEX, FLD_NAME FROM TBL_MASTER ORDER BY FLD_INDEX");

    SQLite::Statement cocktails(database, std::string(kCocktailSelect) +
                                              " ORDER BY C.FLD_BASE, C.FLD_STYLE, C.FLD_STRONG, C.FLD_TASTE, "
                                              "C.FLD_INITIAL, C.FLD_INDEX");
    while (cocktails.executeStep()) {
        SiteCocktail& c = m_cocktails.emplace_back();
        c.readable = ReadCocktailRow(cocktails, c, c.hasMaster);
    }

    std::unordered_map<int, SiteCocktail*> byIndex;
    for (SiteCocktail& c : m_cocktails) byIndex.emplace(c.index, &c);
    // Of two rows with the same name the later one counts, as in a single-record read.
    SQLite::Statement materials(database,
                                "SELECT FLD_COCKTAIL, FLD_NAME, FLD_QUANTITY FROM TBL_MATERIAL ORDER BY rowid");
    while (materials.executeStep()) {
        const auto owner = byIndex.find(materials.getColumn(0).getInt());
        if (owner == byIndex.end()) continue;
        owner->second->materials.insert_or_assign(materials.getColumn(1).getString(),
                                                  materials.getColumn(2).getString());
    }
    for (SiteCocktail& c : m_cocktails) c.readable = c.readable && !c.materials.empty();

    std::vector<const SiteCocktail*> stored;
    stored.reserve(m_cocktails.size());
    for (const SiteCocktail& c : m_cocktails) stored.push_back(&c);
    std::sort(stored.begin(), stored.end(),
              [](const SiteCocktail* a, const SiteCocktail* b) { return a->index < b->index; });
    for (const SiteCocktail* c : stored) m_byName.emplace(c->name, c);
}

const SiteCocktail* SiteModel::ReadCocktail(const std::string& name) const {
    const auto found = m_byName.find(name);
    if (found == m_byName.end() || !found->second->readable) return nullptr;
    return found->second;
}
