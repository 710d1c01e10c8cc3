// A process killed in the middle of a change: the store stays sound and holds the cocktail
// as it was before or after, and the settings files are each old or new, never a mix.
#include <gtest/gtest.h>

#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include <SQLiteCpp/Database.h>

#include "core/settings.h"
#include "store/cocktail_store.h"
#include "test_support.h"

namespace {

using namespace testsupport;

// Where the child process dies: at the sixth row it changes (an edit has then removed the
// old rows and added the first new one), when SQLite starts to commit, or after the change.
enum class Trap { SixthRowChange, Commit, AfterChange };

void DieAtTheSixthChange(void*, int, const char*, const char*, sqlite3_int64) {
    static int changes = 0;
    if (++changes == 6) ::raise(SIGKILL);
}
constexpr auto kDieAtTheCommit = [](void*) { return ::raise(SIGKILL); };

// Every connection the child opens gets the child's trap.
Trap childTrap = Trap::AfterChange;
int SetTrap(sqlite3* db, const char**, const void*) {
    if (childTrap == Trap::SixthRowChange) sqlite3_update_hook(db, DieAtTheSixthChange, nullptr);
    if (childTrap == Trap::Commit) sqlite3_commit_hook(db, kDieAtTheCommit, nullptr);
    return SQLITE_OK;
}

CocktailRecord Cocktail(const std::string& name, const std::string& howTo, const MaterialMap& materials) {
    CocktailRecord record;
    std::tie(record.name, record.styleName, record.baseName, record.howTo, record.materials) =
        std::tuple(name, "Short", "Gin", howTo, materials);
    return record;
}

class KilledChange : public testing::Test {
protected:
    void SetUp() override {
        std::unique_ptr<CocktailStore> store;
        ASSERT_TRUE(CocktailStore::Open(dir.File("Barvella.mdb"), StoreAccess::Change, store).ok());
        CocktailRecord old = Cocktail("Gimlet", "old method", {{"Gin", "45ml"}, {"Lime", "15ml"}});
        ASSERT_TRUE(store->Insert(old).ok());
    }

    // Runs `change` in a child process on its own connection, which dies at `trap`.
    void KillDuring(Trap trap, const std::function<void(CocktailStore&)>& change) {
        const pid_t child = ::fork();
        if (child == 0) {
            childTrap = trap;
            sqlite3_auto_extension(reinterpret_cast<void (*)()>(SetTrap));
            std::unique_ptr<CocktailStore> store;
            if (!CocktailStore::Open(dir.File("Barvella.mdb"), StoreAccess::Change, store).ok()) ::_exit(2);
            change(*store);
            ::raise(SIGKILL);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    }

    // Gimlet's method and number of ingredients ("none" without a Gimlet), in a sound store
    // that holds no Martini. A reader that may not write opens it first: the journal a killed
    // change leaves is rolled back, not taken for damage.
    std::string Gimlet() {
        std::unique_ptr<CocktailStore> store;
        const StoreStatus opened = CocktailStore::Open(dir.File("Barvella.mdb"), StoreAccess::Read, store);
        if (!opened.ok()) return opened.reason;
        SQLite::Database raw(dir.File("Barvella.mdb"), SQLite::OPEN_READONLY);
        EXPECT_EQ(raw.execAndGet("PRAGMA integrity_check").getString(), "ok");
        EXPECT_EQ(raw.execAndGet("SELECT count(*) FROM TBL_COCKTAIL WHERE FLD_NAME = 'Martini'").getInt(), 0);
        CocktailRecord read;
        if (!store->ReadCocktail("Gimlet", read).ok()) return "none";
        return read.howTo + " " + std::to_string(read.materials.size());
    }

    TempDirectory dir;
};

TEST_F(KilledChange, AChangeLeavesTheOldStateUntilItsCommitIsDone) {
    // The memo is more than SQLite's page cache holds: pages reach the file before the commit,
    // so a kill there leaves a journal that must be rolled back.
    const auto edit = [](CocktailStore& store) {
        CocktailRecord edited = Cocktail("Gimlet", "new method", {{"Gin", "60ml"}});
        edited.memo.assign(4 << 20, 'x');
        static_cast<void>(store.Replace("Gimlet", edited));
    };
    const auto remove = [](CocktailStore& store) { static_cast<void>(store.Delete("Gimlet")); };
    const auto add = [](CocktailStore& store) {
        CocktailRecord other = Cocktail("Martini", "stir", {{"Gin", "45ml"}});
        static_cast<void>(store.Insert(other));
    };
    using Change = std::function<void(CocktailStore&)>;
    for (const auto& [trap, change, after] : {std::tuple<Trap, Change, std::string>{Trap::Commit, add, "old method 2"},
                                              {Trap::SixthRowChange, edit, "old method 2"},
                                              {Trap::Commit, edit, "old method 2"},
                                              {Trap::Commit, remove, "old method 2"},
                                              {Trap::AfterChange, edit, "new method 1"},
                                              {Trap::AfterChange, remove, "none"}}) {
        KillDuring(trap, change);
        EXPECT_EQ(Gimlet(), after);
    }
}

TEST_F(KilledChange, AKilledCreationLeavesNoStoreAndTheNextOpenMakesAWholeOne) {
    std::filesystem::remove(dir.File("Barvella.mdb"));
    KillDuring(Trap::Commit, [](CocktailStore&) {});
    EXPECT_FALSE(std::filesystem::exists(dir.File("Barvella.mdb")));
    std::unique_ptr<CocktailStore> store;
    ASSERT_TRUE(CocktailStore::Open(dir.File("Barvella.mdb"), StoreAccess::Change, store).ok());
    EXPECT_EQ(Gimlet(), "none");
}

TEST(KilledSettingsSave, EachFileIsTheOldOrTheNewWhereverTheSaveIsKilled) {
    TempDirectory dir;
    PluginSettings first, second;
    first.title.windowTitle = first.topComment = "first";
    second.title.windowTitle = second.topComment = "second";
    ASSERT_TRUE(SaveSettings(dir.path, first));
    const std::size_t firstSize = ReadFile(dir.File("Barvella.ini")).size();
    // The child saves the two versions in turn until it is killed; the parent kills it once
    // the second version has arrived, at whatever point the next save then is.
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        for (int round = 0;; ++round) {
            SaveSettings(dir.path, round % 2 == 0 ? second : first);
            if (round == 0) static_cast<void>(::write(ends[1], "x", 1));
        }
    }
    char seen = 0;
    ASSERT_EQ(::read(ends[0], &seen, 1), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ends[0]);
    ::close(ends[1]);

    PluginSettings loaded;
    ASSERT_TRUE(LoadSettings(dir.path, loaded));
    const bool isSecond = loaded.title.windowTitle == "second";
    EXPECT_TRUE(isSecond || loaded.title.windowTitle == "first");
    EXPECT_TRUE(loaded.topComment == "first" || loaded.topComment == "second");
    EXPECT_EQ(ReadFile(dir.File("Barvella.ini")).size(), firstSize + (isSecond ? 1 : 0));
}

}  // namespace
