#include "site/site_model.h"

#include <algorithm>
#include <tuple>
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

void SiteModel::Load(SQLite::Database& database) {
    m_cocktails.clear();
    for (auto& groups : m_groups) groups.clear();
    m_withoutMaster.clear();
    m_bases = LoadNames(database, "SELECT FLD_INDEX, FLD_NAME FROM TBL_BASE ORDER BY FLD_INDEX");
    m_styles = LoadNames(database, "SELECT FLD_INDEX, FLD_NAME FROM TBL_STYLE ORDER BY FLD_INDEX");
    m_masters = LoadNames(database, "SELECT FLD_INDEX, FLD_NAME FROM TBL_MASTER ORDER BY FLD_INDEX");

    std::vector<SiteCocktail> stored;
    SQLite::Statement cocktails(database, kCocktailSelect);
    while (cocktails.executeStep()) {
        SiteCocktail& c = stored.emplace_back();
        c.readable = ReadCocktailRow(cocktails, c, c.hasMaster);
    }
    // Ordered here rather than by the query: the codes are plain integers, and SQLite's sorter
    // cost more than the rest of the load. Each record moves once.
    std::vector<SiteCocktail*> order;
    order.reserve(stored.size());
    for (SiteCocktail& c : stored) order.push_back(&c);
    std::sort(order.begin(), order.end(), [](const SiteCocktail* a, const SiteCocktail* b) {
        return std::tie(a->baseIndex, a->styleIndex, a->strong, a->taste, a->initial, a->index) <
               std::tie(b->baseIndex, b->styleIndex, b->strong, b->taste, b->initial, b->index);
    });
    m_cocktails.reserve(stored.size());
    for (SiteCocktail* c : order) m_cocktails.push_back(std::move(*c));

    std::unordered_map<int, CocktailRecord*> byIndex;
    for (SiteCocktail& c : m_cocktails) byIndex.emplace(c.index, &c);
    ReadEveryMaterial(database, byIndex);

    // A read by name finds the first stored cocktail of a matching name.
    std::unordered_map<std::string, const SiteCocktail*> firstStored;
    std::vector<std::string> keys;
    keys.reserve(m_cocktails.size());
    for (SiteCocktail& c : m_cocktails) {
        c.readable = c.readable && !c.materials.empty();
        const auto [first, added] = firstStored.try_emplace(keys.emplace_back(cp932::NameKey(c.name)), &c);
        if (!added && c.index < first->second->index) first->second = &c;
    }
    const auto add = [this](SiteGrouping by, int number, const SiteCocktail& c) {
        m_groups[static_cast<std::size_t>(by)][number].push_back(&c);
    };
    for (std::size_t i = 0; i < m_cocktails.size(); ++i) {
        SiteCocktail& c = m_cocktails[i];
        const SiteCocktail* first = firstStored[keys[i]];
        c.read = first->readable ? first : nullptr;

        add(SiteGrouping::Initial, c.initial, c);
        add(SiteGrouping::Strong, c.strong, c);
        add(SiteGrouping::Taste, c.taste, c);
        add(SiteGrouping::Base, c.baseIndex, c);
        add(SiteGrouping::Style, c.styleIndex, c);
        if (c.hasMaster) {
            add(SiteGrouping::Master, c.masterIndex, c);
        } else {
            m_withoutMaster.push_back(&c);
        }
    }
}

const SiteRows& SiteModel::Grouped(SiteGrouping by, int number) const {
    static const SiteRows none;
    const auto& groups = m_groups[static_cast<std::size_t>(by)];
    const auto found = groups.find(number);
    return found == groups.end() ? none : found->second;
}
