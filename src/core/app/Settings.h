#pragma once

#include "app/IniFile.h"
#include "sites/SiteDefaults.h"

#include <string>
#include <vector>

namespace postling {

inline constexpr const char* kLocations = "Locations";
inline constexpr const char* kSettings = "Settings";

// Every setting of section "Settings", as start-up reads it and shutdown writes it back.
struct Settings {
    std::string lastaddressbk;
    bool setmax = true;
    std::string left = "-1", top = "0", width = "700", height = "500";
    bool hideaddr = false;
    bool gotoinbox = true;
    int unreadnum = 0;
    bool spamunread = true;
    bool spamnoneng = true;
    bool savesent = true;
    bool showemail = false;
    std::string deffolder = "Saved";
    std::string deftemp = "example.txt";
    std::string smail = "0"; // the start page's site, as the site layer writes it
    std::string ystart = defaults::kYStart;
    std::string hstart = defaults::kHStart;
    std::string rstart;        // the user's own Roundcube; none until they give one
    std::string ostart;        // another webmail, read by what its pages mean; none at first
    bool welcomeShown = false; // "welcome" is "1"
    // "profiles" is "0": every site is read by what its pages mean, as an unknown webmail is
    // (to see how far that goes on sites that have a profile). Read only, never written.
    bool profiles = true;
    std::string ycalendar = defaults::kYCalendar;
    std::string hcalendar = defaults::kHCalendar;
};

Settings readSettings(const IniFile& ini);

// How the window ends up at start: maximised, at the stored place, or as designed.
struct StartGeometry {
    enum Kind { Maximised, Stored, Designed } kind = Maximised;
    double left = 0, top = 0, width = 0, height = 0; // twips, for Stored
};
StartGeometry startGeometry(const Settings& settings);

// The window as shutdown finds it.
struct WindowState {
    bool normal = false;                             // neither maximised nor minimised
    double left = 0, top = 0, width = 0, height = 0; // twips
};

// One key written by shutdown, in the order shutdown writes them.
struct SettingWrite {
    std::string key;
    std::string value;
};

// The settings shutdown writes, in its order: "lastaddressbk", "hideaddr"; then (after the
// keyword file) "welcome" = "1" and the options; then the window. "mailto" is never written.
std::vector<SettingWrite> shutdownWrites(const Settings& settings, const WindowState& window);
std::string writeSettings(const IniFile& ini, const std::vector<SettingWrite>& writes);

// The leading number of a text as the old Val() read it ("12.5px" gives 12.5, "x" gives 0).
double leadingNumber(const std::string& text);
// A number as the ini stores it: no leading blank, no needless fraction.
std::string numberText(double value);

} // namespace postling
