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

const std::string* FindName(const std::unordered_map<int, const std::string*>& names, int index) {
    const auto found = names.find(index);
    return found == names.end() ? nullptr : found->second;
}

std::unordered_map<int, const std::string*> IndexNames(const std::vector<NamedRow>& rows) {
    std::unordered_map<int, const std::string*> names;
    // Should an index ever repeat, a look-up by index takes the first row.
    for (const NamedRow& row : rows) names.emplace(row.index, &row.name);
    return names;
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

    SQLite::Statement cocktails(database,
                                "SELECT FLD_INDEX, FLD_NAME, FLD_INITIAL, FLD_STRONG, FLD_TASTE, FLD_STYLE, FLD_BASE, "
                                "FLD_HOWTO, FLD_MEMO, FLD_MASTER FROM TBL_COCKTAIL "
                                "ORDER BY FLD_BASE, FLD_STYLE, FLD_STRONG, FLD_TASTE, FLD_INITIAL, FLD_INDEX");
    while (cocktails.executeStep()) {
        SiteCocktail& c = m_cocktails.emplace_back();
        c.index = cocktails.getColumn(0).getInt();
        c.name = cocktails.getColumn(1).getString();
        c.initial = cocktails.getColumn(2).getInt();
        c.strong = cocktails.getColumn(3).getInt();
        c.taste = cocktails.getColumn(4).getInt();
        c.styleIndex = cocktails.getColumn(5).getInt();
        c.baseIndex = cocktails.getColumn(6).getInt();
        c.howTo = cocktails.getColumn(7).getString();
        if (!cocktails.getColumn(8).isNull()) c.memo = cocktails.getColumn(8).getString();
        c.hasMaster = !cocktails.getColumn(9).isNull();
        c.masterIndex = cocktails.getColumn(9).getInt();
    }

    std::unordered_map<int, SiteCocktail*> byIndex;
    for (SiteCocktail& c : m_cocktails) byIndex.emplace(c.index, &c);
    // Sorted by name within a cocktail; of two rows with the same name the later one counts.
    SQLite::Statement materials(database,
                                "SELECT FLD_COCKTAIL, FLD_NAME, FLD_QUANTITY FROM TBL_MATERIAL "
                                "ORDER BY FLD_COCKTAIL, FLD_NAME, rowid");
    while (materials.executeStep()) {
        const auto owner = byIndex.find(materials.getColumn(0).getInt());
        if (owner == byIndex.end()) continue;
        auto& list = owner->second->materials;
        std::string name = materials.getColumn(1).getString();
        std::string quantity = materials.getColumn(2).getString();
        if (!list.empty() && list.back().first == name)
            list.back().second = std::move(quantity);
        else
            list.emplace_back(std::move(name), std::move(quantity));
    }

    const auto bases = IndexNames(m_bases);
    const auto styles = IndexNames(m_styles);
    const auto masters = IndexNames(m_masters);
    for (SiteCocktail& c : m_cocktails) {
        const std::string* base = FindName(bases, c.baseIndex);
        const std::string* style = FindName(styles, c.styleIndex);
        const std::string* master = c.hasMaster ? FindName(masters, c.masterIndex) : nullptr;
        if (base) c.baseName = *base;
        if (style) c.styleName = *style;
        if (master) c.masterName = *master;
        c.readable = base && style && (!c.hasMaster || master) && !c.materials.empty();
    }

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
