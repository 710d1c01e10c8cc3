// Moving cocktails between a workspace's store and a cocktail file (cocktail_file.h).
#pragma once

#include <string>
#include <vector>

#include <SQLiteCpp/Database.h>

#include "barvella_app.h"
#include "cocktail_file.h"

enum class ImportOutcome { Stored, Refused, Locked, Failed };

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::Stored;
    int stored = 0;
    int skipped = 0;                    // names already stored, with skipExisting
    std::vector<LineRefusal> refusals;  // Refused: why, line by line
    std::string failure;                // Locked and Failed: the store's reason
};

// Adds the cocktails through InsertCocktail, as the record dialog does, inside one
// transaction: all or nothing. A name already stored is refused, or skipped with
// `skipExisting`. Unless the outcome is Stored, the store and the app's name lists are left
// as they were. Locked: another connection holds the store for longer than its busy timeout.
ImportResult ImportCocktails(CBarvellaApp& app, const std::vector<FileCocktail>& cocktails, bool skipExisting);

// Every stored cocktail with its ingredients, in ascending FLD_INDEX, read in bulk. False,
// with the reason in LastDatabaseError, when one of them cannot be read (ReadCocktail would
// refuse it too).
bool ReadAllCocktails(SQLite::Database& database, std::vector<CocktailRecord>& cocktails);
