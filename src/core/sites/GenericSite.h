#pragma once

#include "sites/Site.h"

namespace postling {

// Any other webmail, known only by what its pages say to a browser and to assistive technology:
// labelled headers, rows with check boxes, named or labelled form fields.
const Site& genericSite();

// A date as a page shows it, in the form saved messages carry ("Sun, 6 Dec 2026 14:05:00")
// when it can be read without guessing; otherwise as shown.
std::string savedDateForm(const std::string& shown);

// What a page, or a notice on it, says of a message just sent, by the words sites use in the
// eight label languages; with neither words of success nor of failure, the compose form gone
// means the site took it.
SendVerdict genericSendVerdict(const std::string& text, std::optional<bool> composeShown);

} // namespace postling
