#pragma once

#include <cstddef>
#include <string>

// Text as code points, searched the way the old string functions did: 1-based positions, 0 for
// "not found". The text rules of the 2002 sites count characters, not bytes.
namespace postling::text32 {

using Text = std::u32string;

// The position of the first `x` at or after `start`, or 0.
std::size_t find1(const Text& text, std::size_t start, const Text& x);
// The text from position a up to, not including, position b.
Text mid(const Text& text, std::size_t a, std::size_t b);
Text removeAll(Text text, const Text& part);
Text replaceAll(const Text& text, const Text& from, const Text& to);
Text trimBlanks(const Text& s);
// Tabs and line breaks removed, then blanks trimmed at both ends.
Text clean(Text value);
Text lower(Text s);

} // namespace postling::text32
