// One site generation from start to end: the same files in the same order for the plug-in's
// Generate command and for the command-line tool; only the observer differs.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "core/settings.h"

namespace SQLite {
class Database;
}

// Ten status texts and nine steps of the bar, so the bar ends at nine steps.
inline constexpr int GENERATION_RANGE = 90;
inline constexpr int GENERATION_STEP = 10;

class GenerationObserver {
public:
    // CP932 text.
    virtual void ShowStatus(const std::string& text) = 0;
    virtual void StepIt() = 0;
    // The pauses that let a person read the window; a tool without a window skips them.
    virtual void Pause(std::chrono::milliseconds duration) = 0;

protected:
    ~GenerationObserver() = default;
};

struct GenerationResult {
    bool ok = false;
    std::vector<std::string> createdFiles;
    // What failed, in words, and the CP932 name of the cocktail it concerns, if any.
    std::string error;
    std::string errorCocktail;
};

GenerationResult GenerateSite(SQLite::Database& database, const PluginSettings& settings,
                              const std::string& outDirectory, const std::string& indexFileName,
                              GenerationObserver& observer);
