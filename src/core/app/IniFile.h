#pragma once

#include <optional>
#include <string>

namespace postling {

// The settings file in the old private-profile format: "[Section]" lines and "key=value" lines.
// Sections and keys match in any letter case; a value comes back as stored, cut to 298
// characters; writing one key keeps every other line and comment where it was. The file is read
// afresh at every call, because another program (the mailto hand-over) writes to it too.
// The outcome of a write: false, with the reason, when nothing was written.
struct IniWrite {
    std::string error;
    explicit operator bool() const { return error.empty(); }
};

// Why a key cannot be written: a section or key name that would not read back as itself, or a
// value holding a line break or NUL (which would plant lines of its own). Empty when it can.
std::string iniRefusal(const std::string& section, const std::string& key,
                       const std::string& value);

// The rules of the file on its text, for the file and for tests of its parsing.
std::string iniValue(const std::string& text, const std::string& section, const std::string& key,
                     const std::string& def);
// The text with the key written; nothing when iniRefusal refuses it.
std::optional<std::string> iniWithValue(const std::string& text, const std::string& section,
                                        const std::string& key, const std::string& value);

class IniFile {
public:
    static constexpr std::size_t kMaxValue = 298;

    explicit IniFile(std::string path = {}) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // The value of `key` in `section`, or `def` when either is missing (both cut to 298).
    std::string get(const std::string& section, const std::string& key,
                    const std::string& def = {}) const;

    // Writes `value` as `key` of `section`, creating the file, section or key as needed; the
    // file is replaced atomically under a lock the mailto hand-over shares. A value with a line
    // break or NUL, or a malformed name, is refused.
    IniWrite set(const std::string& section, const std::string& key,
                 const std::string& value) const;

    // Reads a key and empties it in one step under the lock, so that nothing written in
    // between is lost (the mailto hand-over). Returns what the key held.
    std::string take(const std::string& section, const std::string& key) const;

private:
    IniWrite setUnlocked(const std::string& section, const std::string& key,
                         const std::string& value) const;
    template <typename F> auto locked(F&& work) const;
    std::string path_;
};

// The first n characters (code points) of UTF-8 text.
std::string cutToCharacters(const std::string& utf8, std::size_t n);

} // namespace postling
