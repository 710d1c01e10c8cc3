#include <gtest/gtest.h>

#include <tuple>

#include <SQLiteCpp/Database.h>
#include <sqlite3.h>

#include "cp932.h"
#include "store/cocktail_store.h"
#include "store/schema.h"
#include "test_support.h"

namespace {

using namespace testsupport;
using Names = std::vector<std::string>;

CocktailRecord Cocktail(const std::string& name, const std::string& base, const std::string& style,
                        const std::string& master = "") {
    CocktailRecord record;
    std::tie(record.name, record.baseName, record.styleName, record.masterName) = std::tie(name, base, style, master);
    std::tie(record.initial, record.strong, record.taste, record.howTo, record.memo) =
        std::tuple(6, 2, 1, Sjis("シェイクする"), "memo");
    return record;
}

// What a read gives back (the author's number counts only with an author).
auto Fields(const CocktailRecord& r) {
    return std::tie(r.index, r.name, r.initial, r.strong, r.taste, r.styleIndex, r.styleName, r.baseIndex, r.baseName,
                    r.howTo, r.memo, r.picture, r.masterName, r.materials);
}

std::unique_ptr<CocktailStore> OpenStore(const std::string& path, StoreAccess access = StoreAccess::Change) {
    std::unique_ptr<CocktailStore> store;
    const StoreStatus status = CocktailStore::Open(path, access, store);
    EXPECT_TRUE(status.ok()) << status.reason;
    return store;
}

class Store : public ::testing::Test {
protected:
    // A connection of the test's own, for what the store does not offer.
    SQLite::Database& db() { return raw; }

    std::string Rows() {  // a digit each: cocktails, bases, styles, authors, ingredients
        return db().execAndGet(
            "SELECT (SELECT count(*) FROM TBL_COCKTAIL) || (SELECT count(*) FROM TBL_BASE) || (SELECT count(*) "
            "FROM TBL_STYLE) || (SELECT count(*) FROM TBL_MASTER) || (SELECT count(*) FROM TBL_MATERIAL)");
    }
    std::vector<Names> Lists() { return {store->BaseNames(), store->StyleNames(), store->MasterNames()}; }
    using Snapshot = std::pair<std::string, std::vector<Names>>;
    Snapshot State() { return {Rows(), Lists()}; }

    StoreStatus Add(CocktailRecord record, const MaterialMap& materials = {{"lime", "10ml"}}) {
        record.materials = materials;
        return store->Insert(record);
    }
    bool Read(const std::string& name, CocktailRecord& record) { return store->ReadCocktail(name, record).ok(); }
    bool Contains(const std::string& name) {
        bool contained = false;
        EXPECT_TRUE(store->ContainsCocktail(name, contained).ok());
        return contained;
    }

    TempDirectory dir;
    std::string path = dir.File("Barvella.mdb");
    std::unique_ptr<CocktailStore> store = OpenStore(path);
    SQLite::Database raw{path, SQLite::OPEN_READWRITE};
};

TEST_F(Store, AnEmptyFileIsNoStoreYetAndAStoreMadeByAnotherToolIsUsedOrRefusedAsItIs) {
    const std::string other = dir.File("other.mdb");
    std::unique_ptr<CocktailStore> opened;
    const auto make = [&](const char* sql) {
        SQLite::Database(other, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE).exec(sql);
        return ReadFile(other);
    };
    // What an interrupted creation leaves: 0 bytes, or an SQLite file without any table.
    for (const char* nothing : {"", "PRAGMA user_version = 7"}) {
        make(nothing);
        EXPECT_EQ(CocktailStore::Open(other, StoreAccess::Read, opened).outcome, StoreOutcome::NotFound);
        ASSERT_TRUE(CocktailStore::Open(other, StoreAccess::Change, opened).ok()) << nothing;
        opened.reset();  // an open file cannot be removed on Windows
        std::filesystem::remove(other);
    }
    std::string before = make(
        "CREATE TABLE tbl_cocktail (FLD_INDEX); CREATE TABLE TBL_STYLE (FLD_INDEX, FLD_NAME);"
        "CREATE TABLE TBL_MASTER (FLD_INDEX, FLD_NAME);"
        "CREATE TABLE TBL_BASE (FLD_INDEX INTEGER PRIMARY KEY, FLD_NAME TEXT); INSERT INTO TBL_BASE VALUES (7, 'Gin')");
    for (StoreAccess access : {StoreAccess::Read, StoreAccess::Change}) {
        const StoreStatus refused = CocktailStore::Open(other, access, opened);
        EXPECT_EQ(refused.outcome, StoreOutcome::Foreign) << "TBL_MATERIAL is missing";
        EXPECT_EQ(refused.reason, other + " is not a cocktail database: it lacks some of its tables");
        EXPECT_EQ(ReadFile(other), before);
    }

    before = make("CREATE TABLE TBL_MATERIAL (FLD_COCKTAIL)");
    opened = OpenStore(other);
    EXPECT_EQ(opened->BaseNames(), Names{"Gin"});
    opened.reset();
    EXPECT_EQ(ReadFile(other), before);
}

TEST_F(Store, InsertingAddsRowsOnlyForNamesNewWhateverTheirCaseAndAReadKeepsNothingOfBefore) {
    const MaterialMap materials = {{"Gin", "45ml"}, {Sjis("ライム"), "15ml"}};
    CocktailRecord record = Cocktail("Gimlet", "Gin", "Short"), sameBase = Cocktail("Rickey", "GIN", "Long", "ann");
    record.materials = materials;
    sameBase.materials = {{"soda", "up"}, {"GIN", "1"}};
    ASSERT_TRUE(store->Insert(record).ok());
    ASSERT_TRUE(store->Insert(sameBase).ok());
    EXPECT_EQ(sameBase.baseIndex, record.baseIndex);
    EXPECT_EQ(State(), (Snapshot("21214", {{"Gin"}, {"Short", "Long"}, {"ann"}})));
    EXPECT_TRUE(db().execAndGet("SELECT FLD_MASTER FROM TBL_COCKTAIL WHERE FLD_NAME = 'Gimlet'").isNull());

    CocktailRecord read = sameBase;
    read.materials = {{"stale", "1"}};
    ASSERT_TRUE(Read("gimlet", read));
    EXPECT_EQ(Fields(read), Fields(record));

    Names ingredients{"replaced"};
    ASSERT_TRUE(store->ReadMaterialNames(ingredients).ok());
    ASSERT_EQ(ingredients.size(), 3u) << "each ingredient once, whatever the case of its letters";
    EXPECT_EQ(cp932::CompareNames(ingredients[0], "gin"), 0);
    EXPECT_EQ((Names{ingredients[1], ingredients[2]}), (Names{"soda", Sjis("ライム")}));

    ASSERT_TRUE(Add(Cocktail("Empty", "Gin", "Short"), {}).ok());
    EXPECT_EQ(store->ReadCocktail("Empty", read).outcome, StoreOutcome::NotFound)
        << "a cocktail is read through its ingredients";
}

TEST_F(Store, DeletingRemovesNamesThatNoCocktailUsesAnyMoreInOneTransaction) {
    for (const auto& record : {Cocktail("Daiquiri", "Rum", "Short", "Ann"), Cocktail("Mojito", "Rum", "Long"),
                               Cocktail("Gimlet", "Gin", "Short", "Bob")})
        ASSERT_TRUE(Add(record).ok());

    ASSERT_TRUE(store->Delete("mojito").ok());
    EXPECT_EQ(State(), (Snapshot("22122", {{"Rum", "Gin"}, {"Short"}, {"Ann", "Bob"}})))
        << "no author deleted for a cocktail without one";
    ASSERT_TRUE(store->Delete("Daiquiri").ok());
    // A failing call says why itself, not what an earlier one said.
    const StoreStatus again = store->Delete("Daiquiri");
    EXPECT_EQ(std::tuple(again.outcome, again.reason),
              std::tuple(StoreOutcome::NotFound, "no readable cocktail named \"Daiquiri\" is stored"));
    const auto left = Snapshot("11111", {{"Gin"}, {"Short"}, {"Bob"}});  // Gimlet keeps the style
    EXPECT_EQ(State(), left);

    // The last step of a delete fails, after the base and the author rows were taken out.
    db().exec("CREATE TRIGGER refuse BEFORE DELETE ON TBL_STYLE BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const StoreStatus refused = store->Delete("Gimlet");
    EXPECT_EQ(refused.reason, path + ": refused");
    EXPECT_EQ(State(), left);
}

TEST_F(Store, AnEditReplacesTheCocktailAndAFailedEditKeepsItAndTheLists) {
    for (const auto& record : {Cocktail("Daiquiri", "Rum", "Short", "Ann"), Cocktail("Gimlet", "Gin", "Short")})
        ASSERT_TRUE(Add(record).ok());
    CocktailRecord edited = Cocktail("Frozen Daiquiri", "Rum", "Frozen");
    edited.materials = {{"rum", "45ml"}, {"sugar", "1tsp"}};
    ASSERT_TRUE(store->Replace("daiquiri", edited).ok());
    // The base row was made anew.
    EXPECT_EQ(State(), (Snapshot("22203", {{"Gin", "Rum"}, {"Short", "Frozen"}, {}})));

    // Everything an edit could change, as stored and as listed.
    const auto state = [&] {
        CocktailRecord stored;
        EXPECT_TRUE(Read("Frozen Daiquiri", stored));
        return std::tuple(stored.index, stored.baseIndex, stored.styleIndex, stored.masterName, stored.materials,
                          State());
    };
    const auto before = state();
    EXPECT_EQ(std::get<4>(before), edited.materials);
    // Refused by the tables once the old rows are gone and new names are added, or before
    // anything changes; the style is numbered past the 16 bits that FLD_STYLE holds.
    CocktailRecord noMethod = Cocktail("Daiquiri", "Rum", "Short", "Bob"), newStyle = Cocktail("D", "Rum", "Highball"),
                   longAuthor = Cocktail("Daiquiri", "Rum", "Short", std::string(256, 'A'));
    noMethod.howTo.clear();
    db().exec("UPDATE sqlite_sequence SET seq = 32767 WHERE name = 'TBL_STYLE'");
    for (CocktailRecord* record : {&noMethod, &newStyle, &longAuthor}) {
        record->materials = {{"rum", "1"}};
        EXPECT_FALSE(store->Replace("Frozen Daiquiri", *record).ok()) << record->name;
        EXPECT_TRUE(state() == before) << record->name;
    }
    EXPECT_EQ(store->Replace("Frozen Daiquiri", longAuthor).reason, "a text is longer than 255 bytes");
    EXPECT_EQ(store->Replace("Nothing", edited).outcome, StoreOutcome::NotFound);
}

TEST_F(Store, NamesWithApostrophesMatchRegardlessOfAsciiCaseButNeverFoldATrailByte) {
    const std::string a = Sjis("ア"), dji = Sjis("ヂ");  // 0x83 0x41 and 0x83 0x61
    const std::string name = "Planter's Punch & Co", ingredient = "Angostura's \"bitters\" & more";
    CocktailRecord record = Cocktail(name, "Myers's Rum", "On the 'Rocks'", "O'Neil & Sons");
    record.materials = {{ingredient, "2 dash'"}};
    ASSERT_TRUE(store->Insert(record).ok());
    ASSERT_TRUE(Add(Cocktail(a + "Gin Fizz", a, "long")).ok());

    // A lone lead byte matches nothing.
    EXPECT_FALSE(Contains(dji + "Gin Fizz") || Contains("\x83"));
    EXPECT_TRUE(Contains("PLANTER'S PUNCH & CO") && Contains(a + "gIN fIZZ"));
    CocktailRecord read;
    ASSERT_TRUE(Read(name, read));
    EXPECT_EQ(Fields(read), Fields(record));

    ASSERT_TRUE(Add(Cocktail("Other", dji, "Long")).ok());
    ASSERT_TRUE(store->Delete(name).ok());
    EXPECT_EQ(Lists(), (std::vector<Names>{{a, dji}, {"long"}, {}}));
}

TEST_F(Store, AStoreHeldByAnotherProgramIsReportedAsInUseAndNothingIsStored) {
    db().exec("BEGIN EXCLUSIVE");
    // Busy, never damaged: a change, and an open as export and generate make it.
    std::unique_ptr<CocktailStore> reader;
    for (const StoreStatus& busy :
         {Add(Cocktail("Gimlet", "Gin", "Short")), CocktailStore::Open(path, StoreAccess::Read, reader)})
        EXPECT_EQ(std::tuple(busy.outcome, busy.reason),
                  std::tuple(StoreOutcome::Busy, path + " is in use by another program"));
    db().exec("ROLLBACK");
    EXPECT_EQ(State(), (Snapshot("00000", {{}, {}, {}})));
}

// Another program's edit, tried as each statement of a reader starts: it renumbers the
// cocktails as deleting and re-inserting them does. A read that holds the store keeps it out.
sqlite3* outsideEditor = nullptr;
int outsideEdits = 0;
int EditAtEachStatement(unsigned, void*, void*, void*) {
    outsideEdits += sqlite3_exec(outsideEditor,
                                 "BEGIN IMMEDIATE; UPDATE TBL_COCKTAIL SET FLD_INDEX = FLD_INDEX + 100;"
                                 "UPDATE TBL_MATERIAL SET FLD_COCKTAIL = FLD_COCKTAIL + 100; COMMIT",
                                 nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_exec(outsideEditor, "ROLLBACK", nullptr, nullptr, nullptr);  // a commit the reader held off
    return 0;
}
int TraceStatements(sqlite3* connection, const char**, const void*) {
    return sqlite3_trace_v2(connection, SQLITE_TRACE_STMT, EditAtEachStatement, nullptr);
}

TEST_F(Store, BulkReadsSeeAnEditCommittedMeanwhileWhollyOrNotAtAll) {
    for (const auto& record : {Cocktail("Daiquiri", "Rum", "Short"), Cocktail("Gimlet", "Gin", "Short")})
        ASSERT_TRUE(Add(record).ok());
    outsideEditor = db().getHandle();
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(TraceStatements));
    const auto reader = OpenStore(path, StoreAccess::Read);
    sqlite3_reset_auto_extension();
    StoreSnapshot snapshot;
    EXPECT_TRUE(reader->ReadSnapshot(snapshot).ok());
    Names read;
    for (const StoredCocktail& cocktail : snapshot.cocktails) read.push_back(cocktail.readable ? cocktail.name : "-");
    const auto visit = [&](const CocktailRecord& record, std::string&) { return read.push_back(record.name), true; };
    EXPECT_TRUE(reader->VisitCocktails(visit).ok());
    EXPECT_EQ(read, (Names{"Daiquiri", "Gimlet", "Daiquiri", "Gimlet"}));
    EXPECT_GE(outsideEdits, 2) << "each read began after an edit";
}

}  // namespace
