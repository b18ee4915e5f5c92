#include "DefaultMailer.h"

#include "Dialogs.h"
#include "Shell.h"

#include "app/Locations.h"
#include "fs/AtomicFile.h"
#include "fs/Directory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <cstdlib>

namespace {

// An argument of a desktop entry's Exec line, quoted as the entry format requires when it holds
// more than plain path characters (xdg-open takes an unquoted program name only).
QString execArgument(QString text) {
    static const QRegularExpression plain("^[A-Za-z0-9/._+,:@=-]+$");
    if (plain.match(text).hasMatch())
        return text;
    for (const char* c : {"\\", "\"", "`", "$"})
        text.replace(c, QString("\\") + c);
    // The file's own string escapes apply first: each backslash is written twice.
    return "\"" + text.replace("\\", "\\\\") + "\"";
}

} // namespace

QString DefaultMailer::desktopEntry(const QString& iniFile, QString* error) {
    const std::string usual = postling::iniLocation({}, nullptr, std::getenv("XDG_CONFIG_HOME"),
                                                    QDir::homePath().toStdString());
    if (QFileInfo(iniFile).absoluteFilePath() ==
        QFileInfo(QString::fromStdString(usual)).absoluteFilePath())
        return "postling.desktop";
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    const QString applications = (dataHome.startsWith('/') ? QString::fromLocal8Bit(dataHome)
                                                           : QDir::homePath() + "/.local/share") +
                                 "/applications";
    const QString entry =
        "[Desktop Entry]\nType=Application\nName=Postling (" + iniFile +
        ")\nComment=Hands e-mail links to the Postling that uses these settings\nExec=" +
        execArgument(QCoreApplication::applicationFilePath()) + " --ini " +
        execArgument(QFileInfo(iniFile).absoluteFilePath()) +
        " %u\nIcon=postling\nTerminal=false\nNoDisplay=true\nMimeType=x-scheme-handler/mailto;\n";
    const std::string path = (applications + "/postling-settings.desktop").toStdString();
    std::string failed;
    if (!postling::makeDirectories(applications.toStdString()))
        failed = tr("cannot create %1").arg(applications).toStdString();
    else
        failed = postling::writeFileAtomically(path, entry.toStdString());
    if (!failed.empty()) {
        *error = QString::fromStdString(failed);
        return {};
    }
    return "postling-settings.desktop";
}

void DefaultMailer::offer(QWidget* parent, Shell& shell) {
    if (!Dialogs::question(parent, tr("Make Postling the program that opens e-mail links "
                                      "(mailto:) on this desktop?"))) {
        shell.ShowHelp(5002, true);
        return;
    }
    QString why;
    const QString entry = desktopEntry(shell.ini_file(), &why);
    if (!entry.isEmpty()) {
        QProcess xdgMime;
        xdgMime.start("xdg-mime", {"default", entry, "x-scheme-handler/mailto"});
        const bool ran = xdgMime.waitForFinished(20000);
        if (ran && xdgMime.exitStatus() == QProcess::NormalExit && xdgMime.exitCode() == 0) {
            Dialogs::message(parent, tr("Postling now opens e-mail links (mailto:)."));
            return;
        }
        why = xdgMime.error() == QProcess::FailedToStart
                  ? tr("xdg-mime was not found (it comes with the xdg-utils package).")
                  : tr("xdg-mime said: %1")
                        .arg(QString::fromLocal8Bit(xdgMime.readAllStandardError()).trimmed());
    }
    Dialogs::message(parent,
                     tr("Postling could not be made the program for e-mail links. %1").arg(why));
    shell.ShowHelp(5002, true);
}
