#include "compose/ComposeForm.h"

namespace postling {

const char* insertionField(const ComposeFields& f, int which) {
    switch (which) {
    case 0:
    case 10:
        return f.to;
    case 1:
        return f.cc;
    case 2:
        return f.bcc;
    default:
        return nullptr;
    }
}

std::string appendAddress(const std::string& field, const std::string& address) {
    if (field.find(address) != std::string::npos)
        return field;
    return field.empty() ? address : field + "," + address;
}

} // namespace postling
