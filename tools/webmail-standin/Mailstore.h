#pragma once

#include <cstdint>
#include <ctime>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

namespace standin {

enum class Site { Yahoo, Hotmail };

const char* siteName(Site site);

struct Account {
    std::int64_t id = 0;
    Site site = Site::Yahoo;
    std::string login;
    std::string password;
    std::string address;
    std::string name;
    std::string lang = "en";
};

struct Message {
    std::int64_t id = 0;
    std::int64_t owner = 0;
    std::string folder = "Inbox";
    std::string from;
    std::string replyTo; // empty: replies go to the sender
    std::string to;
    std::string cc;
    std::string date;
    std::string subject;
    std::string body;
    bool html = false;
    bool unread = true;
};

// A message as the inbox list shows it: everything but the body.
struct MessageSummary {
    std::int64_t id = 0;
    std::string from;
    std::string subject;
    std::string date;
    std::int64_t size = 0;
    bool unread = true;
};

struct RecordedPost {
    std::int64_t id = 0;
    std::string site;
    std::string path;
    std::string contentType;
    std::string body;
};

// The stand-in's storage: accounts, mailboxes, sessions and every form post received, in one
// SQLite file. One connection guarded by a mutex: the server's worker threads share it.
class Mailstore {
public:
    explicit Mailstore(const std::string& path);
    ~Mailstore();
    Mailstore(const Mailstore&) = delete;
    Mailstore& operator=(const Mailstore&) = delete;

    std::int64_t addAccount(const Account& account);
    std::optional<Account> accountByLogin(Site site, const std::string& login);
    std::optional<Account> accountByAddress(const std::string& address);
    std::optional<Account> accountById(std::int64_t id);
    std::int64_t accountCount();

    std::int64_t addMessage(const Message& message);
    std::optional<Message> message(std::int64_t owner, std::int64_t id);
    std::vector<MessageSummary> folder(std::int64_t owner, const std::string& folder);
    void markRead(std::int64_t owner, std::int64_t id);
    void moveMessage(std::int64_t owner, std::int64_t id, const std::string& folder);

    // A session lasts this long from sign-in; the latest posts kept are this many.
    static constexpr std::time_t kSessionSeconds = 8 * 3600;
    static constexpr std::int64_t kKeptPosts = 2000;

    std::string openSession(std::int64_t account, std::time_t now = std::time(nullptr));
    std::optional<std::int64_t> sessionAccount(const std::string& token,
                                               std::time_t now = std::time(nullptr));
    void closeSession(const std::string& token);

    std::int64_t recordPost(const RecordedPost& post);
    std::vector<RecordedPost> posts();

    // Runs many inserts in one transaction (seeding tens of thousands of messages).
    void begin();
    void commit();

private:
    void exec(const char* sql);
    bool hasColumn(const char* table, const char* column);
    sqlite3* db_ = nullptr;
    std::recursive_mutex mutex_;
};

} // namespace standin
