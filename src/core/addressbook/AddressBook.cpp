#include "addressbook/AddressBook.h"

#include "fs/AtomicFile.h"
#include "text/Fold.h"
#include "text/Strings.h"
#include "text/UserText.h"

#include <algorithm>
#include <cerrno>

namespace postling {

namespace {

std::string removeChars(std::string s, const char* chars) {
    s.erase(std::remove_if(s.begin(), s.end(),
                           [&](char c) { return std::string(chars).find(c) != std::string::npos; }),
            s.end());
    return s;
}

} // namespace

AddressBook::OpenResult AddressBook::open(const std::string& newPath) {
    OpenResult result;
    path = newPath;
    last_sort_col = -1;
    savedText_.clear();
    table.reset(2, 2);
    first_col = last_col = email_col = -1;
    // Unread or damaged, the grid stays empty, so nothing ever saves over the file.
    const auto bytes = readFile(newPath);
    if (!bytes) {
        result.problem = fileError(newPath, errno);
        return result;
    }
    if (std::string reason =
            notTextReason(*bytes, kMaxBytes, POSTLING_TR("TextFile", "an address book"));
        !reason.empty()) {
        result.problem = fileError(newPath, reason);
        return result;
    }
    result.read = true;
    ColumnRoles roles;
    table = readBookText(*bytes, isTabDelimited(newPath), roles);
    result.noAddresses = !arrangeBookColumns(table, roles);
    first_col = roles.first;
    last_col = roles.last;
    email_col = roles.email;
    widthsTwips = bookColumnWidths(table, roles);
    last_sort_col = 0;
    last_sort_header = table.cell(0, 0);
    savedText_ = bookText(table, isTabDelimited(path), last_sort_col, last_sort_header);
    return result;
}

std::string AddressBook::save() const {
    if (path.empty() || table.cell(0, 0).empty())
        return {};
    std::string text = bookText(table, isTabDelimited(path), last_sort_col, last_sort_header);
    if (text == savedText_)
        return {}; // unchanged: the file is left as it is
    if (std::string error = writeFileAtomically(path, text); !error.empty())
        return error; // still modified: the next save tries again
    savedText_ = std::move(text);
    return {};
}

bool AddressBook::modified() const {
    return !path.empty() && !table.cell(0, 0).empty() &&
           bookText(table, isTabDelimited(path), last_sort_col, last_sort_header) != savedText_;
}

void AddressBook::headerClick(int column) {
    if (column < 0 || column >= table.columnCount())
        return;
    if (!last_sort_header.empty())
        table.setCell(0, last_sort_col, last_sort_header);
    bool ascending = true;
    if (column == last_sort_col) {
        ascending = sort_dir != kAscending;
    } else {
        last_sort_header = table.cell(0, column);
        last_sort_col = column;
    }
    sort_dir = ascending ? kAscending : kDescending;
    table.sortRows(column, ascending);
    table.setCell(0, column, (ascending ? "^ " : "v ") + last_sort_header);
}

std::string AddressBook::plainHeader(int column) const {
    if (column == last_sort_col && !last_sort_header.empty())
        return last_sort_header;
    return table.cell(0, column);
}

int AddressBook::find(int column, const std::string& text) const {
    if (text.empty())
        return -1;
    const std::string wanted = lowerText(text);
    for (int r = 1; r < table.rowCount(); ++r)
        if (lowerText(table.cell(r, column)).rfind(wanted, 0) == 0)
            return r;
    return -1;
}

int AddressBook::deleteRows(int end1, int end2) {
    const int first = std::max(1, std::min(end1, end2));
    const int last = std::max(end1, end2);
    for (int i = first; i <= last; ++i) {
        if (table.rowCount() <= 2)
            break; // the grid keeps one data row
        table.removeRow(first);
    }
    return first < table.rowCount() ? first : first - 1;
}

int AddressBook::addBlankRow() {
    table.appendEmptyRow();
    return table.rowCount() - 1;
}

int AddressBook::appendAddress(const std::string& first, const std::string& last,
                               const std::string& address) {
    const int row = addBlankRow();
    table.setCell(row, 0, first);
    table.setCell(row, 1, last);
    table.setCell(row, 2, address);
    return row;
}

void AddressBook::appendImported(const AddressTable& imported) {
    for (int r = 1; r < imported.rowCount(); ++r) {
        const int row = addBlankRow();
        for (int k = 0; k < table.columnCount() && k < imported.columnCount(); ++k)
            table.setCell(row, k, imported.cell(r, k));
    }
}

SenderRow splitSender(const std::string& sender) {
    SenderRow row;
    std::string name;
    const auto lt = sender.find('<');
    const auto gt = lt == std::string::npos ? std::string::npos : sender.find('>', lt);
    if (lt != std::string::npos && gt != std::string::npos) {
        row.address = sender.substr(lt + 1, gt - lt - 1);
        name = sender.substr(0, lt);
    } else if (lt != std::string::npos) {
        name = sender;
    } else {
        row.address = trimBlanks(removeChars(sender, "\"\t\r\n"));
    }
    name = trimBlanks(name);
    if (name.empty()) {
        row.ok = !row.address.empty();
        return row;
    }
    name = trimBlanks(removeChars(name, "\"\t\r\n"));
    const auto blank = name.find(' ');
    row.first = name.substr(0, blank);
    if (blank != std::string::npos) {
        const std::string rest = trimLeadingBlanks(name.substr(blank + 1));
        const auto next = rest.find(' ');
        row.last = next == std::string::npos ? rest : trimLeadingBlanks(rest.substr(next + 1));
    }
    row.ok = true;
    return row;
}

} // namespace postling
