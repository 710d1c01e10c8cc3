// Shared by the benchmarks: a list that takes rows as fast as a list can (the host's own
// control is measured on its own) and the median of repeated runs.
#pragma once

#include <algorithm>
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
