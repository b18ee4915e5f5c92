#include "compose/ReplyText.h"

#include "compose/Mailto.h"

#include "text/Encoding.h"
#include "text/Strings.h"

#include <cctype>

namespace postling {

std::string afterLabel(const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        return text;
    return trimLeadingBlanks(text.substr(colon + 1));
}

std::string wrapAt43(const std::string& text) {
    std::string out = text;
    int column = 1;
    // Columns count characters: bytes that continue a UTF-8 sequence add none.
    for (char& c : out) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80)
            continue;
        if (c == '\n') {
            column = 1;
        } else if (c == ' ' && column > 43) {
            c = '\n';
            column = 1;
        }
        ++column;
    }
    return out;
}

std::string quoteLines(const std::string& text) {
    return replaceAll(text, "\n", "\n>");
}

std::string richTextForm(const std::string& text) {
    std::string escaped = replaceAll(text, "&", "&amp;");
    escaped = replaceAll(escaped, "<", "&lt;");
    escaped = replaceAll(escaped, "\"", "&quot;");
    return replaceAll(escaped, ">", "<BR>&gt;");
}

std::string bracketedRecipient(const std::string& recipient) {
    const auto lt = recipient.find('<');
    return lt == std::string::npos ? recipient : recipient.substr(lt);
}

std::optional<ComposeFill> savedMessageFill(int code, const SavedParts& saved) {
    if (code != 0 && code != 1 && code != 2 && code != 4)
        return std::nullopt;
    ComposeFill fill;
    fill.to = code == 2 ? std::string() : afterLabel(code == 4 ? saved.to : saved.replyTo);
    fill.subject = afterLabel(saved.subject);
    if (code == 0 || code == 1)
        fill.subject = "RE: " + fill.subject;
    else if (code == 2)
        fill.subject = "FWD: " + fill.subject;
    if (code != 1) {
        fill.body = wrapAt43("\n\n" + saved.body);
        if (code != 4)
            fill.body = quoteLines(fill.body);
    }
    fill.richBody = richTextForm(fill.body);
    return fill;
}

ComposeFill mailtoFill(const std::string& link) {
    const MailtoLink m = parseMailto(link);
    ComposeFill fill;
    fill.to = m.to;
    fill.cc = m.cc;
    fill.bcc = m.bcc;
    fill.subject = m.subject;
    fill.body = m.body;
    fill.richBody = richTextForm(m.body);
    return fill;
}

ComposeFill templateFill(const std::string& subject, const std::string& body) {
    return {{}, subject, body, richTextForm(body), {}, {}};
}

} // namespace postling
