#include "app/Navigation.h"

namespace postling {

bool isYahoo(std::string_view address) {
    return contains(lowerAscii(address), "yahoo");
}

std::string provider(std::string_view address) {
    return isYahoo(address) ? "yahoo" : "hotmail";
}

std::optional<std::string> sitePrefix(std::string_view address) {
    if (address.size() < 10)
        return std::nullopt;
    const auto first = address.find('/', 9);
    if (first == std::string_view::npos)
        return std::nullopt;
    const auto second = address.find('/', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    return std::string(address.substr(0, second + 1));
}

std::optional<std::string> composeAddress(std::string_view inboxAddress) {
    auto prefix = sitePrefix(inboxAddress);
    if (!prefix)
        return std::nullopt;
    return *prefix + "compose";
}

InboxShortcut goToInbox(std::string_view address) {
    const char* suffix = nullptr;
    if (contains(address, "ym/login"))
        suffix = "ShowFolder?";
    else if (contains(address, "hmhome"))
        suffix = "HoTMail";
    if (!suffix)
        return {};
    const auto prefix = sitePrefix(address);
    if (!prefix)
        return {};
    return {true, *prefix + suffix};
}

std::optional<std::string> composePreload(std::string_view inboxAddress,
                                          std::string_view composeAddress) {
    const std::string_view p = inboxAddress.substr(0, 15);
    const bool ready = contains(composeAddress, p) && contains(composeAddress, "compose");
    const std::string lowered = lowerAscii(inboxAddress);
    if (ready || !(contains(lowered, "yahoo") || contains(lowered, "hotmail")))
        return std::nullopt;
    const auto prefix = sitePrefix(lowered);
    if (!prefix)
        return std::nullopt;
    return *prefix + "compose";
}

bool composeReloadNeeded(bool didInsert, std::string_view composeViewAddress) {
    return !(didInsert && contains(composeViewAddress, "compose"));
}

std::optional<std::string> calendarTarget(std::string_view calendarAddress,
                                          std::string_view inboxAddress,
                                          const std::string& yahooCalendar,
                                          const std::string& hotmailCalendar) {
    if (contains(calendarAddress, "calendar"))
        return std::nullopt;
    return contains(inboxAddress, "yahoo") ? yahooCalendar : hotmailCalendar;
}

bool progressVisible(long progress, long maximum) {
    return progress >= 1 && progress < maximum;
}

} // namespace postling
