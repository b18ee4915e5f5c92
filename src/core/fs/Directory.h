#pragma once

#include <string>
#include <vector>

namespace postling {

// Creates one folder; an existing folder is no error. Returns false when it cannot exist.
bool makeDirectory(const std::string& path);
bool directoryExists(const std::string& path);
bool fileExists(const std::string& path);

// The temporary files of an atomic write begin with this; no listing shows them.
inline constexpr const char* kTemporaryPrefix = ".postling-";
bool isTemporaryName(const std::string& name);
// Removes the temporary files an interrupted write left in a folder, those older than
// `minAgeSeconds` (a younger one may belong to a write under way). Returns how many went.
int removeStaleTemporaries(const std::string& dir, int minAgeSeconds);
// Creates a folder and the folders above it that are missing.
bool makeDirectories(const std::string& path);

// Names (not paths) of the subfolders or files of a folder, ordered without regard to letter
// case, without Postling's own temporary files; empty when the folder cannot be read.
std::vector<std::string> subdirectoryNames(const std::string& path);
std::vector<std::string> fileNames(const std::string& path);

// The entry of `dir` whose name equals `name` ignoring ASCII letter case, as an old
// case-insensitive file system would find it: "sent" reaches "Sent". Exact matches win.
// Returns `name` itself when nothing matches.
std::string resolveName(const std::string& dir, const std::string& name);

// The main directory as a prefix: "/" separators, ending with "/" (empty stays empty).
std::string mainDirPrefix(std::string value);

} // namespace postling
