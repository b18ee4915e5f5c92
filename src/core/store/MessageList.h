#pragma once

#include <optional>
#include <string>
#include <vector>

namespace postling {

// One row of the saved-message list, made from a file name alone.
struct MessageRow {
    std::string first;    // column 1: sender (recipient in the sent folder), as stored
    std::string subject;  // column 2: with "re " repaired to "re: "
    std::string fourth;   // column 3: recipient ("sent message" in the sent folder)
    std::string date;     // column 4: the date cut to the day
    std::string fileName; // column 5 (hidden)
    std::string sortKey;  // column 6 (hidden): days since 1 January 1950, or the date text
};

// Nothing for a file whose name has fewer than four "&&"-separated parts.
std::optional<MessageRow> messageRow(const std::string& fileName);

// "re " -> "re: ", "Re " -> "Re: ", "RE " -> "RE: ", everywhere, in that order.
std::string repairRe(const std::string& subject);

// A decoded date part cut to the day: "Tue, 3 Dec 2002 10:15:00" gives "Tue, 3 Dec 2002".
std::string dayOfDate(const std::string& date);

// Days from 1 January 1950 to a date text: "3 Dec 2002", "Tue, 3 Dec 2002", "12/4/2002"
// (month first), "December 3, 2002", "2002-12-03", "3.12.2002". Nothing when unreadable.
std::optional<long> daysSince1950(const std::string& dateText);

// The hidden sort column: the day count as decimal text, or the date text itself.
std::string dateSortKey(const std::string& dayText);

// Sort order of the list: day counts as numbers, before any other text, which compares without
// letter case. A strict weak ordering, as sorting needs.
bool rowTextLess(const std::string& a, const std::string& b);

// A row's text prepared once for sorting many rows: keys compare as rowTextLess compares texts.
struct RowKey {
    bool number = false;
    int sign = 0;
    std::string digits; // a number's digits without leading zeros
    std::string lower;  // a text in lower case
    std::string text;
};
RowKey rowKey(const std::string& text);
bool operator<(const RowKey& a, const RowKey& b);

// The folder lists of the store: every folder (capture, browser, settings) and the "Move to"
// targets (every folder but the sent folder), and the entry "deffolder" selects, or -1.
struct FolderLists {
    std::vector<std::string> all;
    std::vector<std::string> moveTargets;
    int selected = -1;
};
FolderLists folderLists(const std::vector<std::string>& folderNames, const std::string& deffolder);

// The index of the first name equal to `name` ignoring ASCII letter case, or -1.
int indexIgnoringCase(const std::vector<std::string>& names, const std::string& name);

} // namespace postling
