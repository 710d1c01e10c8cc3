// Wall time of `barvella export` of a workspace of 10,000 cocktails and of `barvella import`
// of that file into an empty workspace.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "synthetic_workspace.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    SyntheticWorkspaceOptions options;
    options.withoutAuthorPercent = 10;
    const BenchWorkspace workspace("transfer-bench", options);
    if (!workspace.Built()) return 1;
    const std::string tool = Quoted(fs::path(FOLIVEX_BENCH_PROGRAM_DIR) / "barvella");
    const fs::path file = workspace.root / "cocktails.csv";
    std::vector<double> exports;
    std::vector<double> imports;
    for (int i = 0; i < runs; ++i) {
        exports.push_back(
            RunCommand(tool + " export --dir " + Quoted(workspace.directory) + " " + Quoted(file) + " >/dev/null")
                .wall);
        const fs::path target = workspace.root / ("import" + std::to_string(i));
        imports.push_back(
            RunCommand(tool + " import --dir " + Quoted(target) + " " + Quoted(file) + " >/dev/null").wall);
        fs::remove_all(target);
    }
    std::printf("cocktails %d, file %.1f MB, runs %d\n", options.cocktails,
                static_cast<double>(fs::file_size(file)) / 1e6, runs);
    Report("barvella export:", exports);
    Report("barvella import:", imports);
    return 0;
}
