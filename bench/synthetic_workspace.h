// A workspace of made-up cocktails for benchmarks and demonstrations.
#pragma once

#include <string>

struct SyntheticWorkspaceOptions {
    int cocktails = 10000;
    int bases = 100;
    int styles = 20;
    int authors = 200;
    int minIngredients = 3;
    int maxIngredients = 6;
    int ingredientPool = 300;      // distinct ingredient names to draw from
    int withoutAuthorPercent = 0;  // share of cocktails that have no author
    unsigned seed = 20261206;      // same options, same workspace
};

// Creates `directory`/Barvella.mdb (the directory must exist, the file must not) holding
// the cocktails of `options`, every base, style and author used at least once when there
// are cocktails enough. Names are CP932 and come in no particular order. False on failure.
bool BuildSyntheticWorkspace(const std::string& directory, const SyntheticWorkspaceOptions& options);
