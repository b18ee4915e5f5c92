#include "Http.h"

namespace standin {

std::string Request::cookie(const std::string& name) const {
    std::size_t pos = 0;
    while (pos < cookies.size()) {
        auto end = cookies.find(';', pos);
        if (end == std::string::npos)
            end = cookies.size();
        std::string item = cookies.substr(pos, end - pos);
        const auto first = item.find_first_not_of(' ');
        item = first == std::string::npos ? std::string() : item.substr(first);
        const auto eq = item.find('=');
        if (eq != std::string::npos && item.substr(0, eq) == name)
            return item.substr(eq + 1);
        pos = end + 1;
    }
    return {};
}

Reply Reply::redirect(const std::string& location) {
    Reply r;
    r.status = 302;
    r.headers.emplace_back("Location", location);
    r.body = "<html><body><a href=\"" + escapeHtml(location) + "\">Continue</a></body></html>";
    return r;
}

Reply Reply::error(int status, const std::string& message) {
    Reply r;
    r.status = status;
    r.body = "<html><head><title>Error " + std::to_string(status) +
             "</title></head><body><h2>Error " + std::to_string(status) + "</h2><p>" +
             escapeHtml(message) + "</p></body></html>";
    return r;
}

std::string escapeHtml(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string plainToHtml(const std::string& text) {
    std::string out;
    const std::string escaped = escapeHtml(text);
    out.reserve(escaped.size() + escaped.size() / 16);
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == '\r')
            continue;
        if (escaped[i] == '\n')
            out += "<br>\n";
        else
            out += escaped[i];
    }
    return out;
}

} // namespace standin
