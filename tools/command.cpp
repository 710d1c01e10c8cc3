#include "command.h"

#include <filesystem>
#include <map>

#include <SQLiteCpp/Exception.h>
#include <sqlite3.h>
#include <CLI/CLI.hpp>

#include "core/schema.h"
#include "paths.h"

namespace {

// Long enough for a change made in the record dialog to end, short enough to answer at once
// while another program keeps the store busy.
constexpr int kBusyTimeoutMs = 500;

// Reading a store that another program is changing fails as "busy", which the open would
// take for a damaged file.
void ThrowIfLocked(const std::string& path) {
    try {
        SQLite::Database probe(path, SQLite::OPEN_READONLY, kBusyTimeoutMs);
        probe.execAndGet("SELECT count(*) FROM sqlite_master");
    } catch (const SQLite::Exception& error) {
        if (error.getErrorCode() == SQLITE_BUSY) throw LockedFailure(error.what());
    }
}

}  // namespace

CommandFailure LockedFailure(const std::string& reason) {
    return CommandFailure("the cocktail database is locked by another program (" + reason +
                          "); nothing was changed, try again when it is done");
}

std::unique_ptr<SQLite::Database> OpenStore(const std::string& directory, StoreUse use) {
    const std::string path = paths::Join(directory, kDatabaseFileName);
    std::error_code error;
    const bool exists = std::filesystem::is_regular_file(paths::Native(path), error);
    std::unique_ptr<SQLite::Database> database;
    if (exists) ThrowIfLocked(path);
    if (!exists && use == StoreUse::Read) throw CommandFailure("no cocktail database: " + path + " does not exist");
    if (!exists) {
        std::filesystem::create_directories(paths::Native(directory), error);
        if (!CreateCocktailDatabase(path, database))
            throw CommandFailure("cannot create the cocktail database: " + LastDatabaseError());
    } else if ((use == StoreUse::Read ? OpenCocktailDatabaseReadOnly(path, database)
                                      : OpenCocktailDatabase(path, database)) != 0) {
        throw CommandFailure("damaged database: " + path + " is not a readable cocktail database (" +
                             LastDatabaseError() + ")");
    }
    database->setBusyTimeout(kBusyTimeoutMs);
    return database;
}

void AddEncodingOption(CLI::App& command, FileEncoding& encoding) {
    const std::map<std::string, FileEncoding> names{{"utf-8", FileEncoding::Utf8}, {"cp932", FileEncoding::Cp932}};
    // The name becomes the value the option stores; an unknown one is refused in words rather
    // than in the parser's own.
    const CLI::Validator byName(
        [names](std::string& name) -> std::string {
            const auto known = names.find(CLI::detail::to_lower(name));
            if (known == names.end()) return "unknown encoding \"" + name + "\": use utf-8 or cp932";
            name = std::to_string(static_cast<int>(known->second));
            return {};
        },
        "");
    command.add_option("--encoding", encoding, "Encoding of the file: utf-8 (default) or cp932 (Shift-JIS)")
        ->transform(byName)
        ->type_name("utf-8|cp932");
}
