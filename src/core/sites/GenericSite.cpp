// The profile for webmails Postling has no profile for. Its page module finds what a person
// sees by its labels; here only what was found is decided on, and what was not is named.
#include "sites/GenericSite.h"

#include "text/Strings.h"

#include <array>
#include <cstdio>
#include <regex>

namespace postling {

namespace {

const std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Zeller's congruence: 0 Saturday .. 6 Friday.
const char* weekday(int y, int m, int d) {
    static const std::array<const char*, 7> names = {"Sat", "Sun", "Mon", "Tue",
                                                     "Wed", "Thu", "Fri"};
    if (m < 3) {
        m += 12;
        --y;
    }
    const int k = y % 100, j = y / 100;
    return names[static_cast<std::size_t>((d + 13 * (m + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7)];
}

bool validDay(int y, int m, int d) {
    static const std::array<int, 12> days = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1970 || y > 2200 || m < 1 || m > 12 || d < 1)
        return false;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= days[static_cast<std::size_t>(m - 1)] - (m == 2 && !leap);
}

class GenericSite : public Site {
public:
    std::string_view key() const override { return "generic"; }
    std::string_view name() const override { return "Other webmail"; }

    InboxShortcut afterLogin(std::string_view) const override { return {}; }
    // Nothing tells where an unknown site keeps its compose page: the person opens it.
    std::optional<std::string> composeAddress(std::string_view) const override {
        return std::nullopt;
    }
    std::optional<std::string> composePreload(std::string_view, std::string_view) const override {
        return std::nullopt;
    }
    std::optional<std::string> calendar(const SiteAddresses&) const override {
        return std::nullopt;
    }

    // The page module finds the compose form and its fields by what they mean; these are the
    // meanings it is asked for, not names in the page.
    const ComposeFields& composeFields() const override {
        static const ComposeFields f{"compose", "to", "cc", "bcc", "subject", "body"};
        return f;
    }
    const MergeForm& mergeForm() const override {
        static const MergeForm f{"compose", "to", "subject", "body", ""};
        return f;
    }
    bool sentConfirmation(const std::string& text) const override {
        return sendVerdict(text, std::nullopt) == SendVerdict::Sent;
    }
    SendVerdict sendVerdict(const std::string& text,
                            std::optional<bool> composeShown) const override {
        return genericSendVerdict(text, composeShown);
    }
    // The page module reports what a Send click sends; the bytes of a post are not read.
    PostedMessage readPosted(const std::string&) const override { return {}; }

    // Saved only with a sender and a subject; what was not found is named, nothing guessed.
    CaptureResult capture(const MessagePage& page, int&) const override {
        CaptureResult result;
        auto get = [&](const char* key) {
            const auto it = page.labelled.find(key);
            return it == page.labelled.end() ? std::string() : trimBlanks(it->second);
        };
        SavedMessage& m = result.message;
        m.from = get("from");
        m.subject = get("subject");
        if (m.from.empty())
            result.missing.push_back("From");
        if (m.subject.empty())
            result.missing.push_back("Subject");
        if (!result.missing.empty())
            return result;
        result.found = true;
        m.to = get("to");
        m.cc = get("cc");
        m.date = savedDateForm(get("date"));
        m.body = page.bodyHtml.value_or("");
        return result;
    }

    std::optional<std::string> senderLine(const std::string&, int&) const override {
        return std::nullopt;
    }

    // The page module folds the row's marks (its weight, its words for unread) into these.
    bool isUnread(const InboxBox& box) const override {
        return box.bold || contains(" " + box.className + " ", " unread ");
    }
};

int monthOf(const std::string& name) {
    const std::string l = lowerAscii(name.substr(0, 3));
    for (std::size_t i = 0; i < kMonths.size(); ++i)
        if (l == lowerAscii(kMonths[i]))
            return static_cast<int>(i) + 1;
    return 0;
}

} // namespace

SendVerdict genericSendVerdict(const std::string& text, std::optional<bool> composeShown) {
    // In the eight label languages: what sites say when a message went, and when it did not.
    static const char* const sent[] = {"message sent",
                                       "message has been sent",
                                       "message was sent",
                                       "mail sent",
                                       "email sent",
                                       "sent successfully",
                                       "successfully sent",
                                       "nachricht gesendet",
                                       "nachricht wurde gesendet",
                                       "wurde gesendet",
                                       "wurde versendet",
                                       "message envoyé",
                                       "a été envoyé",
                                       "messaggio inviato",
                                       "è stato inviato",
                                       "mensaje enviado",
                                       "ha sido enviado",
                                       "mensagem enviada",
                                       "foi enviada",
                                       "bericht verzonden",
                                       "is verzonden",
                                       "meddelandet skickat",
                                       "har skickats"};
    static const char* const refused[] = {
        "could not be sent",      "not been sent",           "was not sent",
        "failed to send",         "sending failed",          "send failed",
        "konnte nicht gesendet",  "nicht gesendet",          "pas pu être envoyé",
        "non è stato inviato",    "impossibile inviare",     "no se pudo enviar",
        "no se ha podido enviar", "não foi possível enviar", "kon niet worden verzonden",
        "niet verzonden",         "kunde inte skickas",      "inte skickat",
        "at least one recipient"};
    // A notice is short: there a bare "error" is the site's word on the send.
    static const char* const noticeError[] = {"error", "fehler", "erreur", "errore",
                                              "erro",  "fout",   "fel"};
    const std::string l = " " + lowerAscii(text) + " ";
    const auto has = [&](const char* phrase) {
        return contains(l, phrase);
    };
    if (std::any_of(std::begin(sent), std::end(sent), has))
        return SendVerdict::Sent;
    if (std::any_of(std::begin(refused), std::end(refused), has))
        return SendVerdict::Refused;
    if (text.size() < 200) {
        for (const char* word : noticeError) {
            static const std::regex nonLetter("[^a-z]");
            const std::string spaced = std::regex_replace(l, nonLetter, " ");
            if (contains(spaced, std::string(" ") + word + " "))
                return SendVerdict::Refused;
        }
    }
    // The compose form gone without a word of error: the site took the message.
    return composeShown == false ? SendVerdict::Sent : SendVerdict::Unknown;
}

std::string savedDateForm(const std::string& shown) {
    static const std::regex iso(R"(^\s*(\d{4})-(\d{2})-(\d{2})[ T](\d{1,2}):(\d{2})(?::(\d{2}))?)");
    static const std::regex dotted(
        R"(^\s*(\d{1,2})\.(\d{1,2})\.(\d{4}),? (\d{1,2}):(\d{2})(?::(\d{2}))?)");
    static const std::regex named(
        R"(^\s*(?:[A-Za-z]{3},? )?(\d{1,2}) ([A-Za-z]{3})[a-z]*\.? (\d{4}),? (\d{1,2}):(\d{2})(?::(\d{2}))?)");
    std::smatch m;
    int y = 0, mo = 0, d = 0;
    if (std::regex_search(shown, m, iso)) {
        y = std::stoi(m[1]);
        mo = std::stoi(m[2]);
        d = std::stoi(m[3]);
    } else if (std::regex_search(shown, m, dotted)) {
        d = std::stoi(m[1]);
        mo = std::stoi(m[2]);
        y = std::stoi(m[3]);
    } else if (std::regex_search(shown, m, named)) {
        d = std::stoi(m[1]);
        mo = monthOf(m[2]);
        y = std::stoi(m[3]);
    } else {
        return shown;
    }
    const int h = std::stoi(m[4]), mi = std::stoi(m[5]), s = m[6].matched ? std::stoi(m[6]) : 0;
    if (!validDay(y, mo, d) || h > 23 || mi > 59 || s > 59)
        return shown;
    char out[96];
    std::snprintf(out, sizeof out, "%s, %d %s %d %02d:%02d:%02d", weekday(y, mo, d), d,
                  kMonths[static_cast<std::size_t>(mo - 1)], y, h, mi, s);
    return out;
}

const Site& genericSite() {
    static const GenericSite site;
    return site;
}

} // namespace postling
