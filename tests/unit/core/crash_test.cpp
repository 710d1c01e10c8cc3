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

CocktailRecord Cocktail(const std::string& name, const std::string& howTo) {
    CocktailRecord record;
    std::tie(record.name, record.styleName, record.baseName, record.howTo) = std::tuple(name, "Short", "Gin", howTo);
    return record;
}

class KilledChange : public testing::Test {
protected:
    void SetUp() override {
        CBarvellaApp app;
        ASSERT_TRUE(CreateCocktailDatabase(dir.File("Barvella.mdb"), app.database));
        CocktailRecord old = Cocktail("Gimlet", "old method");
        ASSERT_TRUE(InsertCocktail(app, old, {{"Gin", "45ml"}, {"Lime", "15ml"}}));
    }

    // Runs `change` in a child process on its own connection, which dies at `trap`.
    void KillDuring(Trap trap, const std::function<void(CBarvellaApp&)>& change) {
        const pid_t child = ::fork();
        if (child == 0) {
            CBarvellaApp app;
            if (OpenCocktailDatabase(dir.File("Barvella.mdb"), app.database) != 0) ::_exit(2);
            sqlite3* db = app.database->getHandle();
            if (trap == Trap::SixthRowChange) sqlite3_update_hook(db, DieAtTheSixthChange, nullptr);
            if (trap == Trap::Commit) sqlite3_commit_hook(db, kDieAtTheCommit, nullptr);
            change(app);
            ::raise(SIGKILL);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    }

    // Gimlet's method and number of ingredients ("none" without a Gimlet), in a sound store
    // that holds no Martini.
    std::string Gimlet() {
        CBarvellaApp app;
        if (OpenCocktailDatabase(dir.File("Barvella.mdb"), app.database) != 0) return "no store";
        EXPECT_EQ(app.database->execAndGet("PRAGMA integrity_check").getString(), "ok");
        EXPECT_EQ(app.database->execAndGet("SELECT count(*) FROM TBL_COCKTAIL WHERE FLD_NAME = 'Martini'").getInt(), 0);
        CocktailRecord read;
        if (!ReadCocktail(*app.database, "Gimlet", read)) return "none";
        return read.howTo + " " + std::to_string(read.materials.size());
    }

    TempDirectory dir;
};

TEST_F(KilledChange, AChangeLeavesTheOldStateUntilItsCommitIsDone) {
    const auto edit = [](CBarvellaApp& app) {
        CocktailRecord edited = Cocktail("Gimlet", "new method");
        ReplaceCocktail(app, "Gimlet", edited, {{"Gin", "60ml"}});
    };
    const auto remove = [](CBarvellaApp& app) { DeleteCocktail(app, "Gimlet"); };
    const auto add = [](CBarvellaApp& app) {
        CocktailRecord other = Cocktail("Martini", "stir");
        InsertCocktail(app, other, {{"Gin", "45ml"}});
    };
    using Change = std::function<void(CBarvellaApp&)>;
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
