// The inbox tools on an inbox of 1,000 rows (the stand-in's --seed-inbox) on both old sites (with
// their own profiles, then read by meaning alone as an unknown webmail would be), and on a real
// Roundcube's largest page (200 rows), from the command to the rows ticked on the page.
// Each command makes two script calls.
#include "BenchSession.h"
#include "BenchTiming.h"
#include "Dialogs.h"
#include "InboxSubsystem.h"
#include "MainForm.h"
#include "PageDocument.h"
#include "RoundcubeProcess.h"
#include "Shell.h"
#include "StandinProcess.h"
#include "WebBrowser.h"

#include "app/IniFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

// Each of the four commands five times; the median and what the status line said.
static void timeCommands(MainForm& form, const char* site) {
    const struct {
        const char* name;
        InboxSubsystem::Command command;
    } commands[] = {{"Check Spam", InboxSubsystem::Command::Spam},
                    {"Check Unread", InboxSubsystem::Command::Unread},
                    {"Check Group", InboxSubsystem::Command::Group},
                    {"Uncheck All", InboxSubsystem::Command::Uncheck}};
    for (const auto& c : commands) {
        std::vector<double> times;
        for (int run = 0; run < 5; ++run) {
            // Each tick command starts from an untouched list, so every run ticks.
            if (c.command == InboxSubsystem::Command::Spam ||
                c.command == InboxSubsystem::Command::Unread) {
                QEventLoop untick;
                QTimer::singleShot(20000, &untick, &QEventLoop::quit);
                auto done = QObject::connect(&form.inbox(), &InboxSubsystem::commandFinished,
                                             &untick, &QEventLoop::quit);
                form.inbox().run(InboxSubsystem::Command::Uncheck);
                untick.exec();
                QObject::disconnect(done);
            }
            QEventLoop loop;
            QTimer::singleShot(20000, &loop, &QEventLoop::quit); // never wait forever
            auto connection = QObject::connect(&form.inbox(), &InboxSubsystem::commandFinished,
                                               &loop, &QEventLoop::quit);
            times.push_back(timeMs([&] {
                form.inbox().run(c.command);
                loop.exec();
            }));
            QObject::disconnect(connection);
        }
        std::printf("  %-20s %-13s %7.1f ms   (%s)\n", site, c.name, median(times),
                    qPrintable(form.shell().panelText(2)));
    }
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QTemporaryDir dir(QDir::tempPath() + "/postling-bench-XXXXXX");
    const standin::StandinProcess standin({"--seed", "--seed-inbox", "1000"});
    const int port = standin.port();

    QDir().mkpath(dir.filePath("maindir"));
    const std::string ini = dir.filePath("postling.ini").toStdString();
    postling::IniFile settings(ini);
    settings.set("Locations", "main dir", dir.filePath("maindir").toStdString() + "/");
    settings.set("Settings", "welcome", "1");
    settings.set("Settings", "ystart", "http://mail.yahoo.localhost:" + std::to_string(port) + "/");
    settings.set("Settings", "hstart", "http://hotmail.localhost:" + std::to_string(port) + "/");
    Dialogs::answerWith({});

    std::printf("inbox tools on 1,000 generated rows (plus the seeded ones), median of 5:\n");
    for (const bool generic : {false, true})
        for (const bool yahoo : {true, false}) {
            settings.set("Settings", "smail", yahoo ? "0" : "1");
            settings.set("Settings", "profiles", generic ? "0" : "1");
            MainForm form({"postling", "--ini", QString::fromStdString(ini)});
            form.resize(1200, 800);
            form.show();
            WebBrowser* view = form.shell().WebBrowser1();
            // The address a view shows changes before its page does: wait for the page itself.
            QString completed;
            QObject::connect(view, &WebBrowser::DocumentComplete,
                             [&](const QString& url) { completed = url; });
            const auto pageDone = [&](const QString& part) {
                return !view->Busy() && completed.contains(part);
            };
            waitFor([&] { return pageDone(yahoo ? "yahoo" : "hotmail"); }, 20000);
            const QString login = yahoo ? "ann" : "bob";
            submitSignIn(view, yahoo, login);
            if (generic) { // no profile takes it to the inbox after signing in: the person goes
                QEventLoop settle;
                QTimer::singleShot(2000, &settle, &QEventLoop::quit);
                settle.exec();
                view->Navigate(
                    QString(yahoo ? "http://mail.yahoo.localhost:%1/ym/ShowFolder?box=Inbox"
                                  : "http://hotmail.localhost:%1/cgi-bin/HoTMail")
                        .arg(port));
            }
            waitFor([&] { return pageDone(yahoo ? "ShowFolder" : "HoTMail"); }, 30000);

            timeCommands(form, generic ? (yahoo ? "Yahoo, by meaning" : "Hotmail, by meaning")
                                       : (yahoo ? "Yahoo" : "Hotmail"));
            form.close();
        }

    // A real Roundcube with 200 messages, its largest page; every fourth one spam-like.
    const roundcube::RoundcubeProcess rc(false);
    bool delivered = rc.ok();
    for (int i = 0; delivered && i < 200; ++i)
        delivered = rc.deliver(
            "ann", QString("From: Sender %1 <s%1@example.test>\r\nTo: ann@example.test\r\n"
                           "Subject: %2 %1\r\nDate: Mon, 02 Mar 2026 09:%3:00 +0000\r\n\r\n"
                           "Text of message %1.\r\n")
                       .arg(i)
                       .arg(i % 4 == 0 ? "You have WON a free cruise" : "Meeting notes")
                       .arg(i % 60, 2, 10, QChar('0'))
                       .toUtf8());
    if (!delivered) {
        std::printf("  Roundcube did not start\n");
        return 1;
    }
    settings.set("Settings", "profiles", "1");
    settings.set("Settings", "rstart", rc.url().toStdString());
    settings.set("Settings", "smail", "2");
    MainForm form({"postling", "--ini", QString::fromStdString(ini)});
    form.resize(1200, 800);
    form.show();
    if (!signInToRoundcube(form, "ann")) {
        std::printf("  Roundcube: no message list\n");
        return 1;
    }
    std::printf("inbox tools on a Roundcube page of %d rows, median of 5:\n",
                int(pageCall(form.shell().WebBrowser1(), "sites.roundcube.inboxRows", {})
                        .value("rows")
                        .toList()
                        .size()));
    timeCommands(form, "Roundcube");
    form.close();
    return 0;
}
