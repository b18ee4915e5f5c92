#include "app/Locations.h"

#include "fs/AtomicFile.h"
#include "fs/Directory.h"

#include <filesystem>

namespace postling {

namespace fs = std::filesystem;

namespace {

// An XDG base directory from the environment, or `fallback` under home when it is unset or
// relative.
std::string xdgBase(const char* value, const std::string& home, const char* fallback) {
    if (value && *value == '/')
        return value;
    return home + fallback;
}

// Copies the files of `from` below `to` that `to` lacks; each one appears whole or not at all.
void copyMissing(const fs::path& from, const fs::path& to, bool topLevel,
                 std::vector<std::string>& failed) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(from, ec)) {
        const fs::path target = to / entry.path().filename();
        if (entry.is_directory(ec)) {
            // A shipped folder the user already has is theirs: nothing of it is restored.
            if (topLevel && fs::exists(target, ec))
                continue;
            if (!makeDirectories(target.string()))
                failed.push_back(target.string());
            else
                copyMissing(entry.path(), target, false, failed);
        } else if (!fs::exists(target, ec)) {
            const auto bytes = readFile(entry.path().string());
            if (!bytes || !writeFileAtomically(target.string(), *bytes).empty())
                failed.push_back(target.string());
        }
    }
}

} // namespace

std::string iniLocation(const std::vector<std::string>& args, const char* postlingIni,
                        const char* xdgConfigHome, const std::string& home) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--ini" && i + 1 < args.size())
            return args[i + 1];
        if (args[i].rfind("--ini=", 0) == 0)
            return args[i].substr(6);
    }
    if (postlingIni && *postlingIni)
        return postlingIni;
    return xdgBase(xdgConfigHome, home, "/.config") + "/postling/postling.ini";
}

std::string mainDirectory(const std::string& iniValue, const std::string& iniPath,
                          const char* xdgDataHome, const std::string& home) {
    if (iniValue.empty())
        return xdgBase(xdgDataHome, home, "/.local/share") + "/postling/";
    fs::path dir = mainDirPrefix(iniValue);
    if (dir.is_relative()) {
        std::error_code ec;
        dir = fs::absolute(fs::path(iniPath), ec).parent_path() / dir;
    }
    return mainDirPrefix(dir.lexically_normal().string());
}

std::vector<std::string> fillMainDirectory(const std::string& mainDir, const std::string& dataDir) {
    std::vector<std::string> failed;
    std::error_code ec;
    if (dataDir.empty() || !fs::is_directory(dataDir, ec))
        return failed;
    if (!makeDirectories(mainDir))
        return {mainDir};
    copyMissing(dataDir, mainDir, true, failed);
    return failed;
}

} // namespace postling
