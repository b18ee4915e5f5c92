#pragma once

#include "FormData.h"

#include <string>
#include <utility>
#include <vector>

namespace standin {

// What a site sees of a request, independent of the HTTP library.
struct Request {
    std::string method;
    std::string path;
    FormData query;
    FormData form; // the urlencoded body of a post
    std::string cookies;

    std::string cookie(const std::string& name) const;
};

struct Reply {
    int status = 200;
    std::string body;
    std::string contentType = "text/html; charset=utf-8";
    std::vector<std::pair<std::string, std::string>> headers;

    static Reply page(std::string html) {
        Reply r;
        r.body = std::move(html);
        return r;
    }
    static Reply redirect(const std::string& location);
    static Reply error(int status, const std::string& message);
    static Reply notFound() { return error(404, "The page you asked for does not exist."); }
};

std::string escapeHtml(const std::string& text);

// A plain-text body as HTML: escaped, line breaks kept.
std::string plainToHtml(const std::string& text);

} // namespace standin
