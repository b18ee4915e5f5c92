#include "store/MessageStore.h"

#include "fs/AtomicFile.h"
#include "fs/Directory.h"
#include "store/MessageList.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace postling {

std::string MessageStore::folderPath(const std::string& folder) const {
    return root() + "/" + resolveName(root(), folder);
}

void MessageStore::ensureDefaultFolders() const {
    makeDirectory(root());
    for (const char* name : {"Sent", "Saved"})
        makeDirectory(folderPath(name));
}

std::vector<std::string> MessageStore::folderNames() const {
    return subdirectoryNames(root());
}

std::vector<std::string> MessageStore::fileNames(const std::string& folder) const {
    return postling::fileNames(folderPath(folder));
}

std::string MessageStore::save(const std::string& folder, const SavedMessage& message) const {
    const std::string dir = folderPath(message.sent ? "sent" : folder);
    if (!directoryExists(dir))
        return fileError(dir, ENOENT);
    return writeFileAtomically(dir + "/" + savedFileName(message), savedFileText(message));
}

bool MessageStore::createFolder(const std::string& name) const {
    if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..")
        return false;
    if (indexIgnoringCase(folderNames(), name) >= 0)
        return false;
    return ::mkdir((root() + "/" + name).c_str(), 0755) == 0;
}

std::string MessageStore::move(const std::string& from, const std::string& to,
                               const std::string& fileName) const {
    const std::string source = folderPath(from) + "/" + fileName;
    const std::string target = folderPath(to) + "/" + fileName;
    if (!directoryExists(folderPath(to)))
        return fileError(folderPath(to), ENOENT);
    // Never over a same-named message in the target folder.
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0)
        return fileError(errno == EEXIST ? target : source, errno);
    // Both folders changed: synced, the message is in one of them after a power cut.
    if (!syncDirectory(folderPath(to)) || !syncDirectory(folderPath(from)))
        return fileError(target, errno);
    return {};
}

std::string MessageStore::remove(const std::string& folder, const std::string& fileName) const {
    const std::string path = folderPath(folder) + "/" + fileName;
    if (::unlink(path.c_str()) != 0)
        return fileError(path, errno);
    if (!syncDirectory(folderPath(folder)))
        return fileError(path, errno);
    return {};
}

} // namespace postling
