#include "store/MessageCapture.h"

#include "text/Strings.h"

#include "store/HeaderLabels.h"
#include "text/Encoding.h"

namespace postling {

namespace {

using Text = std::u32string;

// 1-based search as the old string functions did it: the position of the first `x` at or
// after `start`, or 0.
std::size_t find1(const Text& text, std::size_t start, const Text& x) {
    if (start < 1)
        start = 1;
    if (start > text.size() + 1)
        return 0;
    const auto at = text.find(x, start - 1);
    return at == Text::npos ? 0 : at + 1;
}

// The text from position a up to, not including, position b (both 1-based).
Text mid(const Text& text, std::size_t a, std::size_t b) {
    if (a < 1 || b <= a || a > text.size())
        return {};
    return text.substr(a - 1, b - a);
}

Text removeAll(Text text, const Text& part) {
    std::size_t pos = 0;
    while ((pos = text.find(part, pos)) != Text::npos)
        text.erase(pos, part.size());
    return text;
}

Text replaceAll(const Text& text, const Text& from, const Text& to) {
    Text out;
    std::size_t pos = 0;
    for (;;) {
        const auto at = text.find(from, pos);
        if (at == Text::npos) {
            out += text.substr(pos);
            return out;
        }
        out += text.substr(pos, at - pos);
        out += to;
        pos = at + from.size();
    }
}

Text trimBlanks(const Text& s) {
    const auto first = s.find_first_not_of(U' ');
    if (first == Text::npos)
        return {};
    return s.substr(first, s.find_last_not_of(U' ') - first + 1);
}

// Cleaning a value: tabs and line breaks removed, then blanks trimmed at both ends.
Text clean(Text value) {
    value = removeAll(removeAll(removeAll(std::move(value), U"\t"), U"\r"), U"\n");
    return trimBlanks(value);
}

Text lower(Text s) {
    for (auto& c : s)
        if (c >= U'A' && c <= U'Z')
            c = c - U'A' + U'a';
    return s;
}

const Text& label(HeaderKind kind, bool spaced, int lang) {
    return HeaderLabels::label(kind, spaced, lang);
}

struct Headers {
    Text from, to, subject, date;
    std::size_t bodyStart = 0;
};

Headers yahooHeaders(const Text& text, int lang) {
    Headers h;
    const Text cr = U"\r";
    auto line = [&](HeaderKind kind, const Text& endMarker, Text* value, bool movesBodyStart) {
        const Text& l = label(kind, false, lang);
        const std::size_t p = find1(text, 1, l);
        if (p == 0)
            return;
        const std::size_t q = find1(text, p, endMarker);
        if (q == 0)
            return;
        if (value)
            *value = clean(mid(text, p + l.size(), q));
        if (movesBodyStart)
            h.bodyStart = q;
    };
    line(HeaderKind::From, U"|", &h.from, true);
    line(HeaderKind::To, cr, &h.to, true);
    if (const auto via = h.to.find(U" via"); via != Text::npos)
        h.to = h.to.substr(0, via);
    line(HeaderKind::ReplyTo, cr, nullptr, true);
    line(HeaderKind::Subject, cr, &h.subject, true);
    line(HeaderKind::Date, cr, &h.date, false);
    return h;
}

Headers hotmailHeaders(const Text& text, int lang) {
    Headers h;
    const Text& from = label(HeaderKind::From, true, lang);
    const Text& to = label(HeaderKind::To, true, lang);
    const Text& replyTo = label(HeaderKind::ReplyTo, true, lang);
    const Text& subject = label(HeaderKind::Subject, true, lang);
    const Text& date = label(HeaderKind::Date, true, lang);
    // A value starts one character after its label, is trimmed, loses the words that leak in
    // from the next label, and is cleaned.
    auto value = [&](std::size_t p, std::size_t labelSize, std::size_t q, const Text& drop) {
        Text v = trimBlanks(mid(text, p + 1 + labelSize, q));
        if (!drop.empty())
            v = removeAll(v, drop);
        return clean(v);
    };

    std::size_t p = find1(text, 1, from);
    if (p > 0)
        if (const std::size_t q = find1(text, p, to); q > 0)
            h.from = value(p, from.size(), q, U"Reply-");
    std::size_t cursor = p > 0 ? p + 1 : 1;

    p = find1(text, cursor, replyTo);
    cursor = p > 0 ? p + replyTo.size() + 1 : 1;

    p = find1(text, cursor, to);
    if (p > 0)
        if (const std::size_t q = find1(text, p, subject); q > 0)
            h.to = value(p, to.size(), q, U"Subject");
    cursor = p > 0 ? p + 1 : 1;

    p = find1(text, cursor, subject);
    if (p > 0)
        if (const std::size_t q = find1(text, p, date); q > 0)
            h.subject = value(p, subject.size(), q, U"Subject");
    cursor = p > 0 ? p + 1 : 1;

    p = find1(text, cursor, date);
    if (p > 0)
        if (const std::size_t q = find1(text, p + 10, U"\r"); q > 0)
            h.date = value(p, date.size(), q, U"");
    return h;
}

} // namespace

std::string cleanCapturedBody(const std::string& bodyUtf8, int lang) {
    Text body = utf8ToCodePoints(bodyUtf8);
    const Text& toLabel = label(HeaderKind::To, false, lang);
    if (!toLabel.empty() && body.substr(0, 20).find(toLabel) != Text::npos) {
        const std::size_t gt = find1(body, 5, U">");
        if (gt > 0 && gt < 100)
            body = body.substr(gt);
    }
    const Text low = lower(body);
    if (low.find(U"<p>") == Text::npos && low.find(U"</") == Text::npos &&
        low.find(U"<div") == Text::npos) {
        body = replaceAll(body, U"\r\n\r\n\r\n\r\n", U"\r\n\r\n");
        body = replaceAll(body, U"\r\n\r\n\r\n", U"\r\n\r\n");
        body = replaceAll(body, U"\r\n", U"<br>\r\n");
    }
    return codePointsToUtf8(body);
}

CaptureResult captureMessage(bool yahoo, const MessagePage& page, int& lang) {
    const Text text = utf8ToCodePoints(page.text);
    lang = HeaderLabels::detectLanguage(text, !yahoo, lang);
    const Headers h = yahoo ? yahooHeaders(text, lang) : hotmailHeaders(text, lang);

    CaptureResult result;
    if (h.from.empty() && h.subject.empty())
        return result;
    result.found = true;

    std::string body;
    if (yahoo) {
        if (page.messageHtml)
            body = *page.messageHtml;
        else if (h.bodyStart > 0)
            body = "<p>" + escapeHtml(codePointsToUtf8(text.substr(h.bodyStart - 1)));
    } else if (page.rmsgHtml) {
        body = *page.rmsgHtml;
    }

    SavedMessage& m = result.message;
    m.from = codePointsToUtf8(h.from);
    m.to = codePointsToUtf8(h.to);
    m.subject = codePointsToUtf8(h.subject);
    m.date = codePointsToUtf8(h.date);
    m.body = cleanCapturedBody(body, lang);
    m.sent = false;
    return result;
}

std::optional<std::string> senderLine(bool yahoo, const std::string& pageText, int& lang) {
    const Text text = utf8ToCodePoints(pageText);
    lang = HeaderLabels::detectLanguage(text, !yahoo, lang);
    const Text& from = label(HeaderKind::From, !yahoo, lang);
    const std::size_t p = find1(text, 1, from);
    if (p == 0)
        return std::nullopt;
    const std::size_t q = find1(text, p, yahoo ? Text(U"|") : label(HeaderKind::To, true, lang));
    if (q == 0)
        return std::nullopt;
    return codePointsToUtf8(mid(text, p + from.size(), q));
}

} // namespace postling
