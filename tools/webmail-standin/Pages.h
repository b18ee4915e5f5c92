#pragma once

#include "Mailstore.h"

#include <string>

namespace standin {

// A whole HTML document in the sites' UTF-8 encoding.
std::string htmlDocument(const std::string& title, const std::string& body,
                         const std::string& head = {});

// The name part of "Ann Lee <ann@x>", or the address when there is no name.
std::string senderName(const std::string& from);

// "Tue, 3 Dec 2002 10:15:00 +0000" as the inbox lists show it: "Tue 12/03/02".
std::string listDate(const std::string& date);

std::string sizeText(std::int64_t bytes);

// Message ids in links: "123" must be all digits.
bool parseId(const std::string& text, std::int64_t& id);

} // namespace standin
