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
