#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace postling {

// The small text operations the old string functions offered, on UTF-8 text. Letter case is
// ASCII letter case, as the old comparisons had it.
std::string lowerAscii(std::string_view text);
bool contains(std::string_view text, std::string_view part);
std::string replaceAll(std::string text, std::string_view from, std::string_view to);
// Blanks (spaces only) removed at both ends, or at the start.
std::string trimBlanks(std::string_view text);
std::string trimLeadingBlanks(std::string_view text);
// Text as HTML shows it: "&", "<", ">" and the double quote as entities.
std::string escapeHtml(std::string_view text);

// The lines of a text as a line-by-line reader gives them: CR LF, LF or CR end a line, and a
// final line end adds no empty line.
std::vector<std::string> splitLines(std::string_view text);

// Why bytes cannot be `what` ("an address book", in the person's language), a text file of at
// most `maxBytes`, in plain words ("it holds binary data, not text"); empty when they can. Text in
// any 8-bit character set passes: only NUL bytes or many control characters mark binary data.
std::string notTextReason(std::string_view bytes, std::size_t maxBytes, std::string_view what);

// The value of a hexadecimal digit in either letter case, or -1.
int hexDigit(char c);

} // namespace postling
