#include "synthetic_workspace.h"

#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include "cp932.h"
#include "paths.h"
#include "store/cocktail_store.h"
#include "store/schema.h"

namespace {

std::filesystem::path FreshFolder(const std::string& name) {
    std::string path = (std::filesystem::temp_directory_path() / (name + "-XXXXXX")).string();
    return ::mkdtemp(path.data()) != nullptr ? std::filesystem::path(path) : std::filesystem::path();
}

std::string Numbered(const std::string& prefix, int number, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", digits, number);
    return prefix + buffer;
}

// Fills a name table with `count` names and answers their FLD_INDEX values.
std::vector<int> AddNames(SQLite::Database& database, const char* table, const std::string& prefix, int count) {
    SQLite::Statement insert(database, std::string("INSERT INTO ") + table + " (FLD_NAME) VALUES (?)");
    std::vector<int> indexes;
    for (int i = 1; i <= count; ++i) {
        insert.bind(1, Numbered(prefix, i, 3));
        insert.exec();
        insert.reset();
        indexes.push_back(static_cast<int>(database.getLastInsertRowid()));
    }
    return indexes;
}

// The i-th cocktail uses entry i while there are unused ones, then a random one.
int Pick(const std::vector<int>& indexes, int i, std::mt19937& random) {
    if (static_cast<std::size_t>(i) < indexes.size()) return indexes[static_cast<std::size_t>(i)];
    return indexes[std::uniform_int_distribution<std::size_t>(0, indexes.size() - 1)(random)];
}

void Fill(SQLite::Database& database, const SyntheticWorkspaceOptions& options) {
    std::mt19937 random(options.seed);
    const std::vector<int> bases = AddNames(database, "TBL_BASE", cp932::Literal("ベース"), options.bases);
    const std::vector<int> styles = AddNames(database, "TBL_STYLE", cp932::Literal("スタイル"), options.styles);
    const std::vector<int> authors = AddNames(database, "TBL_MASTER", cp932::Literal("作者"), options.authors);

    std::vector<std::string> ingredients;
    for (int i = 1; i <= options.ingredientPool; ++i) ingredients.push_back(Numbered(cp932::Literal("材料"), i, 3));

    // Shuffled numbers, so that names do not arrive in sorted order.
    std::vector<int> numbers(static_cast<std::size_t>(options.cocktails));
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), random);

    SQLite::Statement cocktail(database,
                               "INSERT INTO TBL_COCKTAIL (FLD_NAME, FLD_INITIAL, FLD_STRONG, FLD_TASTE, FLD_STYLE, "
                               "FLD_BASE, FLD_HOWTO, FLD_MEMO, FLD_PICTURE, FLD_MASTER) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, ?, '', ?)");
    SQLite::Statement material(database,
                               "INSERT INTO TBL_MATERIAL (FLD_COCKTAIL, FLD_NAME, FLD_QUANTITY) VALUES (?, ?, ?)");
    const std::string cocktailPrefix = cp932::Literal("カクテル");
    const std::string howTo = cp932::Literal("材料をシェイクしてグラスに注ぐ。");
    const std::string memo = cp932::Literal("定番の一杯。");
    const std::string quantity = "30ml";
    std::uniform_int_distribution<int> code(0, 4), initial(0, 25), percent(0, 99),
        ingredientCount(options.minIngredients, options.maxIngredients);
    for (int i = 0; i < options.cocktails; ++i) {
        cocktail.bind(1, Numbered(cocktailPrefix, numbers[static_cast<std::size_t>(i)], 5));
        cocktail.bind(2, initial(random));
        cocktail.bind(3, code(random));
        cocktail.bind(4, code(random));
        cocktail.bind(5, Pick(styles, i, random));
        cocktail.bind(6, Pick(bases, i, random));
        cocktail.bind(7, howTo);
        cocktail.bind(8, memo);
        if (authors.empty() || percent(random) < options.withoutAuthorPercent) {
            cocktail.bind(9);
        } else {
            cocktail.bind(9, Pick(authors, i, random));
        }
        cocktail.exec();
        cocktail.reset();
        const int index = static_cast<int>(database.getLastInsertRowid());

        std::vector<std::string> chosen;
        std::sample(ingredients.begin(), ingredients.end(), std::back_inserter(chosen), ingredientCount(random),
                    random);
        for (const std::string& name : chosen) {
            material.bind(1, index);
            material.bind(2, name);
            material.bind(3, quantity);
            material.exec();
            material.reset();
        }
    }
}

}  // namespace

bool BuildSyntheticWorkspace(const std::string& directory, const SyntheticWorkspaceOptions& options) {
    if (options.bases < 1 || options.styles < 1 || options.minIngredients > options.maxIngredients ||
        options.maxIngredients > options.ingredientPool) {
        return false;
    }
    const std::string path = paths::Join(directory, kDatabaseFileName);
    std::unique_ptr<CocktailStore> store;
    if (!CocktailStore::Open(path, StoreAccess::Change, store).ok()) return false;
    store.reset();
    try {
        // Plain bound inserts, far faster than the store's one change at a time.
        SQLite::Database database(path, SQLite::OPEN_READWRITE);
        SQLite::Transaction transaction(database, SQLite::TransactionBehavior::IMMEDIATE);
        Fill(database, options);
        transaction.commit();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

BenchWorkspace::BenchWorkspace(const std::string& name, const SyntheticWorkspaceOptions& options)
    : root(FreshFolder(name)), directory(root / "work") {
    std::error_code error;
    m_built = !root.empty() && std::filesystem::create_directory(directory, error) &&
              BuildSyntheticWorkspace(directory.string(), options);
    if (!m_built) std::fprintf(stderr, "cannot build a workspace in %s\n", directory.c_str());
}

BenchWorkspace::~BenchWorkspace() {
    std::error_code ignored;
    if (!root.empty()) std::filesystem::remove_all(root, ignored);
}
