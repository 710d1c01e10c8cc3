// Wall time of `barvella export` of a workspace of 10,000 cocktails and of `barvella import`
// of that file into an empty workspace.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

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

std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

void Report(const char* what, std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    std::printf("%-18s median %.3f s (min %.3f, max %.3f)\n", what, seconds[seconds.size() / 2], seconds.front(),
                seconds.back());
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const fs::path root = fs::temp_directory_path() / ("transfer-bench-" + std::to_string(std::random_device{}()));
    const fs::path workspace = root / "work";
    fs::create_directories(workspace);
    SyntheticWorkspaceOptions options;
    options.withoutAuthorPercent = 10;
    if (!BuildSyntheticWorkspace(workspace.string(), options)) {
        std::fprintf(stderr, "cannot build the workspace in %s\n", workspace.c_str());
        return 1;
    }
    const std::string tool = Quoted(fs::path(FOLIVEX_BENCH_PROGRAM_DIR) / "barvella");
    const fs::path file = root / "cocktails.csv";
    std::vector<double> exports;
    std::vector<double> imports;
    for (int i = 0; i < runs; ++i) {
        exports.push_back(SecondsOf(tool + " export --dir " + Quoted(workspace) + " " + Quoted(file) + " >/dev/null"));
        const fs::path target = root / ("import" + std::to_string(i));
        imports.push_back(SecondsOf(tool + " import --dir " + Quoted(target) + " " + Quoted(file) + " >/dev/null"));
        fs::remove_all(target);
    }
    std::printf("cocktails %d, file %.1f MB, runs %d\n", options.cocktails,
                static_cast<double>(fs::file_size(file)) / 1e6, runs);
    Report("barvella export:", exports);
    Report("barvella import:", imports);
    fs::remove_all(root);
    return 0;
}
