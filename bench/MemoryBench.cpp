// Memory: the proportional set size of Postling and every engine process it started, after
// start-up on the stand-in's sign-in page and again after signing in and visiting every tab.
// Postling runs with its own persistent browser profile, in folders of this run.
#include "BenchSession.h"
#include "BenchTiming.h"
#include "Dialogs.h"
#include "MainForm.h"
#include "PageDocument.h"
#include "SavedMessagesPanel.h"
#include "Shell.h"
#include "StandinProcess.h"
#include "StoreSubsystem.h"
#include "WebBrowser.h"
#include "app/IniFile.h"
#include "store/SavedMessage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>

namespace {

// Kilobytes of "Pss:" in a process's smaps_rollup, or 0 when it is gone.
long pssKb(const QString& pid) {
    QFile rollup("/proc/" + pid + "/smaps_rollup");
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : rollup.readAll().split('\n'))
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').value(0).toLong();
    return 0;
}

// This process and its descendants (the engine's zygotes, renderers and utilities): megabytes
// in all, and how many processes.
std::pair<double, int> treePss() {
    QMap<QString, QString> parentOf;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + pid + "/stat");
        if (!pid.front().isDigit() || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        // pid (comm) state ppid ...: comm may hold spaces, so read after its closing bracket.
        parentOf[pid] = QString(text.mid(text.lastIndexOf(')') + 2)).section(' ', 1, 1);
    }
    QStringList tree = {QString::number(::getpid())};
    for (int i = 0; i < tree.size(); ++i)
        for (auto it = parentOf.begin(); it != parentOf.end(); ++it)
            if (it.value() == tree[i])
                tree << it.key();
    long kb = 0;
    for (const QString& pid : tree)
        kb += pssKb(pid);
    return {static_cast<double>(kb) / 1024.0, static_cast<int>(tree.size())};
}

// Lets pages finish their work before a measurement.
std::pair<double, int> settledPss() {
    waitFor([] { return false; }, 3000);
    return treePss();
}

} // namespace

int main(int argc, char** argv) {
    // The user's folders stay untouched: the profile and data of this run live in a temporary
    // home, and the profile is the persistent one a user has.
    QTemporaryDir home(QDir::tempPath() + "/postling-bench-XXXXXX");
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qunsetenv("POSTLING_PRIVATE_PROFILE");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const standin::StandinProcess standin({"--seed"});
    const int port = standin.port();

    const std::string ini = home.filePath("postling.ini").toStdString();
    postling::IniFile settings(ini);
    settings.set("Settings", "welcome", "1");
    settings.set("Settings", "ystart", "http://mail.yahoo.localhost:" + std::to_string(port) + "/");
    settings.set("Settings", "ycalendar",
                 "http://calendar.yahoo.localhost:" + std::to_string(port) + "/");
    Dialogs::answerWith({});

    auto* form = new MainForm({"postling", "--ini", QString::fromStdString(ini)});
    form->resize(1200, 800);
    form->show();
    QString inboxDone, composeDone;
    QObject::connect(form->shell().WebBrowser1(), &WebBrowser::DocumentComplete,
                     [&](const QString& u) { inboxDone = u; });
    QObject::connect(form->shell().WebBrowser3(), &WebBrowser::DocumentComplete,
                     [&](const QString& u) { composeDone = u; });
    waitFor([&] { return inboxDone.contains("yahoo"); }, 20000);
    const auto [started, startedProcesses] = settledPss();

    submitSignIn(form->shell().WebBrowser1(), true, "ann");
    waitFor([&] { return composeDone.contains("/ym/compose"); }, 30000);
    form->store().SaveMessage(lunchMessage());
    for (int tab : {Shell::ComposeTab, Shell::SavedTab, Shell::CalendarTab, Shell::SettingsTab,
                    Shell::InboxTab}) {
        form->shell().selectTab(tab);
        if (tab == Shell::SavedTab) {
            form->store().panel()->selectRow(0); // a saved message in the preview
            waitFor([&] { return form->shell().WebBrowser2()->LocationURL().contains("Lunch"); },
                    10000);
        }
        waitFor([&] { return false; }, 1500);
    }
    const auto [visited, visitedProcesses] = settledPss();

    std::printf("memory of Postling and its engine processes (proportional set size):\n");
    std::printf("  after start, at the sign-in page:  %6.1f MB in %d processes (target 250)\n",
                started, startedProcesses);
    std::printf("  after signing in and every tab:    %6.1f MB in %d processes (target 300)\n",
                visited, visitedProcesses);
    form->close();
    delete form;
    return 0;
}
