// How a command of the barvella tool reports: it throws CommandFailure with one line saying
// what failed, and main prints it on stderr and exits 1. Helpers the commands share.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "core/cocktail_file.h"
#include "store/cocktail_store.h"

namespace CLI {
class App;
}

class CommandFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The failure of a command whose store call failed, in the store's words.
CommandFailure StoreFailure(const StoreStatus& status);

// `directory`/Barvella.mdb. For Change the store is created, with its directory, when there
// is none yet (as the plug-in's start-up does). A store that cannot be opened is a
// CommandFailure.
std::unique_ptr<CocktailStore> OpenStore(const std::string& directory, StoreAccess access);

// --encoding utf-8|cp932 (utf-8 by default).
void AddEncodingOption(CLI::App& command, FileEncoding& encoding);
