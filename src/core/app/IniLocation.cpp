#include "app/IniLocation.h"

namespace postling {

std::string iniLocation(const std::vector<std::string>& args, const char* postlingIni,
                        const char* xdgConfigHome, const char* home) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--ini" && i + 1 < args.size())
            return args[i + 1];
        if (args[i].rfind("--ini=", 0) == 0)
            return args[i].substr(6);
    }
    if (postlingIni && *postlingIni)
        return postlingIni;
    std::string config;
    if (xdgConfigHome && *xdgConfigHome)
        config = xdgConfigHome;
    else
        config = std::string(home && *home ? home : ".") + "/.config";
    return config + "/postling/postling.ini";
}

} // namespace postling
