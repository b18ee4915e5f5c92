#include "compose/ReplyText.h"

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
    return replaceAll(text, ">", "<BR>&gt;");
}

std::string hotmailRecipient(const std::string& recipient) {
    const auto lt = recipient.find('<');
    return lt == std::string::npos ? recipient : recipient.substr(lt);
}

MailtoParts splitMailto(const std::string& mailto) {
    const auto q = mailto.find('?');
    if (q == std::string::npos)
        return {mailto, {}};
    MailtoParts parts{mailto.substr(0, q), {}};
    const auto ect = mailto.find("ect=", q);
    if (ect != std::string::npos)
        parts.subject = mailto.substr(ect + 4);
    return parts;
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

std::string mailtoHandOver(const std::string& link) {
    std::string text = link;
    if (lowerAscii(text.substr(0, 7)) == "mailto:")
        text.erase(0, 7);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto hex = [&](std::size_t k) {
            return std::isxdigit(static_cast<unsigned char>(text[k]));
        };
        if (text[i] == '%' && i + 2 < text.size() && hex(i + 1) && hex(i + 2)) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return toUtf8(out);
}

ComposeFill mailtoFill(const std::string& mailto) {
    const MailtoParts parts = splitMailto(mailto);
    return {parts.to, parts.subject, {}, {}};
}

ComposeFill templateFill(const std::string& subject, const std::string& body) {
    return {{}, subject, body, richTextForm(body)};
}

} // namespace postling
