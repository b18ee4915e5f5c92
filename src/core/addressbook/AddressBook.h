#pragma once

#include "addressbook/AddressTable.h"
#include "addressbook/BookFile.h"

#include <string>
#include <vector>

namespace postling {

// The open address book: its table, its path, the columns of names and addresses, and the
// sort mark its header carries. This is what the grid shows and edits.
class AddressBook {
public:
    static constexpr int kAscending = 5;
    static constexpr int kDescending = 6;

    AddressTable table;
    std::string path; // open_address_book
    int first_col = -1;
    int last_col = -1;
    int email_col = -1;
    int last_sort_col = -1;
    std::string last_sort_header;
    int sort_dir = 0; // kept across books for the life of the program
    std::vector<int> widthsTwips;

private:
    mutable std::string savedText_; // what the file holds, as this table would write it

public:
    struct OpenResult {
        bool read = false;        // the file could be read
        bool noAddresses = false; // no cell holds an e-mail address: warn the user
        std::string problem;      // why it could not: the file and the reason
    };
    // Larger than any address book a person keeps: a file this big is something else.
    static constexpr std::size_t kMaxBytes = 16 * 1024 * 1024;
    // Loads a book. A file that cannot be read leaves an empty table with the path kept, so no
    // later save writes over it.
    OpenResult open(const std::string& path);

    // Writes the table back (temporary file, then rename) when it changed since it was opened
    // or last saved; nothing happens while no book is open or the first header cell is empty.
    // Returns an error text naming the file and the reason, or empty.
    std::string save() const;
    bool modified() const;

    // A click on a column header: ascending on a new column, flipping on the marked one; the
    // header shows "^ " or "v " before the name.
    void headerClick(int column);

    // The header of a column as it reads without a sort mark.
    std::string plainHeader(int column) const;

    // The first data row whose cell in `column` begins with `text` (ignoring case), or -1.
    int find(int column, const std::string& text) const;

    // Removes the rows between two ends (in either order), always keeping one data row.
    // Returns the row that becomes current.
    int deleteRows(int end1, int end2);

    // Appends an empty row and returns its index.
    int addBlankRow();

    // Appends a row of first name, last name and address in columns 0, 1 and 2.
    int appendAddress(const std::string& first, const std::string& last,
                      const std::string& address);

    // Appends the data rows of an imported table, column k into column k.
    void appendImported(const AddressTable& imported);
};

// Splits a sender line into a grid row: the name's first word, its last part (a middle word
// dropped) and the address between "<" and ">". `ok` is false when neither a name nor an
// address is there.
struct SenderRow {
    bool ok = false;
    std::string first;
    std::string last;
    std::string address;
};
SenderRow splitSender(const std::string& sender);

} // namespace postling
