// The rows of the host's list as the plug-in gave them: CP932 cells in display order. The
// list control only asks for the texts of the rows it draws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ListRows {
public:
    std::size_t Count() const { return m_order.size(); }

    // Empty for a cell never set.
    const std::string& Cell(std::size_t row, std::size_t column) const;
    void SetCell(std::size_t row, std::size_t column, std::string_view text);

    // Inserts a row of `columns` cells at `row` (at most Count()), `first` in column 0.
    void Insert(std::size_t row, std::string_view first, std::size_t columns);
    void Erase(std::size_t row);
    void Clear();

    // Where a row whose first cell is `first` goes in ascending name order: after every row
    // that does not sort after it, so rows of equal names keep the order they came in.
    std::size_t SortedPosition(std::string_view first) const;

    // Every row gains an empty cell at `column`, or loses the one there.
    void InsertColumn(std::size_t column);
    void EraseColumn(std::size_t column);

private:
    using Cells = std::vector<std::string>;
    // Rows stay where they were stored; the display order moves only their numbers, so an
    // insertion into a long list shifts four bytes a row.
    std::vector<Cells> m_stored;
    std::vector<std::uint32_t> m_order;
    std::vector<std::uint32_t> m_free;
};
