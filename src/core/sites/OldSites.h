#pragma once

#include "sites/Site.h"

namespace postling {

const Site& yahooSite();
const Site& hotmailSite();

} // namespace postling
