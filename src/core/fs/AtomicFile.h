#pragma once

#include <optional>
#include <string>

namespace postling {

// Writes the whole of `content` to a temporary file beside `path` and renames it over `path`,
// so readers see the old file or the new one, never a part. Returns an error text, or empty.
std::string writeFileAtomically(const std::string& path, const std::string& content);

// The whole file as bytes, or nothing when it cannot be read.
std::optional<std::string> readFile(const std::string& path);

} // namespace postling
