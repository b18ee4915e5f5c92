#pragma once

#include <string>

namespace postling {

// The names of a webmail's compose form and its fields (each site's profile has its own).
struct ComposeFields {
    const char* form;
    const char* to;
    const char* cc;
    const char* bcc;
    const char* subject;
    const char* body;
};
// The field selector of an insertion: 0 To, 1 Cc, 2 Bcc (from the grid), 10 To (from the
// palette). Gives the field's name, or nullptr for any other selector.
const char* insertionField(const ComposeFields& fields, int which);

// Adds an address to a field's text unless the text already holds it anywhere: the address
// alone into an empty field, else after a comma (no blank). Nothing is removed or reordered.
std::string appendAddress(const std::string& field, const std::string& address);

} // namespace postling
