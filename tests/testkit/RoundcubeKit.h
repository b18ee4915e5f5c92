#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class MainForm;

namespace testkit {

class Workspace;

// A real Roundcube 1.6 with Dovecot and Postfix, started by the kit in a scratch folder of its
// own and stopped (by process id) when this goes. Outcomes are read from the mailboxes on disk.
class RoundcubeServer {
public:
    RoundcubeServer();
    ~RoundcubeServer();
    bool ok() const { return !url_.isEmpty(); }
    QString url() const { return url_; }
    QString address(const QString& user) const { return user + "@" + domain_; }

    // A message as Dovecot stored it, and whether it has been read.
    struct Delivered {
        QByteArray bytes;
        bool seen = false;
        int uid = 0;
    };
    // The messages of a user's folder ("INBOX", "Sent", "Trash"), in the order of their uids.
    QList<Delivered> mailbox(const QString& user, const QString& folder = "INBOX") const;
    // Writes `count` plain unread messages straight into a user's inbox.
    bool seedMany(const QString& user, int count) const;

    // One header of a delivered message as carried: unfolded, blanks at the ends removed.
    static QString header(const QByteArray& message, const QByteArray& name);

private:
    bool kit(const QStringList& args, QString* lastLine = nullptr) const;

    QTemporaryDir dir_;
    QString url_, domain_, maildirs_;
};

// Opens MainForm on the user's Roundcube, signs in and waits for the message list.
std::unique_ptr<MainForm> openRoundcube(const RoundcubeServer& server, Workspace& workspace,
                                        const QString& user, const QStringList& extraArgs = {});

// Runs a script in the page's own world (Roundcube's objects are there), for the test's own
// moves: what a person would do with the mouse.
QVariant runInPage(MainForm& form, int view, const QString& script, int timeoutMs = 10000);

} // namespace testkit
