#pragma once

#include "Mailstore.h"

#include <ctime>
#include <string>
#include <vector>

namespace standin {

struct Outgoing {
    std::string to;
    std::string cc;
    std::string bcc;
    std::string subject;
    std::string body;
    bool html = false; // written in the rich-text editor
};

// Hands a sent message to every local mailbox it names (either site) as unread, and keeps a
// read copy in the sender's "Sent" folder. Returns the addresses that received it.
std::vector<std::string> deliver(Mailstore& store, const Account& sender, const Outgoing& mail);

// "Tue, 3 Dec 2002 10:15:00 +0000", the form both sites show in their message headers.
std::string mailDate(std::time_t when);

// "Ann Lee <ann@yahoo.localhost>"
std::string displayAddress(const Account& account);

} // namespace standin
