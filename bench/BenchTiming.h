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

#include <QEventLoop>
#include <QTimer>

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
