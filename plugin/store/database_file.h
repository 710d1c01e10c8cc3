// Opening Barvella.mdb, and making it when the workspace has none yet.
#pragma once

#include <memory>
#include <string>

#include <SQLiteCpp/Database.h>

#include "store/cocktail_store.h"

// How long a connection waits for another that holds the store (a second window, an import)
// before it gives up as busy.
inline constexpr int kBusyTimeoutMilliseconds = 2000;

// Opens `path` with the name collation and the busy wait set. A missing file, an empty one
// and an SQLite file without any table are no database yet: NotFound for Read, and for
// Change a complete empty store is built beside it and put in place whole, so an interrupted
// creation leaves either no store or a whole one.
StoreStatus OpenDatabaseFile(const std::string& path, StoreAccess access, std::unique_ptr<SQLite::Database>& database);

// The status of an SQLite failure on the store at `path`.
StoreStatus DatabaseFailure(const std::string& path, const std::exception& error);
