#include "Postoffice.h"

#include "FormData.h"

#include <algorithm>

namespace standin {

std::string mailDate(std::time_t when) {
    std::tm tm{};
    gmtime_r(&when, &tm);
    static const char* days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s, %d %s %d %02d:%02d:%02d +0000", days[tm.tm_wday],
                  tm.tm_mday, months[tm.tm_mon], tm.tm_year + 1900, tm.tm_hour, tm.tm_min,
                  tm.tm_sec);
    return buf;
}

std::string displayAddress(const Account& account) {
    return account.name.empty() ? account.address : account.name + " <" + account.address + ">";
}

std::vector<std::string> deliver(Mailstore& store, const Account& sender, const Outgoing& mail) {
    const std::string date = mailDate(std::time(nullptr));
    std::vector<std::string> recipients = splitAddresses(mail.to);
    for (const auto& extra : {mail.cc, mail.bcc})
        for (auto& address : splitAddresses(extra))
            recipients.push_back(address);

    auto copy = [&](std::int64_t owner, const char* folder, bool unread) {
        Message m;
        m.owner = owner;
        m.folder = folder;
        m.from = displayAddress(sender);
        m.to = mail.to;
        m.cc = mail.cc;
        m.date = date;
        m.subject = mail.subject;
        m.body = mail.body;
        m.html = mail.html;
        m.unread = unread;
        store.addMessage(m);
    };
    std::vector<std::string> delivered;
    for (const auto& address : recipients) {
        if (std::find(delivered.begin(), delivered.end(), address) != delivered.end())
            continue;
        if (const auto account = store.accountByAddress(address)) {
            copy(account->id, "Inbox", true);
            delivered.push_back(address);
        }
    }
    copy(sender.id, "Sent", false);
    return delivered;
}

} // namespace standin
