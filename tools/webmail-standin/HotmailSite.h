#pragma once

#include "Http.h"
#include "Mailstore.h"

namespace standin {

// MSN Hotmail as it looked around 2002: everything under /cgi-bin/, the session token carried
// in every link ("a=..."), with the MSPAuth cookie as the fallback for addresses typed by hand.
class HotmailSite {
public:
    explicit HotmailSite(Mailstore& store) : store_(store) {}
    Reply handle(const Request& request);

private:
    Reply loginPage(const std::string& error = {});
    Reply login(const Request& request);
    Reply home(const Account& account, const std::string& token);
    Reply inbox(const Account& account, const std::string& token, const Request& request);
    Reply inboxAction(const Account& account, const std::string& token, const Request& request);
    Reply message(const Account& account, const std::string& token, const Request& request);
    Reply compose(const Account& account, const std::string& token, const Request& request);
    Reply send(const Account& account, const std::string& token, const Request& request);

    Mailstore& store_;
};

} // namespace standin
