#include "Server.h"

#include "Pages.h"
#include "Postoffice.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <chrono>
#include <ctime>
#include <fstream>
#include <httplib.h>
#include <netinet/in.h>
#include <thread>

namespace standin {

namespace {

constexpr std::size_t kMaxBody = 10 * 1024 * 1024;

const char* kNewMailIcon =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"14\" height=\"11\">"
    "<rect x=\"0.5\" y=\"0.5\" width=\"13\" height=\"10\" fill=\"#ffd700\" stroke=\"#996600\"/>"
    "<path d=\"M0.5 0.5 L7 6 L13.5 0.5\" fill=\"none\" stroke=\"#996600\"/></svg>";

const char* kSendButton =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"60\" height=\"20\">"
    "<rect x=\"0.5\" y=\"0.5\" width=\"59\" height=\"19\" rx=\"3\" fill=\"#003399\"/>"
    "<text x=\"30\" y=\"14\" font-family=\"Verdana\" font-size=\"11\" fill=\"#ffffff\" "
    "text-anchor=\"middle\">Send</text></svg>";

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string hostName(const httplib::Request& req) {
    std::string host = lower(req.get_header_value("Host"));
    if (const auto colon = host.rfind(':');
        colon != std::string::npos && host.find(']') == std::string::npos)
        host.erase(colon);
    return host;
}

Reply calendarPage(bool yahoo) {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    static const char* months[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};
    std::tm first = tm;
    first.tm_mday = 1;
    mktime(&first);
    std::string grid = "<tr bgcolor=\"#dddddd\"><th>Sun</th><th>Mon</th><th>Tue</th><th>Wed</th>"
                       "<th>Thu</th><th>Fri</th><th>Sat</th></tr><tr>";
    for (int i = 0; i < first.tm_wday; ++i)
        grid += "<td></td>";
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int days = lengths[tm.tm_mon];
    const int year = tm.tm_year + 1900;
    if (tm.tm_mon == 1 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0))
        days = 29;
    for (int d = 1; d <= days; ++d) {
        grid += std::string("<td valign=top height=40") +
                (d == tm.tm_mday ? " bgcolor=\"#ffffcc\"" : "") + ">" + std::to_string(d) + "</td>";
        if ((first.tm_wday + d) % 7 == 0)
            grid += "</tr><tr>";
    }
    for (int cell = (first.tm_wday + days) % 7; cell != 0 && cell < 7; ++cell)
        grid += "<td></td>";
    grid += "</tr>";
    const std::string title = yahoo ? "Yahoo! Calendar" : "MSN Calendar";
    return Reply::page(htmlDocument(
        title, "<body bgcolor=\"#ffffff\"><font face=\"Arial\" size=5><b>" + title +
                   "</b></font><p><font face=\"Arial\" size=3>" + months[tm.tm_mon] + " " +
                   std::to_string(year) +
                   "</font></p><table border=1 cellspacing=0 cellpadding=4 width=\"100%\">" + grid +
                   "</table></body>"));
}

Reply indexPage(int port) {
    const std::string p = std::to_string(port);
    auto link = [&](const std::string& host, const std::string& name) {
        return "<li><a href=\"http://" + host + ":" + p + "/\">" + name + "</a> &mdash; http://" +
               host + ":" + p + "/</li>";
    };
    return Reply::page(htmlDocument(
        "Postling stand-in webmail",
        "<body><h2>Postling stand-in webmail</h2><ul>" +
            link("mail.yahoo.localhost", "Yahoo! Mail") + link("hotmail.localhost", "MSN Hotmail") +
            link("calendar.yahoo.localhost", "Yahoo! Calendar") +
            link("calendar.hotmail.localhost", "MSN Calendar") +
            "</ul><p>Demo accounts: ann / ann (Yahoo! Mail), bob / bob (Hotmail).</p></body>"));
}

} // namespace

bool isLoopback(const std::string& address) {
    // Literal addresses only: a name ("127.evil.example") could point anywhere.
    in_addr v4{};
    in6_addr v6{};
    if (inet_pton(AF_INET, address.c_str(), &v4) == 1)
        return (ntohl(v4.s_addr) >> 24) == 127;
    if (inet_pton(AF_INET6, address.c_str(), &v6) == 1)
        return IN6_IS_ADDR_LOOPBACK(&v6) || (IN6_IS_ADDR_V4MAPPED(&v6) && v6.s6_addr[12] == 127);
    return false;
}

// A file of the fixtures folder by its path; names of letters, digits, "-", "_" and "." only,
// so nothing outside the folder is reached.
static Reply fixtureFile(const std::string& dir, std::string path) {
    if (path == "/")
        path = "/index.html";
    const bool plain = path.size() > 1 && path.find("..") == std::string::npos &&
                       std::all_of(path.begin() + 1, path.end(), [](unsigned char c) {
                           return std::isalnum(c) || c == '-' || c == '_' || c == '.';
                       });
    std::ifstream in(dir + path, std::ios::binary);
    if (!plain || !in)
        return Reply::notFound();
    Reply reply;
    reply.body.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (path.size() > 3 && path.compare(path.size() - 3, 3, ".js") == 0)
        reply.contentType = "text/javascript; charset=utf-8";
    return reply;
}

// The fixtures' pages send here, as a form post or a script's fetch: the message goes to the
// stand-in's mailboxes it names. A form that names a "next" page is sent there, as a classic
// webmail shows its confirmation; a script gets "sent" back.
Reply Server::fixtureSend(const httplib::Request& req) {
    FormData form = FormData::parse(req.body);
    // A page whose fields have names of its own says which is which: "fields" lists the names
    // of its to, cc, subject and body.
    if (const std::string names = form.value("fields"); !names.empty()) {
        std::vector<std::pair<std::string, std::string>> mapped;
        std::size_t at = 0;
        for (const char* meaning : {"to", "cc", "subject", "body"}) {
            const std::size_t comma = names.find(',', at);
            mapped.emplace_back(meaning, form.value(names.substr(at, comma - at)));
            at = comma == std::string::npos ? names.size() : comma + 1;
        }
        FormData renamed;
        for (const auto& [name, value] : mapped)
            renamed.append(FormData::parse(urlEncode(name) + "=" + urlEncode(value)));
        renamed.append(FormData::parse("next=" + urlEncode(form.value("next")) +
                                       "&html=" + urlEncode(form.value("html"))));
        form = renamed;
    }
    store_.recordPost({0, "webmail", req.target, req.get_header_value("Content-Type"), req.body});
    Request r;
    r.method = "POST";
    r.path = req.path;
    if (auto refused = gateSend(true, r, true))
        return *refused;
    if (splitAddresses(form.value("to")).empty())
        return Reply::error(400, "Please give at least one recipient.");
    Account sender;
    sender.address = "me@webmail.localhost";
    sender.name = "Webmail User";
    deliver(store_, sender,
            {form.value("to"), form.value("cc"), form.value("bcc"), form.value("subject"),
             form.value("body"), form.value("html") == "1"});
    const std::string next = form.value("next");
    if (!next.empty() &&
        next.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-.") == std::string::npos)
        return Reply::redirect("/" + next);
    Reply reply;
    reply.body = "sent";
    reply.contentType = "text/plain; charset=utf-8";
    return reply;
}

Server::Server(Mailstore& store, SendPolicy policy)
    : store_(store), yahoo_(store), hotmail_(store), http_(std::make_unique<httplib::Server>()),
      policy_(policy) {
    http_->set_payload_max_length(kMaxBody);
    http_->set_keep_alive_timeout(2);
    // The browser keeps several idle connections per host open; give them threads enough that
    // a new request never waits behind an idle one.
    http_->new_task_queue = [] {
        return new httplib::ThreadPool(32);
    };
    auto handler = [this](const httplib::Request& req, httplib::Response& res) {
        dispatch(req, res);
    };
    http_->Get(".*", handler);
    http_->Post(".*", handler);
    http_->set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.body.empty()) {
            const Reply page =
                Reply::error(res.status, res.status == 413 ? "The request is too large."
                                                           : "The request could not be served.");
            res.set_content(page.body, page.contentType.c_str());
        }
    });
}

Server::~Server() = default;

int Server::bind(const std::string& address, int port) {
    if (!isLoopback(address))
        return -1;
    if (port == 0)
        port_ = http_->bind_to_any_port(address);
    else
        port_ = http_->bind_to_port(address, port) ? port : -1;
    return port_;
}

void Server::run() {
    http_->listen_after_bind();
}

void Server::stop() {
    http_->stop();
}

void Server::dispatch(const httplib::Request& req, httplib::Response& res) {
    Reply reply;
    try {
        reply = route(req);
    } catch (const std::exception& e) {
        reply = Reply::error(500, "The server could not complete the request.");
    }
    res.status = reply.status;
    for (const auto& [name, value] : reply.headers)
        res.set_header(name.c_str(), value);
    res.set_content(reply.body, reply.contentType.c_str());
}

Reply Server::route(const httplib::Request& req) {
    if (!isLoopback(req.remote_addr))
        return Reply::error(403, "Only this machine may use the stand-in webmail.");

    const std::string host = hostName(req);
    if (req.path == "/i/newmail.gif" || req.path == "/i/send.gif") {
        Reply image;
        image.body = req.path == "/i/newmail.gif" ? kNewMailIcon : kSendButton;
        image.contentType = "image/svg+xml";
        return image;
    }
    // Each site answers to its own name only.
    if (host == "calendar.yahoo.localhost" || host == "calendar.hotmail.localhost")
        return calendarPage(host == "calendar.yahoo.localhost");
    if (host == "webmail.localhost" && !fixtures_.empty())
        return req.method == "POST" && req.path == "/send" ? fixtureSend(req)
                                                           : fixtureFile(fixtures_, req.path);
    const bool isYahoo = host == "mail.yahoo.localhost";
    const bool isHotmail = host == "hotmail.localhost";
    if (!isYahoo && !isHotmail) {
        if (req.path == "/" && (host == "127.0.0.1" || host == "localhost"))
            return indexPage(port_);
        return Reply::error(404, "There is no site called " + host + " here.");
    }

    Request r;
    r.method = req.method;
    r.path = req.path;
    r.cookies = req.get_header_value("Cookie");
    const auto q = req.target.find('?');
    if (q != std::string::npos)
        r.query = FormData::parse(req.target.substr(q + 1));
    if (req.method == "POST") {
        const std::string type = req.get_header_value("Content-Type");
        store_.recordPost({0, isYahoo ? "yahoo" : "hotmail", req.target, type, req.body});
        if (lower(type).rfind("application/x-www-form-urlencoded", 0) == 0)
            r.form = FormData::parse(req.body);
        else if (!req.body.empty())
            return Reply::error(415, "Forms must be posted as application/x-www-form-urlencoded.");
    }
    if (auto refused = gateSend(isYahoo, r))
        return *refused;
    return isYahoo ? yahoo_.handle(r) : hotmail_.handle(r);
}

std::optional<Reply> Server::gateSend(bool yahoo, const Request& r, bool fixture) {
    const bool send =
        fixture || (r.method == "POST" && r.path == (yahoo ? "/ym/Send" : "/cgi-bin/premail") &&
                    !r.form.has(yahoo ? "CAN" : "Cancel"));
    if (!send)
        return std::nullopt;
    if (policy_.delayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(policy_.delayMs));
    const int n = ++sends_;
    if (policy_.refuseEvery > 0 && n % policy_.refuseEvery == 0)
        return Reply::error(503, "Your message could not be sent right now. Please try again "
                                 "later.");
    return std::nullopt;
}

} // namespace standin
