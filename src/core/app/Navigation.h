#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/Strings.h"

namespace postling {

// The address up to and including the second "/" found from its 10th character on: for
// "http://host/ym/login?x" that is "http://host/ym/". Nothing when there is no such "/".
std::optional<std::string> sitePrefix(std::string_view address);

// The Compose tab reloads its page unless a fill has just put text into a compose page.
bool composeReloadNeeded(bool didInsert, std::string_view composeViewAddress);

// Whether the calendar view already shows a calendar (it is left alone then).
bool calendarShown(std::string_view calendarAddress);

// The progress bar shows only while 1 <= progress < maximum.
bool progressVisible(long progress, long maximum);

} // namespace postling
