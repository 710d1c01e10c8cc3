// `barvella generate` for a workspace of 10,000 cocktails against `cp -r` of the site it
// wrote, in pairs (generate into a fresh folder, then copy into another), so that the ratio of
// each pair is taken on the same state of a noisy disk; and generating again over the last
// site, as a user regenerates. Reports the paired ratio with its spread and the generator's
// own processor time.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "paths.h"
#include "synthetic_workspace.h"

namespace fs = std::filesystem;

namespace {

struct Run {
    double wall = 0;
    double user = 0;  // of the command's processes
    double system = 0;
};

double Seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

Run Measure(const std::string& command) {
    rusage before{};
    ::getrusage(RUSAGE_CHILDREN, &before);
    const auto started = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(1);
    }
    Run run;
    run.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    rusage after{};
    ::getrusage(RUSAGE_CHILDREN, &after);
    run.user = Seconds(after.ru_utime) - Seconds(before.ru_utime);
    run.system = Seconds(after.ru_stime) - Seconds(before.ru_stime);
    return run;
}

void Report(const char* what, std::vector<double> values, const char* unit = "s") {
    std::sort(values.begin(), values.end());
    std::printf("%-34s median %.3f %s (min %.3f, max %.3f)\n", what, values[values.size() / 2], unit, values.front(),
                values.back());
}

std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    std::random_device random;
    const fs::path root = fs::temp_directory_path() / ("generate-bench-" + std::to_string(random()));
    const fs::path workspace = root / "work";
    fs::create_directories(workspace);

    SyntheticWorkspaceOptions options;
    options.withoutAuthorPercent = 10;
    if (!BuildSyntheticWorkspace(workspace.string(), options)) {
        std::fprintf(stderr, "cannot build the workspace in %s\n", workspace.c_str());
        return 1;
    }
    const std::string tool = Quoted(fs::path(FOLIVEX_BENCH_PROGRAM_DIR) / "barvella");
    const auto generate = [&](const fs::path& site) {
        return Measure(tool + " generate --dir " + Quoted(workspace) + " --out " + Quoted(site) + " >/dev/null");
    };
    std::vector<double> generateWall, copyWall, ratio, regenerateWall, generateUser, generateSystem;
    std::size_t pages = 0;
    for (int i = 0; i < runs; ++i) {
        const fs::path site = root / "site";
        const fs::path copied = root / "copy";
        const Run written = generate(site);
        const Run copy = Measure("cp -r " + Quoted(site) + " " + Quoted(copied));
        const Run rewritten = generate(site);
        generateWall.push_back(written.wall);
        copyWall.push_back(copy.wall);
        ratio.push_back(written.wall / copy.wall);
        regenerateWall.push_back(rewritten.wall);
        generateUser.push_back(written.user);
        generateSystem.push_back(written.system);
        pages = static_cast<std::size_t>(std::distance(fs::directory_iterator(site), fs::directory_iterator()));
        // Both go, so every pair writes into fresh folders on the same disk.
        fs::remove_all(site);
        fs::remove_all(copied);
    }
    fs::remove_all(root);

    std::printf("cocktails %d, bases %d, styles %d, authors %d (+%d%% without), pages %zu, pairs %d\n",
                options.cocktails, options.bases, options.styles, options.authors, options.withoutAuthorPercent, pages,
                runs);
    Report("barvella generate, wall:", generateWall);
    Report("cp -r of the site, wall:", copyWall);
    Report("generate / copy, pair by pair:", ratio, "x");
    Report("generate, user processor time:", generateUser);
    Report("generate, system processor time:", generateSystem);
    Report("generate over the last site, wall:", regenerateWall);
    return 0;
}
