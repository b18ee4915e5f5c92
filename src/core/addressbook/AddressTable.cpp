#include "addressbook/AddressTable.h"

#include "text/Fold.h"

#include <algorithm>
#include <cctype>

namespace postling {

const std::string& AddressTable::cell(int row, int column) const {
    static const std::string none;
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_)
        return none;
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void AddressTable::setCell(int row, int column, const std::string& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_)
        return;
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
}

void AddressTable::reset(int rows, int columns) {
    columns_ = std::max(0, columns);
    rows_.assign(static_cast<std::size_t>(std::max(0, rows)),
                 std::vector<std::string>(static_cast<std::size_t>(columns_)));
}

void AddressTable::setColumnCount(int columns) {
    columns_ = std::max(0, columns);
    for (auto& r : rows_)
        r.resize(static_cast<std::size_t>(columns_));
}

void AddressTable::setRowCount(int rows) {
    rows_.resize(static_cast<std::size_t>(std::max(0, rows)),
                 std::vector<std::string>(static_cast<std::size_t>(columns_)));
}

void AddressTable::setRowFromTabs(int row, const std::string& line) {
    if (row < 0)
        return;
    if (row >= rowCount())
        setRowCount(row + 1);
    auto& cells = rows_[static_cast<std::size_t>(row)];
    std::fill(cells.begin(), cells.end(), std::string());
    std::size_t start = 0;
    for (int k = 0; k < columns_; ++k) {
        const auto tab = line.find('\t', start);
        cells[static_cast<std::size_t>(k)] =
            line.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        if (tab == std::string::npos)
            break;
        start = tab + 1;
    }
}

void AddressTable::appendEmptyRow() {
    setRowCount(rowCount() + 1);
}

void AddressTable::removeRow(int row) {
    if (row >= 0 && row < rowCount())
        rows_.erase(rows_.begin() + row);
}

void AddressTable::moveColumn(int from, int to) {
    if (from < 0 || from >= columns_ || to < 0 || to >= columns_ || from == to)
        return;
    for (auto& r : rows_) {
        std::string moving = std::move(r[static_cast<std::size_t>(from)]);
        r.erase(r.begin() + from);
        r.insert(r.begin() + to, std::move(moving));
    }
}

void AddressTable::sortRows(int column, bool ascending) {
    if (column < 0 || column >= columns_ || rows_.size() < 3)
        return;
    const auto c = static_cast<std::size_t>(column);
    // Letter case is ignored as the old grid ignored it, accented capitals too; each cell is
    // folded once, not at every comparison.
    std::vector<std::pair<std::string, std::vector<std::string>>> keyed;
    keyed.reserve(rows_.size() - 1);
    for (auto it = rows_.begin() + 1; it != rows_.end(); ++it)
        keyed.emplace_back(lowerText((*it)[c]), std::move(*it));
    std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
        return ascending ? a.first < b.first : b.first < a.first;
    });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        rows_[i + 1] = std::move(keyed[i].second);
}

} // namespace postling
