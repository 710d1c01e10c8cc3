// A real cocktail store in a temporary directory, filled with plain bound INSERTs, the site
// model read from it, and a sink that keeps the pages a renderer puts.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include "core/settings.h"
#include "site/site_model.h"
#include "site/site_writer.h"
#include "store/cocktail_store.h"
#include "test_support.h"

using testsupport::ReadFile;
using testsupport::Sjis;
using testsupport::TempDirectory;

inline bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

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
    SQLite::Database& Database() { return *m_database; }

private:
    int AddName(const char* table, const std::string& name);
    std::unique_ptr<CocktailStore> m_store;
    std::unique_ptr<SQLite::Database> m_database;
};

// What a renderer put, in order: "open NAME", "put NAME", "cut NAME", "fail"; and the pages.
class PageCollector : public PageSink {
public:
    bool Open(const std::string& name) override { return events.push_back("open " + name), true; }
    bool Put(const SitePage& page) override {
        events.push_back("put " + page.name);
        pages[page.name] = page.bytes;
        return true;
    }
    void PutCutOff(const SitePage& page, SiteFailure cause) override {
        events.push_back("cut " + page.name);
        pages[page.name] = page.bytes;
        failure = std::move(cause);
    }
    void Fail(SiteFailure cause) override {
        events.push_back("fail");
        failure = std::move(cause);
    }

    std::vector<std::string> events;
    std::map<std::string, std::string> pages;
    std::optional<SiteFailure> failure;
};

// A store in a temporary directory and the model read from it.
class SiteTest : public ::testing::Test {
protected:
    SiteTest() : store(workspace.path) {}
    SiteSource Source() {
        StoreSnapshot snapshot;
        EXPECT_TRUE(store.Store().ReadSnapshot(snapshot).ok());
        model.Load(std::move(snapshot));
        return {settings, model};
    }

    TempDirectory workspace;
    TestStore store;
    PluginSettings settings;
    SiteModel model;
};
