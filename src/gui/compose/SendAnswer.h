#pragma once

#include <QObject>
#include <QString>

namespace postling {
class Site;
}
class WebBrowser;

// The site's answer to one message sent from a compose view: the page that follows it, sent
// or not as the site says (on that page, or on the compose page before it, as Roundcube does),
// or a refusal the site says on its compose page. One send is awaited at a time; an answer to
// an earlier one is dropped.
class SendAnswer : public QObject {
    Q_OBJECT
public:
    SendAnswer(WebBrowser* view, QObject* parent = nullptr);

    // A message to `site` has gone from the compose page at `composeAddress`.
    void expect(const postling::Site& site, const QString& composeAddress);
    // A page came while the answer is awaited.
    void pageLoaded(const QString& url);

signals:
    void answered(const QString& url, bool sent);
    void refused(const QString& reason);

private:
    WebBrowser* view_;
    const postling::Site* site_ = nullptr;
    QString composeAddress_;
    int send_ = 0;
    bool awaited_ = false;
    bool siteSaidSent_ = false;
};
