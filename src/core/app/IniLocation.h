#pragma once

#include <string>
#include <vector>

namespace postling {

// Where the settings file lives: "--ini PATH" (or "--ini=PATH") on the command line, else
// $POSTLING_INI, else $XDG_CONFIG_HOME/postling/postling.ini (XDG_CONFIG_HOME defaulting to
// $HOME/.config).
std::string iniLocation(const std::vector<std::string>& arguments, const char* postlingIni,
                        const char* xdgConfigHome, const char* home);

} // namespace postling
