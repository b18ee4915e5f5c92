#pragma once

#include <string>
#include <vector>

namespace postling {

// Where the settings file lives: "--ini PATH" (or "--ini=PATH") on the command line, else
// $POSTLING_INI, else $XDG_CONFIG_HOME/postling/postling.ini (XDG_CONFIG_HOME defaulting to
// $HOME/.config; a relative value is ignored, as the XDG rules say).
std::string iniLocation(const std::vector<std::string>& arguments, const char* postlingIni,
                        const char* xdgConfigHome, const std::string& home);

// The main directory as an absolute prefix ending with "/": the ini's "main dir" made absolute
// against the ini file's folder, or, when the ini names none, $XDG_DATA_HOME/postling/
// ($HOME/.local/share when unset or relative). Never the working directory.
std::string mainDirectory(const std::string& iniValue, const std::string& iniPath,
                          const char* xdgDataHome, const std::string& home);

// Fills a main directory from the installed data: each shipped file that is missing is copied,
// and each shipped folder (address books, templates) only while the main directory lacks it,
// so a user's own books and templates are never brought back or replaced. Returns the paths
// that could not be written (nothing when the data folder does not exist).
std::vector<std::string> fillMainDirectory(const std::string& mainDir, const std::string& dataDir);

} // namespace postling
