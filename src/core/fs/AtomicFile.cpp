#include "fs/AtomicFile.h"

#include "fs/Directory.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace postling {

std::string writeFileAtomically(const std::string& path, const std::string& content) {
    const auto slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    // A short fixed prefix keeps the temporary name within the file system's limit even when
    // the final name is close to it.
    std::string tmpl = dir + "/" + kTemporaryPrefix + "XXXXXX";
    const int fd = mkstemp(tmpl.data());
    if (fd < 0)
        return std::string("cannot create a file in ") + dir + ": " + std::strerror(errno);

    // Keep the permissions of the file being replaced; a new file gets the usual 0644.
    struct stat st {};
    fchmod(fd, ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644);

    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const std::string err = std::strerror(errno);
            ::close(fd);
            ::unlink(tmpl.c_str());
            return "cannot write " + base + ": " + err;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const std::string err = std::strerror(errno);
        ::unlink(tmpl.c_str());
        return "cannot write " + base + ": " + err;
    }
    if (std::rename(tmpl.c_str(), path.c_str()) != 0) {
        const std::string err = std::strerror(errno);
        ::unlink(tmpl.c_str());
        return "cannot replace " + base + ": " + err;
    }
    return {};
}

std::optional<std::string> readFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::string out;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) { // a directory, or a read error
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        out.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return out;
}

} // namespace postling
