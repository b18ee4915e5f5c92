#pragma once

#include <optional>
#include <string>

namespace postling {

// Writes the whole of `content` to a temporary file beside `path` and renames it over `path`,
// so readers see the old file or the new one, never a part; the folder is synced after the
// rename, so a file reported written survives a power cut. Returns an error text naming the
// file and the reason in plain words ("/home/ann/book.csv: the disk is full"), or empty.
std::string writeFileAtomically(const std::string& path, const std::string& content);

// Why a file operation failed, in plain words, from its errno.
std::string plainReason(int error);
// "<path>: <plain reason>", of an errno or in words.
std::string fileError(const std::string& path, int error);
std::string fileError(const std::string& path, const std::string& reason);

// Makes a rename or a removal in `dir` durable; false when the folder cannot be synced.
bool syncDirectory(const std::string& dir);

// The whole file as bytes, or nothing when it cannot be read.
std::optional<std::string> readFile(const std::string& path);

} // namespace postling
