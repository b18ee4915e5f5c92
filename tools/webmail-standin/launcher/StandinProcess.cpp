#include "StandinProcess.h"

#include <algorithm>
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

StandinProcess::StandinProcess(std::vector<std::string> extraArgs)
    : extraArgs_(std::move(extraArgs)) {
    char tmpl[] = "/tmp/postling-webmail-XXXXXX";
    if (!mkdtemp(tmpl))
        throw std::runtime_error("mkdtemp failed");
    dir_ = tmpl;
    db_ = dir_ + "/webmail.db";
    spawn();
    // Seeded once: a restart serves the same store.
    extraArgs_.erase(std::remove(extraArgs_.begin(), extraArgs_.end(), "--seed"), extraArgs_.end());
}

void StandinProcess::spawn() {
    std::vector<std::string> args = {STANDIN_BINARY, "--port", std::to_string(port_), "--db", db_};
    args.insert(args.end(), extraArgs_.begin(), extraArgs_.end());

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

void StandinProcess::stop() {
    if (pid_ > 0) {
        kill(pid_, SIGCONT); // a paused site ends too
        kill(pid_, SIGTERM);
        // A stop that comes before the server runs is lost: after 5 s the site is killed.
        int status = 0;
        for (int i = 0; i < 100 && waitpid(pid_, &status, WNOHANG) == 0; ++i)
            usleep(50000);
        if (waitpid(pid_, &status, WNOHANG) == 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
    }
    pid_ = -1;
}

bool StandinProcess::setUp(bool up) {
    if (!up) {
        stop();
        return true;
    }
    if (pid_ > 0)
        return true;
    try {
        spawn(); // on the same port, so the pages' addresses hold
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

bool StandinProcess::setAnswering(bool answering) {
    return pid_ > 0 && kill(pid_, answering ? SIGCONT : SIGSTOP) == 0;
}

StandinProcess::~StandinProcess() {
    stop();
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

bool StandinProcess::running() {
    int status = 0;
    return pid_ > 0 && waitpid(pid_, &status, WNOHANG) == 0;
}

} // namespace standin
