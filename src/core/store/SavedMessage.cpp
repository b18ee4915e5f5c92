#include "store/SavedMessage.h"

#include "text/Encoding.h"
#include "text/Strings.h"

#include <cstdio>
#include <vector>

namespace postling {

namespace {

// The first n characters followed by "..." when the text is longer than n characters.
std::string shorten(const std::string& text, std::size_t n) {
    std::u32string cps = utf8ToCodePoints(text);
    if (cps.size() <= n)
        return text;
    return codePointsToUtf8(cps.substr(0, n)) + "...";
}

std::vector<std::string> splitAt(const std::string& text, const std::string& sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(sep, start);
        if (at == std::string::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + sep.size();
    }
}

} // namespace

std::string escapeAddress(const std::string& text) {
    return replaceAll(replaceAll(text, "<", "&lt;"), ">", "&gt;");
}

std::string savedFileName(const SavedMessage& m) {
    const std::string date = replaceAll(replaceAll(m.date, ":", "^"), "/", "#");
    std::string name =
        m.sent ? shorten(m.to, 20) + "&&" + shorten(m.subject, 60) + "&&" + date + "&&sent message"
               : m.from + "&&" + shorten(m.subject, 60) + "&&" + date + "&&" + shorten(m.to, 20);
    std::string out;
    out.reserve(name.size());
    for (char c : name) {
        switch (c) {
        case '"':
        case '?':
        case '*':
            break;
        case '<':
        case '>':
        case '/':
        case ':':
        case '\\':
            out += ' ';
            break;
        default:
            out += c;
        }
    }
    return trimBlanks(out) + ".htm";
}

std::string savedFileText(const SavedMessage& m) {
    auto line = [](const char* id, const char* label, const std::string& value) {
        return std::string("<div id=") + id + "><font face=arial size=2><b>" + label +
               ":&nbsp;</b>" + value + "</font></div>\r\n";
    };
    const std::string from = escapeAddress(m.from);
    std::string text = "<html>\r\n<body>\r\n";
    text += line("from", "From", from);
    text += line("replyto", "Reply-to", from);
    text += line("to", "To", escapeAddress(m.to));
    text += line("cc", "Cc", escapeAddress(m.cc));
    text += line("bcc", "Bcc", escapeAddress(m.bcc));
    text += line("subject", "Subject", m.subject);
    text += line("date", "Date", m.date);
    text += "<div id=body><font face=arial>\r\n";
    text += m.body + "</font></div>\r\n";
    return text;
}

std::optional<NameParts> parseSavedFileName(const std::string& fileName) {
    if (fileName.size() < 4)
        return std::nullopt;
    const std::vector<std::string> parts = splitAt(fileName.substr(0, fileName.size() - 4), "&&");
    if (parts.size() < 4)
        return std::nullopt;
    return NameParts{parts[0], parts[1], replaceAll(replaceAll(parts[2], "^", ":"), "#", "/"),
                     parts[3]};
}

bool isSentFolder(const std::string& folderName) {
    return lowerAscii(folderName) == "sent";
}

std::string sentDateText(int year, int month, int day, int hour, int minute, int second) {
    char buf[64];
    const int h12 = hour % 12 == 0 ? 12 : hour % 12;
    std::snprintf(buf, sizeof buf, "%d/%d/%d %d:%02d:%02d %s", month, day, year, h12, minute,
                  second, hour < 12 ? "AM" : "PM");
    return buf;
}

} // namespace postling
