#include "app/Settings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace postling {

double leadingNumber(const std::string& text) {
    const char* begin = text.c_str();
    while (*begin == ' ' || *begin == '\t')
        ++begin;
    char* end = nullptr;
    const double v = std::strtod(begin, &end);
    return end == begin || !std::isfinite(v) ? 0.0 : v;
}

std::string numberText(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6g", value);
    return buf;
}

Settings readSettings(const IniFile& ini) {
    Settings s;
    auto flag = [&](const char* key, const char* def) {
        return ini.get(kSettings, key, def) == "1";
    };
    s.lastaddressbk = ini.get(kSettings, "lastaddressbk", "");
    s.setmax = flag("setmax", "1");
    s.left = ini.get(kSettings, "left", "-1");
    s.top = ini.get(kSettings, "top", "0");
    s.width = ini.get(kSettings, "width", "700");
    s.height = ini.get(kSettings, "height", "500");
    s.hideaddr = flag("hideaddr", "0");
    s.gotoinbox = flag("gotoinbox", "1");
    const double unread = leadingNumber(ini.get(kSettings, "unreadnum", "0"));
    s.unreadnum = unread >= 0 && unread < 5 ? static_cast<int>(unread) : 0;
    s.spamunread = flag("spamunread", "1");
    s.spamnoneng = flag("spamnoneng", "1");
    s.savesent = flag("savesent", "1");
    s.showemail = flag("showemail", "0");
    s.deffolder = ini.get(kSettings, "deffolder", "Saved");
    s.deftemp = ini.get(kSettings, "deftemp", "example.txt");
    s.smail = ini.get(kSettings, "smail", "0");
    s.ystart = ini.get(kSettings, "ystart", defaults::kYStart);
    s.hstart = ini.get(kSettings, "hstart", defaults::kHStart);
    s.rstart = ini.get(kSettings, "rstart", "");
    s.ostart = ini.get(kSettings, "ostart", "");
    s.welcomeShown = ini.get(kSettings, "welcome", "0") != "0";
    s.profiles = ini.get(kSettings, "profiles", "1") != "0";
    s.ycalendar = ini.get(kSettings, "ycalendar", defaults::kYCalendar);
    s.hcalendar = ini.get(kSettings, "hcalendar", defaults::kHCalendar);
    return s;
}

StartGeometry startGeometry(const Settings& s) {
    StartGeometry g;
    if (s.setmax)
        return g;
    if (leadingNumber(s.left) > -1) {
        // A hand-edited file may hold anything: the window stays within reach.
        constexpr double kFar = 300000; // twips, some 20,000 pixels
        g.kind = StartGeometry::Stored;
        g.left = std::clamp(leadingNumber(s.left), 0.0, kFar);
        g.top = std::clamp(leadingNumber(s.top), 0.0, kFar);
        g.width = std::clamp(leadingNumber(s.width), 1500.0, kFar);
        g.height = std::clamp(leadingNumber(s.height), 1500.0, kFar);
    } else {
        g.kind = StartGeometry::Designed;
    }
    return g;
}

std::vector<SettingWrite> shutdownWrites(const Settings& s, const WindowState& w) {
    auto flag = [](bool b) {
        return std::string(b ? "1" : "0");
    };
    std::vector<SettingWrite> out = {
        {"lastaddressbk", s.lastaddressbk},
        {"hideaddr", flag(s.hideaddr)},
        {"welcome", "1"},
        {"gotoinbox", flag(s.gotoinbox)},
        {"unreadnum", std::to_string(s.unreadnum)},
        {"spamunread", flag(s.spamunread)},
        {"spamnoneng", flag(s.spamnoneng)},
        {"savesent", flag(s.savesent)},
        {"deffolder", s.deffolder},
        {"deftemp", s.deftemp},
        {"showemail", flag(s.showemail)},
        {"smail", s.smail},
        {"ystart", s.ystart},
        {"hstart", s.hstart},
        {"rstart", s.rstart},
        {"ostart", s.ostart},
        {"setmax", w.normal ? "0" : "1"},
    };
    if (w.normal) {
        out.push_back({"left", numberText(w.left)});
        out.push_back({"top", numberText(w.top)});
        out.push_back({"width", numberText(w.width)});
        out.push_back({"height", numberText(w.height)});
    }
    return out;
}

std::string writeSettings(const IniFile& ini, const std::vector<SettingWrite>& writes) {
    std::string first;
    for (const auto& w : writes) // a key that cannot be written is skipped, the rest go on
        if (IniWrite written = ini.set(kSettings, w.key, w.value); !written && first.empty())
            first = written.error;
    return first;
}

} // namespace postling
