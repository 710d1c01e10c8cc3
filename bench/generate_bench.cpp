// `barvella generate` for a workspace of 10,000 cocktails against `cp -r` of the site it
// wrote, in pairs (generate into a fresh folder, then copy into another), so that the ratio of
// each pair is taken on the same state of a noisy disk; and generating again over the last
// site, as a user regenerates. Reports the paired ratio with its spread and the generator's
// own processor time. Usage: generate_bench [PAIRS] [classic|modern]
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
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const std::string style = argc > 2 ? argv[2] : "classic";
    SyntheticWorkspaceOptions options;
    options.withoutAuthorPercent = 10;
    const BenchWorkspace workspace("generate-bench", options);
    if (!workspace.Built()) return 1;
    const fs::path& root = workspace.root;
    const std::string tool = Quoted(fs::path(FOLIVEX_BENCH_PROGRAM_DIR) / "barvella");
    const auto generate = [&](const fs::path& site) {
        return RunCommand(tool + " generate --dir " + Quoted(workspace.directory) + " --out " + Quoted(site) +
                          " --style " + style + " >/dev/null");
    };
    std::vector<double> generateWall, copyWall, ratio, cpuRatio, regenerateWall, generateUser, generateSystem;
    std::size_t pages = 0;
    for (int i = 0; i < runs; ++i) {
        const fs::path site = root / "site";
        const fs::path copied = root / "copy";
        const CommandRun written = generate(site);
        const CommandRun copy = RunCommand("cp -r " + Quoted(site) + " " + Quoted(copied));
        const CommandRun rewritten = generate(site);
        generateWall.push_back(written.wall);
        copyWall.push_back(copy.wall);
        ratio.push_back(written.wall / copy.wall);
        cpuRatio.push_back((written.user + written.system) / (copy.user + copy.system));
        regenerateWall.push_back(rewritten.wall);
        generateUser.push_back(written.user);
        generateSystem.push_back(written.system);
        pages = static_cast<std::size_t>(std::distance(fs::directory_iterator(site), fs::directory_iterator()));
        // Both go, so every pair writes into fresh folders on the same disk.
        fs::remove_all(site);
        fs::remove_all(copied);
    }

    std::printf("%s site: cocktails %d, bases %d, styles %d, authors %d (+%d%% without), pages %zu, pairs %d\n",
                style.c_str(), options.cocktails, options.bases, options.styles, options.authors,
                options.withoutAuthorPercent, pages, runs);
    Report("barvella generate, wall:", generateWall);
    Report("cp -r of the site, wall:", copyWall);
    Report("generate / copy, pair by pair:", ratio, "x");
    // On a machine other work keeps busy, wall time mostly measures waiting for a processor.
    Report("the same in processor time:", cpuRatio, "x");
    Report("generate, user processor time:", generateUser);
    Report("generate, system processor time:", generateSystem);
    Report("generate over the last site, wall:", regenerateWall);
    return 0;
}
