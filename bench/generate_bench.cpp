// Wall time of `barvella generate` for a workspace of 10,000 cocktails, beside the time
// that `cp -r` needs to copy the generated site, both measured in the same run; and the
// time of generating again over the site of the previous run, as a user regenerates.
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

double SecondsOf(const std::string& command) {
    const auto started = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(1);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
    std::vector<double> generate;
    std::vector<double> copy;
    std::vector<double> regenerate;
    for (int i = 0; i < runs; ++i) {
        const fs::path site = root / ("site" + std::to_string(i));
        const fs::path copied = root / ("copy" + std::to_string(i));
        generate.push_back(
            SecondsOf(tool + " generate --dir " + Quoted(workspace) + " --out " + Quoted(site) + " >/dev/null"));
        copy.push_back(SecondsOf("cp -r " + Quoted(site) + " " + Quoted(copied)));
        regenerate.push_back(
            SecondsOf(tool + " generate --dir " + Quoted(workspace) + " --out " + Quoted(site) + " >/dev/null"));
        // Only the first site is kept (to count its pages), so every run meets the same disk.
        fs::remove_all(copied);
        if (i > 0) fs::remove_all(site);
    }
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(root / "site0")) ++files;

    std::printf("cocktails %d, bases %d, styles %d, authors %d (+%d%% without), pages %zu, runs %d\n",
                options.cocktails, options.bases, options.styles, options.authors, options.withoutAuthorPercent, files,
                runs);
    const auto report = [](const char* what, const std::vector<double>& seconds) {
        std::printf("%-28s median %.3f s (min %.3f, max %.3f)\n", what, Median(seconds),
                    *std::min_element(seconds.begin(), seconds.end()),
                    *std::max_element(seconds.begin(), seconds.end()));
    };
    report("barvella generate:", generate);
    report("cp -r of the site:", copy);
    report("generate over last site:", regenerate);
    std::printf("ratio generate / copy: %.2f\n", Median(generate) / Median(copy));
    fs::remove_all(root);
    return 0;
}
