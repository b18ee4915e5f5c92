#pragma once

#include "addressbook/AddressTable.h"

#include <string>
#include <vector>

namespace postling {

// A book whose lower-cased path contains ".txt" anywhere is tab-delimited; any other is
// comma-separated.
bool isTabDelimited(const std::string& path);

// A comma-separated line as TAB-separated fields: TABs become blanks, commas outside double
// quotes separate, and the quotes go (a doubled quote inside quotes is one quote of the text).
std::string csvLineToTabs(const std::string& line);
// The record that starts at lines[index]: a quoted field that runs past its line's end takes
// the next line too (the line break read as a blank). `index` ends at the record's last line.
std::string csvRecordToTabs(const std::vector<std::string>& lines, std::size_t& index);

// Lines of a file's text (CR LF, LF or CR end a line); the text is UTF-8 or, when it is not
// valid UTF-8, Windows-1252.
std::vector<std::string> bookLines(const std::string& bytes);

// The columns named in a header: the first whose name holds "first", "last", and "email" or
// "e-mail" (ignoring case); -1 when none.
struct ColumnRoles {
    int first = -1;
    int last = -1;
    int email = -1;
};

// Reads a book's text as the grid does: the first line is the header (its last field the
// hidden trailing column, never a name), every further line a row. A header without a
// separator gives two nameless columns.
AddressTable readBookText(const std::string& bytes, bool tabDelimited, ColumnRoles& roles);

// The text a book is saved as: every cell of every row, quoted in the comma-separated variant
// (a quote of the text doubled), CR LF after each line; the header of the sorted column without
// its mark. Read back, it gives the same table.
std::string bookText(const AddressTable& table, bool tabDelimited, int lastSortCol,
                     const std::string& lastSortHeader);

// Moves the first-name column to 0 and the last-name column to 1. Without a named e-mail
// column, finds the first cell holding "@" and "." (rows from 1, columns from 0) and moves that
// column to 2 when it lies beyond; returns false when no cell holds an address (column 0 then
// serves). A named e-mail column is never moved.
bool arrangeBookColumns(AddressTable& table, ColumnRoles& roles);

// What the header rules miss in real exports: first and last names under their usual export
// names ("Given Name", "Family Name"), and an e-mail column whose cells hold no address replaced
// by the one that holds most. Returns whether anything was proposed.
bool proposeImportRoles(const AddressTable& table, ColumnRoles& roles);

// An imported file's order: first name to 0, last name to 1, e-mail to 2, each only when it
// lies beyond that place.
void arrangeImportColumns(AddressTable& table, ColumnRoles& roles);

// Column widths in twips after loading (-1: the default width).
std::vector<int> bookColumnWidths(const AddressTable& table, const ColumnRoles& roles);

} // namespace postling
