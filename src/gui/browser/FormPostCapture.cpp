#include "FormPostCapture.h"

#include "text/FormEncoding.h"

#include <QDateTime>
#include <QVariantList>

namespace {

// A report and its navigation belong together only when they arrive this close.
constexpr qint64 kPairWindowMs = 2000;

} // namespace

FormPostCapture::FormPostCapture(QObject* parent)
    : QObject(parent), clock_([] { return QDateTime::currentMSecsSinceEpoch(); }) {}

QByteArray FormPostCapture::postData(const QVariantMap& report) {
    if (report.value("method").toString() != "post" ||
        report.value("enctype").toString() != "application/x-www-form-urlencoded")
        return {};
    std::vector<postling::FormEntry> entries;
    for (const QVariant& pair : report.value("entries").toList()) {
        const QVariantList nv = pair.toList();
        if (nv.size() == 2)
            entries.push_back({nv[0].toString().toStdString(), nv[1].toString().toStdString()});
    }
    const std::string bytes =
        postling::encodeFormUrlencoded(entries, report.value("charset").toString().toStdString());
    return QByteArray::fromStdString(bytes);
}

void FormPostCapture::dropStale(qint64 t) {
    while (!reports_.isEmpty() && t - reports_.first().received > kPairWindowMs)
        reports_.removeFirst();
    if (waiting_ && t - waiting_->at > kPairWindowMs)
        waiting_.reset();
    while (!frames_.isEmpty() && t - frames_.first().at > kPairWindowMs)
        frames_.removeFirst();
}

void FormPostCapture::report(const QVariantMap& r) {
    const qint64 t = clock_();
    dropStale(t);
    Report item{postData(r), t, r.value("action").toString()};
    for (int i = 0; i < frames_.size(); ++i)
        if (frames_[i].targetUrl == item.action) {
            const Navigation nav = frames_.takeAt(i);
            emit posted(nav.currentUrl, nav.targetUrl, item.bytes);
            return;
        }
    if (waiting_) {
        const Navigation nav = *waiting_;
        waiting_.reset();
        emit posted(nav.currentUrl, nav.targetUrl, item.bytes);
        return;
    }
    reports_.append(item);
}

void FormPostCapture::navigationRequested(const QString& currentUrl, const QString& targetUrl) {
    const qint64 t = clock_();
    dropStale(t);
    if (!reports_.isEmpty()) {
        // The submission is the latest report; older ones came from a page's own FormData use.
        const Report item = reports_.takeLast();
        reports_.clear();
        emit posted(currentUrl, targetUrl, item.bytes);
        return;
    }
    waiting_ = Navigation{currentUrl, targetUrl, t};
}

void FormPostCapture::frameNavigationRequested(const QString& currentUrl,
                                               const QString& targetUrl) {
    const qint64 t = clock_();
    dropStale(t);
    for (int i = reports_.size() - 1; i >= 0; --i)
        if (reports_[i].action == targetUrl) {
            const Report item = reports_.takeAt(i);
            emit posted(currentUrl, targetUrl, item.bytes);
            return;
        }
    frames_.append({currentUrl, targetUrl, t});
}
