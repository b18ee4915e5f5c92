#include "app/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace postling {

InstanceLock::InstanceLock(const std::string& iniPath) {
    fd_ = ::open(lockPath(iniPath).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd_);
        fd_ = -1;
        taken_ = true;
    }
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0)
        ::close(fd_); // closing releases the lock
}

bool InstanceLock::running(const std::string& iniPath) {
    const int fd = ::open(lockPath(iniPath).c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool taken = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return taken;
}

} // namespace postling
