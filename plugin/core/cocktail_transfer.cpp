#include "cocktail_transfer.h"

#include <set>
#include <unordered_map>

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include "cp932.h"
#include "schema.h"
#include "transaction.h"

namespace {

// Names are matched as everywhere; one query instead of a look-up per cocktail.
std::set<std::string, cp932::NameLess> StoredNames(SQLite::Database& database) {
    std::set<std::string, cp932::NameLess> names;
    SQLite::Statement query(database, "SELECT FLD_NAME FROM TBL_COCKTAIL");
    while (query.executeStep()) names.insert(query.getColumn(0).getString());
    return names;
}

// InsertCocktail appends new names to the lists at each of its commits, which the import's
// own rollback undoes in the store only.
class NameListsGuard {
public:
    explicit NameListsGuard(CBarvellaApp& app)
        : m_app(app), m_bases(app.baseNames), m_styles(app.styleNames), m_masters(app.masterNames) {}
    ~NameListsGuard() {
        if (m_kept) return;
        m_app.baseNames = std::move(m_bases);
        m_app.styleNames = std::move(m_styles);
        m_app.masterNames = std::move(m_masters);
    }
    void Keep() { m_kept = true; }

private:
    CBarvellaApp& m_app;
    std::vector<std::string> m_bases, m_styles, m_masters;
    bool m_kept = false;
};

bool IsBusy(const SQLite::Exception& error) {
    return error.getErrorCode() == SQLITE_BUSY || error.getErrorCode() == SQLITE_LOCKED;
}

ImportResult Unfinished(ImportOutcome outcome, std::string failure) {
    ImportResult result;
    result.outcome = outcome;
    result.failure = std::move(failure);
    return result;
}

}  // namespace

ImportResult ImportCocktails(CBarvellaApp& app, const std::vector<FileCocktail>& cocktails, bool skipExisting) {
    ImportResult result;
    if (!app.database) return Unfinished(ImportOutcome::Failed, "the database is not open");
    NameListsGuard lists(app);
    try {
        TransactionScope transaction(*app.database);
        const auto stored = StoredNames(*app.database);
        for (const FileCocktail& cocktail : cocktails) {
            if (stored.count(cocktail.record.name)) {
                if (skipExisting) {
                    ++result.skipped;
                } else {
                    result.refusals.push_back(
                        {cocktail.line, "cocktail " + QuotedText(cocktail.record.name) + " is already stored"});
                }
                continue;
            }
            CocktailRecord record = cocktail.record;
            if (!InsertCocktail(app, record, cocktail.record.materials)) {
                result.refusals.push_back({cocktail.line, "cocktail " + QuotedText(cocktail.record.name) +
                                                              " cannot be stored: " + LastDatabaseError()});
                continue;
            }
            ++result.stored;
        }
        if (!result.refusals.empty()) {
            result.outcome = ImportOutcome::Refused;
            return result;
        }
        transaction.Commit();
        lists.Keep();
        return result;
    } catch (const SQLite::Exception& error) {
        return Unfinished(IsBusy(error) ? ImportOutcome::Locked : ImportOutcome::Failed, error.what());
    } catch (const std::exception& error) {
        return Unfinished(ImportOutcome::Failed, error.what());
    }
}

bool ReadAllCocktails(SQLite::Database& database, std::vector<CocktailRecord>& cocktails) {
    try {
        std::vector<CocktailRecord> read;
        SQLite::Statement rows(database, std::string(kCocktailSelect) + " ORDER BY C.FLD_INDEX");
        while (rows.executeStep()) {
            bool hasMaster = false;
            if (!ReadCocktailRow(rows, read.emplace_back(), hasMaster))
                return DatabaseFailed("cocktail " + QuotedText(read.back().name) +
                                      " refers to a missing base, style or author");
        }
        std::unordered_map<int, CocktailRecord*> byIndex;
        for (CocktailRecord& record : read) byIndex.emplace(record.index, &record);
        ReadEveryMaterial(database, byIndex);
        for (const CocktailRecord& record : read) {
            if (record.materials.empty())
                return DatabaseFailed("cocktail " + QuotedText(record.name) + " has no ingredient");
        }
        cocktails = std::move(read);
        return true;
    } catch (const std::exception& error) {
        return DatabaseFailed(error.what());
    }
}
