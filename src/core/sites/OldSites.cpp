// The two webmails of 2002 (served today by the stand-in): their addresses, forms and the text
// rules that read their pages. Their behaviour is exactly what it always was.
#include "sites/OldSites.h"

#include "app/Navigation.h"
#include "compose/ReplyText.h"
#include "store/HeaderLabels.h"
#include "text/Encoding.h"
#include "text/Strings.h"
#include "text/Text32.h"

namespace postling {

using namespace text32;

namespace {

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

CaptureResult capturePage(bool yahoo, const MessagePage& page, int& lang) {
    const Text text = utf8ToCodePoints(page.text);
    lang = HeaderLabels::detectLanguage(text, !yahoo, lang);
    const Headers h = yahoo ? yahooHeaders(text, lang) : hotmailHeaders(text, lang);

    CaptureResult result;
    if (h.from.empty() && h.subject.empty())
        return result;
    result.found = true;

    std::string body;
    if (page.bodyHtml)
        body = *page.bodyHtml;
    else if (yahoo && h.bodyStart > 0)
        body = "<p>" + escapeHtml(codePointsToUtf8(text.substr(h.bodyStart - 1)));

    SavedMessage& m = result.message;
    m.from = codePointsToUtf8(h.from);
    m.to = codePointsToUtf8(h.to);
    m.subject = codePointsToUtf8(h.subject);
    m.date = codePointsToUtf8(h.date);
    m.body = cleanCapturedBody(body, lang);
    m.sent = false;
    return result;
}

std::optional<std::string> pageSenderLine(bool yahoo, const std::string& pageText, int& lang) {
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

// What both old sites share; `yahoo` picks between their rules.
class OldSite : public Site {
public:
    explicit OldSite(bool yahoo) : yahoo_(yahoo) {}

    std::string_view key() const override { return yahoo_ ? "yahoo" : "hotmail"; }
    std::string_view name() const override { return yahoo_ ? "Yahoo! Mail" : "Hotmail"; }

    InboxShortcut afterLogin(std::string_view address) const override {
        const char* marker = yahoo_ ? "ym/login" : "hmhome";
        if (!contains(address, marker))
            return {};
        const auto prefix = sitePrefix(address);
        if (!prefix)
            return {};
        return {true, *prefix + (yahoo_ ? "ShowFolder?" : "HoTMail")};
    }

    std::optional<std::string> composeAddress(std::string_view inboxAddress) const override {
        const auto prefix = sitePrefix(inboxAddress);
        if (!prefix)
            return std::nullopt;
        return *prefix + "compose";
    }

    std::optional<std::string> composePreload(std::string_view inboxAddress,
                                              std::string_view composeAddress) const override {
        const std::string_view p = inboxAddress.substr(0, 15);
        if (contains(composeAddress, p) && contains(composeAddress, "compose"))
            return std::nullopt;
        // Only the site's own pages: a local page or another server has no compose page.
        if (!contains(lowerAscii(inboxAddress), key()))
            return std::nullopt;
        return this->composeAddress(lowerAscii(inboxAddress));
    }

    std::optional<std::string> calendar(const SiteAddresses& a) const override {
        return yahoo_ ? a.ycalendar : a.hcalendar;
    }

    const ComposeFields& composeFields() const override {
        static const ComposeFields y{"compose", "To", "Cc", "Bcc", "Subj", "Body"};
        static const ComposeFields h{"composeform", "to", "cc", "bcc", "subject", "body"};
        return yahoo_ ? y : h;
    }
    const MergeForm& mergeForm() const override {
        // The merge looks Yahoo! Mail's form up as "Compose", unlike the insertion.
        static const MergeForm y{"Compose", "To", "Subj", "Body", "&SEND"};
        static const MergeForm h{"composeform", "to", "subject", "body", "&Send.x"};
        return yahoo_ ? y : h;
    }
    std::string replyRecipient(const std::string& recipient) const override {
        return yahoo_ ? recipient : bracketedRecipient(recipient);
    }
    bool richTextEditor() const override { return yahoo_; }
    bool sentConfirmation(const std::string& pageText) const override {
        return contains(pageText, yahoo_ ? "Message Sent" : "Your message has been sent");
    }
    PostedMessage readPosted(const std::string& postData) const override {
        return readPostedForm(postData);
    }

    CaptureResult capture(const MessagePage& page, int& lang) const override {
        return capturePage(yahoo_, page, lang);
    }
    std::optional<std::string> senderLine(const std::string& pageText, int& lang) const override {
        return pageSenderLine(yahoo_, pageText, lang);
    }

    bool isUnread(const InboxBox& box) const override {
        return yahoo_ ? (contains(box.className, "new") || box.bold) : box.newmail;
    }
    // Hotmail's form holds hidden inputs beside the boxes; Yahoo! Mail's "Mid" fields all count.
    bool isMessageBox(const InboxBox& box) const override { return yahoo_ || box.checkbox; }

private:
    bool yahoo_;
};

} // namespace

const Site& yahooSite() {
    static const OldSite site(true);
    return site;
}

const Site& hotmailSite() {
    static const OldSite site(false);
    return site;
}

} // namespace postling
