#include "ComposeFiller.h"

#include "Dialogs.h"
#include "QtText.h"
#include "Shell.h"
#include "WaitOverlay.h"
#include "WebBrowser.h"

#include "compose/ComposeForm.h"

#include <QTimer>

ComposeFiller::ComposeFiller(Shell& shell, QObject* parent)
    : QObject(parent), shell_(shell), PictureWait(new WaitOverlay), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    timer_->setInterval(250);
    connect(timer_, &QTimer::timeout, this, &ComposeFiller::attemptFill);
    connect(PictureWait, &WaitOverlay::cancelled, this, &ComposeFiller::cancel);
    for (WebBrowser* view : {shell_.WebBrowser1(), shell_.WebBrowser3()})
        connect(view, &WebBrowser::DocumentComplete, this, [this, view] {
            if (fill_ && fill_->target == view)
                attemptFill();
        });
}

void ComposeFiller::writeBug(const char* marker) const {
    shell_.SetIni("Settings", "bug", marker);
}

void ComposeFiller::start(Fill fill) {
    writeBug("4");
    fill.attempts = 0;
    if (!fill.site && fill.target) // unsaid: the profile of the page being filled
        fill.site = &shell_.siteOf(fill.target->LocationURL());
    fill_ = fill;
    user_clicked_cancel = false;
    bool ok = false;
    const int limit = shell_.GetIni("Settings", "fillwait", "60").toInt(&ok);
    limitSeconds_ = ok && limit > 0 ? limit : 60;
    started_.start();
    attemptFill();
}

// One look for the compose form's To field; without it the next page load or timer tick
// looks again.
void ComposeFiller::attemptFill() {
    if (!fill_ || !fill_->target) {
        fill_.reset();
        return;
    }
    timer_->stop();
    if (fill_->attempts > 0)
        showWaiting(true);
    if (endIfCancelled())
        return;
    if (started_.elapsed() > limitSeconds_ * 1000LL) { // a wait the person was not asked for
        fill_.reset();
        showWaiting(false);
        Dialogs::message(shell_.window(),
                         tr("The compose form did not come within %n seconds, so nothing "
                            "was filled. Open the Compose tab, then try again.",
                            nullptr, limitSeconds_));
        return;
    }
    writeBug("5");
    ++fill_->attempts;
    // A page still loading is about to replace the form it shows: wait for the new one.
    if (fill_->target->Busy()) {
        timer_->start();
        return;
    }
    const postling::ComposeFields& f = fill_->site->composeFields();
    const int attempt = fill_->attempts;
    fill_->target->document().formFields(
        fill_->site->key(), qs(f.form), {qs(f.to), qs(f.subject), qs(f.body)},
        [this, attempt](const QVariantMap& r) {
            if (!fill_ || fill_->attempts != attempt || endIfCancelled())
                return; // cancelled, or a later look is under way
            const QVariantMap fields = r.value("fields").toMap();
            if (PageDocument::failed(r) ||
                fields.value(qs(fill_->site->composeFields().to)).isNull()) {
                // No form on the page: a page module that knows the site's control for a new
                // message uses it, once, as the person would (others have no such call).
                if (attempt == 1)
                    fill_->target->document().callSite(fill_->site->key(), "openCompose", {},
                                                       nullptr);
                timer_->start();
                return;
            }
            showWaiting(false);
            fillComposeForm(fields);
        });
}

bool ComposeFiller::endIfCancelled() {
    if (!user_clicked_cancel)
        return false;
    user_clicked_cancel = false;
    fill_.reset();
    showWaiting(false);
    return true;
}

void ComposeFiller::showWaiting(bool waiting) {
    if (waiting == PictureWait->isVisible())
        return;
    PictureWait->setVisible(waiting);
    if (waiting)
        PictureWait->raise();
    emit waitingChanged(waiting);
}

// A field of the compose form as the person knows it.
QString ComposeFiller::fieldLabel(const postling::ComposeFields& f, const QString& name) {
    const std::pair<const char*, QString> labels[] = {{f.to, tr("To")},
                                                      {f.cc, tr("Cc")},
                                                      {f.bcc, tr("Bcc")},
                                                      {f.subject, tr("Subject")},
                                                      {f.body, tr("message text")}};
    for (const auto& [field, label] : labels)
        if (field && name == qs(field))
            return label;
    return name;
}

void ComposeFiller::fillComposeForm(const QVariantMap& current) {
    const Fill fill = *fill_;
    fill_.reset();
    const postling::Site* site = fill.site;
    const postling::ComposeFields& f = site->composeFields();
    QPointer<WebBrowser> view(fill.target);

    if (fill.code == 11) { // the form's subject and body go to the template
        emit formRead(current.value(qs(f.subject)).toString(),
                      current.value(qs(f.body)).toString());
        return;
    }
    QVariantMap values;
    const QString to = qs(site->replyRecipient(fill.text.to));
    if (fill.code < 10)
        values.insert(qs(f.to), to);
    values.insert(qs(f.subject), qs(fill.text.subject));
    if (fill.code < 10) { // a reply empties them; a mailto link may name them
        values.insert(qs(f.cc), qs(fill.text.cc));
        values.insert(qs(f.bcc), qs(fill.text.bcc));
    }
    QString body = qs(fill.text.body);
    if (fill.code == 10 && view == shell_.WebBrowser1())
        body += "\r\n\r\n" + current.value(qs(f.body)).toString();
    values.insert(qs(f.body), body);

    view->document().setFormFields(
        site->key(), qs(f.form), values, [=, this](const QVariantMap& r) {
            if (!view || PageDocument::failed(r))
                return;
            if (const QVariantList missing = r.value("missing").toList(); !missing.isEmpty())
                shell_.setPanelText(2, tr("No %1 field was found on this page")
                                           .arg(fieldLabel(f, missing.first().toString())));
            if (!site->richTextEditor()) {
                writeBug("0");
                return;
            }
            writeBug("6");
            // The site's rich-text editor, when the page has one, takes the body as HTML.
            view->document().callSite(
                site->key(), "setRichText", {qs(fill.text.richBody)},
                [=, this](const QVariantMap& rich) {
                    if (view && !PageDocument::failed(rich)) {
                        if (view->isVisible()) { // redrawn, where it is seen
                            view->hide();
                            view->show();
                        }
                        QVariantMap again{{qs(f.subject), qs(fill.text.subject)}};
                        if (fill.code < 10)
                            again.insert(qs(f.to), to);
                        view->document().setFormFields(site->key(), qs(f.form), again, nullptr);
                    }
                    writeBug("0");
                });
        });
}
