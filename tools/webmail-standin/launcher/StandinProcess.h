#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace standin {

// A postling-webmail process on a free loopback port with a fresh database of its own, for the
// programs that drive the stand-in (tests, benchmarks). Stopped and its files removed when it
// goes.
class StandinProcess {
public:
    explicit StandinProcess(std::vector<std::string> extraArgs = {"--seed"});
    ~StandinProcess();
    StandinProcess(const StandinProcess&) = delete;
    StandinProcess& operator=(const StandinProcess&) = delete;

    int port() const { return port_; }
    const std::string& dbPath() const { return db_; }
    bool running();
    // The site goes down (connections refused), or comes back on the same port and store.
    bool setUp(bool up);
    // The site stops answering (it still takes connections), or answers again.
    bool setAnswering(bool answering);

private:
    void spawn();
    void stop();

    std::vector<std::string> extraArgs_;
    pid_t pid_ = -1;
    int port_ = 0;
    std::string dir_;
    std::string db_;
};

} // namespace standin
