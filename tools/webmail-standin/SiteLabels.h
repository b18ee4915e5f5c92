#pragma once

#include "Mailstore.h"

#include <string>
#include <vector>

namespace standin {

// The header-line labels a message page shows, in the account's language. Yahoo Mail writes
// them without a blank before the colon, Hotmail with one (Dutch Hotmail pages without).
struct HeaderLabels {
    std::string from;
    std::string to;
    std::string replyTo;
    std::string subject;
    std::string date;
};

const HeaderLabels& headerLabels(Site site, const std::string& lang);

// The language codes the sites speak, English first.
const std::vector<std::string>& languages();

} // namespace standin
