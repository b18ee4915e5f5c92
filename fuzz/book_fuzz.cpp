// Address-book text: read, arranged and written back, it reads as the same table.
#include "FuzzInput.h"

#include "addressbook/BookFile.h"
#include "text/Encoding.h"

using namespace postling;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const bool tabs = data[0] & 1;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    ColumnRoles roles;
    AddressTable table = readBookText(bytes, tabs, roles);
    arrangeBookColumns(table, roles);
    const std::string text = bookText(table, tabs, -1, "");
    fuzzing::check(isValidUtf8(text), "a book is written as UTF-8");

    ColumnRoles again;
    AddressTable reread = readBookText(text, tabs, again);
    arrangeBookColumns(reread, again);
    fuzzing::check(reread.rowCount() == table.rowCount(), "the same rows");
    fuzzing::check(reread.columnCount() == table.columnCount(), "the same columns");
    for (int r = 0; r < table.rowCount(); ++r)
        fuzzing::check(reread.row(r) == table.row(r), "the same cells");
    return 0;
}
