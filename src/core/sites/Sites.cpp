#include "sites/OldSites.h"
#include "sites/RoundcubeSite.h"
#include "text/Strings.h"

namespace postling {

std::string originOf(std::string_view address) {
    const auto scheme = address.find("://");
    if (scheme == std::string_view::npos || scheme == 0)
        return {};
    const auto end = address.find_first_of("/?#", scheme + 3);
    const std::string_view origin = address.substr(0, end);
    if (origin.size() == scheme + 3)
        return {};
    return lowerAscii(origin);
}

const Site& siteFor(std::string_view address, const SiteAddresses& addresses) {
    const std::string mine = originOf(addresses.roundcube);
    if (!mine.empty() && originOf(address) == mine)
        return roundcubeSite();
    return contains(lowerAscii(address), "yahoo") ? yahooSite() : hotmailSite();
}

const std::vector<const Site*>& allSites() {
    static const std::vector<const Site*> sites{&yahooSite(), &hotmailSite(), &roundcubeSite()};
    return sites;
}

const Site& siteByKey(std::string_view key) {
    for (const Site* site : allSites())
        if (site->key() == key)
            return *site;
    return hotmailSite();
}

} // namespace postling

#include "app/Settings.h"

namespace postling {

const Site& startSite(const std::string& smail) {
    if (smail == "0")
        return yahooSite();
    return smail == "2" ? roundcubeSite() : hotmailSite();
}

std::string smailValue(const Site& site) {
    if (&site == &yahooSite())
        return "0";
    return &site == &roundcubeSite() ? "2" : "1";
}

std::string startAddress(const Settings& s, const Site& site) {
    if (&site == &yahooSite())
        return s.ystart;
    return &site == &roundcubeSite() ? s.rstart : s.hstart;
}

SiteAddresses siteAddresses(const Settings& s) {
    return {s.rstart, s.ycalendar, s.hcalendar};
}

} // namespace postling
