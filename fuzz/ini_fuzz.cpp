// The settings file: reading any text, and writing a key into it.
#include "FuzzInput.h"

#include "app/IniFile.h"
#include "text/Encoding.h"
#include "text/Strings.h"

using namespace postling;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto p = fuzzing::pieces(data, size, 5);
    const std::string text = toUtf8(p[0]), section = toUtf8(p[1]), key = toUtf8(p[2]),
                      value = toUtf8(p[3]), other = toUtf8(p[4]);
    const std::string before = iniValue(text, section, other, "\x02");
    fuzzing::check(isValidUtf8(before), "a value read is UTF-8");

    const std::string refusal = iniRefusal(section, key, value);
    const auto written = iniWithValue(text, section, key, value);
    fuzzing::check(written.has_value() == refusal.empty(), "written exactly when not refused");
    if (value.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        fuzzing::check(!refusal.empty(), "no value with a line break or NUL is written");
    if (!written)
        return 0;
    // The key reads back as it would from a file holding nothing else, and writing it again
    // changes nothing.
    const std::string alone = *iniWithValue("", section, key, value);
    fuzzing::check(iniValue(*written, section, key, "\x02") ==
                       iniValue(alone, section, key, "\x03"),
                   "a written key reads back whatever else the file holds");
    fuzzing::check(iniWithValue(*written, section, key, value) == written,
                   "writing the same key twice changes nothing");
    // Any other key of the section keeps its value.
    const auto edge = other.find_first_not_of(" \t");
    const std::string otherKey = edge == std::string::npos
                                     ? ""
                                     : other.substr(edge, other.find_last_not_of(" \t") - edge + 1);
    if (lowerAscii(otherKey) != lowerAscii(key))
        fuzzing::check(iniValue(*written, section, other, "\x02") == before,
                       "other keys keep their values");
    return 0;
}
