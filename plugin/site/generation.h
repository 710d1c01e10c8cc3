// One site generation from start to end: the same pages in the same order for the plug-in's
// Generate command and for the command-line tool; only the observer differs.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "core/settings.h"

class CocktailStore;

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
    // The files this run created or changed, in the order their pages were finished.
    std::vector<std::string> writtenFiles;
    // Pages identical to their file, which was left untouched.
    std::size_t unchangedPages = 0;
    // What failed, in words, and the CP932 name of the cocktail it concerns, if any.
    std::string error;
    std::string errorCocktail;
};

// What the progress window shows, in CP932: the common files, each of the eight steps in
// order, the end. Both site styles run the same steps.
struct GenerationTexts {
    std::string common;
    std::vector<std::string> steps;
    std::string done;
};
const GenerationTexts& GenerationStatusTexts();

// An empty output directory would put every page into the root of the file system; a run is
// refused before anything is written.
inline constexpr const char* kNoOutputDirectory =
    "no output directory: the pages would go into the root of the file system";

// The entry page stays inside the output directory, whatever a settings file holds.
inline constexpr const char* kIndexNotAFileName =
    "the index file name must name a file inside the output directory, without '/', '\\' or '..'";

// What failed, for a terminal: the error, after the cocktail's name (as UTF-8) when it
// concerns one.
std::string DescribeFailure(const GenerationResult& result);

// Reads the whole store first; then creates the output directory with its parents when it is
// missing, and writes the pages of the settings' site style.
GenerationResult GenerateSite(CocktailStore& store, const PluginSettings& settings, const std::string& outDirectory,
                              const std::string& indexFileName, GenerationObserver& observer);
