#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/Strings.h"

namespace postling {

// "yahoo" when the lower-cased address contains "yahoo", otherwise "hotmail".
std::string provider(std::string_view address);
bool isYahoo(std::string_view address);

// The address up to and including the second "/" found from its 10th character on: for
// "http://host/ym/login?x" that is "http://host/ym/". Nothing when there is no such "/".
std::optional<std::string> sitePrefix(std::string_view address);

// Site prefix + "compose", or nothing.
std::optional<std::string> composeAddress(std::string_view inboxAddress);

// After login, where the inbox view goes instead of the provider's home page: the prefix +
// "ShowFolder?" for "ym/login", the prefix + "HoTMail" for "hmhome". `handled` says the
// navigate-complete handler ends there.
struct InboxShortcut {
    bool handled = false;
    std::string target;
};
InboxShortcut goToInbox(std::string_view address);

// Where the compose view must go to keep the compose page of the inbox's site ready.
std::optional<std::string> composePreload(std::string_view inboxAddress,
                                          std::string_view composeAddress);

// The Compose tab reloads its page unless a fill has just put text into a compose page.
bool composeReloadNeeded(bool didInsert, std::string_view composeViewAddress);

// Where the calendar view goes when it shows no calendar yet.
std::optional<std::string> calendarTarget(std::string_view calendarAddress,
                                          std::string_view inboxAddress,
                                          const std::string& yahooCalendar,
                                          const std::string& hotmailCalendar);

// The progress bar shows only while 1 <= progress < maximum.
bool progressVisible(long progress, long maximum);

} // namespace postling
