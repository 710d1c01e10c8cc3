// Everything a site generation reads from the database, loaded once with a fixed handful of
// set-based queries; the page writers then work from memory only.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/cocktail_database.h"

struct NamedRow {
    int index = 0;
    std::string name;
};

// A stored cocktail as the pages see it: read by the same rules as a single-record read.
struct SiteCocktail : CocktailRecord {
    bool hasMaster = false;
    // False when a single-record read refuses the cocktail: a missing base, style or author,
    // or no ingredient.
    bool readable = false;
};

struct NameLess {
    bool operator()(std::string_view a, std::string_view b) const;
};

class SiteModel {
public:
    // Throws SQLite::Exception when the database cannot be read.
    void Load(SQLite::Database& database);

    // In page order: base, style, strength, taste and initial codes, then FLD_INDEX.
    const std::vector<SiteCocktail>& Cocktails() const { return m_cocktails; }
    // Each table's rows in ascending FLD_INDEX: the order of the category menus.
    const std::vector<NamedRow>& Bases() const { return m_bases; }
    const std::vector<NamedRow>& Styles() const { return m_styles; }
    const std::vector<NamedRow>& Masters() const { return m_masters; }

    // The cocktail that a read by `name` finds (names match as everywhere, the first stored
    // wins), or nullptr when there is none or it cannot be read.
    const SiteCocktail* ReadCocktail(const std::string& name) const;

private:
    std::vector<SiteCocktail> m_cocktails;
    std::vector<NamedRow> m_bases;
    std::vector<NamedRow> m_styles;
    std::vector<NamedRow> m_masters;
    std::map<std::string, const SiteCocktail*, NameLess> m_byName;
};
