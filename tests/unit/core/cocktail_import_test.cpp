#include <gtest/gtest.h>

#include <SQLiteCpp/Database.h>

#include "core/barvella_app.h"
#include "core/cocktail_transfer.h"
#include "core/startup.h"
#include "platform/workspace_lock.h"
#include "test_support.h"

namespace {

using namespace testsupport;
using Names = std::vector<std::string>;
using Refusals = std::vector<std::pair<int, std::string>>;

const std::string kFields = "name,initial,base,style,strength,taste,author,ingredient,quantity,method,memo,picture";

Refusals Lines(const std::vector<LineRefusal>& refusals) {
    Refusals lines;
    for (const auto& refusal : refusals) lines.emplace_back(refusal.line, refusal.reason);
    return lines;
}

TEST(CocktailFile, ReadsCocktailsAndRefusesEveryFaultyLineWithItsReason) {
    const CocktailFile file = ReadCocktailFile(
        "\xEF\xBB\xBF" + kFields + "\n" +
            "マティーニ,M,ジン,ショート,1,0,,ドライ・ジン,45 ml,\"ステアして、\r\nグラスに注ぐ\",王様,\n"
            "マティーニ,M,ジン,ショート,1,0,,ドライ・ベルモット,15 ml,\"ステアして、\r\nグラスに注ぐ\",王様,\n"
            "ギムレット,G,ジン,ショート,1,1,,ライム,15 ml,シェーク\n"
            ",G,ジン,ショート,1,1,,ライム,15 ml,シェーク,,\n"
            "ギブソン,g,ジン,ショート,1,1,,オニオン,1 個,ステア,,\n"
            "ギブソン,G,ジン,ショート,5,1,,オニオン,1 個,ステア,,\n"
            "ギブソン,G,ジン,ショート,1,甘,,オニオン,1 個,ステア,,\n"
            "Piña Colada,P,ラム,ロング,3,3,,パイナップル,80 ml,シェーク,,\n" +
            std::string(256, 'L') +
            ",L,ジン,ショート,1,1,,ライム,15 ml,シェーク,,\n"
            "サイドカー,S,ブランデー,ショート,1,2,,ブランデー,30 ml,シェーク,,\n"
            "サイドカー,S,ブランデー,ショート,2,2,,レモン,15 ml,シェーク,,\n"
            "サイドカー,S,ブランデー,ショート,1,2,,ブランデー,10 ml,シェーク,,\n"
            "ギブソン,G,ジン,ショート,1,1,,オニオン,1 個,ステア,,\n"
            "マティーニ,M,ジン,ショート,1,0,,ドライ・ジン,45 ml,ステア,,\n\n"
            "\"open,M",
        FileEncoding::Utf8);
    EXPECT_EQ(Lines(file.refusals), (Refusals{{6, "expected 12 fields, found 10"},
                                              {7, "name is missing"},
                                              {8, "unknown initial \"g\": a letter A to Z"},
                                              {9, "unknown strength \"5\": 0 (strongest) to 4 (weakest)"},
                                              {10, "unknown taste \"甘\": 0 (driest) to 4 (sweetest)"},
                                              {11, "name holds a character that CP932 cannot represent"},
                                              {12, "name is longer than 255 bytes"},
                                              {14, "strength differs from the cocktail's row on line 13"},
                                              {15, "ingredient \"ブランデー\" is twice in the cocktail"},
                                              {17, "cocktail \"マティーニ\" is twice in the file (first on line 2)"},
                                              {19, "a quoted field is not closed"}}));
    ASSERT_EQ(file.cocktails.size(), 3u) << "the Gibson row on line 16 is sound";
    const CocktailRecord& m = file.cocktails[0].record;
    EXPECT_EQ((std::tuple(m.name, m.baseName, m.styleName, m.howTo, m.memo, m.masterName, m.initial, m.strong, m.taste,
                          m.materials)),
              (std::tuple(Sjis("マティーニ"), Sjis("ジン"), Sjis("ショート"), Sjis("ステアして、\r\nグラスに注ぐ"),
                          Sjis("王様"), "", 12, 1, 0,
                          MaterialMap{{Sjis("ドライ・ジン"), "45 ml"}, {Sjis("ドライ・ベルモット"), "15 ml"}})));
    EXPECT_EQ(Lines(ReadCocktailFile("name,initial\n", FileEncoding::Utf8).refusals),
              (Refusals{{1, "the first line must be the header " + kFields}}));
    EXPECT_EQ(Lines(ReadCocktailFile(kFields + "\n" + "\x81\x20,S,a,b,1,1,,c,d,e,,", FileEncoding::Cp932).refusals),
              (Refusals{{2, "name is not CP932 text"}}));
}

class Import : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CocktailStore::Open(dir.File("Barvella.mdb"), StoreAccess::Change, store).ok());
    }
    static std::vector<FileCocktail> Cocktails(const std::string& rows) {
        CocktailFile file = ReadCocktailFile(kFields + "\n" + rows, FileEncoding::Utf8);
        EXPECT_TRUE(file.refusals.empty());
        return file.cocktails;
    }
    int Stored() { return Raw().execAndGet("SELECT count(*) FROM TBL_COCKTAIL").getInt(); }
    std::vector<Names> Lists() { return {store->BaseNames(), store->StyleNames(), store->MasterNames()}; }
    SQLite::Database Raw() { return SQLite::Database(dir.File("Barvella.mdb"), SQLite::OPEN_READWRITE); }

    TempDirectory dir;
    std::unique_ptr<CocktailStore> store;
};

TEST_F(Import, AddsEveryCocktailOrNoneAndKeepsTheNameListsInStep) {
    ImportResult result =
        ImportCocktails(*store, Cocktails("Gimlet,G,ジン,ショート,1,1,,ライム,15 ml,シェーク,,\n"), false);
    ASSERT_EQ(result.outcome, ImportOutcome::Stored) << result.failure;

    // The first cocktail is stored with a new author, base and style before the later ones are refused.
    const auto more = Cocktails(
        "ネグローニ,N,ラム,ロック,1,2,カミーロ,カンパリ,30 ml,ビルド,,\n"
        "ダイキリ,D,ラム,ショート,1,1,,ライム,15 ml,シェーク,,\n"
        "GIMLET,G,ジン,ショート,1,1,,ライム,15 ml,シェーク,,\n");
    Raw().exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON TBL_COCKTAIL WHEN NEW.FLD_INITIAL = 3 "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    result = ImportCocktails(*store, more, false);
    EXPECT_EQ(Lines(result.refusals),
              (Refusals{{3, "cocktail \"ダイキリ\" cannot be stored: " + dir.File("Barvella.mdb") + ": refused"},
                        {4, "cocktail \"GIMLET\" is already stored"}}));
    EXPECT_EQ(std::tuple(result.outcome, Stored(), Lists()),
              std::tuple(ImportOutcome::Refused, 1, std::vector<Names>{{Sjis("ジン")}, {Sjis("ショート")}, {}}));

    Raw().exec("DROP TRIGGER refuse");
    result = ImportCocktails(*store, more, true);
    ASSERT_EQ(result.outcome, ImportOutcome::Stored) << result.failure;
    EXPECT_EQ(std::tuple(result.stored, result.skipped, Stored(), store->MasterNames()),
              std::tuple(2, 1, 3, Names{Sjis("カミーロ")}));
}

TEST_F(Import, ALockedStoreIsToldApartAndLeftAsItWas) {
    SQLite::Database other(dir.File("Barvella.mdb"), SQLite::OPEN_READWRITE);
    other.exec("BEGIN EXCLUSIVE");
    const ImportResult result =
        ImportCocktails(*store, Cocktails("ギムレット,G,ジン,ショート,1,1,,ライム,15 ml,シェーク,,\n"), false);
    other.exec("ROLLBACK");
    EXPECT_EQ(std::tuple(result.outcome, result.failure, Stored(), Lists()),
              std::tuple(ImportOutcome::Locked, dir.File("Barvella.mdb") + " is in use by another program", 0,
                         std::vector<Names>(3)));

    // A plug-in that merely has the store open locks nothing, so it marks its workspace.
    CBarvellaApp plugin;
    FakePluginList list;
    EXPECT_FALSE(platform::IsWorkspaceLocked(dir.path));
    ASSERT_EQ(StartUpPlugin(plugin, list, dir.path, [](const std::string&) {}), PLUGIN_OK);
    EXPECT_TRUE(platform::IsWorkspaceLocked(dir.path));
    ASSERT_EQ(CleanUpPlugin(plugin), PLUGIN_OK);
    EXPECT_FALSE(platform::IsWorkspaceLocked(dir.path));
}

}  // namespace
