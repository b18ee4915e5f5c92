#pragma once

#include <string>
#include <vector>

namespace postling {

// The language of the window, as the desktop asks for it: the first entry of LANGUAGE (a
// colon-separated list) that is English or `available`, else the first of LC_ALL, LC_MESSAGES
// and LANG that is set. Values name a language as "de", "pt_BR", "de_DE.UTF-8" or "sv_SE@euro";
// "C" and "POSIX" are English. Returns one of `available`, or empty for English.
std::string desktopLanguage(const char* language, const char* lcAll, const char* lcMessages,
                            const char* lang, const std::vector<std::string>& available);

// The help file of a main directory in a language: "webmail.<language>.hlp" where it is there,
// else the English "webmail.hlp".
std::string helpFile(const std::string& mainDir, const std::string& language);

} // namespace postling
