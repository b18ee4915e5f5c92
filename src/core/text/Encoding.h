#pragma once

#include <string>
#include <string_view>

namespace postling {

// Files are written as UTF-8; a file that is not valid UTF-8 came from an older tool and is
// read as Windows-1252.
bool isValidUtf8(std::string_view bytes);
std::string windows1252ToUtf8(std::string_view bytes);
std::string toUtf8(std::string_view bytes); // as is when valid UTF-8, else from Windows-1252

// The Windows-1252 code of one character given as a Unicode code point; characters the code
// page lacks count as '?' (63), as the old system's conversion did.
int windows1252Code(char32_t codePoint);

// Decodes UTF-8 into code points; invalid bytes become U+FFFD.
std::u32string utf8ToCodePoints(std::string_view utf8);
std::string codePointsToUtf8(std::u32string_view text);

} // namespace postling
