#pragma once

#include <string>
#include <string_view>

namespace postling {

// Every letter of a UTF-8 text in lower case, as the old system's lower-casing had it: ASCII,
// Latin-1, Latin Extended-A, Greek and Cyrillic capitals ("CAFÉ" gives "café").
std::string lowerText(std::string_view utf8);

// Text for comparing and searching: lower case, and the accents of Latin letters dropped
// ("Ében" and "eben" fold alike; "ß" becomes "ss", "æ" "ae").
std::string foldText(std::string_view utf8);

// Less-than of two texts ignoring letter case; texts that fold alike compare by their bytes, so
// the order is total.
bool lessIgnoringCase(std::string_view a, std::string_view b);

} // namespace postling
