#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <optional>

// Pairs what the page script reports of each form submission (its entries and character set)
// with the form-submitted navigation the engine announces, in whichever order they arrive, and
// hands on the exact bytes the browser posts. The navigation is never held up.
class FormPostCapture : public QObject {
    Q_OBJECT
public:
    explicit FormPostCapture(QObject* parent = nullptr);

    // Called by the page script over the web channel.
    Q_INVOKABLE void report(const QVariantMap& report);
    // Called by a site's page module with what the site said on its page: {kind, text}.
    Q_INVOKABLE void siteMessage(const QVariantMap& message) {
        emit siteSaid(message.value("kind").toString(), message.value("text").toString(), message);
    }

    // Called by the page when the engine starts a form-submitted navigation.
    void navigationRequested(const QString& currentUrl, const QString& targetUrl);
    // Called for a navigation of a frame within the page. The engine does not say that a form
    // posted into a frame is a submission, so it pairs only with a report for that very
    // address (a webmail that sends through a hidden frame).
    void frameNavigationRequested(const QString& currentUrl, const QString& targetUrl);

    // Milliseconds of a clock; tests set their own to step across the pairing window.
    void setClock(std::function<qint64()> clock) { clock_ = std::move(clock); }

    // The encoded body of one report; empty for a form that is not posted urlencoded.
    static QByteArray postData(const QVariantMap& report);

signals:
    // currentUrl: the page the form was on; postData: empty for a form sent by GET.
    void posted(const QString& currentUrl, const QString& targetUrl, const QByteArray& postData);
    // kind: "confirmation" (the site did it) or "error" (it did not, and why); a page module
    // that reports more ("sending": the fields of a Send; "after": notices after one) gives
    // the whole message, with the key of its "site".
    void siteSaid(const QString& kind, const QString& text, const QVariantMap& message);

private:
    struct Report {
        QByteArray bytes;
        qint64 received = 0;
        QString action;
    };
    struct Navigation {
        QString currentUrl;
        QString targetUrl;
        qint64 at = 0;
    };
    void dropStale(qint64 now);

    std::function<qint64()> clock_;
    QList<Report> reports_;
    std::optional<Navigation> waiting_;
    QList<Navigation> frames_;
};
