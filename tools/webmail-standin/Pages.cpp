#include "Pages.h"

#include "Http.h"

#include <cstdio>
#include <cstring>

namespace standin {

std::string htmlDocument(const std::string& title, const std::string& body,
                         const std::string& head) {
    return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n<html><head>"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
           "<style type=\"text/css\">body, td, th, p { font-family: Arial, Helvetica, "
           "sans-serif; font-size: 13px; }</style><title>" +
           escapeHtml(title) + "</title>" + head + "</head>\n" + body + "\n</html>\n";
}

std::string senderName(const std::string& from) {
    const auto lt = from.find('<');
    if (lt == std::string::npos || lt == 0)
        return from;
    auto name = from.substr(0, lt);
    while (!name.empty() && (name.back() == ' ' || name.back() == '"'))
        name.pop_back();
    while (!name.empty() && name.front() == '"')
        name.erase(0, 1);
    return name.empty() ? from : name;
}

std::string listDate(const std::string& date) {
    static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char weekday[8] = {}, month[8] = {};
    int day = 0, year = 0;
    if (std::sscanf(date.c_str(), "%3s, %d %3s %d", weekday, &day, month, &year) != 4)
        return date;
    for (int m = 0; m < 12; ++m) {
        if (std::strcmp(months[m], month) == 0) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%s %02d/%02d/%02d", weekday, m + 1, day, year % 100);
            return buf;
        }
    }
    return date;
}

std::string sizeText(std::int64_t bytes) {
    return std::to_string(bytes < 1024 ? 1 : (bytes + 1023) / 1024) + "k";
}

bool parseId(const std::string& text, std::int64_t& id) {
    if (text.empty() || text.size() > 18)
        return false;
    id = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        id = id * 10 + (c - '0');
    }
    return true;
}

} // namespace standin
