// postling-webmail: the stand-in Yahoo Mail and Hotmail sites that Postling is shown and tested
// against. Usage: postling-webmail --port N --db FILE [--seed] [--seed-inbox N] [--bind ADDR]
//                  [--submit-delay-ms N] [--refuse-every K] [--fixtures DIR]
#include "Mailstore.h"
#include "Seed.h"
#include "Server.h"

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

namespace {

standin::Server* g_server = nullptr;

void onSignal(int) {
    if (g_server)
        g_server->stop();
}

const char* const kUsage =
    "usage: postling-webmail --port N --db FILE [--seed] [--seed-inbox N] [--bind 127.0.0.1]\n"
    "                        [--submit-delay-ms N] [--refuse-every K] [--fixtures DIR]\n";

const char* const kHelp =
    "The stand-in Yahoo! Mail and Hotmail sites Postling is shown and tested against, served on\n"
    "this machine only.\n"
    "\n"
    "  --port N              the port (0 picks a free one; the first line printed names it)\n"
    "  --db FILE             the SQLite mail store, created when missing\n"
    "  --seed                add the demo accounts and their mail (ann / ann, bob / bob)\n"
    "  --seed-inbox N        add N generated messages to the English inboxes\n"
    "  --bind ADDR           a loopback address to listen on (default 127.0.0.1)\n"
    "  --submit-delay-ms N   answer each sent message after N milliseconds\n"
    "  --refuse-every K      refuse every K-th sent message\n"
    "  --fixtures DIR        serve the pages in DIR at http://webmail.localhost:PORT/\n"
    "  --help, --version     show this text, or the version\n";

int usage(const std::string& problem) {
    std::cerr << "postling-webmail: " << problem << "\n" << kUsage;
    return 2;
}

bool parseNumber(const std::string& text, int max, int& out) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    out = std::stoi(text);
    return out <= max;
}

} // namespace

int main(int argc, char** argv) {
    int port = -1;
    int seedInbox = 0;
    bool seed = false;
    std::string db;
    std::string bind = "127.0.0.1";
    std::string fixtures;
    standin::SendPolicy policy;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage << kHelp;
            return 0;
        }
        if (arg == "--version") {
            std::cout << "postling-webmail " << POSTLING_VERSION << "\n";
            return 0;
        }
        if (arg == "--port" && hasValue) {
            if (!parseNumber(argv[++i], 65535, port))
                return usage("--port needs a number from 0 to 65535");
        } else if (arg == "--db" && hasValue) {
            db = argv[++i];
        } else if (arg == "--seed") {
            seed = true;
        } else if (arg == "--seed-inbox" && hasValue) {
            if (!parseNumber(argv[++i], 1000000, seedInbox))
                return usage("--seed-inbox needs a number up to 1000000");
        } else if (arg == "--submit-delay-ms" && hasValue) {
            if (!parseNumber(argv[++i], 600000, policy.delayMs))
                return usage("--submit-delay-ms needs a number of milliseconds up to 600000");
        } else if (arg == "--refuse-every" && hasValue) {
            if (!parseNumber(argv[++i], 1000000, policy.refuseEvery))
                return usage("--refuse-every needs a number");
        } else if (arg == "--bind" && hasValue) {
            bind = argv[++i];
        } else if (arg == "--fixtures" && hasValue) {
            fixtures = argv[++i];
        } else {
            return usage("unexpected argument " + arg);
        }
    }
    if (port < 0)
        return usage("--port is required (0 picks a free port)");
    if (db.empty())
        return usage("--db is required");
    if (!standin::isLoopback(bind))
        return usage("refusing to listen on " + bind + ": only loopback addresses are served");

    try {
        standin::Mailstore store(db);
        if (seed)
            standin::seedDemo(store);
        if (seedInbox > 0)
            standin::seedInbox(store, seedInbox);

        standin::Server server(store, policy);
        server.serveFixtures(fixtures);
        const int bound = server.bind(bind, port);
        if (bound <= 0) {
            std::cerr << "postling-webmail: cannot listen on " << bind << ":" << port << "\n";
            return 1;
        }
        g_server = &server;
        std::signal(SIGINT, onSignal);
        std::signal(SIGTERM, onSignal);
        std::signal(SIGPIPE, SIG_IGN);

        const std::string p = std::to_string(bound);
        std::cout << "listening on http://" << bind << ":" << p << std::endl;
        std::cout << "  Yahoo! Mail:     http://mail.yahoo.localhost:" << p << "/  (ann / ann)\n"
                  << "  MSN Hotmail:     http://hotmail.localhost:" << p << "/  (bob / bob)\n"
                  << "  Yahoo! Calendar: http://calendar.yahoo.localhost:" << p << "/\n"
                  << "  MSN Calendar:    http://calendar.hotmail.localhost:" << p << "/"
                  << std::endl;
        server.run();
        g_server = nullptr;
    } catch (const std::exception& e) {
        std::cerr << "postling-webmail: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
