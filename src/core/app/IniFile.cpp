#include "app/IniFile.h"

#include "fs/AtomicFile.h"
#include "text/Encoding.h"
#include "text/Strings.h"

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

std::vector<std::string> readLines(const std::string& path) {
    const auto bytes = readFile(path);
    if (!bytes)
        return {};
    std::string text = toUtf8(*bytes);
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    return splitLines(text);
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

std::string IniFile::get(const std::string& section, const std::string& key,
                         const std::string& def) const {
    const std::string wantSection = lowerAscii(trim(section));
    const std::string wantKey = lowerAscii(trim(key));
    bool inSection = false;
    for (const auto& line : readLines(path_)) {
        std::string name, k, v;
        if (sectionName(line, name)) {
            inSection = lowerAscii(name) == wantSection;
        } else if (inSection && keyValue(line, k, v) && lowerAscii(k) == wantKey) {
            // The old functions dropped one pair of quotes around a value.
            if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                v = v.substr(1, v.size() - 2);
            return cutToCharacters(v, kMaxValue);
        }
    }
    return cutToCharacters(def, kMaxValue);
}

bool IniFile::set(const std::string& section, const std::string& key,
                  const std::string& value) const {
    if (path_.empty())
        return false;
    // Postling and the mailto hand-over both rewrite the file: one at a time.
    const int lock = ::open((path_ + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (lock >= 0)
        ::flock(lock, LOCK_EX);
    const bool written = setUnlocked(section, key, value);
    if (lock >= 0)
        ::close(lock);
    return written;
}

bool IniFile::setUnlocked(const std::string& section, const std::string& key,
                          const std::string& value) const {
    std::vector<std::string> lines = readLines(path_);
    const std::string wantSection = lowerAscii(trim(section));
    const std::string wantKey = lowerAscii(trim(key));
    const std::string entry = trim(key) + "=" + value;

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
            lines.push_back("[" + trim(section) + "]");
            lines.push_back(entry);
        }
    }
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return writeFileAtomically(path_, text).empty();
}

} // namespace postling
