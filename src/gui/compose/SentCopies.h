#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

namespace postling {
struct SavedMessage;
}
class SendAnswer;
class Shell;
class WebBrowser;

// The Sent copy of a message sent from a compose page. It is kept only once the site says it
// took the message: a send the site refused, or answered with an error page, is not mail that
// went, and a copy of it in "Sent" would say otherwise.
class SentCopies : public QObject {
    Q_OBJECT
public:
    SentCopies(Shell& shell, QObject* parent = nullptr);

    // `view` posted a form from `page`; `postData` is what it sent.
    void posted(WebBrowser* view, const QString& page, const QByteArray& postData);

signals:
    void sentMessage(const postling::SavedMessage& copy);

private:
    Shell& shell_;
    QHash<WebBrowser*, SendAnswer*> answers_; // one wait per view: a new send replaces it
};
