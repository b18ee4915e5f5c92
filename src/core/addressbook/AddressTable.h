#pragma once

#include <string>
#include <vector>

namespace postling {

// The in-memory address book as the grid holds it: row 0 the column names, rows 1 and on the
// addresses, every row as wide as the table; the last column is the hidden trailing column.
class AddressTable {
public:
    AddressTable() { reset(2, 2); }

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return columns_; }

    const std::string& cell(int row, int column) const;
    void setCell(int row, int column, const std::string& text);
    const std::vector<std::string>& row(int r) const { return rows_[static_cast<std::size_t>(r)]; }

    // Empties the table to `rows` x `columns` empty cells.
    void reset(int rows, int columns);
    // Widens or narrows every row.
    void setColumnCount(int columns);
    // Keeps the first `rows` rows (adding empty ones when there are fewer).
    void setRowCount(int rows);
    // Sets a row from TAB-separated text: fields beyond the columns are dropped, missing ones
    // stay empty. Adds rows up to `row` as needed.
    void setRowFromTabs(int row, const std::string& line);
    void appendEmptyRow();
    void removeRow(int row);
    // Moves a column to a position; the columns in between shift one place.
    void moveColumn(int from, int to);
    // Sorts the data rows (not row 0) by one column, ignoring ASCII letter case; stable.
    void sortRows(int column, bool ascending);

private:
    std::vector<std::vector<std::string>> rows_;
    int columns_ = 0;
};

} // namespace postling
