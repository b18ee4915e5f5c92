#include "text/FormEncoding.h"

#include "text/Encoding.h"

#include <cctype>

namespace postling {

namespace {

std::string normalizeLineBreaks(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (text[i] == '\n') {
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string toCharset(const std::string& utf8, bool windows1252) {
    if (!windows1252)
        return utf8;
    std::string out;
    for (char32_t cp : utf8ToCodePoints(utf8)) {
        const int code = windows1252Code(cp);
        if (code == '?' && cp != U'?')
            out += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
        else
            out += static_cast<char>(code);
    }
    return out;
}

void percentEncode(std::string& out, const std::string& bytes) {
    static const char* hex = "0123456789ABCDEF";
    for (unsigned char c : bytes) {
        if (std::isalnum(c) || c == '*' || c == '-' || c == '.' || c == '_') {
            out += static_cast<char>(c);
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
}

} // namespace

bool isWindows1252Charset(const std::string& charset) {
    std::string c;
    for (char ch : charset)
        c += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return c == "windows-1252" || c == "iso-8859-1" || c == "latin1" || c == "us-ascii" ||
           c == "ascii" || c == "cp1252" || c == "l1" || c == "iso8859-1";
}

std::string encodeFormUrlencoded(const std::vector<FormEntry>& entries,
                                 const std::string& charset) {
    const bool latin = isWindows1252Charset(charset);
    std::string out;
    for (const auto& entry : entries) {
        if (!out.empty())
            out += '&';
        percentEncode(out, toCharset(normalizeLineBreaks(entry.name), latin));
        out += '=';
        percentEncode(out, toCharset(normalizeLineBreaks(entry.value), latin));
    }
    return out;
}

} // namespace postling
