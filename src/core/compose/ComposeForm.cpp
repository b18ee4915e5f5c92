#include "compose/ComposeForm.h"

namespace postling {

const ComposeFields& composeFields(bool yahoo) {
    static const ComposeFields yahooFields{"compose", "To", "Cc", "Bcc", "Subj", "Body"};
    static const ComposeFields hotmailFields{"composeform", "to", "cc", "bcc", "subject", "body"};
    return yahoo ? yahooFields : hotmailFields;
}

const char* insertionField(bool yahoo, int which) {
    const ComposeFields& f = composeFields(yahoo);
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
