#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace roundcube {

// A real Roundcube 1.6 with Dovecot and Postfix, started by the kit (postling-roundcube) in a
// scratch folder of its own and stopped, by process id, when this goes. What it delivered and
// stored is read from the mailboxes on disk.
class RoundcubeProcess {
public:
    explicit RoundcubeProcess(bool seed = true);
    ~RoundcubeProcess();
    RoundcubeProcess(const RoundcubeProcess&) = delete;
    RoundcubeProcess& operator=(const RoundcubeProcess&) = delete;

    bool ok() const { return !url_.isEmpty(); }
    QString url() const { return url_; }
    QString address(const QString& user) const { return user + "@" + domain_; }

    // A message as Dovecot stored it, whether it has been read, and its uid.
    struct Delivered {
        QByteArray bytes;
        bool seen = false;
        int uid = 0;
    };
    // The messages of a user's folder ("INBOX", "Sent", "Trash"), in the order of their uids.
    QList<Delivered> mailbox(const QString& user, const QString& folder = "INBOX") const;
    // Writes `count` plain unread messages straight into a user's inbox.
    bool seedMany(const QString& user, int count) const;
    // Puts one message (its whole text) straight into a user's inbox, unread.
    bool deliver(const QString& user, const QByteArray& message) const;

    // Ends every Roundcube session, as an expiry on the server would.
    bool expireSessions() const;
    // Stops Roundcube's web server, or starts it again on its address; mail stays up.
    bool setWebUp(bool up) const;
    // Stops Postfix, so Roundcube cannot hand a message on, or starts it again.
    bool setSmtpUp(bool up) const;

    // One header of a delivered message as carried: unfolded, blanks at the ends removed.
    static QString header(const QByteArray& message, const QByteArray& name);

private:
    bool kit(const QStringList& args, QString* lastLine = nullptr) const;
    QString folderPath(const QString& user, const QString& folder) const;

    QTemporaryDir dir_;
    QString url_, domain_, maildirs_;
};

} // namespace roundcube
