// Shared by the benchmarks: a list that takes rows as fast as a list can (the host's own
// control is measured on its own), timing, and the figures of repeated runs.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "folivex/plugin.h"

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
    int GetFirstSelectedItem() const override { return selected < GetItemCount() ? selected : -1; }
    void SetFullRowSelect(bool) override {}
    void SetSortAscending(bool) override {}

    int selected = -1;

private:
    int columns_ = 0;
    std::vector<std::vector<std::string>> cells_;
};

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One line of figures: the median of `values`, then the least and the most. Seconds are shown
// in milliseconds; a unit other than "ms" shows the values as they are.
inline void Report(const std::string& what, const std::vector<double>& values, std::string_view unit = "ms",
                   const std::string& detail = "") {
    const double scale = unit == "ms" ? 1000 : 1;
    const auto [least, most] = std::minmax_element(values.begin(), values.end());
    std::printf("%-44s median %9.2f %s (min %.2f, max %.2f)  %s\n", what.c_str(), Median(values) * scale,
                std::string(unit).c_str(), *least * scale, *most * scale, detail.c_str());
}

inline double SecondsOf(const std::function<void()>& work) {
    const auto begin = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

inline std::string Quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

// A command line's wall time, the processor time and the peak memory of the processes it
// ran. A failed command ends the benchmark: its figures would mean nothing.
struct CommandRun {
    double wall = 0;
    double user = 0;
    double system = 0;
    double peakMegabytes = 0;  // the largest resident set of any of its processes
};

inline CommandRun RunCommand(const std::string& command) {
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    CommandRun run;
    rusage usage{};
    run.wall = SecondsOf([&] {
        const pid_t child = ::fork();
        if (child == 0) {
            ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        int status = -1;
        if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "failed: %s\n", command.c_str());
            std::exit(1);
        }
    });
    run.user = seconds(usage.ru_utime);
    run.system = seconds(usage.ru_stime);
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024;
    return run;
}
