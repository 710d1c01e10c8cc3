// Barvella.mdb: an SQLite file with five tables whose names and fields any SQLite tool sees
// as the workspace's store has always named them.
#pragma once

#include <cstddef>

#include <SQLiteCpp/Database.h>

inline constexpr const char* kDatabaseFileName = "Barvella.mdb";

// Longest text a name, quantity or picture field holds, in CP932 bytes.
inline constexpr std::size_t kMaxTextBytes = 255;

// Collation for name matching (cp932::CompareNames). It lives on our connection only and is
// named in queries, never in the schema, so any SQLite tool can open the file.
inline constexpr const char* kNameCollation = "FVXNAME";

void RegisterNameCollation(SQLite::Database& database);

// Creates the five empty tables; throws SQLite::Exception.
void CreateTables(SQLite::Database& database);

enum class TableCheck { All, None, Some };
// Which of the five tables the file holds; reading also proves that the file is a database
// at all (SQLite opens lazily). Throws SQLite::Exception.
TableCheck CheckTables(SQLite::Database& database);
