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
    std::size_t index = 0;
    return csvRecordToTabs({line}, index);
}

std::string csvRecordToTabs(const std::vector<std::string>& lines, std::size_t& index) {
    std::string out;
    bool quoted = false;
    bool quotedField = false; // the field began with a quote: it may run onto the next lines
    bool fieldStart = true;
    for (;;) {
        const std::string& line = lines[index];
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '"') {
                if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    out += '"'; // a doubled quote inside quotes is one quote of the text
                    ++i;
                } else {
                    if (fieldStart)
                        quotedField = true;
                    quoted = !quoted;
                }
                fieldStart = false;
                continue;
            }
            if (c == ',' && !quoted) {
                out += '\t';
                fieldStart = true;
                quotedField = false;
                continue;
            }
            out += c == '\t' ? ' ' : c;
            fieldStart = false;
        }
        // A quoted field that spans lines is one field: its line break becomes a blank.
        if (!(quoted && quotedField && index + 1 < lines.size()))
            return out;
        ++index;
        out += ' ';
    }
}

std::vector<std::string> bookLines(const std::string& bytes) {
    std::vector<std::string> lines = splitLines(toUtf8(bytes));
    // A byte-order mark is not part of the first name.
    while (!lines.empty() && lines.front().rfind("\xEF\xBB\xBF", 0) == 0)
        lines.front().erase(0, 3);
    return lines;
}

AddressTable readBookText(const std::string& bytes, bool tabDelimited, ColumnRoles& roles) {
    roles = {};
    AddressTable table;
    table.reset(1, 2);
    const std::vector<std::string> lines = bookLines(bytes);
    std::vector<std::string> records;
    for (std::size_t i = 0; i < lines.size(); ++i)
        records.push_back(tabDelimited ? lines[i] : csvRecordToTabs(lines, i));
    if (!records.empty()) {
        // The header: one column per field, the text after the last TAB being the trailing
        // column, which is never examined or named.
        const std::string& line = records[0];
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
    table.setRowCount(static_cast<int>(std::max<std::size_t>(records.size(), 1)));
    for (std::size_t r = 1; r < records.size(); ++r)
        table.setRowFromTabs(static_cast<int>(r), records[r]);
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
            else // a quote of the text is doubled, so it reads back as one
                out += '"' + replaceAll(value, "\"", "\"\"") + '"';
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
    // The hidden trailing column is not looked at: moved into view, it would hide a named one.
    const int startRow = table.rowCount() == 1 ? 0 : 1;
    for (int r = startRow; r < table.rowCount() && roles.email == -1; ++r)
        for (int k = 0; k + 1 < table.columnCount(); ++k)
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

namespace {

// The first visible column whose name holds one of `names` (ignoring case), or -1.
int columnNamed(const AddressTable& table, std::initializer_list<const char*> names) {
    for (int k = 0; k + 1 < table.columnCount(); ++k)
        for (const char* name : names)
            if (contains(lowerAscii(table.cell(0, k)), name))
                return k;
    return -1;
}

int addressCells(const AddressTable& table, int column) {
    int n = 0;
    for (int r = 1; r < table.rowCount(); ++r)
        n += contains(table.cell(r, column), "@") ? 1 : 0;
    return n;
}

} // namespace

bool proposeImportRoles(const AddressTable& table, ColumnRoles& roles) {
    const ColumnRoles before = roles;
    if (roles.first == -1)
        roles.first = columnNamed(table, {"given name", "forename"});
    if (roles.last == -1)
        roles.last = columnNamed(table, {"family name", "surname"});
    // An e-mail column whose cells hold no address (Gmail's "E-mail 1 - Type" comes before
    // its "E-mail 1 - Value"): the column holding the most addresses is proposed instead.
    if (roles.email == -1 || addressCells(table, roles.email) == 0) {
        int best = -1;
        for (int k = 0; k + 1 < table.columnCount(); ++k)
            if (addressCells(table, k) > (best < 0 ? 0 : addressCells(table, best)))
                best = k;
        if (best >= 0)
            roles.email = best;
    }
    return roles.first != before.first || roles.last != before.last || roles.email != before.email;
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
