#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <vector>

// The middle of a few timed runs, and the time one run takes, in milliseconds.
inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

template <typename F> double timeMs(F&& f) {
    QElapsedTimer t;
    t.start();
    f();
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

#include <QByteArray>
#include <QEventLoop>
#include <QProcess>
#include <QStringList>
#include <QTimer>

// Starts the stand-in webmail on a free port with a fresh database; returns the port.
inline int startStandin(QProcess& standin, const QString& db, const QStringList& extra = {}) {
    standin.setProgram(STANDIN_BINARY);
    standin.setArguments(QStringList{"--port", "0", "--db", db, "--seed"} + extra);
    standin.start();
    QByteArray line;
    while (!line.contains('\n') && standin.waitForReadyRead(20000))
        line += standin.readAllStandardOutput();
    const QByteArray first = line.left(line.indexOf('\n'));
    return first.mid(first.lastIndexOf(':') + 1).trimmed().toInt();
}

// Lets the event loop run until `done` holds or the time runs out.
template <typename F> bool waitFor(F done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}
