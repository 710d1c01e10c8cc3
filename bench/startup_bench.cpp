// Start-up of the plug-in on a workspace of 10,000 cocktails: settings, opening the store,
// name lists, columns and the list fill, measured in-process over several runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/barvella_app.h"
#include "core/startup.h"
#include "synthetic_workspace.h"

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    const SyntheticWorkspaceOptions options;
    std::optional<BenchWorkspace> workspace;
    const double buildSeconds = SecondsOf([&] { workspace.emplace("startup-bench", options); });
    if (!workspace->Built()) return 1;
    std::printf("workspace: %d cocktails, %d bases, %d styles, %d authors, %d-%d ingredients (built in %.2f s)\n",
                options.cocktails, options.bases, options.styles, options.authors, options.minIngredients,
                options.maxIngredients, buildSeconds);

    std::vector<double> seconds;
    int rows = 0;
    for (int run = 0; run < runs; ++run) {
        CBarvellaApp app;
        CollectingList list;
        int result = PLUGIN_FAILED;
        seconds.push_back(SecondsOf(
            [&] { result = StartUpPlugin(app, list, workspace->directory.string(), [](const std::string&) {}); }));
        if (result != PLUGIN_OK) {
            std::fprintf(stderr, "start-up failed\n");
            return 1;
        }
        rows = list.GetItemCount();
    }
    Report("start-up with list fill, " + std::to_string(rows) + " rows:", seconds, "ms",
           std::to_string(runs) + " runs");
    return 0;
}
