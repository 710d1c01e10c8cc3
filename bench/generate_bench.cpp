// `barvella generate` for a workspace of 10,000 cocktails, three ways side by side, pair by
// pair on the same state of a noisy disk: a fresh site into a new folder, the same site again
// over it (every page unchanged), and again after one cocktail's memo was edited (one detail
// page to rewrite). Beside them `cp -r` of the site, as a yardstick for writing that many files.
// Each regeneration is also checked to have written exactly what it should.
// Usage: generate_bench [PAIRS] [classic|modern]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include "bench_support.h"
#include "store/schema.h"
#include "synthetic_workspace.h"

namespace fs = std::filesystem;

namespace {

std::size_t LinesOf(const fs::path& file) {
    std::ifstream in(file);
    return static_cast<std::size_t>(std::count(std::istreambuf_iterator<char>(in), {}, '\n'));
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const std::string style = argc > 2 ? argv[2] : "classic";
    SyntheticWorkspaceOptions options;
    options.withoutAuthorPercent = 10;
    const BenchWorkspace workspace("generate-bench", options);
    if (!workspace.Built()) return 1;
    const fs::path& root = workspace.root;
    const fs::path listed = root / "written.txt";
    const std::string tool = Quoted(fs::path(FOLIVEX_BENCH_PROGRAM_DIR) / "barvella");
    const auto generate = [&](const fs::path& site) {
        return RunCommand(tool + " generate --list-written --style " + style + " --dir " + Quoted(workspace.directory) +
                          " --out " + Quoted(site) + " >" + Quoted(listed));
    };
    const auto expectWritten = [&](std::size_t expected, const char* run) {
        if (LinesOf(listed) == expected) return true;
        std::fprintf(stderr, "%s wrote %zu pages, not %zu\n", run, LinesOf(listed), expected);
        return false;
    };
    SQLite::Database database((workspace.directory / kDatabaseFileName).string(), SQLite::OPEN_READWRITE);
    SQLite::Statement edit(database, "UPDATE TBL_COCKTAIL SET FLD_MEMO = ? WHERE FLD_INDEX = ?");

    std::vector<double> fresh, copy, unchanged, oneChanged;
    std::vector<double> copyRatio, copyProcessorRatio, unchangedRatio, oneChangedRatio, freshSystem, unchangedSystem;
    std::size_t pages = 0;
    for (int i = 0; i < runs; ++i) {
        const fs::path site = root / "site";
        const fs::path copied = root / "copy";
        const CommandRun written = generate(site);
        pages = LinesOf(listed);
        const CommandRun copyRun = RunCommand("cp -r " + Quoted(site) + " " + Quoted(copied));
        const CommandRun again = generate(site);
        if (!expectWritten(0, "a regeneration of an unchanged site")) return 1;
        edit.bind(1, "edited in run " + std::to_string(i));
        edit.bind(2, 1 + i);
        edit.exec();
        edit.reset();
        const CommandRun afterEdit = generate(site);
        if (!expectWritten(1, "a regeneration after one edited memo")) return 1;

        fresh.push_back(written.wall);
        copy.push_back(copyRun.wall);
        unchanged.push_back(again.wall);
        oneChanged.push_back(afterEdit.wall);
        copyRatio.push_back(written.wall / copyRun.wall);
        copyProcessorRatio.push_back((written.user + written.system) / (copyRun.user + copyRun.system));
        unchangedRatio.push_back(again.wall / written.wall);
        oneChangedRatio.push_back(afterEdit.wall / written.wall);
        freshSystem.push_back(written.system);
        unchangedSystem.push_back(again.system);
        // Both go, so every pair writes into fresh folders on the same disk.
        fs::remove_all(site);
        fs::remove_all(copied);
    }

    std::printf("%s site: cocktails %d, bases %d, styles %d, authors %d (+%d%% without), pages %zu, pairs %d\n",
                style.c_str(), options.cocktails, options.bases, options.styles, options.authors,
                options.withoutAuthorPercent, pages, runs);
    Report("generate, fresh site, wall:", fresh);
    Report("generate, unchanged site, wall:", unchanged);
    Report("generate, one memo edited, wall:", oneChanged);
    Report("cp -r of the site, wall:", copy);
    Report("unchanged / fresh, pair by pair:", unchangedRatio, "x");
    Report("one edited / fresh, pair by pair:", oneChangedRatio, "x");
    Report("fresh / copy, pair by pair:", copyRatio, "x");
    // On a machine other work keeps busy, wall time mostly measures waiting for a processor.
    Report("fresh / copy in processor time:", copyProcessorRatio, "x");
    Report("generate, fresh, system processor time:", freshSystem);
    Report("generate, unchanged, system processor time:", unchangedSystem);
    return 0;
}
