// The one way into Barvella.mdb. Every value is bound as a parameter and every name
// comparison uses the name collation, so any CP932 name (apostrophes included) works.
// Every call answers with its own status; a call that fails leaves its output as it was.
// Every change is one transaction (or part of the batch that is open), and the name lists
// follow the tables only once a change is committed. Nothing here shows a message.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Transaction.h>

#include "store/cocktail_record.h"
#include "store/store_status.h"

enum class StoreAccess {
    Read,    // the file must exist; nothing is ever written but a crash's journal rolled back
    Change,  // created, complete and empty, when missing or holding no database yet
};

class CocktailStore {
public:
    // Opens `path` and loads the name lists. A file that is empty, or an SQLite file without
    // any table, counts as no database yet; a damaged or foreign file is refused and left as
    // it is.
    static StoreStatus Open(const std::string& path, StoreAccess access, std::unique_ptr<CocktailStore>& store);

    CocktailStore(const CocktailStore&) = delete;
    CocktailStore& operator=(const CocktailStore&) = delete;
    ~CocktailStore();

    // The name tables in ascending FLD_INDEX, as the record and search dialogs offer them.
    const std::vector<std::string>& BaseNames() const { return m_baseNames; }
    const std::vector<std::string>& StyleNames() const { return m_styleNames; }
    const std::vector<std::string>& MasterNames() const { return m_masterNames; }

    // The first cocktail of a matching name with its base, style, author and ingredients.
    // NotFound when there is none, or when its base or style (or author, when it has one) is
    // missing or it has no ingredient.
    StoreStatus ReadCocktail(const std::string& name, CocktailRecord& record);
    StoreStatus ContainsCocktail(const std::string& name, bool& contained);
    // Every distinct ingredient name (names that match count once), in name order.
    StoreStatus ReadMaterialNames(std::vector<std::string>& names);
    // Every cocktail name as stored, in no particular order.
    StoreStatus ReadCocktailNames(std::vector<std::string>& names);

    // Everything, in one read transaction: a change committed meanwhile is wholly in or out.
    StoreStatus ReadSnapshot(StoreSnapshot& snapshot);
    // Every cocktail in ascending FLD_INDEX with its ingredients, one at a time, in one read
    // transaction, so that memory holds one cocktail. A cocktail a single read would refuse
    // ends the walk as Failed; so does `visit` answering false, with its reason.
    using CocktailVisitor = std::function<bool(const CocktailRecord&, std::string& reason)>;
    StoreStatus VisitCocktails(const CocktailVisitor& visit);
    // The list rows of the cocktails that meet `conditions`, in one read.
    StoreStatus VisitListRows(const SearchConditions& conditions, const std::function<void(const ListRow&)>& visit);

    // Stores `record` with record.materials as a new cocktail, adding base, style and author
    // rows for new names. On success its index, baseIndex, styleIndex and (with an author)
    // masterIndex hold the stored numbers. Text over the store's limits is Refused before
    // anything is stored.
    StoreStatus Insert(CocktailRecord& record);
    // Deletes the cocktail, its ingredients, and its base, style and author when no other
    // cocktail refers to them.
    StoreStatus Delete(const std::string& name);
    // The edit: deletes `oldName` and stores `record` in one transaction; the stored cocktail
    // gets a new FLD_INDEX.
    StoreStatus Replace(const std::string& oldName, CocktailRecord& record);

    // Many changes as one: while a batch is open every change joins its transaction, and
    // nothing of them stays unless the batch commits. A change that fails inside a batch may
    // have done part of its work: the batch is then only fit to be rolled back.
    class Batch {
    public:
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        ~Batch();  // rolls back unless committed
        StoreStatus Commit();

    private:
        friend class CocktailStore;
        explicit Batch(CocktailStore& store);
        CocktailStore& m_store;
        SQLite::Transaction m_transaction;
        bool m_committed = false;
    };
    // Takes the write lock at once, so a busy store is found before anything is read.
    StoreStatus BeginBatch(std::unique_ptr<Batch>& batch);

private:
    struct NameChanges;
    CocktailStore(std::unique_ptr<SQLite::Database> database, std::string path);
    StoreStatus LoadNameLists();
    // Runs `change` in its own transaction or the open batch; `change` answers false when the
    // cocktail `name` is not there to change.
    StoreStatus Change(const std::string& name, const std::function<bool(NameChanges&)>& change);
    void ApplyNameChanges(const NameChanges& changes);
    StoreStatus Failure(const std::exception& error) const;

    std::unique_ptr<SQLite::Database> m_database;
    std::string m_path;
    std::vector<std::string> m_baseNames, m_styleNames, m_masterNames;
    // The open batch's name changes, applied when it commits.
    std::unique_ptr<NameChanges> m_batchChanges;
};
