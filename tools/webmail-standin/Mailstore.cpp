#include "Mailstore.h"

#include <cerrno>
#include <stdexcept>
#include <sys/random.h>

#include <sqlite3.h>
#include <stdexcept>

namespace standin {

const char* siteName(Site site) {
    return site == Site::Yahoo ? "yahoo" : "hotmail";
}

namespace {

// A prepared statement that binds by position and finalizes itself.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) : db_(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string("sqlite prepare: ") + sqlite3_errmsg(db));
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int i, const std::string& text) {
        sqlite3_bind_text(stmt_, i, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Statement& bindBlob(int i, const std::string& bytes) {
        sqlite3_bind_blob(stmt_, i, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Statement& bind(int i, std::int64_t value) {
        sqlite3_bind_int64(stmt_, i, value);
        return *this;
    }
    bool step() {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        throw std::runtime_error(std::string("sqlite step: ") + sqlite3_errmsg(db_));
    }
    std::string text(int col) const {
        const auto* p = sqlite3_column_blob(stmt_, col);
        const int n = sqlite3_column_bytes(stmt_, col);
        return p ? std::string(static_cast<const char*>(p), static_cast<std::size_t>(n))
                 : std::string();
    }
    std::int64_t integer(int col) const { return sqlite3_column_int64(stmt_, col); }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

Account readAccount(const Statement& s) {
    Account a;
    a.id = s.integer(0);
    a.site = s.text(1) == "yahoo" ? Site::Yahoo : Site::Hotmail;
    a.login = s.text(2);
    a.password = s.text(3);
    a.address = s.text(4);
    a.name = s.text(5);
    a.lang = s.text(6);
    return a;
}

constexpr const char* kAccountColumns = "id, site, login, password, address, name, lang";

} // namespace

Mailstore::Mailstore(const std::string& path) {
    if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK) {
        std::string err = sqlite3_errmsg(db_);
        sqlite3_close(db_);
        throw std::runtime_error("cannot open database " + path + ": " + err);
    }
    sqlite3_busy_timeout(db_, 5000);
    // WAL lets a test read the recorded posts while the server writes.
    exec("PRAGMA journal_mode=WAL");
    exec("PRAGMA synchronous=NORMAL");
    exec("CREATE TABLE IF NOT EXISTS accounts (id INTEGER PRIMARY KEY, site TEXT NOT NULL, "
         "login TEXT NOT NULL, password TEXT NOT NULL, address TEXT NOT NULL UNIQUE, "
         "name TEXT NOT NULL, lang TEXT NOT NULL, UNIQUE(site, login))");
    exec("CREATE TABLE IF NOT EXISTS messages (id INTEGER PRIMARY KEY, owner INTEGER NOT NULL, "
         "folder TEXT NOT NULL, sender TEXT NOT NULL, reply_to TEXT NOT NULL DEFAULT '', "
         "recipients TEXT NOT NULL, cc TEXT NOT NULL, "
         "date TEXT NOT NULL, subject TEXT NOT NULL, body TEXT NOT NULL, html INTEGER NOT NULL, "
         "unread INTEGER NOT NULL)");
    exec("CREATE INDEX IF NOT EXISTS messages_by_folder ON messages(owner, folder)");
    // Databases made before replies could go elsewhere lack the column.
    if (!hasColumn("messages", "reply_to"))
        exec("ALTER TABLE messages ADD COLUMN reply_to TEXT NOT NULL DEFAULT ''");
    exec("CREATE TABLE IF NOT EXISTS sessions (token TEXT PRIMARY KEY, account INTEGER NOT NULL, "
         "expires INTEGER NOT NULL DEFAULT 0)");
    // Sessions of older databases had no end: they are dropped.
    if (!hasColumn("sessions", "expires")) {
        exec("DROP TABLE sessions");
        exec("CREATE TABLE sessions (token TEXT PRIMARY KEY, account INTEGER NOT NULL, "
             "expires INTEGER NOT NULL DEFAULT 0)");
    }
    exec("CREATE TABLE IF NOT EXISTS posts (id INTEGER PRIMARY KEY, site TEXT NOT NULL, "
         "path TEXT NOT NULL, content_type TEXT NOT NULL, body BLOB NOT NULL)");
}

Mailstore::~Mailstore() {
    sqlite3_close(db_);
}

void Mailstore::exec(const char* sql) {
    char* err = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        std::string message = err ? err : "unknown error";
        sqlite3_free(err);
        throw std::runtime_error("sqlite: " + message);
    }
}

bool Mailstore::hasColumn(const char* table, const char* column) {
    Statement s(db_, (std::string("PRAGMA table_info(") + table + ")").c_str());
    while (s.step())
        if (s.text(1) == column)
            return true;
    return false;
}

void Mailstore::begin() {
    mutex_.lock();
    exec("BEGIN");
}

void Mailstore::commit() {
    exec("COMMIT");
    mutex_.unlock();
}

std::int64_t Mailstore::addAccount(const Account& a) {
    std::lock_guard lock(mutex_);
    Statement s(db_, "INSERT INTO accounts (site, login, password, address, name, lang) "
                     "VALUES (?, ?, ?, ?, ?, ?)");
    s.bind(1, std::string(siteName(a.site)))
        .bind(2, a.login)
        .bind(3, a.password)
        .bind(4, a.address)
        .bind(5, a.name)
        .bind(6, a.lang)
        .step();
    return sqlite3_last_insert_rowid(db_);
}

std::optional<Account> Mailstore::accountByLogin(Site site, const std::string& login) {
    std::lock_guard lock(mutex_);
    Statement s(db_, (std::string("SELECT ") + kAccountColumns +
                      " FROM accounts WHERE site = ? AND login = ? COLLATE NOCASE")
                         .c_str());
    s.bind(1, std::string(siteName(site))).bind(2, login);
    if (!s.step())
        return std::nullopt;
    return readAccount(s);
}

std::optional<Account> Mailstore::accountByAddress(const std::string& address) {
    std::lock_guard lock(mutex_);
    Statement s(db_, (std::string("SELECT ") + kAccountColumns +
                      " FROM accounts WHERE address = ? COLLATE NOCASE")
                         .c_str());
    s.bind(1, address);
    if (!s.step())
        return std::nullopt;
    return readAccount(s);
}

std::optional<Account> Mailstore::accountById(std::int64_t id) {
    std::lock_guard lock(mutex_);
    Statement s(db_,
                (std::string("SELECT ") + kAccountColumns + " FROM accounts WHERE id = ?").c_str());
    s.bind(1, id);
    if (!s.step())
        return std::nullopt;
    return readAccount(s);
}

std::int64_t Mailstore::accountCount() {
    std::lock_guard lock(mutex_);
    Statement s(db_, "SELECT COUNT(*) FROM accounts");
    s.step();
    return s.integer(0);
}

std::int64_t Mailstore::addMessage(const Message& m) {
    std::lock_guard lock(mutex_);
    Statement s(db_, "INSERT INTO messages (owner, folder, sender, reply_to, recipients, cc, date, "
                     "subject, body, html, unread) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    s.bind(1, m.owner)
        .bind(2, m.folder)
        .bind(3, m.from)
        .bind(4, m.replyTo)
        .bind(5, m.to)
        .bind(6, m.cc)
        .bind(7, m.date)
        .bind(8, m.subject)
        .bind(9, m.body)
        .bind(10, std::int64_t{m.html})
        .bind(11, std::int64_t{m.unread})
        .step();
    return sqlite3_last_insert_rowid(db_);
}

std::optional<Message> Mailstore::message(std::int64_t owner, std::int64_t id) {
    std::lock_guard lock(mutex_);
    Statement s(db_, "SELECT id, owner, folder, sender, recipients, cc, date, subject, body, html, "
                     "unread, reply_to FROM messages WHERE owner = ? AND id = ?");
    s.bind(1, owner).bind(2, id);
    if (!s.step())
        return std::nullopt;
    Message m;
    m.id = s.integer(0);
    m.owner = s.integer(1);
    m.folder = s.text(2);
    m.from = s.text(3);
    m.to = s.text(4);
    m.cc = s.text(5);
    m.date = s.text(6);
    m.subject = s.text(7);
    m.body = s.text(8);
    m.html = s.integer(9) != 0;
    m.unread = s.integer(10) != 0;
    m.replyTo = s.text(11);
    return m;
}

std::vector<MessageSummary> Mailstore::folder(std::int64_t owner, const std::string& folder) {
    std::lock_guard lock(mutex_);
    Statement s(db_, "SELECT id, sender, subject, date, length(body), unread FROM messages "
                     "WHERE owner = ? AND folder = ? COLLATE NOCASE ORDER BY id DESC");
    s.bind(1, owner).bind(2, folder);
    std::vector<MessageSummary> out;
    while (s.step()) {
        MessageSummary m;
        m.id = s.integer(0);
        m.from = s.text(1);
        m.subject = s.text(2);
        m.date = s.text(3);
        m.size = s.integer(4);
        m.unread = s.integer(5) != 0;
        out.push_back(std::move(m));
    }
    return out;
}

void Mailstore::markRead(std::int64_t owner, std::int64_t id) {
    std::lock_guard lock(mutex_);
    Statement s(db_, "UPDATE messages SET unread = 0 WHERE owner = ? AND id = ?");
    s.bind(1, owner).bind(2, id).step();
}

void Mailstore::moveMessage(std::int64_t owner, std::int64_t id, const std::string& folder) {
    std::lock_guard lock(mutex_);
    Statement s(db_, "UPDATE messages SET folder = ? WHERE owner = ? AND id = ?");
    s.bind(1, folder).bind(2, owner).bind(3, id).step();
}

std::string Mailstore::openSession(std::int64_t account, std::time_t now) {
    // 128 bits from the system's random source: nobody guesses another's session.
    unsigned char bytes[16];
    for (std::size_t got = 0; got < sizeof bytes;) {
        const ssize_t n = getrandom(bytes + got, sizeof bytes - got, 0);
        if (n > 0)
            got += static_cast<std::size_t>(n);
        else if (errno != EINTR)
            throw std::runtime_error("no random source");
    }
    static const char* hex = "0123456789abcdef";
    std::string token;
    for (unsigned char b : bytes) {
        token += hex[b >> 4];
        token += hex[b & 15];
    }
    std::lock_guard lock(mutex_);
    Statement s(db_, "INSERT INTO sessions (token, account, expires) VALUES (?, ?, ?)");
    s.bind(1, token)
        .bind(2, account)
        .bind(3, static_cast<std::int64_t>(now + kSessionSeconds))
        .step();
    return token;
}

std::optional<std::int64_t> Mailstore::sessionAccount(const std::string& token, std::time_t now) {
    if (token.empty())
        return std::nullopt;
    std::lock_guard lock(mutex_);
    Statement gone(db_, "DELETE FROM sessions WHERE expires <= ?");
    gone.bind(1, static_cast<std::int64_t>(now)).step();
    Statement s(db_, "SELECT account FROM sessions WHERE token = ?");
    s.bind(1, token);
    if (!s.step())
        return std::nullopt;
    return s.integer(0);
}

void Mailstore::closeSession(const std::string& token) {
    std::lock_guard lock(mutex_);
    Statement s(db_, "DELETE FROM sessions WHERE token = ?");
    s.bind(1, token).step();
}

std::int64_t Mailstore::recordPost(const RecordedPost& p) {
    std::lock_guard lock(mutex_);
    Statement s(db_, "INSERT INTO posts (site, path, content_type, body) VALUES (?, ?, ?, ?)");
    s.bind(1, p.site).bind(2, p.path).bind(3, p.contentType).bindBlob(4, p.body).step();
    const std::int64_t id = sqlite3_last_insert_rowid(db_);
    // Only the latest posts are kept: a long demo does not grow the file without end.
    Statement old(db_, "DELETE FROM posts WHERE id <= ?");
    old.bind(1, id - kKeptPosts).step();
    return id;
}

std::vector<RecordedPost> Mailstore::posts() {
    std::lock_guard lock(mutex_);
    Statement s(db_, "SELECT id, site, path, content_type, body FROM posts ORDER BY id");
    std::vector<RecordedPost> out;
    while (s.step())
        out.push_back({s.integer(0), s.text(1), s.text(2), s.text(3), s.text(4)});
    return out;
}

} // namespace standin
