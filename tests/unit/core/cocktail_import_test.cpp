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

Refusals Lines(const ::Refusals& refusals) {
    Refusals lines;
    for (const auto& refusal : refusals.Listed()) lines.emplace_back(refusal.line, refusal.reason);
    return lines;
}

struct CocktailFile {
    std::vector<FileCocktail> cocktails;
    ::Refusals refusals;
};

CocktailFile ReadCocktailFile(const std::string& bytes, FileEncoding encoding) {
    CocktailFileReader reader(csv::TextSource(bytes), encoding);
    CocktailFile file;
    for (FileCocktail cocktail; reader.Next(cocktail);) file.cocktails.push_back(cocktail);
    file.refusals = reader.refusals();
    return file;
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
            "\"B\r\n1\",B,ジン,ショート,1,1,,ライム,15 ml,シェーク,,\n"
            "B2,B,ジン,ショート,1,1,,ライム,15 ml,\"シェーク\x01\",,\n"
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
                                              {19, "name holds a line break or a control character"},
                                              {21, "method holds a control character"},
                                              {22, "a quoted field is not closed"}}));
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

    // A line that never ends, a NUL in a method and endless faulty lines cost bounded memory.
    EXPECT_EQ(Lines(ReadCocktailFile(kFields + "\nA,A,a,b,1,1,,c,d," + std::string(kMaxFileFieldBytes + 1, '\0'),
                                     FileEncoding::Utf8)
                        .refusals),
              (Refusals{{2, "a field is longer than 1048576 bytes"}}));
    std::string faulty = kFields + "\n";
    for (int i = 0; i < 1500; ++i) faulty += "x\n";
    const CocktailFile endless = ReadCocktailFile(faulty, FileEncoding::Utf8);
    EXPECT_EQ(std::tuple(endless.refusals.count(), endless.refusals.Listed().size()), std::tuple(1500u, 1000u));
}

class Import : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CocktailStore::Open(dir.File("Barvella.mdb"), StoreAccess::Change, store).ok());
    }
    ImportResult ImportRows(const std::string& rows, bool skipExisting = false) {
        const std::string bytes = kFields + "\n" + rows;
        CocktailFileReader file(csv::TextSource(bytes), FileEncoding::Utf8);
        return ImportCocktails(*store, file, skipExisting);
    }
    int Stored() { return Raw().execAndGet("SELECT count(*) FROM TBL_COCKTAIL").getInt(); }
    std::vector<Names> Lists() { return {store->BaseNames(), store->StyleNames(), store->MasterNames()}; }
    SQLite::Database Raw() { return SQLite::Database(dir.File("Barvella.mdb"), SQLite::OPEN_READWRITE); }

    TempDirectory dir;
    std::unique_ptr<CocktailStore> store;
};

TEST_F(Import, AddsEveryCocktailOrNoneAndKeepsTheNameListsInStep) {
    ImportResult result = ImportRows("Gimlet,G,ジン,ショート,1,1,,ライム,15 ml,シェーク,,\n");
    ASSERT_EQ(result.outcome, ImportOutcome::Stored) << result.failure;

    // The first cocktail is stored with a new author, base and style before the later ones are refused.
    const std::string more =
        "ネグローニ,N,ラム,ロック,1,2,カミーロ,カンパリ,30 ml,ビルド,,\n"
        "ダイキリ,D,ラム,ショート,1,1,,ライム,15 ml,シェーク,,\n"
        "GIMLET,G,ジン,ショート,1,1,,ライム,15 ml,シェーク,,\n";
    Raw().exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON TBL_COCKTAIL WHEN NEW.FLD_INITIAL = 3 "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    result = ImportRows(more);
    EXPECT_EQ(Lines(result.refusals),
              (Refusals{{3, "cocktail \"ダイキリ\" cannot be stored: " + dir.File("Barvella.mdb") + ": refused"},
                        {4, "cocktail \"GIMLET\" is already stored"}}));
    EXPECT_EQ(std::tuple(result.outcome, Stored(), Lists()),
              std::tuple(ImportOutcome::Refused, 1, std::vector<Names>{{Sjis("ジン")}, {Sjis("ショート")}, {}}));

    Raw().exec("DROP TRIGGER refuse");
    result = ImportRows(more, true);
    ASSERT_EQ(result.outcome, ImportOutcome::Stored) << result.failure;
    EXPECT_EQ(std::tuple(result.stored, result.skipped, Stored(), store->MasterNames()),
              std::tuple(2, 1, 3, Names{Sjis("カミーロ")}));
}

TEST_F(Import, ALockedStoreIsToldApartAndLeftAsItWas) {
    SQLite::Database other(dir.File("Barvella.mdb"), SQLite::OPEN_READWRITE);
    other.exec("BEGIN EXCLUSIVE");
    const ImportResult result = ImportRows("ギムレット,G,ジン,ショート,1,1,,ライム,15 ml,シェーク,,\n");
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
