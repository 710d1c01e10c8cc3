// Filling the host's list with cocktails: one row each, name, base, style, strength, taste.
#pragma once

#include <functional>
#include <string>

#include "folivex/plugin.h"
#include "store/cocktail_store.h"

// Receives a CP932 notice for the user; the plug-in shows it in a message box.
using PluginNotifier = std::function<void(const std::string& text)>;

// Adds one row per cocktail that meets `conditions` to `list`, keeping the rows already
// there. A cocktail whose base or style is missing, or whose strength or taste code has no
// label, is left out, and after the fill `notify` is told so once. Fails when the read
// fails; the rows added up to then stay and nothing is notified.
StoreStatus FillCocktailList(CocktailStore& store, IPluginList& list, const SearchConditions& conditions,
                             const PluginNotifier& notify);
