#include "fs/Directory.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <dirent.h>
#include <filesystem>
#include <sys/stat.h>

#include "text/Fold.h"

namespace fs = std::filesystem;

namespace postling {

namespace {

std::vector<std::string> names(const std::string& path, bool directories) {
    std::vector<std::string> out;
    // readdir gives each entry's type without a look at the file, which matters for folders
    // of tens of thousands of messages.
    const std::string dir = path.empty() ? "." : path;
    DIR* listing = ::opendir(dir.c_str());
    if (!listing)
        return out;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == ".." || name.rfind(kTemporaryPrefix, 0) == 0)
            continue;
        bool isDir = entry->d_type == DT_DIR;
        bool isFile = entry->d_type == DT_REG;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat st {};
            if (::stat((dir + "/" + entry->d_name).c_str(), &st) != 0)
                continue;
            isDir = S_ISDIR(st.st_mode);
            isFile = S_ISREG(st.st_mode);
        }
        if (directories ? isDir : isFile)
            out.emplace_back(name);
    }
    ::closedir(listing);
    // In the order the old file system listed them: letter case aside. Each name is folded
    // once, not at every comparison (a folder may hold tens of thousands).
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(out.size());
    for (std::string& name : out)
        keyed.emplace_back(lowerText(name), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < keyed.size(); ++i)
        out[i] = std::move(keyed[i].second);
    return out;
}

bool equalIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

bool isTemporaryName(const std::string& name) {
    return name.rfind(kTemporaryPrefix, 0) == 0;
}

int removeStaleTemporaries(const std::string& dir, int minAgeSeconds) {
    int removed = 0;
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(dir.empty() ? "." : dir, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code e;
        if (!isTemporaryName(it->path().filename().string()) || !it->is_regular_file(e))
            continue;
        const auto written = it->last_write_time(e);
        if (!e && now - written >= std::chrono::seconds(minAgeSeconds) && fs::remove(it->path(), e))
            ++removed;
    }
    return removed;
}

bool makeDirectories(const std::string& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    return directoryExists(path);
}

bool makeDirectory(const std::string& path) {
    std::error_code ec;
    fs::create_directory(path, ec);
    return directoryExists(path);
}

bool directoryExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::vector<std::string> subdirectoryNames(const std::string& path) {
    return names(path, true);
}

std::vector<std::string> fileNames(const std::string& path) {
    return names(path, false);
}

std::string resolveName(const std::string& dir, const std::string& name) {
    std::error_code ec;
    if (fs::exists(fs::path(dir.empty() ? "." : dir) / name, ec))
        return name;
    fs::directory_iterator it(dir.empty() ? "." : dir, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (equalIgnoringCase(candidate, name))
            return candidate;
    }
    return name;
}

std::string mainDirPrefix(std::string value) {
    std::replace(value.begin(), value.end(), '\\', '/');
    if (!value.empty() && value.back() != '/')
        value += '/';
    return value;
}

} // namespace postling
