#include "core/cocktail_transfer.h"

#include <set>

#include "cp932.h"

namespace {

ImportResult Unfinished(ImportOutcome outcome, std::string failure) {
    ImportResult result;
    result.outcome = outcome;
    result.failure = std::move(failure);
    return result;
}

ImportResult Unfinished(const StoreStatus& status) {
    return Unfinished(status.outcome == StoreOutcome::Busy ? ImportOutcome::Locked : ImportOutcome::Failed,
                      status.reason);
}

}  // namespace

ImportResult ImportCocktails(CocktailStore& store, const std::vector<FileCocktail>& cocktails, bool skipExisting) {
    ImportResult result;
    std::unique_ptr<CocktailStore::Batch> batch;
    if (StoreStatus begun = store.BeginBatch(batch); !begun.ok()) return Unfinished(begun);
    // Names are matched as everywhere; one read instead of a look-up per cocktail.
    std::vector<std::string> names;
    if (StoreStatus read = store.ReadCocktailNames(names); !read.ok()) return Unfinished(read);
    const std::set<std::string, cp932::NameLess> stored(std::make_move_iterator(names.begin()),
                                                        std::make_move_iterator(names.end()));
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
        if (StoreStatus inserted = store.Insert(record); !inserted.ok()) {
            if (inserted.outcome == StoreOutcome::Busy) return Unfinished(inserted);
            result.refusals.push_back({cocktail.line, "cocktail " + QuotedText(cocktail.record.name) +
                                                          " cannot be stored: " + inserted.reason});
            continue;
        }
        ++result.stored;
    }
    if (!result.refusals.empty()) {
        result.outcome = ImportOutcome::Refused;
        return result;
    }
    if (StoreStatus committed = batch->Commit(); !committed.ok()) return Unfinished(committed);
    return result;
}
