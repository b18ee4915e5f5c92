#include "FormData.h"

#include <algorithm>
#include <cctype>

namespace standin {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

} // namespace

std::string urlDecode(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
                   hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::string urlEncode(const std::string& text) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '*') {
            out += static_cast<char>(c);
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 15];
        }
    }
    return out;
}

FormData FormData::parse(const std::string& encoded) {
    FormData data;
    std::size_t start = 0;
    while (start <= encoded.size()) {
        auto end = encoded.find('&', start);
        if (end == std::string::npos)
            end = encoded.size();
        const std::string piece = encoded.substr(start, end - start);
        if (!piece.empty()) {
            const auto eq = piece.find('=');
            if (eq == std::string::npos)
                data.fields_.emplace_back(urlDecode(piece), std::string());
            else
                data.fields_.emplace_back(urlDecode(piece.substr(0, eq)),
                                          urlDecode(piece.substr(eq + 1)));
        }
        start = end + 1;
    }
    return data;
}

std::optional<std::string> FormData::get(const std::string& name) const {
    for (const auto& [key, val] : fields_)
        if (key == name)
            return val;
    return std::nullopt;
}

std::vector<std::string> FormData::all(const std::string& name) const {
    std::vector<std::string> out;
    for (const auto& [key, val] : fields_)
        if (key == name)
            out.push_back(val);
    return out;
}

void FormData::append(const FormData& other) {
    fields_.insert(fields_.end(), other.fields_.begin(), other.fields_.end());
}

std::vector<std::string> splitAddresses(const std::string& recipients) {
    std::vector<std::string> out;
    std::string piece;
    auto flush = [&] {
        std::string item = trim(piece);
        piece.clear();
        const auto lt = item.find('<');
        const auto gt = lt == std::string::npos ? std::string::npos : item.find('>', lt);
        if (lt != std::string::npos && gt != std::string::npos)
            item = trim(item.substr(lt + 1, gt - lt - 1));
        item.erase(std::remove(item.begin(), item.end(), '"'), item.end());
        std::transform(item.begin(), item.end(), item.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (item.find('@') != std::string::npos)
            out.push_back(item);
    };
    bool quoted = false;
    for (char c : recipients) {
        if (c == '"')
            quoted = !quoted;
        if (!quoted && (c == ',' || c == ';'))
            flush();
        else
            piece += c;
    }
    flush();
    return out;
}

} // namespace standin
