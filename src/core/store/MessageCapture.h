#pragma once

#include "store/SavedMessage.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace postling {

// What a site's page module reads of the message on screen, gathered in one call.
struct MessagePage {
    std::string text;                    // body innerText, lines ended by CR LF
    std::optional<std::string> bodyHtml; // innerHTML of the element the site shows the body in
    std::optional<std::string> source;   // the message as delivered, where the site offers it
    // Headers the page shows under labels ("from", "to", "cc", "subject", "date"), as read by a
    // profile that knows the page only by its meaning.
    std::map<std::string, std::string> labelled = {};
};

struct CaptureResult {
    bool found = false; // false: neither a sender nor a subject (not a message page)
    SavedMessage message;
    std::vector<std::string> missing; // the headers a page lacked, when a profile can tell
};

// The body clean-up every site shares: a leading "To:" line dropped, plain text made HTML.
std::string cleanCapturedBody(const std::string& body, int lang);

} // namespace postling
