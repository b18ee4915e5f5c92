// Postling killed at random moments: a long session of saves, book edits, template and keyword
// writes and a mail merge, ended by SIGKILL again and again, each time started afresh on the
// same main directory. After every kill: every message reported saved is there whole, the book,
// the template and the keywords read back whole, and across the whole run no merge row reached
// the site twice. Prints one table row per command for `make faults`.
//
//   faults_killrun [KILLS]            the run (200 kills unless told)
//   faults_killrun --drive ROOT URL  one session on a workspace, until killed ("--session" is
//                                    Qt's own option)
#include "QtText.h"
#include "Testkit.h"

#include "addressbook/AddressBook.h"
#include "compose/Template.h"

#include <csignal>
#include <fcntl.h>
#include <random>
#include <unistd.h>

using testkit::Workspace;

namespace {

const QStringList kRows = {"ann@yahoo.localhost", "bob@hotmail.localhost", "hans@yahoo.localhost",
                           "marie@hotmail.localhost", "carl@hotmail.localhost"};

// What a saved message of a number holds: the test knows every byte.
postling::SavedMessage numbered(int n) {
    return testkit::message("Kim <kim@x.test>", "Kill " + std::to_string(n), "1 Jan 2026",
                            "me@x.test", std::string(2000 + n % 997, char('a' + n % 26)));
}

// One line, on the disk before the next step: what the session reports done.
void journal(const QString& root, const QString& line) {
    const QByteArray bytes = (line + "\n").toUtf8();
    const int fd = ::open((root + "/journal").toLocal8Bit().constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd >= 0) {
        (void)!::write(fd, bytes.constData(), std::size_t(bytes.size()));
        ::fdatasync(fd);
        ::close(fd);
    }
}

// A session: signed in, a merge over the book (resumed when one was cut short), and saves
// between its messages, until the parent kills it.
int session(const QString& root, const QString& start) {
    Workspace ws(root);
    ws.set("ystart", start);
    auto form = testkit::openMainForm(ws); // answers every question Yes: resume, too
    if (!testkit::waitForPage(form->shell().WebBrowser1(), "yahoo") ||
        !testkit::signIn(*form, "ann"))
        return 2;
    journal(root, "started");
    const bool merged = testkit::fileText(ws.path("mailmerge.log")).contains("\tfinished");
    if (!merged && testkit::openComposeTab(*form) &&
        testkit::fillComposeForm(form->shell().WebBrowser3(), true,
                                 {{"Subj", "Killed <<First>>"}, {"Body", "Dear <<First>>"}})) {
        testkit::openMerge(*form, 1, 5)->CommandStart->click();
    }
    std::mt19937 random(std::random_device{}());
    for (int n = int(random() % 100000);; ++n) {
        postling::SavedMessage m = numbered(n);
        form->store().folderChooser()->setCurrentText("Saved");
        form->store().SaveMessage(m);
        if (QDir(ws.path("savedmgs/Saved")).exists(qs(postling::savedFileName(m))))
            journal(root, "saved " + QString::number(n));
        auto* spam = form->findChild<QPlainTextEdit*>("TextSpam");
        spam->setPlainText("word" + QString::number(n) + ",");
        if (form->inbox().saveKeywords().empty())
            journal(root, "keywords " + QString::number(n));
        postling::writeTemplateFile(str(ws.mainDir()), "kill.txt", "Subject " + std::to_string(n),
                                    std::string(3000, 'k'));
        if (n % 5 == 0) { // a book edit: sorted by another column, then saved
            form->findChild<AddressPane*>("TabStrip1")
                ->MSFlexGrid1->horizontalHeader()
                ->sectionPressed(1 + n % 2);
            form->addressBook().SaveAddressBook();
        }
        QTest::qWait(int(random() % 40));
    }
}

struct Outcome {
    int kills = 0, lostMessages = 0, tornFiles = 0, sentTwice = 0, delivered = 0;
    qint64 lostBytes = 0;
};

// After a kill: every message the journal calls saved is whole, the other files read back.
void check(const Workspace& ws, Outcome& out) {
    for (const QString& line : testkit::fileText(ws.root() + "/journal").split('\n')) {
        if (!line.startsWith("saved "))
            continue;
        const postling::SavedMessage m = numbered(line.mid(6).toInt());
        const QString path = ws.path("savedmgs/Saved/") + qs(postling::savedFileName(m));
        const auto bytes = postling::readFile(str(path));
        if (!bytes || *bytes != postling::savedFileText(m)) {
            ++out.lostMessages;
            out.lostBytes += qint64(postling::savedFileText(m).size());
        }
    }
    // Every message on disk is whole: its name tells which, and so what it must hold.
    static const QRegularExpression number("&&Kill (\\d+)&&");
    for (const QString& name : QDir(ws.path("savedmgs/Saved")).entryList(QDir::Files)) {
        const auto match = number.match(name);
        if (match.hasMatch() && postling::readFile(str(ws.path("savedmgs/Saved/") + name)) !=
                                    postling::savedFileText(numbered(match.captured(1).toInt())))
            ++out.tornFiles;
    }
    const QString keys = testkit::fileText(ws.path("spamkeys.txt"));
    if (keys != "(missing)" && !keys.startsWith("word"))
        ++out.tornFiles;
    const auto tmpl = postling::readTemplateFile(str(ws.mainDir()), "kill.txt");
    if (tmpl && (!tmpl->starts_with("Subject ") || !tmpl->ends_with(std::string(3000, 'k'))))
        ++out.tornFiles;
    postling::AddressBook book;
    if (!book.open(str(ws.path("addrbooks/myaddrbk.csv"))).read || book.table.rowCount() != 6)
        ++out.tornFiles;
}

int killRun(int kills) {
    testkit::StandinServer site({"--seed"});
    Workspace ws;
    const QString self = QCoreApplication::applicationFilePath();
    std::mt19937 random(std::random_device{}());
    Outcome out;
    for (int i = 0; i < kills; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(self, {"--drive", ws.root(), site.yahooStart()});
        // Killed anywhere from its start-up to well into its work.
        QTest::qWait(300 + int(random() % 4000));
        const pid_t pid = pid_t(child.processId());
        if (child.state() != QProcess::NotRunning && pid > 0) // never 0: the whole group
            ::kill(pid, SIGKILL);
        else
            std::printf("session %d ended by itself (status %d)\n", i, child.exitCode());
        child.waitForFinished(10000);
        ++out.kills;
        check(ws, out);
        if (i % 20 == 19)
            std::printf("%d kills: %d messages lost, %d torn files\n", out.kills, out.lostMessages,
                        out.tornFiles);
    }
    for (const QString& address : kRows) {
        const int n = int(site.received(address).filter("Killed").size());
        out.delivered += n;
        out.sentTwice += std::max(0, n - 1);
    }
    const int saves = int(testkit::fileText(ws.root() + "/journal").count("saved "));
    std::printf("KILLTABLE\tSIGKILL x%d\tsaves, book edits, template, keywords (%d saves)\t"
                "restart: listed, resumed\t%lld\t0\n",
                out.kills, saves, out.lostBytes);
    std::printf(
        "KILLTABLE\tSIGKILL x%d\tMail Merge, 5 rows (%d delivered)\tresume offered\t0\t%d\n",
        out.kills, out.delivered, out.sentTwice);
    std::printf("%d kills: %d messages lost (%lld bytes), %d torn files, %d rows sent twice\n",
                out.kills, out.lostMessages, out.lostBytes, out.tornFiles, out.sentTwice);
    return out.lostMessages + out.tornFiles + out.sentTwice == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "--drive")
        return session(args[2], args[3]);
    return killRun(args.size() > 1 ? args[1].toInt() : 200);
}
