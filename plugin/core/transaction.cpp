#include "transaction.h"

#include <sqlite3.h>

namespace {

constexpr const char* kSavepoint = "barvella_change";

}  // namespace

TransactionScope::TransactionScope(SQLite::Database& database)
    : m_database(database), m_outermost(sqlite3_get_autocommit(database.getHandle()) != 0) {
    m_database.exec(m_outermost ? std::string("BEGIN IMMEDIATE") : std::string("SAVEPOINT ") + kSavepoint);
}

TransactionScope::~TransactionScope() {
    if (!m_open) return;
    try {
        if (m_outermost) {
            m_database.exec("ROLLBACK");
        } else {
            m_database.exec(std::string("ROLLBACK TO ") + kSavepoint);
            m_database.exec(std::string("RELEASE ") + kSavepoint);
        }
    } catch (const std::exception&) {
        // Nothing more can be done here; SQLite rolls back an open transaction when the
        // connection closes.
    }
}

void TransactionScope::Commit() {
    m_database.exec(m_outermost ? std::string("COMMIT") : std::string("RELEASE ") + kSavepoint);
    m_open = false;
}
