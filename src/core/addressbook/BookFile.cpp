#include "addressbook/BookFile.h"

#include "text/Encoding.h"
#include "text/Strings.h"

namespace postling {

namespace {

// Moves a column and keeps every role index on its column.
void moveKeepingRoles(AddressTable& table, ColumnRoles& roles, int from, int to) {
    table.moveColumn(from, to);
    for (int* index : {&roles.first, &roles.last, &roles.email}) {
        if (*index == from)
            *index = to;
        else if (from<to&& * index> from && *index <= to)
            --*index;
        else if (from > to && *index >= to && *index < from)
            ++*index;
    }
}

} // namespace

bool isTabDelimited(const std::string& path) {
    return contains(lowerAscii(path), ".txt");
}

std::string csvLineToTabs(const std::string& line) {
    std::string out;
    out.reserve(line.size());
    bool quoted = false;
    for (char c : line) {
        if (c == '\t')
            c = ' ';
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        out += (c == ',' && !quoted) ? '\t' : c;
    }
    return out;
}

std::vector<std::string> bookLines(const std::string& bytes) {
    std::vector<std::string> lines = splitLines(toUtf8(bytes));
    if (!lines.empty() && lines.front().rfind("\xEF\xBB\xBF", 0) == 0)
        lines.front().erase(0, 3); // a byte-order mark is not part of the first name
    return lines;
}

AddressTable readBookText(const std::string& bytes, bool tabDelimited, ColumnRoles& roles) {
    roles = {};
    AddressTable table;
    table.reset(1, 2);
    const std::vector<std::string> lines = bookLines(bytes);
    if (!lines.empty()) {
        // The header: one column per field, the text after the last TAB being the trailing
        // column, which is never examined or named.
        const std::string line = tabDelimited ? lines[0] : csvLineToTabs(lines[0]);
        int k = 0;
        std::size_t start = 0;
        for (std::size_t tab = line.find('\t'); tab != std::string::npos;
             tab = line.find('\t', start)) {
            const std::string name = line.substr(start, tab - start);
            const std::string f = lowerAscii(name);
            if (roles.email == -1 && (contains(f, "email") || contains(f, "e-mail")))
                roles.email = k;
            if (roles.first == -1 && contains(f, "first"))
                roles.first = k;
            if (roles.last == -1 && contains(f, "last"))
                roles.last = k;
            table.setColumnCount(k + 2);
            table.setCell(0, k, name);
            start = tab + 1;
            ++k;
        }
    }
    table.setRowCount(static_cast<int>(std::max<std::size_t>(lines.size(), 1)));
    for (std::size_t r = 1; r < lines.size(); ++r)
        table.setRowFromTabs(static_cast<int>(r),
                             tabDelimited ? lines[r] : csvLineToTabs(lines[r]));
    return table;
}

std::string bookText(const AddressTable& table, bool tabDelimited, int lastSortCol,
                     const std::string& lastSortHeader) {
    std::string out;
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int k = 0; k < table.columnCount(); ++k) {
            if (k > 0)
                out += tabDelimited ? '\t' : ',';
            const std::string& value =
                (r == 0 && k == lastSortCol) ? lastSortHeader : table.cell(r, k);
            if (tabDelimited)
                out += value;
            else
                out += '"' + value + '"';
        }
        out += "\r\n";
    }
    return out;
}

bool arrangeBookColumns(AddressTable& table, ColumnRoles& roles) {
    if (roles.first > 0)
        moveKeepingRoles(table, roles, roles.first, 0);
    if (roles.last > 1)
        moveKeepingRoles(table, roles, roles.last, 1);
    if (roles.email != -1)
        return true;
    const int startRow = table.rowCount() == 1 ? 0 : 1;
    for (int r = startRow; r < table.rowCount() && roles.email == -1; ++r)
        for (int k = 0; k < table.columnCount(); ++k)
            if (contains(table.cell(r, k), "@") && contains(table.cell(r, k), ".")) {
                roles.email = k;
                break;
            }
    if (roles.email == -1) {
        roles.email = 0;
        return false;
    }
    if (roles.email > 2)
        moveKeepingRoles(table, roles, roles.email, 2);
    return true;
}

void arrangeImportColumns(AddressTable& table, ColumnRoles& roles) {
    if (roles.first > 0)
        moveKeepingRoles(table, roles, roles.first, 0);
    if (roles.last > 1)
        moveKeepingRoles(table, roles, roles.last, 1);
    if (roles.email > 2)
        moveKeepingRoles(table, roles, roles.email, 2);
}

std::vector<int> bookColumnWidths(const AddressTable& table, const ColumnRoles& roles) {
    std::vector<int> widths(static_cast<std::size_t>(table.columnCount()), -1);
    if (roles.email >= 0 && roles.email < table.columnCount())
        widths[static_cast<std::size_t>(roles.email)] = 1300;
    if (roles.last >= 0 && roles.last < table.columnCount())
        widths[static_cast<std::size_t>(roles.last)] = 700;
    else
        std::fill(widths.begin(), widths.end(), 700);
    if (!widths.empty())
        widths.back() = 0;
    return widths;
}

} // namespace postling
