#pragma once

#include <string>

namespace postling {

// The settings file in the old private-profile format: "[Section]" lines and "key=value" lines.
// Sections and keys match in any letter case; a value comes back as stored, cut to 298
// characters; writing one key keeps every other line and comment where it was. The file is read
// afresh at every call, because another program (the mailto hand-over) writes to it too.
class IniFile {
public:
    static constexpr std::size_t kMaxValue = 298;

    explicit IniFile(std::string path = {}) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // The value of `key` in `section`, or `def` when either is missing (both cut to 298).
    std::string get(const std::string& section, const std::string& key,
                    const std::string& def = {}) const;

    // Writes `value` as `key` of `section`, creating the file, section or key as needed; the
    // file is replaced atomically. Returns false when it could not be written (callers ignore).
    bool set(const std::string& section, const std::string& key, const std::string& value) const;

private:
    bool setUnlocked(const std::string& section, const std::string& key,
                     const std::string& value) const;
    std::string path_;
};

// The first n characters (code points) of UTF-8 text.
std::string cutToCharacters(const std::string& utf8, std::size_t n);

} // namespace postling
