#pragma once

#include <httplib.h>
#include <string>
#include <sys/types.h>
#include <vector>

namespace standin::testing {

// A real postling-webmail process on a free loopback port with a fresh seeded database.
class StandinProcess {
public:
    explicit StandinProcess(std::vector<std::string> extraArgs = {"--seed"});
    ~StandinProcess();
    StandinProcess(const StandinProcess&) = delete;
    StandinProcess& operator=(const StandinProcess&) = delete;

    int port() const { return port_; }
    const std::string& dbPath() const { return db_; }
    bool running();

private:
    pid_t pid_ = -1;
    int port_ = 0;
    std::string dir_;
    std::string db_;
};

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
