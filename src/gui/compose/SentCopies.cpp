#include "SentCopies.h"

#include "QtText.h"
#include "SendAnswer.h"
#include "Shell.h"
#include "WebBrowser.h"

#include "compose/PostedForm.h"
#include "sites/Site.h"
#include "store/SavedMessage.h"

#include <QDateTime>
#include <memory>

SentCopies::SentCopies(Shell& shell, QObject* parent) : QObject(parent), shell_(shell) {
    for (WebBrowser* view : {shell_.WebBrowser1(), shell_.WebBrowser3()}) {
        auto* answer = new SendAnswer(view, this);
        connect(view, &WebBrowser::DocumentComplete, answer, &SendAnswer::pageLoaded);
        answers_.insert(view, answer);
        const bool inbox = view == shell_.WebBrowser1();
        connect(view, &WebBrowser::BeforeNavigate2, this,
                [this, view, inbox](const QString& page, const QString&, const QByteArray& data) {
                    if ((!inbox || page.toLower().contains("compose")) && !data.isEmpty() &&
                        (!wanted_ || wanted_()))
                        posted(view, page, data);
                });
        // A page module that reports a Send's fields itself (the site posts no form it reads).
        connect(view, &WebBrowser::SiteMessage, this,
                [this, view](const QString& kind, const QString&, const QVariantMap& message) {
                    if (kind == "sending" && (!wanted_ || wanted_()))
                        reported(view, view->LocationURL(), message);
                });
    }
}

void SentCopies::posted(WebBrowser* view, const QString& page, const QByteArray& postData) {
    const postling::Site& site = shell_.siteOf(page);
    await(view, site, page, site.readPosted(postData.toStdString()));
}

void SentCopies::reported(WebBrowser* view, const QString& page, const QVariantMap& report) {
    const postling::Site& site = shell_.siteOf(page);
    if (report.value("site").toString() != qs(site.key()))
        return; // another profile's module: not this page's
    const QVariantMap f = report.value("fields").toMap();
    postling::PostedMessage message;
    message.to = str(f.value("to").toString());
    message.cc = str(f.value("cc").toString());
    message.bcc = str(f.value("bcc").toString());
    message.subject = str(f.value("subject").toString());
    message.body = str(f.value("body").toString());
    message.hasRecipient = !QString::fromStdString(message.to).trimmed().isEmpty();
    await(view, site, page, message);
}

void SentCopies::await(WebBrowser* view, const postling::Site& site, const QString& page,
                       const postling::PostedMessage& message) {
    if (!message.hasRecipient)
        return;
    const QDateTime now = QDateTime::currentDateTime();
    auto copy = std::make_shared<postling::SavedMessage>(postling::sentCopy(
        message,
        postling::sentDateText(now.date().year(), now.date().month(), now.date().day(),
                               now.time().hour(), now.time().minute(), now.time().second())));
    SendAnswer* answer = answers_.value(view);
    if (!answer)
        return;
    answer->disconnect(this);
    answer->expect(site, page);
    connect(answer, &SendAnswer::answered, this, [this, answer, copy](const QString&, bool sent) {
        answer->disconnect(this);
        if (sent)
            emit sentMessage(*copy);
        else
            shell_.setPanelText(2, tr("The site did not confirm the message was sent, so no "
                                      "Sent copy was kept."));
    });
    connect(answer, &SendAnswer::refused, this, [this, answer](const QString& reason) {
        answer->disconnect(this);
        shell_.setPanelText(
            2, tr("The site did not send the message (%1), so no Sent copy was kept.").arg(reason));
    });
}
