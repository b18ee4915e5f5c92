#include "app/Navigation.h"

namespace postling {

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

bool composeReloadNeeded(bool didInsert, std::string_view composeViewAddress) {
    return !(didInsert && contains(composeViewAddress, "compose"));
}

bool calendarShown(std::string_view calendarAddress) {
    return contains(calendarAddress, "calendar");
}

bool progressVisible(long progress, long maximum) {
    return progress >= 1 && progress < maximum;
}

} // namespace postling
