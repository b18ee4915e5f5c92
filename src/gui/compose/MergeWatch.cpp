#include "MergeWatch.h"

#include <QTimer>

namespace {
// A site that answers at all answers a send within this; later, the person is told.
constexpr int kNoticeAfterSeconds = 20;
constexpr int kShortestLimit = 5;

int noticeAfter(int limit) {
    return std::min(kNoticeAfterSeconds, limit / 3);
}
} // namespace

MergeWatch::MergeWatch(QObject* parent)
    : QObject(parent), notice_(new QTimer(this)), deadline_(new QTimer(this)) {
    notice_->setSingleShot(true);
    deadline_->setSingleShot(true);
    connect(notice_, &QTimer::timeout, this,
            [this] { emit longWait(limit_ - noticeAfter(limit_)); });
    connect(deadline_, &QTimer::timeout, this, &MergeWatch::timedOut);
}

void MergeWatch::setLimit(int seconds) {
    limit_ = std::max(seconds, kShortestLimit);
}

void MergeWatch::waiting() {
    notice_->start(noticeAfter(limit_) * 1000);
    deadline_->start(limit_ * 1000);
}

void MergeWatch::idle() {
    notice_->stop();
    deadline_->stop();
}
