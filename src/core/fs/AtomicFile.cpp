#include "fs/AtomicFile.h"

#include "fs/Directory.h"
#include "text/UserText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace postling {

std::string plainReason(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return POSTLING_TR("FileError", "the disk is full");
    case EROFS:
        return POSTLING_TR("FileError", "the disk is read-only");
    case EACCES:
    case EPERM:
        return POSTLING_TR("FileError", "the folder or file is read-only (no permission to write)");
    case ENOENT:
    case ENOTDIR:
        return POSTLING_TR("FileError", "it is not there any more (moved or deleted)");
    case EISDIR:
        return POSTLING_TR("FileError", "a folder of that name is in the way");
    case EEXIST:
    case ENOTEMPTY:
        return POSTLING_TR("FileError", "a file of that name is already there");
    case ENAMETOOLONG:
        return POSTLING_TR("FileError", "the name is too long");
    case EIO:
        return POSTLING_TR("FileError", "the disk reported an error");
    default:
        return std::strerror(error);
    }
}

std::string fileError(const std::string& path, int error) {
    return fileError(path, plainReason(error));
}

std::string fileError(const std::string& path, const std::string& reason) {
    //: A file and why it could not be read or written ("the disk is full").
    return withArgs(POSTLING_TR("FileError", "%1: %2"), {path, reason});
}

bool syncDirectory(const std::string& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // A file system that cannot sync folders (EINVAL) keeps no more than it says.
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    errno = error;
    return ok;
}

std::string writeFileAtomically(const std::string& path, const std::string& content) {
    const auto slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash);
    // A folder in the file's place would take the rename's new file inside it.
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode))
        return fileError(path, EISDIR);
    // A short fixed prefix keeps the temporary name within the file system's limit even when
    // the final name is close to it.
    std::string tmpl = dir + "/" + kTemporaryPrefix + "XXXXXX";
    const int fd = mkstemp(tmpl.data());
    if (fd < 0)
        return fileError(path, errno);

    // Keep the permissions of the file being replaced; a new file gets the usual 0644.
    fchmod(fd, ::stat(path.c_str(), &target) == 0 ? (target.st_mode & 07777) : 0644);

    auto failed = [&](int error) {
        ::close(fd);
        ::unlink(tmpl.c_str());
        return fileError(path, error);
    };
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return failed(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        return failed(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(tmpl.c_str());
        return fileError(path, error);
    }
    if (std::rename(tmpl.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(tmpl.c_str());
        return fileError(path, error);
    }
    if (!syncDirectory(dir))
        return fileError(path, errno);
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
