#pragma once

#include "sites/Site.h"

namespace postling {

// Any other webmail, known only by what its pages say to a browser and to assistive technology:
// labelled headers, rows with check boxes, named or labelled form fields.
const Site& genericSite();

// A date as a page shows it, in the form saved messages carry ("Sun, 6 Dec 2026 14:05:00")
// when it can be read without guessing; otherwise as shown.
std::string savedDateForm(const std::string& shown);

} // namespace postling
