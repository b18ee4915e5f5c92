#include "StandinProcess.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace standin::testing {

namespace {

std::vector<char*> argv(const std::vector<std::string>& args) {
    std::vector<char*> out;
    for (const auto& a : args)
        out.push_back(const_cast<char*>(a.c_str()));
    out.push_back(nullptr);
    return out;
}

} // namespace

StandinProcess::StandinProcess(std::vector<std::string> extraArgs) {
    char tmpl[] = "/tmp/standin-test-XXXXXX";
    if (!mkdtemp(tmpl))
        throw std::runtime_error("mkdtemp failed");
    dir_ = tmpl;
    db_ = dir_ + "/webmail.db";

    std::vector<std::string> args = {STANDIN_BINARY, "--port", "0", "--db", db_};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());

    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        auto av = argv(args);
        execv(av[0], av.data());
        _exit(127);
    }
    close(fds[1]);
    std::string line;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        line += c;
    close(fds[0]);
    const std::string prefix = "listening on http://127.0.0.1:";
    if (line.rfind(prefix, 0) != 0)
        throw std::runtime_error("stand-in did not start: '" + line + "'");
    port_ = std::stoi(line.substr(prefix.size()));
}

StandinProcess::~StandinProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

bool StandinProcess::running() {
    int status = 0;
    return pid_ > 0 && waitpid(pid_, &status, WNOHANG) == 0;
}

int runStandin(const std::vector<std::string>& extra) {
    std::vector<std::string> args = {STANDIN_BINARY};
    args.insert(args.end(), extra.begin(), extra.end());
    const pid_t pid = fork();
    if (pid == 0) {
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        auto av = argv(args);
        execv(av[0], av.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
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
