// A real cocktail store in a temporary directory, filled with plain bound INSERTs, and a
// fixture that reads back the pages written to another.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include "core/settings.h"
#include "site/site_context.h"
#include "site/site_model.h"
#include "store/cocktail_store.h"
#include "test_support.h"

using testsupport::ReadFile;
using testsupport::Sjis;
using testsupport::TempDirectory;

struct CocktailRow {
    std::string name{};                                           // UTF-8, stored as CP932
    int initial = 0, strong = 0, taste = 0, style = 1, base = 1;  // codes, then table rows
    std::string howTo = "Shake.", memo{};
    std::optional<int> master{};
    std::vector<std::pair<std::string, std::string>> materials{{"Gin", "45ml"}};
};

// The store, and a connection of its own that writes rows the store would refuse.
class TestStore {
public:
    explicit TestStore(const std::filesystem::path& directory);
    int AddBase(const std::string& name) { return AddName("TBL_BASE", name); }
    int AddStyle(const std::string& name) { return AddName("TBL_STYLE", name); }
    int AddMaster(const std::string& name) { return AddName("TBL_MASTER", name); }
    int AddCocktail(const CocktailRow& row);
    CocktailStore& Store() { return *m_store; }

private:
    int AddName(const char* table, const std::string& name);
    std::unique_ptr<CocktailStore> m_store;
    std::unique_ptr<SQLite::Database> m_database;
};

// A store in one temporary directory, pages written to another.
class SiteTest : public ::testing::Test {
protected:
    SiteTest() : store(workspace.path) {}
    SiteContext& Context() {
        StoreSnapshot snapshot;
        EXPECT_TRUE(store.Store().ReadSnapshot(snapshot).ok());
        model.Load(std::move(snapshot));
        site = std::make_unique<SiteContext>(settings, model, out.path);
        return *site;
    }
    std::string File(const std::string& name) const { return ReadFile(out.File(name)); }

    TempDirectory workspace, out;
    TestStore store;
    PluginSettings settings;
    SiteModel model;
    std::unique_ptr<SiteContext> site;
};
