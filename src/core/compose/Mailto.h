#pragma once

#include <string>

namespace postling {

// A mailto link as RFC 6068 reads it: the addresses of the path and of every "to" field, the
// "cc", "bcc", "subject" and "body" fields (names in any letter case), each percent-decoded as
// UTF-8 after the link has been split, so an encoded "&" or "=" stays text. Line breaks are kept
// in the body only. For "addr?subject=x" this is what the old split gave.
struct MailtoLink {
    std::string to, cc, bcc, subject, body;
};
MailtoLink parseMailto(const std::string& link);

// What the hand-over stores for Postling: the link with one "mailto:", still percent-encoded;
// line breaks, NUL and other control characters, which a settings value cannot hold, are
// percent-encoded as well.
std::string mailtoHandOver(const std::string& link);

} // namespace postling
