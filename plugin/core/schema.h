// Barvella.mdb: an SQLite file with five tables whose names and fields stay those of the
// original store, so workspaces and outside tools keep working with it.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include <SQLiteCpp/Database.h>

inline constexpr const char* kDatabaseFileName = "Barvella.mdb";

// Longest text a name, quantity or picture field holds, in CP932 bytes.
inline constexpr std::size_t kMaxTextBytes = 255;

// Collation for name matching (cp932::CompareNames). It lives on our connection only and is
// named in queries, never in the schema, so any SQLite tool can open the file.
inline constexpr const char* kNameCollation = "FVXNAME";

// How long a change waits for another process that holds the store (a second window, an
// import) before it fails with "database is locked".
inline constexpr int kBusyTimeoutMilliseconds = 2000;

void RegisterNameCollation(SQLite::Database& database);

// Why the last database routine that failed did: SQLite's message, the system's reason or
// the reason of a refusal. Routines that answer "not found" leave it alone.
const std::string& LastDatabaseError();
// Keeps `reason` for LastDatabaseError and answers false, for the routines' failure paths.
bool DatabaseFailed(std::string reason);

// Creates `path` with the five empty tables. Refuses when a file of that name exists, so a
// damaged or foreign file is never overwritten. Once the file itself was made, `database`
// is left open on it, also when a table could not be created (then the answer is false).
bool CreateCocktailDatabase(const std::string& path, std::unique_ptr<SQLite::Database>& database);

// Opens an existing store for reading and writing. Answers 0 when opened (or already
// open), -1 when the file is missing, is no database, is damaged or lacks one of the five
// tables, -2 on any other failure. Opening never creates or changes a file.
int OpenCocktailDatabase(const std::string& path, std::unique_ptr<SQLite::Database>& database);

// The same for readers that must not change the store (the command-line export and site run).
int OpenCocktailDatabaseReadOnly(const std::string& path, std::unique_ptr<SQLite::Database>& database);

void CloseCocktailDatabase(std::unique_ptr<SQLite::Database>& database);
