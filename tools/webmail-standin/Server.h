#pragma once

#include "HotmailSite.h"
#include "Mailstore.h"
#include "YahooSite.h"

#include <atomic>
#include <memory>
#include <optional>
#include <string>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

namespace standin {

// How the sites treat a message being sent: answered late, or now and then refused, so that a
// program waiting for them can be tested.
struct SendPolicy {
    int delayMs = 0;     // every send is answered this late
    int refuseEvery = 0; // every K-th send is refused (0: none)
};

// Serves both sites and their calendars on one loopback port, told apart by the Host header,
// and records every form post byte for byte.
class Server {
public:
    explicit Server(Mailstore& store, SendPolicy policy = {});
    ~Server();

    // Binds to a loopback address; port 0 picks a free one. Returns the port, or -1.
    int bind(const std::string& address, int port);
    void run(); // blocks until stop()
    void stop();
    // Pages of webmails that have no profile, served as files from `dir` at webmail.localhost.
    void serveFixtures(std::string dir) { fixtures_ = std::move(dir); }

private:
    void dispatch(const httplib::Request& request, httplib::Response& response);
    Reply route(const httplib::Request& request);
    // Nothing when the send may go ahead; else the refusal.
    std::optional<Reply> gateSend(bool yahoo, const Request& request, bool fixture = false);
    Reply fixtureSend(const httplib::Request& request);

    Mailstore& store_;
    YahooSite yahoo_;
    HotmailSite hotmail_;
    std::unique_ptr<httplib::Server> http_;
    int port_ = 0;
    SendPolicy policy_;
    std::atomic<int> sends_{0};
    std::string fixtures_;
};

// True for 127.0.0.0/8 and ::1, in any of their spellings.
bool isLoopback(const std::string& address);

} // namespace standin
