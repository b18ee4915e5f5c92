// postling-mailto: the desktop's handler for mailto links. It hands the link to Postling
// through the "mailto" key of the settings file and starts Postling when none is running.
//   postling-mailto [--ini PATH] mailto:someone@example.com?subject=Hello
#include "app/IniFile.h"
#include "app/IniLocation.h"
#include "app/InstanceLock.h"
#include "compose/Mailto.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Postling lives beside this program.
std::string postlingPath() {
    char self[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return "postling";
    std::string path(self, static_cast<std::size_t>(n));
    return path.substr(0, path.rfind('/') + 1) + "postling";
}

// Starts Postling for the link without waiting for it.
bool startPostling(const std::string& ini) {
    const pid_t pid = ::fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        ::setsid();
        if (::fork() == 0) {
            // A program started from the desktop holds none of our caller's files open.
            const int null = ::open("/dev/null", O_RDWR);
            for (int fd = 0; fd <= 2; ++fd)
                ::dup2(null, fd);
            for (int fd = 3; fd < 1024; ++fd) // nor any pipe of whoever started us
                ::close(fd);
            const std::string program = postlingPath();
            ::execl(program.c_str(), program.c_str(), "--ini", ini.c_str(), "mailto",
                    static_cast<char*>(nullptr));
            std::_Exit(127);
        }
        std::_Exit(0);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv, argv + argc);
    std::string link;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--ini") {
            ++i;
            continue;
        }
        if (args[i].rfind("--ini=", 0) != 0)
            link = args[i];
    }
    if (link.empty()) {
        std::fprintf(stderr, "usage: postling-mailto [--ini PATH] mailto:ADDRESS\n");
        return 2;
    }
    const std::string ini = postling::iniLocation(
        args, std::getenv("POSTLING_INI"), std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (const auto written =
            postling::IniFile(ini).set("Settings", "mailto", postling::mailtoHandOver(link));
        !written) {
        std::fprintf(stderr, "postling-mailto: cannot write %s: %s\n", ini.c_str(),
                     written.error.c_str());
        return 1;
    }
    if (!postling::InstanceLock::running(ini) && !startPostling(ini)) {
        std::fprintf(stderr, "postling-mailto: cannot start Postling\n");
        return 1;
    }
    return 0;
}
