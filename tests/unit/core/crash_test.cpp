// A process killed in the middle of a change: the store stays sound and holds the cocktail
// as it was before or after, and the settings files are each old or new, never a mix.
#include <gtest/gtest.h>

#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "core/barvella_app.h"
#include "core/cocktail_database.h"
#include "core/schema.h"
#include "core/settings.h"
#include "core_test_support.h"

namespace {

using coretest::ReadFile;
using coretest::TempDirectory;

CocktailRecord Cocktail(const std::string& name, const std::string& howTo) {
    return {.name = name,
            .styleName = "Short",
            .baseName = "Gin",
            .howTo = howTo,
            .memo = "",
            .picture = "",
            .masterName = "",
            .materials = {}};
}

// Runs `work` in a child process on its own connection to the store; the child dies by
// SIGKILL wherever `arm` sets the trap. Answers whether it was killed.
bool KilledChild(const std::string& directory, const std::function<void(sqlite3*)>& arm,
                 const std::function<void(CBarvellaApp&)>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        CBarvellaApp app;
        if (OpenCocktailDatabase(directory + "/Barvella.mdb", app.database) != 0) ::_exit(2);
        arm(app.database->getHandle());
        work(app);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

void Die() {
    ::kill(::getpid(), SIGKILL);
}

class KilledChange : public testing::Test {
protected:
    void SetUp() override {
        CBarvellaApp app;
        ASSERT_TRUE(CreateCocktailDatabase(dir.File("Barvella.mdb"), app.database));
        CocktailRecord old = Cocktail("Gimlet", "old method");
        ASSERT_TRUE(InsertCocktail(app, old, {{"Gin", "45ml"}, {"Lime", "15ml"}}));
    }

    // The store after the child died: sound, with Gimlet as `howTo` gives it (empty: gone).
    void ExpectStore(const std::string& howTo) {
        CBarvellaApp app;
        ASSERT_EQ(OpenCocktailDatabase(dir.File("Barvella.mdb"), app.database), 0);
        EXPECT_EQ(app.database->execAndGet("PRAGMA integrity_check").getString(), "ok");
        CocktailRecord read;
        if (howTo.empty()) {
            int index = 0;
            EXPECT_FALSE(FindCocktailIndex(*app.database, "Gimlet", index));
            EXPECT_EQ(app.database->execAndGet("SELECT count(*) FROM TBL_MATERIAL").getInt(), 0);
            return;
        }
        ASSERT_TRUE(ReadCocktail(*app.database, "Gimlet", read));
        EXPECT_EQ(read.howTo, howTo);
        EXPECT_EQ(read.materials.size(), howTo == "old method" ? 2u : 1u);
    }

    TempDirectory dir;
};

const std::function<void(CBarvellaApp&)> kEdit = [](CBarvellaApp& app) {
    CocktailRecord edited = Cocktail("Gimlet", "new method");
    ReplaceCocktail(app, "Gimlet", edited, {{"Gin", "60ml"}});
};

TEST_F(KilledChange, AnEditKilledHalfWayOrAtItsCommitLeavesTheOldCocktailAndAfterItTheNew) {
    // After the old rows are gone and the first new one is in (the sixth row changed).
    ASSERT_TRUE(KilledChild(
        dir.path,
        [](sqlite3* db) {
            static int changes = 0;
            sqlite3_update_hook(
                db,
                [](void*, int, const char*, const char*, sqlite3_int64) {
                    if (++changes == 6) Die();
                },
                nullptr);
        },
        kEdit));
    ExpectStore("old method");
    ASSERT_TRUE(KilledChild(
        dir.path,
        [](sqlite3* db) {
            sqlite3_commit_hook(
                db,
                [](void*) {
                    Die();
                    return 0;
                },
                nullptr);
        },
        kEdit));
    ExpectStore("old method");
    ASSERT_TRUE(KilledChild(
        dir.path, [](sqlite3*) {},
        [](CBarvellaApp& app) {
            kEdit(app);
            Die();
        }));
    ExpectStore("new method");
}

TEST_F(KilledChange, AnInsertOrADeleteKilledAtItsCommitChangesNothing) {
    ASSERT_TRUE(KilledChild(
        dir.path,
        [](sqlite3* db) {
            sqlite3_commit_hook(
                db,
                [](void*) {
                    Die();
                    return 0;
                },
                nullptr);
        },
        [](CBarvellaApp& app) {
            CocktailRecord other = Cocktail("Martini", "stir");
            InsertCocktail(app, other, {{"Gin", "45ml"}});
        }));
    ExpectStore("old method");
    CBarvellaApp app;
    ASSERT_EQ(OpenCocktailDatabase(dir.File("Barvella.mdb"), app.database), 0);
    int index = 0;
    EXPECT_FALSE(FindCocktailIndex(*app.database, "Martini", index));
    CloseCocktailDatabase(app.database);

    ASSERT_TRUE(KilledChild(
        dir.path,
        [](sqlite3* db) {
            sqlite3_commit_hook(
                db,
                [](void*) {
                    Die();
                    return 0;
                },
                nullptr);
        },
        [](CBarvellaApp& app) { DeleteCocktail(app, "Gimlet"); }));
    ExpectStore("old method");
    ASSERT_TRUE(KilledChild(
        dir.path, [](sqlite3*) {},
        [](CBarvellaApp& app) {
            DeleteCocktail(app, "Gimlet");
            Die();
        }));
    ExpectStore("");
}

TEST(KilledSettingsSave, EachFileIsTheOldOrTheNewWhereverTheSaveIsKilled) {
    TempDirectory dir;
    PluginSettings first, second;
    first.title.windowTitle = "first";
    first.topComment = "first comment";
    second.title.windowTitle = "second";
    second.topComment = "second comment";
    ASSERT_TRUE(SaveSettings(dir.path, first));
    const std::size_t firstSize = ReadFile(dir.File("Barvella.ini")).size();
    // The child saves the two versions in turn until it is killed; the parent kills it once
    // it has seen the second version arrive, at whatever point the save then is.
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        for (int round = 0;; ++round) {
            SaveSettings(dir.path, round % 2 == 0 ? second : first);
            if (round == 0) static_cast<void>(::write(pipeEnds[1], "x", 1));
        }
    }
    char seen = 0;
    ASSERT_EQ(::read(pipeEnds[0], &seen, 1), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);

    PluginSettings loaded;
    ASSERT_TRUE(LoadSettings(dir.path, loaded));
    EXPECT_TRUE(loaded.title.windowTitle == "first" || loaded.title.windowTitle == "second");
    EXPECT_TRUE(loaded.topComment == "first comment" || loaded.topComment == "second comment");
    EXPECT_EQ(ReadFile(dir.File("Barvella.ini")).size(), firstSize + (loaded.title.windowTitle == "second" ? 1 : 0));
}

}  // namespace
