#pragma once

#include "Http.h"
#include "Mailstore.h"

namespace standin {

// Yahoo Mail as it looked around 2002: a cookie session, everything under /ym/.
class YahooSite {
public:
    explicit YahooSite(Mailstore& store) : store_(store) {}
    Reply handle(const Request& request);

private:
    Reply loginPage(const std::string& error = {});
    Reply login(const Request& request);
    Reply landing(const Account& account);
    Reply showFolder(const Account& account, const Request& request);
    Reply folderAction(const Account& account, const Request& request);
    Reply showLetter(const Account& account, const Request& request);
    Reply compose(const Account& account, const Request& request);
    Reply send(const Account& account, const Request& request);

    Mailstore& store_;
};

} // namespace standin
