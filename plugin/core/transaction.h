// One change to the store, all or nothing. On its own it is a transaction that takes the
// write lock at once (BEGIN IMMEDIATE), so a busy database is found before anything is
// changed; inside a caller's transaction it is a savepoint, so routines compose (an import
// adds many cocktails through the same routines, in one transaction).
#pragma once

#include <SQLiteCpp/Database.h>

class TransactionScope {
public:
    // Throws SQLite::Exception when the transaction cannot begin.
    explicit TransactionScope(SQLite::Database& database);
    TransactionScope(const TransactionScope&) = delete;
    TransactionScope& operator=(const TransactionScope&) = delete;
    // Rolls back unless committed.
    ~TransactionScope();

    // Throws SQLite::Exception when the commit fails; the destructor then rolls back.
    void Commit();

private:
    SQLite::Database& m_database;
    bool m_outermost;
    bool m_open = true;
};
