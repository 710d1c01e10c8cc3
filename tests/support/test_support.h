// Helpers for the core's and the plug-in's tests: a scratch directory, files, CP932 text,
// the host's list.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "cp932.h"
#include "folivex/plugin.h"
#include "paths.h"

namespace testsupport {

// A fresh directory under the system's temporary directory, removed with everything in it.
struct TempDirectory {
    std::string path = Create();
    static std::string Create() {
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const auto candidate =
                std::filesystem::temp_directory_path() / ("barvella-core-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate)) return paths::FromNative(candidate);
        }
        throw std::runtime_error("no temporary directory");
    }
    ~TempDirectory() {
        std::error_code ignored;
        // A test may have taken the rights away to provoke a failure.
        std::filesystem::permissions(paths::Native(path), std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(paths::Native(path), ignored);
    }
    std::string File(std::string_view name) const { return path + "/" + std::string(name); }
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(paths::Native(path), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream(paths::Native(path), std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string Sjis(std::string_view utf8) {
    return cp932::Literal(utf8);
}

// The host's report list as plain data. With the sorted style on, rows go to their place in
// ascending byte order of the first column, as the host's control puts them.
class FakePluginList : public IPluginList {
public:
    int InsertColumn(int column, std::string_view heading, ListColumnAlign, int) override {
        columns.insert(columns.begin() + column, std::string(heading));
        return column;
    }
    bool DeleteColumn(int column) override { return columns.erase(columns.begin() + column), true; }
    int GetColumnCount() const override { return static_cast<int>(columns.size()); }
    int InsertItem(int position, std::string_view text) override {
        auto place = rows.begin() + std::clamp(position, 0, GetItemCount());
        if (sortAscending)
            place = std::upper_bound(rows.begin(), rows.end(), text, [](auto t, auto& r) { return t < r[0]; });
        std::vector<std::string> row(columns.size() + 1);
        row[0] = text;
        const auto inserted = rows.insert(place, std::move(row));  // before begin(): the insert may reallocate
        return static_cast<int>(inserted - rows.begin());
    }
    bool SetItemText(int item, int column, std::string_view text) override {
        if (column >= GetColumnCount()) return false;
        rows.at(static_cast<std::size_t>(item)).at(static_cast<std::size_t>(column)) = text;
        return true;
    }
    std::string GetItemText(int item, int column) const override {
        return rows.at(static_cast<std::size_t>(item)).at(static_cast<std::size_t>(column));
    }
    bool DeleteItem(int item) override { return rows.erase(rows.begin() + item), true; }
    bool DeleteAllItems() override { return rows.clear(), true; }
    int GetItemCount() const override { return static_cast<int>(rows.size()); }
    int GetFirstSelectedItem() const override { return selected < GetItemCount() ? selected : -1; }
    void SetFullRowSelect(bool) override {}
    void SetSortAscending(bool on) override { sortAscending = on; }

    // One column, top to bottom.
    std::vector<std::string> Texts(int column) const {
        std::vector<std::string> texts;
        for (int row = 0; row < GetItemCount(); ++row) texts.push_back(GetItemText(row, column));
        return texts;
    }

    std::vector<std::string> columns;  // headings
    std::vector<std::vector<std::string>> rows;
    bool sortAscending = false;
    int selected = -1;  // the row the user selected
};

}  // namespace testsupport
