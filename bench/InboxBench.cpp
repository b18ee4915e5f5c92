// The inbox tools on an inbox of 1,000 rows (the stand-in's --seed-inbox), from the command to
// the boxes ticked on the page, on both sites. Each command makes two script calls.
#include "BenchSession.h"
#include "BenchTiming.h"
#include "Dialogs.h"
#include "InboxSubsystem.h"
#include "MainForm.h"
#include "PageDocument.h"
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
    for (const bool yahoo : {true, false}) {
        settings.set("Settings", "smail", yahoo ? "0" : "1");
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
        waitFor([&] { return pageDone(yahoo ? "ShowFolder" : "HoTMail"); }, 30000);

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
            std::printf("  %-8s %-13s %7.1f ms   (%s)\n", yahoo ? "Yahoo" : "Hotmail", c.name,
                        median(times), qPrintable(form.shell().panelText(2)));
        }
        form.close();
    }
    return 0;
}
