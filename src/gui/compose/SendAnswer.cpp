#include "SendAnswer.h"

#include "QtText.h"
#include "WebBrowser.h"

#include "sites/Site.h"

SendAnswer::SendAnswer(WebBrowser* view, QObject* parent) : QObject(parent), view_(view) {
    connect(view_, &WebBrowser::SiteMessage, this,
            [this](const QString& kind, const QString& text, const QVariantMap& message) {
                if (!awaited_)
                    return;
                // A site that answers on its compose page: a confirmation counts when its next
                // page comes, an error is the answer at once.
                if (kind == "confirmation") {
                    siteSaidSent_ = true;
                } else if (kind == "error") {
                    awaited_ = false;
                    emit refused(text);
                } else if (kind == "after" &&
                           message.value("site").toString() == qs(site_->key())) {
                    // A page that stays: its notices and its form, judged as they change.
                    const auto verdict =
                        site_->sendVerdict(str(text), message.value("compose").toBool());
                    if (verdict == postling::SendVerdict::Unknown)
                        return;
                    awaited_ = false;
                    if (verdict == postling::SendVerdict::Sent)
                        emit answered({}, true); // no new page, so no new address
                    else
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
    view_->document().pageText(site_->key(), [this, send, url](const QVariantMap& page) {
        if (send != send_ || !awaited_)
            return;
        awaited_ = false;
        std::optional<bool> compose;
        if (page.contains("compose"))
            compose = page.value("compose").toBool();
        emit answered(url, siteSaidSent_ ||
                               site_->sendVerdict(str(page.value("text").toString()), compose) ==
                                   postling::SendVerdict::Sent);
    });
}
