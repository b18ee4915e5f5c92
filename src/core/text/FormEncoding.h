#pragma once

#include <string>
#include <vector>

namespace postling {

struct FormEntry {
    std::string name;  // UTF-8
    std::string value; // UTF-8
};

// The bytes a browser posts for these entries as application/x-www-form-urlencoded: line
// breaks as CR LF, text in the form's character set (characters it lacks as "&#N;"), space as
// "+", and every byte other than A-Z a-z 0-9 * - . _ as "%XX".
std::string encodeFormUrlencoded(const std::vector<FormEntry>& entries, const std::string& charset);

// Whether a character set name means Windows-1252 or a subset of it (Latin-1, ASCII); every
// other name is sent as UTF-8.
bool isWindows1252Charset(const std::string& charset);

} // namespace postling
