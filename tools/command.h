// How a command of the barvella tool reports: it throws CommandFailure with one line saying
// what failed, and main prints it on stderr and exits 1. Helpers the commands share.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include <SQLiteCpp/Database.h>

#include "core/cocktail_file.h"

namespace CLI {
class App;
}

class CommandFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The failure of a command that found the store locked by another program.
CommandFailure LockedFailure(const std::string& reason);

enum class StoreUse {
    Read,    // the store must exist; it is opened read-only
    Change,  // the store is created, with its directory, when missing (as the plug-in's start-up does)
};

// `directory`/Barvella.mdb. A missing (for Read) or damaged store is a CommandFailure. The
// connection waits a moment for a store that another program is changing.
std::unique_ptr<SQLite::Database> OpenStore(const std::string& directory, StoreUse use);

// --encoding utf-8|cp932 (utf-8 by default).
void AddEncodingOption(CLI::App& command, FileEncoding& encoding);
