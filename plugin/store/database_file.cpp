#include "store/database_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>

#include "atomic_file.h"
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

std::string SystemError(const std::string& path, const char* doing) {
    return std::string("cannot ") + doing + " " + path + ": " + std::strerror(errno);
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
    struct stat file {};
    if (::stat(path.c_str(), &file) != 0) {
        if (errno == ENOENT) return Found::NoStore;
        status = Fail(StoreOutcome::Failed, SystemError(path, "open"));
        return Found::Refused;
    }
    if (!S_ISREG(file.st_mode)) {
        status = Fail(StoreOutcome::Foreign, path + " is not a cocktail database: it is not a file");
        return Found::Refused;
    }
    if (file.st_size == 0) return Found::NoStore;
    return OpenExisting(path, access, database, status);
}

// A complete empty store under a temporary name beside `path`, held by `fd` while it lives.
StoreStatus BuildEmptyStore(const std::string& path, std::string& temporary, int& fd) {
    fd = fileio::CreateHeldTemporary(path, temporary);
    if (fd < 0) return Fail(StoreOutcome::Failed, SystemError(path, "create"));
    fileio::RemoveStaleTemporaries(path, {kJournalSuffix});
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

// Still the file found empty (or without tables), now that it is held against other creators.
bool StillNoStore(const std::string& path, int heldFd) {
    struct stat held {
    }, current{};
    if (::fstat(heldFd, &held) != 0 || ::stat(path.c_str(), &current) != 0) return false;
    if (held.st_dev != current.st_dev || held.st_ino != current.st_ino) return false;
    if (current.st_size == 0) return true;
    try {
        return CheckTables(*Connect(path, SQLite::OPEN_READONLY)) == TableCheck::None;
    } catch (const std::exception&) {
        return false;
    }
}

// Puts the built store at `path` unless another program put something there first; the
// caller then opens whatever is there.
bool Publish(const std::string& path, const std::string& temporary) {
    if (::link(temporary.c_str(), path.c_str()) == 0) return true;
    if (errno != EEXIST) {
        // A file system without hard links: the existence test and the rename are two steps.
        return ::access(path.c_str(), F_OK) != 0 && ::rename(temporary.c_str(), path.c_str()) == 0;
    }
    // The file there holds no store yet: replace it, one creator at a time.
    const int existing = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (existing < 0) return false;
    bool replaced = false;
    if (::flock(existing, LOCK_EX) == 0 && StillNoStore(path, existing)) {
        // Whatever journal the empty file has describes nothing of the new store.
        ::unlink((path + kJournalSuffix).c_str());
        replaced = ::rename(temporary.c_str(), path.c_str()) == 0;
    }
    ::close(existing);
    return replaced;
}

StoreStatus Create(const std::string& path) {
    std::string temporary;
    int fd = -1;
    StoreStatus status = BuildEmptyStore(path, temporary, fd);
    if (status.ok() && !Publish(path, temporary) && ::access(path.c_str(), F_OK) != 0)
        status = Fail(StoreOutcome::Failed, SystemError(path, "create"));
    if (fd >= 0) {
        ::unlink(temporary.c_str());
        ::close(fd);
    }
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
            const bool exists = ::access(path.c_str(), F_OK) == 0;
            return Fail(StoreOutcome::NotFound,
                        "no cocktail database: " + path + (exists ? " holds none yet" : " does not exist"));
        }
        if (round == kCreationRounds) return Fail(StoreOutcome::Busy, path + " is in use by another program");
        // Whoever made it, the store at `path` is then opened as any other.
        status = Create(path);
        if (!status.ok()) return status;
    }
}
