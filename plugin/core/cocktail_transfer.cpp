#include "core/cocktail_transfer.h"

#include <set>

#include "cp932.h"

namespace {

ImportResult Unfinished(const StoreStatus& status) {
    ImportResult result;
    result.outcome = status.outcome == StoreOutcome::Busy ? ImportOutcome::Locked : ImportOutcome::Failed;
    result.failure = status.reason;
    return result;
}

}  // namespace

ImportResult ImportCocktails(CocktailStore& store, CocktailFileReader& file, bool skipExisting) {
    ImportResult result;
    std::unique_ptr<CocktailStore::Batch> batch;
    if (StoreStatus begun = store.BeginBatch(batch); !begun.ok()) return Unfinished(begun);
    // Names are matched as everywhere; one read instead of a look-up per cocktail.
    std::vector<std::string> names;
    if (StoreStatus read = store.ReadCocktailNames(names); !read.ok()) return Unfinished(read);
    const std::set<std::string, cp932::NameLess> stored(std::make_move_iterator(names.begin()),
                                                        std::make_move_iterator(names.end()));
    FileCocktail cocktail;
    while (file.Next(cocktail)) {
        if (stored.count(cocktail.record.name)) {
            if (skipExisting) {
                ++result.skipped;
            } else {
                result.refusals.Add(cocktail.line, "cocktail " + QuotedText(cocktail.record.name) + " is already stored");
            }
            continue;
        }
        // Once anything is refused, nothing will be committed: the rest is only checked.
        if (!result.refusals.empty() || !file.refusals().empty()) continue;
        if (StoreStatus inserted = store.Insert(cocktail.record); !inserted.ok()) {
            if (inserted.outcome == StoreOutcome::Busy) return Unfinished(inserted);
            result.refusals.Add(cocktail.line, "cocktail " + QuotedText(cocktail.record.name) +
                                                   " cannot be stored: " + inserted.reason);
            continue;
        }
        ++result.stored;
    }
    result.refusals.Add(file.refusals());
    if (!result.refusals.empty()) {
        result.outcome = ImportOutcome::Refused;
        return result;
    }
    if (StoreStatus committed = batch->Commit(); !committed.ok()) return Unfinished(committed);
    return result;
}
