#include "site/site_model.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

#include "cp932.h"

void SiteModel::Load(StoreSnapshot&& snapshot) {
    m_cocktails.clear();
    for (auto& groups : m_groups) groups.clear();
    m_withoutMaster.clear();
    m_bases = std::move(snapshot.bases);
    m_styles = std::move(snapshot.styles);
    m_masters = std::move(snapshot.masters);

    // Ordered here rather than by the query: the codes are plain integers, and SQLite's sorter
    // cost more than the rest of the load. Each record moves once.
    std::vector<StoredCocktail*> order;
    order.reserve(snapshot.cocktails.size());
    for (StoredCocktail& c : snapshot.cocktails) order.push_back(&c);
    std::sort(order.begin(), order.end(), [](const StoredCocktail* a, const StoredCocktail* b) {
        return std::tie(a->baseIndex, a->styleIndex, a->strong, a->taste, a->initial, a->index) <
               std::tie(b->baseIndex, b->styleIndex, b->strong, b->taste, b->initial, b->index);
    });
    m_cocktails.reserve(order.size());
    for (StoredCocktail* c : order) m_cocktails.push_back(SiteCocktail{std::move(*c), nullptr});

    // A read by name finds the first stored cocktail of a matching name.
    std::unordered_map<std::string, const SiteCocktail*> firstStored;
    std::vector<std::string> keys;
    keys.reserve(m_cocktails.size());
    for (SiteCocktail& c : m_cocktails) {
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
