#include "sites/GenericSite.h"
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
    const std::string lower = lowerAscii(address);
    const bool web = lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0;
    if (addresses.genericOnly && web)
        return genericSite();
    const std::string mine = originOf(addresses.roundcube);
    if (!mine.empty() && originOf(address) == mine)
        return roundcubeSite();
    const std::string other = originOf(addresses.other);
    if (!other.empty() && originOf(address) == other)
        return genericSite();
    if (contains(lower, "yahoo"))
        return yahooSite();
    // A web address no profile claims is some other webmail; Postling's own local pages keep
    // the old rule.
    if (!contains(lower, "hotmail") && web)
        return genericSite();
    return hotmailSite();
}

const std::vector<const Site*>& allSites() {
    static const std::vector<const Site*> sites{&yahooSite(), &hotmailSite(), &roundcubeSite(),
                                                &genericSite()};
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
    if (smail == "3")
        return genericSite();
    return smail == "2" ? roundcubeSite() : hotmailSite();
}

std::string smailValue(const Site& site) {
    if (&site == &yahooSite())
        return "0";
    if (&site == &genericSite())
        return "3";
    return &site == &roundcubeSite() ? "2" : "1";
}

std::string startAddress(const Settings& s, const Site& site) {
    if (&site == &yahooSite())
        return s.ystart;
    if (&site == &genericSite())
        return s.ostart;
    return &site == &roundcubeSite() ? s.rstart : s.hstart;
}

SiteAddresses siteAddresses(const Settings& s) {
    return {s.rstart, s.ycalendar, s.hcalendar, s.ostart, !s.profiles};
}

} // namespace postling
