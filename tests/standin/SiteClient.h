#pragma once

#include "StandinProcess.h"

#include <httplib.h>
#include <string>
#include <vector>

namespace standin::testing {

// Runs the stand-in binary with the given arguments and returns its exit code (for argument
// checks that must fail at once).
int runStandin(const std::vector<std::string>& args);

// A browser-like client for one site: sends the Host header, keeps the site's cookies.
class SiteClient {
public:
    SiteClient(int port, std::string host);

    httplib::Result get(const std::string& target);
    httplib::Result post(const std::string& target, const std::string& body,
                         const std::string& type = "application/x-www-form-urlencoded");
    void clearCookies() { cookies_.clear(); }

private:
    httplib::Headers headers() const;
    void keepCookies(const httplib::Result& result);

    httplib::Client client_;
    std::string host_;
    std::vector<std::pair<std::string, std::string>> cookies_;
};

} // namespace standin::testing
