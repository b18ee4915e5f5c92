#include "StandinProcess.h"

#include <csignal>
#include <filesystem>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace standin {

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
    char tmpl[] = "/tmp/postling-webmail-XXXXXX";
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

} // namespace standin
