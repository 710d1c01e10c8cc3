#include "store/database_file.h"

#include <filesystem>
#include <system_error>

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>

#include "paths.h"
#include "platform/file.h"
#include "store/schema.h"

namespace {

// Each connection is used by one thread only, so SQLite need not lock it for every call;
// a bulk read makes hundreds of thousands of calls.
constexpr int kOneThread = SQLITE_OPEN_NOMUTEX;

constexpr const char* kJournalSuffix = "-journal";

// A creation that loses the race to another one opens what the other made; a few rounds
// settle any interleaving.
constexpr int kCreationRounds = 4;

StoreStatus Fail(StoreOutcome outcome, std::string reason) {
    return StoreStatus::Fail(outcome, std::move(reason));
}

std::string SystemError(const std::string& path, const char* doing, const std::string& why) {
    return std::string("cannot ") + doing + " " + path + ": " + why;
}

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(paths::Native(path), error);
}

std::unique_ptr<SQLite::Database> Connect(const std::string& path, int flags) {
    auto database = std::make_unique<SQLite::Database>(path, flags | kOneThread);
    RegisterNameCollation(*database);
    database->setBusyTimeout(kBusyTimeoutMilliseconds);
    return database;
}

// A read-only connection cannot roll back the journal a killed writer left; one that may
// write does so on its first read, and the file is then as it was before that change.
void RecoverJournal(const std::string& path) {
    SQLite::Database writer(path, SQLite::OPEN_READWRITE | kOneThread);
    writer.setBusyTimeout(kBusyTimeoutMilliseconds);
    writer.execAndGet("SELECT count(*) FROM sqlite_master");
}

bool NeedsRecovery(const SQLite::Exception& error) {
    return error.getExtendedErrorCode() == SQLITE_READONLY_ROLLBACK ||
           error.getExtendedErrorCode() == SQLITE_READONLY_RECOVERY;
}

enum class Found { Store, NoStore, Refused };

// Opens an existing file and sees what it holds.
Found OpenExisting(const std::string& path, StoreAccess access, std::unique_ptr<SQLite::Database>& database,
                   StoreStatus& status) {
    const int flags = access == StoreAccess::Read ? SQLite::OPEN_READONLY : SQLite::OPEN_READWRITE;
    for (bool recovered = false;; recovered = true) {
        try {
            auto opened = Connect(path, flags);
            switch (CheckTables(*opened)) {
                case TableCheck::All:
                    database = std::move(opened);
                    return Found::Store;
                case TableCheck::None:
                    return Found::NoStore;
                case TableCheck::Some:
                    break;
            }
            status = Fail(StoreOutcome::Foreign, path + " is not a cocktail database: it lacks some of its tables");
            return Found::Refused;
        } catch (const SQLite::Exception& error) {
            if (recovered || !NeedsRecovery(error)) {
                status = DatabaseFailure(path, error);
                return Found::Refused;
            }
        }
        try {
            RecoverJournal(path);
        } catch (const SQLite::Exception& error) {
            status = DatabaseFailure(path, error);
            return Found::Refused;
        }
    }
}

Found Examine(const std::string& path, StoreAccess access, std::unique_ptr<SQLite::Database>& database,
              StoreStatus& status) {
    std::error_code error;
    const auto file = std::filesystem::status(paths::Native(path), error);
    if (file.type() == std::filesystem::file_type::not_found) return Found::NoStore;
    if (error) {
        status = Fail(StoreOutcome::Failed, SystemError(path, "open", error.message()));
        return Found::Refused;
    }
    if (file.type() != std::filesystem::file_type::regular) {
        status = Fail(StoreOutcome::Foreign, path + " is not a cocktail database: it is not a file");
        return Found::Refused;
    }
    if (std::filesystem::file_size(paths::Native(path), error) == 0 && !error) return Found::NoStore;
    return OpenExisting(path, access, database, status);
}

// A complete empty store under a temporary name beside `path`.
StoreStatus BuildEmptyStore(const std::string& path, std::string& temporary) {
    platform::File file;
    if (!file.OpenTemporaryBeside(path, temporary) || !file.Close())
        return Fail(StoreOutcome::Failed, SystemError(path, "create", file.ErrorText()));
    try {
        auto database = Connect(temporary, SQLite::OPEN_READWRITE);
        SQLite::Transaction transaction(*database, SQLite::TransactionBehavior::IMMEDIATE);
        CreateTables(*database);
        transaction.commit();
        return StoreStatus::Ok();
    } catch (const std::exception& error) {
        return DatabaseFailure(path, error);
    }
}

// Still no store at `path`: missing, empty, or an SQLite file without any table.
bool StillNoStore(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(paths::Native(path), error);
    if (error) return !Exists(path);
    if (size == 0) return true;
    try {
        return CheckTables(*Connect(path, SQLite::OPEN_READONLY)) == TableCheck::None;
    } catch (const std::exception&) {
        return false;
    }
}

// Puts the built store at `path` unless another program put a store there meanwhile; the
// caller then opens whatever is there. A link never replaces a file: of two programs creating
// at once, one puts its store in place and both open that one, and the other never deletes
// the journal of a change the first has begun.
bool PutInPlace(const std::string& temporary, const std::string& path) {
    // A journal that was there before the missing store is left from a store deleted or never
    // made; beside the new store it would be taken for the store's own.
    if (Exists(path + kJournalSuffix) && !Exists(path)) platform::RemoveFile(path + kJournalSuffix);
    std::error_code error;
    std::filesystem::create_hard_link(paths::Native(temporary), paths::Native(path), error);
    if (!error || !StillNoStore(path)) return true;
    // An empty file, or a file system without links. Whatever journal the empty file has
    // describes nothing of the new store.
    platform::RemoveFile(path + kJournalSuffix);
    return platform::RenameOver(temporary, path);
}

StoreStatus Create(const std::string& path) {
    std::string temporary;
    StoreStatus status = BuildEmptyStore(path, temporary);
    if (status.ok() && !PutInPlace(temporary, path))
        status = Fail(StoreOutcome::Failed, SystemError(path, "create", "the new store cannot be put in place"));
    platform::RemoveFile(temporary);
    platform::RemoveFile(temporary + kJournalSuffix);
    return status;
}

}  // namespace

StoreStatus DatabaseFailure(const std::string& path, const std::exception& error) {
    const auto* sqlite = dynamic_cast<const SQLite::Exception*>(&error);
    switch (sqlite ? sqlite->getErrorCode() : SQLITE_ERROR) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return Fail(StoreOutcome::Busy, path + " is in use by another program");
        case SQLITE_CORRUPT:
            return Fail(StoreOutcome::Damaged, path + " is damaged (" + error.what() + ")");
        case SQLITE_NOTADB:
            return Fail(StoreOutcome::Foreign, path + " is not a cocktail database (" + error.what() + ")");
        default:
            return Fail(StoreOutcome::Failed, path + ": " + error.what());
    }
}

StoreStatus OpenDatabaseFile(const std::string& path, StoreAccess access, std::unique_ptr<SQLite::Database>& database) {
    for (int round = 0;; ++round) {
        StoreStatus status;
        switch (Examine(path, access, database, status)) {
            case Found::Store:
                return StoreStatus::Ok();
            case Found::Refused:
                return status;
            case Found::NoStore:
                break;
        }
        if (access == StoreAccess::Read) {
            const bool exists = Exists(path);
            return Fail(StoreOutcome::NotFound,
                        "no cocktail database: " + path + (exists ? " holds none yet" : " does not exist"));
        }
        if (round == kCreationRounds) return Fail(StoreOutcome::Busy, path + " is in use by another program");
        // Whoever made it, the store at `path` is then opened as any other.
        status = Create(path);
        if (!status.ok()) return status;
    }
}
