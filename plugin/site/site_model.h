// Everything a site generation reads from the store, taken from one snapshot; the page
// writers then work from memory only.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/settings.h"
#include "store/cocktail_record.h"

// A stored cocktail as the pages see it: read by the same rules as a single-record read.
struct SiteCocktail : StoredCocktail {
    // What a single-record read of this cocktail's name finds: the first stored cocktail of a
    // matching name; nullptr when that one cannot be read.
    const SiteCocktail* read = nullptr;
};

using SiteRows = std::vector<const SiteCocktail*>;

// Why a listed cocktail without a readable record stops a run.
inline constexpr const char* kUnreadable = "cannot be read: its ingredients, base, style or author are missing";

// The numbers a list page selects its cocktails by.
enum class SiteGrouping { Initial, Strong, Taste, Base, Style, Master };

class SiteModel {
public:
    void Load(StoreSnapshot&& snapshot);

    // In page order: base, style, strength, taste and initial codes, then FLD_INDEX.
    const std::vector<SiteCocktail>& Cocktails() const { return m_cocktails; }
    // Each table's rows in ascending FLD_INDEX: the order of the category menus.
    const std::vector<NamedRow>& Bases() const { return m_bases; }
    const std::vector<NamedRow>& Styles() const { return m_styles; }
    const std::vector<NamedRow>& Masters() const { return m_masters; }

    // The cocktails whose number of that kind is `number`, in page order; only cocktails with
    // an author have an author's number.
    const SiteRows& Grouped(SiteGrouping by, int number) const;
    const SiteRows& WithoutMaster() const { return m_withoutMaster; }

private:
    std::vector<SiteCocktail> m_cocktails;
    std::vector<NamedRow> m_bases;
    std::vector<NamedRow> m_styles;
    std::vector<NamedRow> m_masters;
    std::array<std::unordered_map<int, SiteRows>, 6> m_groups;
    SiteRows m_withoutMaster;
};

// What a site is rendered from.
struct SiteSource {
    const PluginSettings& settings;
    const SiteModel& model;
};
