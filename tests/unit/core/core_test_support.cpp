#include "core_test_support.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "cp932.h"

namespace coretest {

TempDirectory::TempDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "barvella-core-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary directory");
    path_ = pattern;
}

TempDirectory::~TempDirectory()
{
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string Sjis(std::string_view utf8)
{
    return cp932::Literal(utf8);
}

int FakePluginList::InsertColumn(int column, std::string_view heading, ListColumnAlign align, int width)
{
    if (column < 0 || column > GetColumnCount()) return -1;
    columns.insert(columns.begin() + column, Column{std::string(heading), align, width});
    return column;
}

bool FakePluginList::DeleteColumn(int column)
{
    if (column < 0 || column >= GetColumnCount()) return false;
    columns.erase(columns.begin() + column);
    return true;
}

int FakePluginList::InsertItem(int position, std::string_view text)
{
    std::vector<std::string> row(std::max<std::size_t>(columns.size(), 1));
    row[0] = text;
    auto place = rows.begin() + std::clamp(position, 0, GetItemCount());
    if (sortAscending) {
        place = std::upper_bound(rows.begin(), rows.end(), row[0],
                                 [](const std::string& value, const std::vector<std::string>& r) { return value < r[0]; });
    }
    const auto inserted = rows.insert(place, std::move(row));
    return static_cast<int>(inserted - rows.begin());
}

bool FakePluginList::SetItemText(int item, int column, std::string_view text)
{
    if (item < 0 || item >= GetItemCount() || column < 0 || column >= GetColumnCount()) return false;
    rows[static_cast<std::size_t>(item)][static_cast<std::size_t>(column)] = text;
    return true;
}

std::string FakePluginList::GetItemText(int item, int column) const
{
    if (item < 0 || item >= GetItemCount() || column < 0 || column >= GetColumnCount()) return {};
    return rows[static_cast<std::size_t>(item)][static_cast<std::size_t>(column)];
}

bool FakePluginList::DeleteItem(int item)
{
    if (item < 0 || item >= GetItemCount()) return false;
    rows.erase(rows.begin() + item);
    return true;
}

bool FakePluginList::DeleteAllItems()
{
    rows.clear();
    return true;
}

}  // namespace coretest
