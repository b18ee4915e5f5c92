#pragma once

#include "sites/Site.h"

namespace postling {

// Roundcube 1.6, the webmail people run on their own servers today.
const Site& roundcubeSite();

// Roundcube's page for `action` of the mail task ("compose"), beside the page at `address`.
std::string roundcubeAction(std::string_view address, std::string_view action);

} // namespace postling
