// Wall time and peak memory of `barvella export` of a workspace of 100,000 cocktails and of
// `barvella import` of that file into an empty workspace, and the peak memory of exporting
// one cocktail whose method is 200 MB long. FOLIVEX_BENCH_BARVELLA names another barvella
// to measure, for a comparison with an earlier build.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <SQLiteCpp/Database.h>

#include "bench_support.h"
#include "synthetic_workspace.h"

namespace fs = std::filesystem;

namespace {

void ReportRuns(const std::string& what, const std::vector<CommandRun>& runs) {
    std::vector<double> walls, peaks;
    for (const CommandRun& run : runs) {
        walls.push_back(run.wall);
        peaks.push_back(run.peakMegabytes);
    }
    Report(what + " time:", walls);
    Report(what + " peak memory:", peaks, "MB");
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const char* other = std::getenv("FOLIVEX_BENCH_BARVELLA");
    const std::string tool = other ? Quoted(other) : Quoted(fs::path(FOLIVEX_BENCH_PROGRAM_DIR) / "barvella");

    SyntheticWorkspaceOptions options;
    options.cocktails = 100000;
    options.withoutAuthorPercent = 10;
    const BenchWorkspace workspace("transfer-bench", options);
    SyntheticWorkspaceOptions single;
    single.cocktails = 1;
    const BenchWorkspace longMethod("transfer-bench-long", single);
    if (!workspace.Built() || !longMethod.Built()) return 1;
    // hex() of a zero blob: 200,000,000 characters.
    SQLite::Database(longMethod.directory / "Barvella.mdb", SQLite::OPEN_READWRITE)
        .exec("UPDATE TBL_COCKTAIL SET FLD_HOWTO = hex(zeroblob(100000000))");

    const fs::path file = workspace.root / "cocktails.csv";
    std::vector<CommandRun> exports, imports, longExports;
    for (int i = 0; i < runs; ++i) {
        exports.push_back(RunCommand(tool + " export --dir " + Quoted(workspace.directory) + " " + Quoted(file) +
                                     " >/dev/null"));
        const fs::path target = workspace.root / ("import" + std::to_string(i));
        imports.push_back(RunCommand(tool + " import --dir " + Quoted(target) + " " + Quoted(file) + " >/dev/null"));
        fs::remove_all(target);
        longExports.push_back(
            RunCommand(tool + " export --dir " + Quoted(longMethod.directory) + " " + Quoted(longMethod.root / "long.csv") +
                       " >/dev/null"));
    }
    std::printf("cocktails %d, file %.1f MB, runs %d\n", options.cocktails,
                static_cast<double>(fs::file_size(file)) / 1e6, runs);
    ReportRuns("barvella export", exports);
    ReportRuns("barvella import", imports);
    ReportRuns("export of a 200 MB method", longExports);
    return 0;
}
