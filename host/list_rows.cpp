#include "list_rows.h"

#include <algorithm>

#include "cp932.h"

namespace {

const std::string kEmpty;

}  // namespace

const std::string& ListRows::Cell(std::size_t row, std::size_t column) const {
    const Cells& cells = m_stored[m_order[row]];
    return column < cells.size() ? cells[column] : kEmpty;
}

void ListRows::SetCell(std::size_t row, std::size_t column, std::string_view text) {
    Cells& cells = m_stored[m_order[row]];
    if (column >= cells.size()) cells.resize(column + 1);
    cells[column] = text;
}

void ListRows::Insert(std::size_t row, std::string_view first, std::size_t columns) {
    std::uint32_t slot;
    if (m_free.empty()) {
        slot = static_cast<std::uint32_t>(m_stored.size());
        m_stored.emplace_back();
    } else {
        slot = m_free.back();
        m_free.pop_back();
    }
    Cells& cells = m_stored[slot];
    cells.assign(std::max<std::size_t>(columns, 1), std::string());
    cells[0] = first;
    m_order.insert(m_order.begin() + static_cast<std::ptrdiff_t>(row), slot);
}

void ListRows::Erase(std::size_t row) {
    const std::uint32_t slot = m_order[row];
    Cells().swap(m_stored[slot]);
    m_free.push_back(slot);
    m_order.erase(m_order.begin() + static_cast<std::ptrdiff_t>(row));
}

void ListRows::Clear() {
    m_stored.clear();
    m_order.clear();
    m_free.clear();
}

std::size_t ListRows::SortedPosition(std::string_view first) const {
    std::size_t low = 0;
    std::size_t high = Count();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (cp932::CompareNames(first, Cell(middle, 0)) < 0) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

void ListRows::InsertColumn(std::size_t column) {
    for (const std::uint32_t slot : m_order) {
        Cells& cells = m_stored[slot];
        if (column < cells.size()) cells.insert(cells.begin() + static_cast<std::ptrdiff_t>(column), std::string());
    }
}

void ListRows::EraseColumn(std::size_t column) {
    for (const std::uint32_t slot : m_order) {
        Cells& cells = m_stored[slot];
        if (column < cells.size()) cells.erase(cells.begin() + static_cast<std::ptrdiff_t>(column));
    }
}
