#include "RoundcubeKit.h"

#include "Testkit.h"

#include <QProcess>
#include <QRegularExpression>
#include <QWebEnginePage>
#include <QWebEngineScript>

namespace testkit {

RoundcubeServer::RoundcubeServer() : dir_(QDir::tempPath() + "/postling-rc-XXXXXX") {
    QString last;
    if (!kit({"start", dir_.path()}, &last))
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

RoundcubeServer::~RoundcubeServer() {
    kit({"stop", dir_.path()});
}

bool RoundcubeServer::kit(const QStringList& args, QString* lastLine) const {
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(POSTLING_ROUNDCUBE_KIT, args);
    if (!process.waitForFinished(180000) || process.exitCode() != 0) {
        qWarning("the Roundcube kit failed: %s", process.readAllStandardError().constData());
        return false;
    }
    if (lastLine)
        *lastLine = QString::fromUtf8(process.readAllStandardOutput()).trimmed().split('\n').last();
    return true;
}

QList<RoundcubeServer::Delivered> RoundcubeServer::mailbox(const QString& user,
                                                           const QString& folder) const {
    // Maildir++: the inbox at the top, other folders as ".Name"; Dovecot's uid list says which
    // file holds which uid, and ":2,S" in a file's name marks it read.
    const QString root = maildirs_ + "/" + user + (folder == "INBOX" ? "" : "/." + folder);
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
            continue; // expunged, or not yet moved in
        out << Delivered{f.readAll(), QFileInfo(path).fileName().section(":2,", 1).contains('S'),
                         line.section(' ', 0, 0).toInt()};
    }
    return out;
}

bool RoundcubeServer::seedMany(const QString& user, int count) const {
    return kit({"seed-many", dir_.path(), user, QString::number(count)});
}

QString RoundcubeServer::header(const QByteArray& message, const QByteArray& name) {
    const int end = message.indexOf("\r\n\r\n") >= 0 ? message.indexOf("\r\n\r\n")
                                                     : message.indexOf("\n\n");
    const QByteArray head = message.left(end).replace("\r\n", "\n");
    const QByteArray unfolded = QByteArray(head).replace("\n ", " ").replace("\n\t", " ");
    for (const QByteArray& line : unfolded.split('\n'))
        if (line.toLower().startsWith(name.toLower() + ":"))
            return QString::fromUtf8(line.mid(name.size() + 1)).trimmed();
    return {};
}

std::unique_ptr<MainForm> openRoundcube(const RoundcubeServer& server, Workspace& workspace,
                                        const QString& user, const QStringList& extraArgs) {
    workspace.set("rstart", server.url());
    workspace.set("smail", "2");
    workspace.set("setmax", "0");
    auto form = openMainForm(workspace, extraArgs);
    WebBrowser* view = form->shell().WebBrowser1();
    if (!waitForPage(view, server.url()))
        return nullptr;
    const QVariantMap filled = callPage(view->document(), "setFormFields",
                                        {"login-form", QVariantMap{{"_user", user}, {"_pass", user}}});
    if (filled.contains("error") || !filled.value("missing").toList().isEmpty() ||
        callPage(view->document(), "submitForm", {"login-form", QString()}).contains("error") ||
        !waitForPage(view, "_task=mail"))
        return nullptr;
    // The list arrives after the page.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20000) {
        if (!callPage(view->document(), "sites.roundcube.inboxRows")
                 .value("rows")
                 .toList()
                 .isEmpty())
            return form;
        QTest::qWait(100);
    }
    return nullptr;
}

QVariant runInPage(MainForm& form, int view, const QString& script, int timeoutMs) {
    WebBrowser* views[] = {nullptr, form.shell().WebBrowser1(), form.shell().WebBrowser2(),
                           form.shell().WebBrowser3(), form.shell().WebBrowser4()};
    struct State {
        QVariant result;
        bool done = false;
        QEventLoop loop;
    };
    auto state = std::make_shared<State>();
    views[view]->page()->runJavaScript(script, QWebEngineScript::MainWorld,
                                       [state](const QVariant& v) {
                                           state->result = v;
                                           state->done = true;
                                           state->loop.quit();
                                       });
    if (!state->done) {
        QTimer::singleShot(timeoutMs, &state->loop, &QEventLoop::quit);
        state->loop.exec();
    }
    return state->result;
}

} // namespace testkit
