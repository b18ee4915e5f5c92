// Roundcube reads structured data from its pages: the message's own headers come from its source
// (the "viewsource" action, parsed by GMime), the body as the page displays it.
#include "sites/RoundcubeSite.h"

#include "sites/MimeMessage.h"
#include "text/Strings.h"

namespace postling {

std::string roundcubeAction(std::string_view address, std::string_view action) {
    // Everything before the query or fragment is where Roundcube lives.
    const auto end = address.find_first_of("?#");
    return std::string(address.substr(0, end)) + "?_task=mail&_action=" + std::string(action);
}

namespace {

class RoundcubeSite : public Site {
public:
    std::string_view key() const override { return "roundcube"; }
    std::string_view name() const override { return "Roundcube"; }

    // Roundcube signs in straight to the inbox: no shortcut needed.
    InboxShortcut afterLogin(std::string_view) const override { return {}; }

    std::optional<std::string> composeAddress(std::string_view inboxAddress) const override {
        if (originOf(inboxAddress).empty())
            return std::nullopt;
        return roundcubeAction(inboxAddress, "compose");
    }

    std::optional<std::string> composePreload(std::string_view inboxAddress,
                                              std::string_view composeAddress) const override {
        // Only once signed in: before that the compose page is the login page.
        if (!contains(inboxAddress, "_task=") || contains(inboxAddress, "_task=login"))
            return std::nullopt;
        if (originOf(composeAddress) == originOf(inboxAddress) &&
            contains(composeAddress, "_action=compose"))
            return std::nullopt;
        return this->composeAddress(inboxAddress);
    }

    // A compose page's address carries the id of its draft: a fresh one has none.
    std::string freshComposeAddress(std::string_view composeUrl) const override {
        return roundcubeAction(composeUrl, "compose");
    }

    std::optional<std::string> calendar(const SiteAddresses&) const override {
        return std::nullopt;
    }

    const ComposeFields& composeFields() const override {
        static const ComposeFields f{"form", "_to", "_cc", "_bcc", "_subject", "_message"};
        return f;
    }
    const MergeForm& mergeForm() const override {
        static const MergeForm f{"form", "_to", "_subject", "_message", ""};
        return f;
    }
    bool sentConfirmation(const std::string& pageText) const override {
        return contains(pageText, "Message sent successfully");
    }

    PostedMessage readPosted(const std::string& postData) const override {
        PostedMessage m;
        const std::string data = "&" + postData;
        // A draft saved while writing, or any other form of the site, is no send.
        if (contains(data, "&_draft=1") || !contains(data, "&_to="))
            return m;
        auto value = [&](const char* key) {
            return decodeFormValue(rawPostedValue(data, key, key));
        };
        // The recipient widget ends its list with a separator.
        auto recipients = [&](const char* key) {
            std::string list = value(key);
            while (!list.empty() && (list.back() == ',' || list.back() == ' '))
                list.pop_back();
            return list;
        };
        m.to = recipients("&_to=");
        if (m.to.empty())
            return m;
        m.hasRecipient = true;
        m.cc = recipients("&_cc=");
        m.bcc = recipients("&_bcc=");
        m.subject = value("&_subject=");
        const std::string body = value("&_message=");
        m.body = value("&_is_html=") == "1" ? body : plainBodyHtml(body);
        return m;
    }

    CaptureResult capture(const MessagePage& page, int&) const override {
        CaptureResult result;
        if (!page.source)
            return result;
        const MimeHeaders h = readMimeHeaders(*page.source);
        if (!h.ok || (h.from.empty() && h.subject.empty()))
            return result;
        result.found = true;
        SavedMessage& m = result.message;
        m.from = h.from;
        m.to = h.to;
        m.cc = h.cc;
        m.subject = h.subject;
        m.date = h.date;
        m.body = page.bodyHtml.value_or("");
        return result;
    }

    // The address capture reads the page's text; Roundcube shows no labelled sender line.
    std::optional<std::string> senderLine(const std::string&, int&) const override {
        return std::nullopt;
    }

    // The page module reports Roundcube's own marks: the row's class ("unread", "selected").
    bool isUnread(const InboxBox& box) const override {
        return (" " + box.className + " ").find(" unread ") != std::string::npos;
    }
};

} // namespace

const Site& roundcubeSite() {
    static const RoundcubeSite site;
    return site;
}

} // namespace postling
