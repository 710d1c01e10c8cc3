// Moving cocktails between a workspace's store and a cocktail file (cocktail_file.h).
#pragma once

#include <string>

#include "core/cocktail_file.h"
#include "store/cocktail_store.h"

enum class ImportOutcome { Stored, Refused, Locked, Failed };

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::Stored;
    int stored = 0;
    int skipped = 0;     // names already stored, with skipExisting
    Refusals refusals;   // Refused: why, line by line, the file's own refusals among them
    std::string failure; // Locked and Failed: the store's reason
};

// Adds the cocktails `file` reads to the store in one batch, as it reads them: all or
// nothing. A name already stored is refused, or skipped with `skipExisting`; so is the
// whole import when the file refuses a line. Unless the outcome is Stored, the store and its
// name lists are left as they were. Locked: another program holds the store for longer than
// its busy wait.
ImportResult ImportCocktails(CocktailStore& store, CocktailFileReader& file, bool skipExisting);
