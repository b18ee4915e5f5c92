#pragma once

#include <string>

namespace postling {

// Marks the one running Postling of a settings file: held for the life of the program, so the
// mailto hand-over can tell whether it must start one.
class InstanceLock {
public:
    explicit InstanceLock(const std::string& iniPath);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    bool held() const { return fd_ >= 0; }
    // Another process holds the lock (as opposed to a lock file that cannot be made at all).
    bool takenByAnother() const { return taken_; }
    // True when another process holds the lock of this settings file.
    static bool running(const std::string& iniPath);
    static std::string lockPath(const std::string& iniPath) { return iniPath + ".running"; }

private:
    int fd_ = -1;
    bool taken_ = false;
};

} // namespace postling
