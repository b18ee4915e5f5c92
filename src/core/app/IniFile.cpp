#include "app/IniFile.h"

#include "fs/AtomicFile.h"
#include "text/Encoding.h"
#include "text/Strings.h"
#include "text/UserText.h"

#include <algorithm>
#include <cctype>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace postling {

namespace {

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

// "[Name]" gives "Name"; any other line gives nothing.
bool sectionName(const std::string& line, std::string& name) {
    const std::string t = trim(line);
    if (t.size() < 2 || t.front() != '[')
        return false;
    const auto close = t.find(']');
    if (close == std::string::npos)
        return false;
    name = trim(t.substr(1, close - 1));
    return true;
}

// "key = value" gives key and raw value; comments and blank lines give nothing.
bool keyValue(const std::string& line, std::string& key, std::string& value) {
    const std::string t = trim(line);
    if (t.empty() || t[0] == ';' || t[0] == '#')
        return false;
    const auto eq = t.find('=');
    if (eq == std::string::npos)
        return false;
    key = trim(t.substr(0, eq));
    value = trim(t.substr(eq + 1));
    return true;
}

std::vector<std::string> textLines(std::string text) {
    while (text.rfind("\xEF\xBB\xBF", 0) == 0) // byte-order marks are not text
        text.erase(0, 3);
    return splitLines(text);
}

std::string readText(const std::string& path) {
    const auto bytes = readFile(path);
    return bytes ? toUtf8(*bytes) : std::string();
}

bool hasBreakOrNul(const std::string& text) {
    return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

} // namespace

std::string cutToCharacters(const std::string& utf8, std::size_t n) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
            if (count == n)
                return utf8.substr(0, i);
            ++count;
        }
    }
    return utf8;
}

std::string iniRefusal(const std::string& section, const std::string& key,
                       const std::string& value) {
    if (hasBreakOrNul(value))
        return POSTLING_TR("IniFile", "a setting's value cannot hold a line break or NUL");
    if (section.empty() || trim(section) != section || hasBreakOrNul(section) ||
        section.find(']') != std::string::npos)
        return POSTLING_TR("IniFile", "malformed section name");
    if (key.empty() || trim(key) != key || hasBreakOrNul(key) ||
        key.find('=') != std::string::npos || key[0] == '[' || key[0] == ';' || key[0] == '#')
        return POSTLING_TR("IniFile", "malformed key");
    return {};
}

std::string iniValue(const std::string& text, const std::string& section, const std::string& key,
                     const std::string& def) {
    const std::string wantSection = lowerAscii(trim(section));
    const std::string wantKey = lowerAscii(trim(key));
    bool inSection = false;
    for (const auto& line : textLines(text)) {
        std::string name, k, v;
        if (sectionName(line, name)) {
            inSection = lowerAscii(name) == wantSection;
        } else if (inSection && keyValue(line, k, v) && lowerAscii(k) == wantKey) {
            // The old functions dropped one pair of quotes around a value.
            if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                v = v.substr(1, v.size() - 2);
            return cutToCharacters(v, IniFile::kMaxValue);
        }
    }
    return cutToCharacters(def, IniFile::kMaxValue);
}

std::optional<std::string> iniWithValue(const std::string& text, const std::string& section,
                                        const std::string& key, const std::string& value) {
    if (!iniRefusal(section, key, value).empty())
        return std::nullopt;
    std::vector<std::string> lines = textLines(text);
    const std::string wantSection = lowerAscii(section);
    const std::string wantKey = lowerAscii(key);
    const std::string entry = key + "=" + value;

    bool inSection = false;
    bool found = false;
    std::size_t insertAt = lines.size(); // after the last entry of the section
    bool sectionSeen = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string name, k, v;
        if (sectionName(lines[i], name)) {
            inSection = lowerAscii(name) == wantSection;
            if (inSection && !sectionSeen) {
                sectionSeen = true;
                insertAt = i + 1;
            }
        } else if (inSection) {
            if (keyValue(lines[i], k, v) && lowerAscii(k) == wantKey) {
                lines[i] = entry;
                found = true;
                break;
            }
            if (!trim(lines[i]).empty())
                insertAt = i + 1;
        }
    }
    if (!found) {
        if (sectionSeen) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
        } else {
            lines.push_back("[" + section + "]");
            lines.push_back(entry);
        }
    }
    std::string out;
    for (const auto& line : lines)
        out += line + "\r\n";
    return out;
}

std::string IniFile::get(const std::string& section, const std::string& key,
                         const std::string& def) const {
    return iniValue(readText(path_), section, key, def);
}

// Postling and the mailto hand-over both rewrite the file: one at a time.
template <typename F> auto IniFile::locked(F&& work) const {
    const int lock = ::open((path_ + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (lock >= 0)
        ::flock(lock, LOCK_EX);
    auto result = work();
    if (lock >= 0)
        ::close(lock);
    return result;
}

IniWrite IniFile::set(const std::string& section, const std::string& key,
                      const std::string& value) const {
    if (path_.empty())
        return {POSTLING_TR("IniFile", "no settings file")};
    if (std::string refusal = iniRefusal(section, key, value); !refusal.empty())
        return {std::move(refusal)};
    return locked([&] { return setUnlocked(section, key, value); });
}

std::string IniFile::take(const std::string& section, const std::string& key) const {
    if (path_.empty())
        return {};
    return locked([&] {
        std::string value = get(section, key, "");
        if (!value.empty())
            setUnlocked(section, key, "");
        return value;
    });
}

IniWrite IniFile::setUnlocked(const std::string& section, const std::string& key,
                              const std::string& value) const {
    const auto text = iniWithValue(readText(path_), section, key, value);
    if (!text)
        return {iniRefusal(section, key, value)};
    return {writeFileAtomically(path_, *text)};
}

} // namespace postling
