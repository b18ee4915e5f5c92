#include "RoundcubeProcess.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>

#include <sys/stat.h>
#include <unistd.h>

namespace roundcube {

RoundcubeProcess::RoundcubeProcess(bool seed) : dir_(QDir::tempPath() + "/postling-rc-XXXXXX") {
    QStringList args = {"start", dir_.path()};
    if (!seed)
        args << "--no-seed";
    QString last;
    if (!kit(args, &last))
        return;
    QFile env(dir_.filePath("kit.env"));
    if (!env.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray& line : env.readAll().split('\n')) {
        const int eq = line.indexOf('=');
        const QString key = QString::fromUtf8(line.left(eq));
        const QString value = QString::fromUtf8(line.mid(eq + 1)).remove('"');
        if (key == "MAIL_DOMAIN")
            domain_ = value;
        else if (key == "MAILDIR_ROOT")
            maildirs_ = value;
    }
    url_ = last.trimmed();
}

RoundcubeProcess::~RoundcubeProcess() {
    kit({"stop", dir_.path()});
}

bool RoundcubeProcess::kit(const QStringList& args, QString* lastLine) const {
    QProcess process;
    process.start(ROUNDCUBE_KIT, args);
    if (!process.waitForFinished(180000) || process.exitCode() != 0) {
        qWarning("the Roundcube kit failed: %s", process.readAllStandardError().constData());
        return false;
    }
    if (lastLine)
        *lastLine = QString::fromUtf8(process.readAllStandardOutput()).trimmed().split('\n').last();
    return true;
}

QString RoundcubeProcess::folderPath(const QString& user, const QString& folder) const {
    // Maildir++: the inbox at the top, other folders as ".Name".
    return maildirs_ + "/" + user + (folder == "INBOX" ? "" : "/." + folder);
}

QList<RoundcubeProcess::Delivered> RoundcubeProcess::mailbox(const QString& user,
                                                             const QString& folder) const {
    // Dovecot's uid list says which file holds which uid; ":2,S" in a file's name marks it read.
    const QString root = folderPath(user, folder);
    QHash<QString, QString> files; // base name -> path
    for (const char* sub : {"new", "cur"})
        for (const QFileInfo& file : QDir(root + "/" + sub).entryInfoList(QDir::Files))
            files.insert(file.fileName().section(":2,", 0, 0), file.filePath());
    QFile list(root + "/dovecot-uidlist");
    QList<Delivered> out;
    if (!list.open(QIODevice::ReadOnly))
        return out;
    list.readLine(); // the header
    while (!list.atEnd()) {
        const QString line = QString::fromUtf8(list.readLine()).trimmed();
        const QString path = files.value(line.section(':', 1).section(":2,", 0, 0));
        QFile f(path);
        if (path.isEmpty() || !f.open(QIODevice::ReadOnly))
            continue; // expunged
        out << Delivered{f.readAll(), QFileInfo(path).fileName().section(":2,", 1).contains('S'),
                         line.section(' ', 0, 0).toInt()};
    }
    return out;
}

bool RoundcubeProcess::seedMany(const QString& user, int count) const {
    return kit({"seed-many", dir_.path(), user, QString::number(count)});
}

bool RoundcubeProcess::expireSessions() const {
    return kit({"expire", dir_.path()});
}

bool RoundcubeProcess::setWebUp(bool up) const {
    return kit({up ? "web-up" : "web-down", dir_.path()});
}

bool RoundcubeProcess::setSmtpUp(bool up) const {
    return kit({up ? "smtp-up" : "smtp-down", dir_.path()});
}

bool RoundcubeProcess::deliver(const QString& user, const QByteArray& message) const {
    // As a local delivery agent would: written in tmp/, then moved into new/, owned by the
    // mailbox's owner.
    const QString root = folderPath(user, "INBOX");
    struct stat owner {};
    if (::stat(QFile::encodeName(maildirs_).constData(), &owner) != 0)
        return false;
    // A user who never had mail has no Maildir yet: made as Dovecot would, for its own user.
    for (const QString& path : {root, root + "/new", root + "/cur", root + "/tmp"}) {
        if (QFileInfo::exists(path))
            continue;
        if (!QDir().mkpath(path) ||
            ::chown(QFile::encodeName(path).constData(), owner.st_uid, owner.st_gid) != 0 ||
            ::chmod(QFile::encodeName(path).constData(), 0700) != 0)
            return false;
    }
    const QString name = QString("%1.P%2Q%3.postling")
                             .arg(QDateTime::currentSecsSinceEpoch())
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate());
    QFile file(root + "/tmp/" + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(message) != message.size())
        return false;
    file.close();
    if (::chown(QFile::encodeName(file.fileName()).constData(), owner.st_uid, owner.st_gid) != 0)
        return false;
    return QFile::rename(file.fileName(), root + "/new/" + name);
}

QString RoundcubeProcess::header(const QByteArray& message, const QByteArray& name) {
    const int crlf = message.indexOf("\r\n\r\n");
    const QByteArray head = message.left(crlf >= 0 ? crlf : message.indexOf("\n\n"));
    const QByteArray unfolded =
        QByteArray(head).replace("\r\n", "\n").replace("\n ", " ").replace("\n\t", " ");
    for (const QByteArray& line : unfolded.split('\n'))
        if (line.toLower().startsWith(name.toLower() + ":"))
            return QString::fromUtf8(line.mid(name.size() + 1)).trimmed();
    return {};
}

} // namespace roundcube
