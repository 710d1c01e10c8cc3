// Start-up of the plug-in on a workspace of 10,000 cocktails: settings, opening the store,
// name lists, columns and the list fill, measured in-process over several runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "bench_support.h"
#include "core/barvella_app.h"
#include "core/startup.h"
#include "synthetic_workspace.h"

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    const auto directory = std::filesystem::temp_directory_path() / ("barvella-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);

    SyntheticWorkspaceOptions options;
    const auto buildStart = std::chrono::steady_clock::now();
    if (!BuildSyntheticWorkspace(directory.string(), options)) {
        std::fprintf(stderr, "could not build the workspace in %s\n", directory.c_str());
        return 1;
    }
    const double buildSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - buildStart).count();
    std::printf("workspace: %d cocktails, %d bases, %d styles, %d authors, %d-%d ingredients (built in %.2f s)\n",
                options.cocktails, options.bases, options.styles, options.authors, options.minIngredients,
                options.maxIngredients, buildSeconds);

    std::vector<double> seconds;
    int rows = 0;
    for (int run = 0; run < runs; ++run) {
        CBarvellaApp app;
        CollectingList list;
        const auto start = std::chrono::steady_clock::now();
        const int result = StartUpPlugin(app, list, directory.string(), [](const std::string&) {});
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (result != PLUGIN_OK) {
            std::fprintf(stderr, "start-up failed\n");
            return 1;
        }
        rows = list.GetItemCount();
    }
    std::filesystem::remove_all(directory);

    std::printf("start-up with list fill, %d rows, %d runs: median %.1f ms, min %.1f ms, max %.1f ms\n", rows, runs,
                Median(seconds) * 1000, *std::min_element(seconds.begin(), seconds.end()) * 1000,
                *std::max_element(seconds.begin(), seconds.end()) * 1000);
    return 0;
}
