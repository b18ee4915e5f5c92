#include "compose/Mailto.h"

#include "text/Encoding.h"
#include "text/Strings.h"

#include <cstdio>
#include <utility>
#include <vector>

namespace postling {

namespace {

// "%XX" as the byte it stands for ("+" stays a plus sign); the bytes are UTF-8, or the
// Windows-1252 of an old link.
std::string percentDecode(const std::string& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 &&
            hexDigit(text[i + 2]) >= 0) {
            bytes += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return toUtf8(bytes);
}

std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(sep, start)) != std::string::npos; start = at + 1)
        out.push_back(text.substr(start, at - start));
    out.push_back(text.substr(start));
    return out;
}

void appendAddresses(std::string& field, const std::string& more) {
    if (!more.empty())
        field += (field.empty() ? "" : ",") + more;
}

// A one-line field takes no line break (nor any other control character) from a link.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return text;
}

std::string withoutScheme(const std::string& link) {
    return lowerAscii(link.substr(0, 7)) == "mailto:" ? link.substr(7) : link;
}

} // namespace

MailtoLink parseMailto(const std::string& link) {
    const std::string text = withoutScheme(link);
    const auto q = text.find('?');
    MailtoLink m;
    m.to = percentDecode(text.substr(0, q));
    bool subjectSeen = false, bodySeen = false;
    if (q != std::string::npos) {
        for (const std::string& field : split(text.substr(q + 1), '&')) {
            const auto eq = field.find('=');
            if (eq == std::string::npos)
                continue;
            const std::string name = lowerAscii(percentDecode(field.substr(0, eq)));
            const std::string value = percentDecode(field.substr(eq + 1));
            if (name == "to")
                appendAddresses(m.to, value);
            else if (name == "cc")
                appendAddresses(m.cc, value);
            else if (name == "bcc")
                appendAddresses(m.bcc, value);
            else if (name == "subject" && !std::exchange(subjectSeen, true))
                m.subject = value;
            else if (name == "body" && !std::exchange(bodySeen, true))
                m.body = value;
        }
    }
    m.to = oneLine(m.to);
    m.cc = oneLine(m.cc);
    m.bcc = oneLine(m.bcc);
    m.subject = oneLine(m.subject);
    return m;
}

std::string mailtoHandOver(const std::string& link) {
    std::string out = "mailto:";
    for (unsigned char c : withoutScheme(link)) {
        if (c < 0x20 || c == 0x7F) {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

} // namespace postling
