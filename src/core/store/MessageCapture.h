#pragma once

#include "store/SavedMessage.h"

#include <optional>
#include <string>

namespace postling {

// What the capture reads of the page on screen, gathered in one call.
struct MessagePage {
    std::string text;                       // body innerText, lines ended by CR LF
    std::optional<std::string> messageHtml; // innerHTML of All("message") (Yahoo! Mail)
    std::optional<std::string> rmsgHtml;    // innerHTML of the last element of class "rmsg"
};

struct CaptureResult {
    bool found = false; // false: neither a sender nor a subject (not a message page)
    SavedMessage message;
};

// Cuts the header values and the body out of a message page of either site. `lang` is the
// language found last; it is updated from the page (and kept for the next capture).
CaptureResult captureMessage(bool yahoo, const MessagePage& page, int& lang);

// The body clean-up both sites share: a leading "To:" line dropped, plain text made HTML.
std::string cleanCapturedBody(const std::string& body, int lang);

// The sender line of a page, as the address capture reads it: the text after the From label
// up to the first "|" (Yahoo! Mail) or To label (Hotmail). Nothing when either is missing.
std::optional<std::string> senderLine(bool yahoo, const std::string& pageText, int& lang);

} // namespace postling
