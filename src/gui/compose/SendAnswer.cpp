#include "SendAnswer.h"

#include "QtText.h"
#include "WebBrowser.h"

#include "sites/Site.h"

SendAnswer::SendAnswer(WebBrowser* view, QObject* parent) : QObject(parent), view_(view) {
    // A site that answers on its compose page: a confirmation counts when its next page comes,
    // an error is the answer at once.
    connect(view_, &WebBrowser::SiteMessage, this,
            [this](const QString& kind, const QString& text) {
                if (!awaited_)
                    return;
                if (kind == "confirmation") {
                    siteSaidSent_ = true;
                } else if (kind == "error") {
                    awaited_ = false;
                    emit refused(text);
                }
            });
}

void SendAnswer::expect(const postling::Site& site, const QString& composeAddress) {
    site_ = &site;
    composeAddress_ = composeAddress;
    ++send_;
    awaited_ = true;
    siteSaidSent_ = false;
}

void SendAnswer::pageLoaded(const QString& url) {
    if (!awaited_ || url == composeAddress_)
        return; // the compose page itself is no answer
    const int send = send_;
    view_->document().pageText([this, send, url](const QVariantMap& page) {
        if (send != send_ || !awaited_)
            return;
        awaited_ = false;
        emit answered(url,
                      siteSaidSent_ || site_->sentConfirmation(str(page.value("text").toString())));
    });
}
