// A workspace of made-up cocktails for benchmarks and demonstrations.
#pragma once

#include <filesystem>
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

// A workspace of `options` in the "work" folder of a fresh folder below the temporary
// directory, which goes with all it holds when this does. When it could not be built, Built()
// is false and standard error has said so.
class BenchWorkspace {
public:
    BenchWorkspace(const std::string& name, const SyntheticWorkspaceOptions& options);
    ~BenchWorkspace();
    BenchWorkspace(const BenchWorkspace&) = delete;
    BenchWorkspace& operator=(const BenchWorkspace&) = delete;

    bool Built() const { return m_built; }

    const std::filesystem::path root;       // for whatever else the benchmark writes
    const std::filesystem::path directory;  // root/work, holding Barvella.mdb

private:
    bool m_built = false;
};
