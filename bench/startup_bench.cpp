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

#include "core/barvella_app.h"
#include "core/startup.h"
#include "synthetic_workspace.h"

namespace {

// Takes rows as fast as a list can; the host's own control is measured elsewhere.
class CollectingList : public IPluginList {
public:
    int InsertColumn(int column, std::string_view, ListColumnAlign, int) override { return ++columns_, column; }
    bool DeleteColumn(int) override { return false; }
    int GetColumnCount() const override { return columns_; }
    int InsertItem(int, std::string_view text) override {
        cells_.emplace_back(5);
        cells_.back()[0] = text;
        return static_cast<int>(cells_.size()) - 1;
    }
    bool SetItemText(int item, int column, std::string_view text) override {
        cells_[static_cast<std::size_t>(item)][static_cast<std::size_t>(column)] = text;
        return true;
    }
    std::string GetItemText(int item, int column) const override {
        return cells_[static_cast<std::size_t>(item)][static_cast<std::size_t>(column)];
    }
    bool DeleteItem(int) override { return false; }
    bool DeleteAllItems() override { return cells_.clear(), true; }
    int GetItemCount() const override { return static_cast<int>(cells_.size()); }
    int GetFirstSelectedItem() const override { return -1; }
    void SetFullRowSelect(bool) override {}
    void SetSortAscending(bool) override {}

private:
    int columns_ = 0;
    std::vector<std::vector<std::string>> cells_;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

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
