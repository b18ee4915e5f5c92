#include "store/SavedMessage.h"

#include "text/Encoding.h"
#include "text/Strings.h"

#include <algorithm>
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

namespace {

// The characters a file name cannot hold go, or become blanks.
std::string fileNameText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '"':
        case '?':
        case '*':
        case '\0':
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
    return out;
}

// Cuts the longest part by a character at a time until the four fit `budget` bytes.
void fitParts(std::vector<std::string>& parts, std::size_t budget) {
    auto total = [&] {
        std::size_t n = 0;
        for (const auto& p : parts)
            n += p.size();
        return n;
    };
    while (total() > budget) {
        auto longest =
            std::max_element(parts.begin(), parts.end(),
                             [](const auto& a, const auto& b) { return a.size() < b.size(); });
        std::string& part = *longest;
        std::size_t cut = part.size() - 1;
        while (cut > 0 && (static_cast<unsigned char>(part[cut]) & 0xC0) == 0x80)
            --cut; // a character boundary
        part.erase(cut);
    }
}

} // namespace

std::string savedFileName(const SavedMessage& m) {
    const std::string date = replaceAll(replaceAll(m.date, ":", "^"), "/", "#");
    std::vector<std::string> parts =
        m.sent ? std::vector<std::string>{shorten(m.to, 20), shorten(m.subject, 60), date,
                                          "sent message"}
               : std::vector<std::string>{m.from, shorten(m.subject, 60), date, shorten(m.to, 20)};
    for (std::string& part : parts)
        part = fileNameText(part);
    // The file system takes 255 bytes: the separators and ".htm" take 10 of them.
    fitParts(parts, kMaxFileNameBytes - 3 * 2 - 4);
    return trimBlanks(parts[0] + "&&" + parts[1] + "&&" + parts[2] + "&&" + parts[3]) + ".htm";
}

std::string savedFileText(const SavedMessage& m) {
    auto line = [](const char* id, const char* label, const std::string& value) {
        return std::string("<div id=") + id + "><font face=arial size=2><b>" + label +
               ":&nbsp;</b>" + escapeHtml(value) + "</font></div>\r\n";
    };
    std::string text = "<html>\r\n<body>\r\n";
    text += line("from", "From", m.from);
    text += line("replyto", "Reply-to", m.from);
    text += line("to", "To", m.to);
    text += line("cc", "Cc", m.cc);
    text += line("bcc", "Bcc", m.bcc);
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
