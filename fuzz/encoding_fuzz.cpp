// UTF-8 and Windows-1252: whatever the bytes, the text that comes out is UTF-8, and UTF-8 goes
// through unchanged.
#include "FuzzInput.h"

#include "text/Encoding.h"

using namespace postling;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = toUtf8(bytes);
    fuzzing::check(isValidUtf8(text), "toUtf8 gives UTF-8");
    fuzzing::check(isValidUtf8(windows1252ToUtf8(bytes)), "Windows-1252 becomes UTF-8");
    if (isValidUtf8(bytes)) {
        fuzzing::check(text == bytes, "UTF-8 stays as it is");
        fuzzing::check(codePointsToUtf8(utf8ToCodePoints(bytes)) == bytes,
                       "code points round trip");
    }
    for (char32_t c : utf8ToCodePoints(bytes)) {
        const int code = windows1252Code(c);
        fuzzing::check(code >= 0 && code <= 255, "a Windows-1252 code");
    }
    return 0;
}
