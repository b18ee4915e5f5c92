#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

#include <QVariantMap>
#include <functional>

namespace postling {
struct PostedMessage;
struct SavedMessage;
class Site;
} // namespace postling
class SendAnswer;
class Shell;
class WebBrowser;

// The Sent copy of a message sent from a compose page. It is kept only once the site says it
// took the message: a send the site refused, or answered with an error page, is not mail that
// went, and a copy of it in "Sent" would say otherwise.
class SentCopies : public QObject {
    Q_OBJECT
public:
    // Watches the compose view, and the inbox view when it shows a compose page.
    SentCopies(Shell& shell, QObject* parent = nullptr);
    // Whether copies are wanted now (none during a merge, or when the user opted out).
    void setWanted(std::function<bool()> wanted) { wanted_ = std::move(wanted); }

signals:
    void sentMessage(const postling::SavedMessage& copy);

private:
    // `view` posted a form from `page`; `postData` is what it sent.
    void posted(WebBrowser* view, const QString& page, const QByteArray& postData);
    // A page module reported the fields of a Send clicked on `page` (a site that sends without
    // posting a form, or whose posts it cannot read).
    void reported(WebBrowser* view, const QString& page, const QVariantMap& message);
    void await(WebBrowser* view, const postling::Site& site, const QString& page,
               const postling::PostedMessage& message);

    Shell& shell_;
    std::function<bool()> wanted_;
    QHash<WebBrowser*, SendAnswer*> answers_; // one wait per view: a new send replaces it
};
