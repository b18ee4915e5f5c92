#include "compose/PostedForm.h"

#include "text/Encoding.h"
#include "text/Strings.h"

namespace postling {

std::string rawPostedValue(const std::string& data, const char* first, const char* second) {
    auto at = data.find(first);
    std::size_t keyLength = std::string(first).size();
    if (at == std::string::npos) {
        at = data.find(second);
        keyLength = std::string(second).size();
    }
    if (at == std::string::npos)
        return {};
    const std::size_t start = at + keyLength;
    const auto end = data.find('&', start);
    return data.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string plainBodyHtml(const std::string& text) {
    return replaceAll(escapeHtml(text), "\r\n", "<br>\r\n");
}

std::string decodeFormValue(const std::string& raw) {
    const std::string text = replaceAll(raw, "+", " ");
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            bytes += text[i];
            continue;
        }
        // The two characters after "%" (or what there is) read as hexadecimal digits, as far
        // as they are digits.
        int value = 0;
        std::size_t used = 0;
        for (; used < 2 && i + 1 + used < text.size(); ++used) {
            const int d = hexDigit(text[i + 1 + used]);
            if (d < 0)
                break;
            value = value * 16 + d;
        }
        bytes += static_cast<char>(value);
        i += std::min<std::size_t>(2, text.size() - i - 1);
    }
    return toUtf8(bytes);
}

PostedMessage readPostedForm(const std::string& data) {
    PostedMessage m;
    m.to = decodeFormValue(rawPostedValue(data, "&To=", "&to="));
    if (m.to.empty())
        return m;
    m.hasRecipient = true;
    m.bcc = decodeFormValue(rawPostedValue(data, "&Bcc=", "&bcc="));
    m.cc = decodeFormValue(rawPostedValue(data, "&Cc=", "&cc="));
    m.subject = decodeFormValue(rawPostedValue(data, "&Subj=", "&subject="));
    // The Body field is a plain text box: its text is escaped and keeps its line breaks. A
    // rich-text editor posts HTML as "PlainMsg" instead.
    if (contains(data, "&Body=") || contains(data, "&body=")) {
        m.body = plainBodyHtml(decodeFormValue(rawPostedValue(data, "&Body=", "&body=")));
    } else {
        m.body = decodeFormValue(rawPostedValue(data, "&PlainMsg=", "&PlainMsg="));
    }
    return m;
}

SavedMessage sentCopy(const PostedMessage& posted, const std::string& date) {
    SavedMessage m;
    m.from = "Sent Message";
    m.subject = posted.subject;
    m.date = date;
    m.to = posted.to;
    m.cc = posted.cc;
    m.bcc = posted.bcc;
    m.body = posted.body;
    m.sent = true;
    return m;
}

} // namespace postling
