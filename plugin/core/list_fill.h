// Filling the host's list with cocktails: one row each, name, base, style, strength, taste.
#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include <SQLiteCpp/Database.h>

#include "folivex/plugin.h"

// Which cocktails to show. `condition` is an SQL condition on the cocktail table, named A
// (for example "A.FLD_STRONG = ?"); conditions on other tables go through sub-queries.
// Each ? takes the next of `values`, bound, never pasted. Empty: every cocktail.
struct CocktailQuery {
    std::string condition;
    std::vector<std::variant<int, std::string>> values;
};

// Receives a CP932 notice for the user; the plug-in shows it in a message box.
using PluginNotifier = std::function<void(const std::string& text)>;

// Adds one row per cocktail of the query to `list`, keeping the rows already there.
// A cocktail whose base or style is missing, or whose strength or taste code has no
// label, is left out, and after the fill `notify` is told so once. Answers false when the
// query fails; the rows added up to then stay and nothing is notified.
bool FillCocktailList(SQLite::Database& database, IPluginList& list, const CocktailQuery& query,
                      const PluginNotifier& notify);
