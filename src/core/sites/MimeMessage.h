#pragma once

#include <string>

namespace postling {

// The headers of a message as delivered (RFC 5322 with MIME), read by GMime: addresses as
// people read them ("Ann Example <ann@example.org>", encoded words decoded), the Date exactly
// as the message carries it (unfolded, trimmed).
struct MimeHeaders {
    bool ok = false; // false: not a message (no header could be read)
    std::string from, to, cc, subject, date;
};
MimeHeaders readMimeHeaders(const std::string& source);

} // namespace postling
