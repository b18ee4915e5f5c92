#include "store/MessageList.h"

#include "text/Fold.h"

#include "store/SavedMessage.h"
#include "text/Strings.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace postling {

namespace {

// Days from 1970-01-01 of a civil date (proleptic Gregorian).
long daysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

bool validDate(long y, int m, int d) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1)
        return false;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= lengths[m - 1] + (m == 2 && leap ? 1 : 0);
}

int monthNumber(const std::string& word) {
    static const char* names[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                  "jul", "aug", "sep", "oct", "nov", "dec"};
    const std::string w = lowerAscii(word);
    if (w.size() < 3)
        return 0;
    for (int i = 0; i < 12; ++i)
        if (w.compare(0, 3, names[i]) == 0)
            return i + 1;
    return 0;
}

// Splits into number and word tokens, dropping separators (blanks, commas, dots, slashes).
struct Token {
    bool number;
    long value;
    std::string word;
};

std::vector<Token> tokens(const std::string& text, char& separator) {
    std::vector<Token> out;
    separator = 0;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (std::isdigit(c)) {
            std::size_t j = i;
            while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
                ++j;
            if (j - i > 6)
                return {};
            out.push_back({true, std::strtol(text.substr(i, j - i).c_str(), nullptr, 10), {}});
            i = j;
        } else if (std::isalpha(c)) {
            std::size_t j = i;
            while (j < text.size() && std::isalpha(static_cast<unsigned char>(text[j])))
                ++j;
            out.push_back({false, 0, text.substr(i, j - i)});
            i = j;
        } else {
            if ((c == '/' || c == '-' || c == '.') && !separator)
                separator = static_cast<char>(c);
            ++i;
        }
    }
    return out;
}

long fullYear(long y) {
    if (y < 30)
        return 2000 + y;
    if (y < 100)
        return 1900 + y;
    return y;
}

std::optional<long> parseDay(const std::string& text) {
    char separator = 0;
    const std::vector<Token> t = tokens(text, separator);
    long y = 0;
    int m = 0, d = 0;
    if (t.size() == 3 && t[0].number && t[1].number && t[2].number) {
        if (t[0].value > 31) { // 2002-12-03
            y = t[0].value;
            m = static_cast<int>(t[1].value);
            d = static_cast<int>(t[2].value);
        } else if (separator == '.') { // 3.12.2002
            d = static_cast<int>(t[0].value);
            m = static_cast<int>(t[1].value);
            y = fullYear(t[2].value);
        } else { // 12/4/2002, month first
            m = static_cast<int>(t[0].value);
            d = static_cast<int>(t[1].value);
            y = fullYear(t[2].value);
        }
    } else if (t.size() == 3 && t[0].number && !t[1].number && t[2].number) { // 3 Dec 2002
        d = static_cast<int>(t[0].value);
        m = monthNumber(t[1].word);
        y = fullYear(t[2].value);
    } else if (t.size() == 3 && !t[0].number && t[1].number && t[2].number) { // Dec 3, 2002
        m = monthNumber(t[0].word);
        d = static_cast<int>(t[1].value);
        y = fullYear(t[2].value);
    } else {
        return std::nullopt;
    }
    if (!validDate(y, m, d))
        return std::nullopt;
    return daysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d)) -
           daysFromCivil(1950, 1, 1);
}

bool isInteger(const std::string& s) {
    if (s.empty())
        return false;
    const std::size_t start = s[0] == '-' ? 1 : 0;
    return start < s.size() && s.find_first_not_of("0123456789", start) == std::string::npos;
}

} // namespace

std::string repairRe(const std::string& subject) {
    return replaceAll(replaceAll(replaceAll(subject, "re ", "re: "), "Re ", "Re: "), "RE ", "RE: ");
}

std::string dayOfDate(const std::string& date) {
    std::string d = date;
    const auto colon = d.find(':');
    if (colon == std::string::npos)
        return d;
    d = d.substr(0, colon + 1);
    const auto blank = d.rfind(' ');
    if (blank != std::string::npos) {
        d = d.substr(0, blank);
        while (!d.empty() && d.back() == ' ')
            d.pop_back();
    }
    return d;
}

std::optional<long> daysSince1950(const std::string& dateText) {
    // What follows a weekday ("Tue, 3 Dec 2002") first; then the whole text ("Dec 3, 2002").
    const auto comma = dateText.find(',');
    if (comma != std::string::npos)
        if (auto days = parseDay(trimLeadingBlanks(dateText.substr(comma + 1))))
            return days;
    return parseDay(dateText);
}

std::string dateSortKey(const std::string& dayText) {
    if (const auto days = daysSince1950(dayText))
        return std::to_string(*days);
    const auto comma = dayText.find(',');
    return comma == std::string::npos ? dayText : trimLeadingBlanks(dayText.substr(comma + 1));
}

bool rowTextLess(const std::string& a, const std::string& b) {
    return rowKey(a) < rowKey(b);
}

RowKey rowKey(const std::string& text) {
    RowKey key;
    key.number = isInteger(text);
    if (key.number) {
        const bool negative = text[0] == '-';
        const std::size_t first = text.find_first_not_of('0', negative ? 1 : 0);
        key.digits = first == std::string::npos ? std::string() : text.substr(first);
        key.sign = key.digits.empty() ? 0 : (negative ? -1 : 1);
    } else {
        key.lower = lowerText(text);
        key.text = text;
    }
    return key;
}

// Day counts come before dates that could not be read, each in their own order, so that every
// list sorts the same whatever order its rows came in.
bool operator<(const RowKey& a, const RowKey& b) {
    if (a.number != b.number)
        return a.number;
    if (!a.number)
        return a.lower != b.lower ? a.lower < b.lower : a.text < b.text;
    if (a.sign != b.sign)
        return a.sign < b.sign;
    const bool shorter = a.digits.size() != b.digits.size() ? a.digits.size() < b.digits.size()
                                                            : a.digits < b.digits;
    const bool longer = a.digits.size() != b.digits.size() ? a.digits.size() > b.digits.size()
                                                           : a.digits > b.digits;
    return a.sign < 0 ? longer : shorter;
}

std::optional<MessageRow> messageRow(const std::string& fileName) {
    const auto parts = parseSavedFileName(fileName);
    if (!parts)
        return std::nullopt;
    MessageRow row;
    row.first = parts->first;
    row.subject = repairRe(trimLeadingBlanks(parts->subject));
    row.fourth = trimLeadingBlanks(parts->fourth);
    row.date = dayOfDate(trimLeadingBlanks(parts->date));
    row.fileName = trimLeadingBlanks(fileName);
    row.sortKey = dateSortKey(row.date);
    return row;
}

int indexIgnoringCase(const std::vector<std::string>& names, const std::string& name) {
    const std::string wanted = lowerAscii(name);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (lowerAscii(names[i]) == wanted)
            return static_cast<int>(i);
    return -1;
}

FolderLists folderLists(const std::vector<std::string>& folderNames, const std::string& deffolder) {
    FolderLists lists;
    for (const auto& name : folderNames) {
        lists.all.push_back(name);
        if (!isSentFolder(name))
            lists.moveTargets.push_back(name);
    }
    lists.selected = indexIgnoringCase(lists.all, deffolder);
    return lists;
}

} // namespace postling
