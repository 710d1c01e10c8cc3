#include "core_test_support.h"

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

int FakePluginList::InsertItem(int position, std::string_view text)
{
    std::vector<std::string> row(columns.size() + 1);
    row[0] = text;
    auto place = rows.begin() + std::clamp(position, 0, GetItemCount());
    if (sortAscending) {
        place = std::upper_bound(rows.begin(), rows.end(), row,
                                 [](const auto& value, const auto& other) { return value[0] < other[0]; });
    }
    const auto inserted = rows.insert(place, std::move(row));
    return static_cast<int>(inserted - rows.begin());
}

}  // namespace coretest
