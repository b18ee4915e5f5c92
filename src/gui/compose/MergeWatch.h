#pragma once

#include <QObject>

class QTimer;

// The clock on a merge's waits for the site: after a while the person is told the run is
// waiting, with the time it will still wait; at the end of that time the wait is given up.
class MergeWatch : public QObject {
    Q_OBJECT
public:
    explicit MergeWatch(QObject* parent = nullptr);

    // How long one wait may last, in seconds.
    void setLimit(int seconds);
    int limit() const { return limit_; }
    // A new wait begins (the one before, if any, is over).
    void waiting();
    // Nothing is awaited.
    void idle();

signals:
    // The wait has lasted a while; it ends by itself after `secondsLeft` more.
    void longWait(int secondsLeft);
    void timedOut();

private:
    QTimer* notice_;
    QTimer* deadline_;
    int limit_ = 90;
};
