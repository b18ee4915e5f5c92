#pragma once

#include "compose/ComposeForm.h"
#include "compose/PostedForm.h"
#include "inbox/InboxTools.h"
#include "store/MessageCapture.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace postling {

// The addresses a user gives for the sites that have no fixed home: their own Roundcube, and
// the calendars of the sites that have one.
struct SiteAddresses {
    std::string roundcube;
    std::string ycalendar;
    std::string hcalendar;
    std::string other;        // a webmail with no profile of its own
    bool genericOnly = false; // every web address is read as an unknown webmail
};

// What a site says of a message sent: on the page that followed, or in a notice the compose
// page showed.
enum class SendVerdict { Sent, Refused, Unknown };

// After sign-in, where the inbox view goes instead of the mail home page. `handled` says the
// navigate-complete handler ends there.
struct InboxShortcut {
    bool handled = false;
    std::string target;
};

// How mail merge reaches the compose form, and what a submission adds to the form's action.
struct MergeForm {
    const char* form;
    const char* to;
    const char* subject;
    const char* body;
    const char* actionSuffix;
};

// Everything Postling knows about one webmail. Code outside the site layer asks the profile of
// a view's address (siteFor) and never which site it is. The page half of a profile is the
// page module named by key(); what it returns comes back here to be decided.
class Site {
public:
    virtual ~Site() = default;

    // The name of the page module and of the toolbar button: "yahoo", "hotmail", "roundcube".
    virtual std::string_view key() const = 0;
    // The site's name as people know it.
    virtual std::string_view name() const = 0;

    // Addresses.
    virtual InboxShortcut afterLogin(std::string_view address) const = 0;
    // The site's compose page, reached from an address of the inbox view.
    virtual std::optional<std::string> composeAddress(std::string_view inboxAddress) const = 0;
    // The compose page to keep ready in the compose view while the inbox view is at
    // `inboxAddress`; nothing when the compose view already shows one or the site has none.
    virtual std::optional<std::string> composePreload(std::string_view inboxAddress,
                                                      std::string_view composeAddress) const = 0;
    // The address that opens a fresh compose page like the one at `composeUrl` (a merge goes
    // back there for each message).
    virtual std::string freshComposeAddress(std::string_view composeUrl) const {
        return std::string(composeUrl);
    }
    // The site's calendar; nothing when it has none.
    virtual std::optional<std::string> calendar(const SiteAddresses& addresses) const = 0;

    // The compose form.
    virtual const ComposeFields& composeFields() const = 0;
    virtual const MergeForm& mergeForm() const = 0;
    // What a reply writes into the To field for this recipient.
    virtual std::string replyRecipient(const std::string& recipient) const { return recipient; }
    // Whether the compose page may carry a rich-text editor that takes the body as HTML.
    virtual bool richTextEditor() const { return false; }
    // Whether the page a submission led to says the message went.
    virtual bool sentConfirmation(const std::string& pageText) const = 0;
    // The same, told also whether the page still shows a compose form (nothing when the page
    // module cannot tell).
    virtual SendVerdict sendVerdict(const std::string& text,
                                    std::optional<bool> composeShown) const {
        (void)composeShown;
        return sentConfirmation(text) ? SendVerdict::Sent : SendVerdict::Unknown;
    }
    // A message read back from the bytes a compose form posted; hasRecipient is false when the
    // post was no send (another form, a draft).
    virtual PostedMessage readPosted(const std::string& postData) const = 0;

    // The message on screen.
    virtual CaptureResult capture(const MessagePage& page, int& lang) const = 0;
    // The sender line of a page, as the address capture reads it.
    virtual std::optional<std::string> senderLine(const std::string& pageText, int& lang) const = 0;

    // Inbox rows: which are unread, and which take part in Check Group and Uncheck All.
    virtual bool isUnread(const InboxBox& box) const = 0;
    virtual bool isMessageBox(const InboxBox&) const { return true; }
};

// The profile of an address: the user's Roundcube by its origin, the 2002 sites by name
// (any other address is taken as Hotmail, as it always was).
const Site& siteFor(std::string_view address, const SiteAddresses& addresses);
// A profile by its key; the Hotmail profile for an unknown key.
const Site& siteByKey(std::string_view key);
// Every profile, in the order the start-page choices show them.
const std::vector<const Site*>& allSites();

// The scheme, host and port of an address ("https://mail.example.org:8443"), lower-cased;
// empty when it has none.
std::string originOf(std::string_view address);

} // namespace postling

namespace postling {

struct Settings;

// The site a start-page choice ("smail") names: "0" the first, "2" Roundcube, "3" another
// webmail, anything else the second (as old ini files have it), and back.
const Site& startSite(const std::string& smail);
std::string smailValue(const Site& site);
// The start address the settings hold for a site.
std::string startAddress(const Settings& settings, const Site& site);
// The user's site addresses, as the settings hold them.
SiteAddresses siteAddresses(const Settings& settings);

} // namespace postling
