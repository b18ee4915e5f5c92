// Start-up time: from process start to the start page's document-complete in WebBrowser1,
// against a bare QWebEngineView loading the same page, alternating runs in one session.
//   bench_startup [runs]          the comparison (starts the stand-in webmail itself)
//   bench_startup --bare URL      one bare view (child process)
//   bench_startup --postling INI  one Postling (child process)
#include "BenchTiming.h"
#include "Dialogs.h"
#include "MainForm.h"
#include "Shell.h"
#include "StandinProcess.h"
#include "WebBrowser.h"
#include "app/IniFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>

namespace {

int runBare(int argc, char** argv, const QString& url) {
    QApplication app(argc, argv);
    QWebEngineProfile profile;
    QWebEngineView view;
    view.setPage(new QWebEnginePage(&profile, &view));
    view.resize(1000, 700);
    view.show();
    QObject::connect(&view, &QWebEngineView::loadFinished, [] {
        std::printf("ready\n");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    view.load(QUrl(url));
    return QApplication::exec();
}

int runPostling(int argc, char** argv, const QString& ini, bool withSplash) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (!withSplash)
        Dialogs::answerWith({}); // the splash ends at once, as on a key press
    const QString start =
        QString::fromStdString(postling::IniFile(ini.toStdString()).get("Settings", "ystart", ""));
    MainForm* form = nullptr;
    form = new MainForm({"postling", "--ini", ini});
    QObject::connect(form->shell().WebBrowser1(), &WebBrowser::DocumentComplete,
                     [start](const QString& url) {
                         if (url == start) {
                             std::printf("ready\n");
                             std::fflush(stdout);
                             QCoreApplication::exit(0);
                         }
                     });
    form->show();
    const int rc = QApplication::exec();
    delete form;
    return rc;
}

double timeChild(const QStringList& args) {
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments(args);
    child.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    child.start();
    QByteArray out;
    while (!out.contains("ready") && timer.elapsed() < 60000) {
        child.waitForReadyRead(50);
        out += child.readAllStandardOutput();
    }
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    child.waitForFinished(10000);
    return out.contains("ready") ? ms : -1;
}

int compare(int argc, char** argv, int runs) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const standin::StandinProcess standin({"--seed"});
    const int port = standin.port();
    const QString url = QString("http://mail.yahoo.localhost:%1/").arg(port);

    // A main directory and an ini file as a returning user has them.
    QDir().mkpath(dir.filePath("maindir"));
    const QString ini = dir.filePath("postling.ini");
    postling::IniFile settings(ini.toStdString());
    settings.set("Locations", "main dir", dir.filePath("maindir").toStdString() + "/");
    settings.set("Settings", "ystart", url.toStdString());
    settings.set("Settings", "welcome", "1");

    std::vector<double> bare, postling, withSplash;
    timeChild({"--bare", url}); // warm the disk cache for both
    for (int i = 0; i < runs; ++i) {
        bare.push_back(timeChild({"--bare", url}));
        postling.push_back(timeChild({"--postling", ini}));
    }
    withSplash.push_back(timeChild({"--postling-splash", ini}));

    std::printf("start-up to the start page's document-complete, median of %d runs\n", runs);
    std::printf("  bare QWebEngineView:          %8.1f ms\n", median(bare));
    std::printf("  Postling (splash dismissed):  %8.1f ms  (%.2f x bare)\n", median(postling),
                median(postling) / median(bare));
    std::printf("  Postling with its 1.5 s splash: %6.1f ms (one run)\n", withSplash.front());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && QString(argv[1]) == "--bare")
        return runBare(argc, argv, argv[2]);
    if (argc >= 3 && QString(argv[1]) == "--postling")
        return runPostling(argc, argv, argv[2], false);
    if (argc >= 3 && QString(argv[1]) == "--postling-splash")
        return runPostling(argc, argv, argv[2], true);
    return compare(argc, argv, argc >= 2 ? std::max(1, std::atoi(argv[1])) : 11);
}
