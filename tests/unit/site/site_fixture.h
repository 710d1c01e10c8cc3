// A real cocktail store in a temporary directory, filled with plain bound INSERTs, and
// helpers to read back the pages a run writes.
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
#include "site/generation.h"
#include "site/site_context.h"
#include "site/site_model.h"
#include "test_support.h"

using testsupport::ReadFile;
using testsupport::Sjis;
using testsupport::TempDirectory;

struct CocktailRow {
    std::string name{};  // UTF-8, stored as CP932
    int initial = 0;
    int strong = 0;
    int taste = 0;
    int style = 1;
    int base = 1;
    std::string howTo = "Shake.";
    std::string memo{};
    std::optional<int> master{};
    std::vector<std::pair<std::string, std::string>> materials{{"Gin", "45ml"}};
};

class CocktailStore {
public:
    explicit CocktailStore(const std::filesystem::path& directory);
    int AddBase(const std::string& name) { return AddName("TBL_BASE", name); }
    int AddStyle(const std::string& name) { return AddName("TBL_STYLE", name); }
    int AddMaster(const std::string& name) { return AddName("TBL_MASTER", name); }
    int AddCocktail(const CocktailRow& row);
    SQLite::Database& Database() { return *m_database; }

private:
    int AddName(const char* table, const std::string& name);
    std::unique_ptr<SQLite::Database> m_database;
};

// A store in one temporary directory, pages written to another.
class SiteTest : public ::testing::Test {
protected:
    SiteTest() : store(workspace.path) {}
    SiteContext& Context() {
        model.Load(store.Database());
        site = std::make_unique<SiteContext>(settings, model, out.path);
        return *site;
    }
    std::string File(const std::string& name) const { return ReadFile(out.File(name)); }

    TempDirectory workspace;
    TempDirectory out;
    CocktailStore store;
    PluginSettings settings;
    SiteModel model;
    std::unique_ptr<SiteContext> site;
};

class RecordingObserver : public GenerationObserver {
public:
    void ShowStatus(const std::string& text) override {
        statuses.push_back(text);
        positions.push_back(position);
    }
    void StepIt() override { position += GENERATION_STEP; }
    void Pause(std::chrono::milliseconds duration) override { pauses.push_back(duration.count()); }

    std::vector<std::string> statuses;
    std::vector<int> positions;  // bar position when each status showed
    std::vector<long> pauses;
    int position = 0;
};

// Page head and tail with every design setting empty.
inline constexpr const char* kHead = "<HTML>\r\n<BODY><CENTER>\r\n";
inline constexpr const char* kTail = "</CENTER></BODY>\r\n</HTML>";
