#include "SiteClient.h"

#include <cstdlib>
#include <sys/wait.h>

namespace standin::testing {

int runStandin(const std::vector<std::string>& args) {
    std::string command = STANDIN_BINARY;
    for (const std::string& a : args) // the tests' own words: no quoting needed beyond this
        command += " '" + a + "'";
    const int status = std::system((command + " > /dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

SiteClient::SiteClient(int port, std::string host)
    : client_("127.0.0.1", port), host_(std::move(host) + ":" + std::to_string(port)) {
    client_.set_read_timeout(20);
}

httplib::Headers SiteClient::headers() const {
    httplib::Headers h = {{"Host", host_}};
    std::string cookie;
    for (const auto& [name, value] : cookies_)
        cookie += (cookie.empty() ? "" : "; ") + name + "=" + value;
    if (!cookie.empty())
        h.emplace("Cookie", cookie);
    return h;
}

void SiteClient::keepCookies(const httplib::Result& result) {
    if (!result)
        return;
    const auto n = result->get_header_value_count("Set-Cookie");
    for (std::size_t i = 0; i < n; ++i) {
        const std::string set = result->get_header_value("Set-Cookie", i);
        const auto eq = set.find('=');
        const auto end = set.find(';');
        const std::string name = set.substr(0, eq);
        const std::string value = set.substr(eq + 1, end == std::string::npos ? end : end - eq - 1);
        std::erase_if(cookies_, [&](auto& c) { return c.first == name; });
        if (!value.empty())
            cookies_.emplace_back(name, value);
    }
}

httplib::Result SiteClient::get(const std::string& target) {
    auto result = client_.Get(target.c_str(), headers());
    keepCookies(result);
    return result;
}

httplib::Result SiteClient::post(const std::string& target, const std::string& body,
                                 const std::string& type) {
    auto result = client_.Post(target.c_str(), headers(), body, type.c_str());
    keepCookies(result);
    return result;
}

} // namespace standin::testing
