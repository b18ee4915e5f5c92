// The main window's compose assistance: addresses into the compose form, filling it from a
// saved message, a mailto address or a template, keeping sent mail, and the mailto poll.
#include "MainForm.h"

#include "AddressPane.h"
#include "Dialogs.h"
#include "EmailPalette.h"
#include "SavedMessagesPanel.h"
#include "WaitOverlay.h"
#include "WebBrowser.h"

#include "app/Navigation.h"
#include "app/Twips.h"
#include "compose/ComposeForm.h"
#include "compose/PostedForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

namespace {

QString qs(const char* s) {
    return QString::fromLatin1(s);
}
QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

void MainForm::buildCompose() {
    CheckSaveSent = new QCheckBox("S&ave Sent Messages");
    CheckSaveSent->setObjectName("CheckSaveSent");
    CheckSaveSent->setChecked(true);
    if (auto* frame = findChild<QGroupBox*>("FrameSave"))
        frame->layout()->addWidget(CheckSaveSent);

    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, [this] {
        Timer2->setInterval(1000);
        QCoreApplication::processEvents();
        CheckMailto();
    });
    fillTimer_ = new QTimer(this);
    fillTimer_->setSingleShot(true);
    fillTimer_->setInterval(250);
    connect(fillTimer_, &QTimer::timeout, this, &MainForm::attemptFill);

    // Insertion into To, Cc and Bcc from the menu, the pane's toolbar and the grid.
    QAction* before = findChild<QAction*>("expandpane");
    const struct {
        const char* name;
        const char* caption;
        int which;
    } inserts[] = {{"inserto", "Insert into &To field", 0},
                   {"insertcc", "Insert into &Cc field", 1},
                   {"insertbcc", "Insert into &Bcc field", 2}};
    for (const auto& i : inserts) {
        auto* action = new QAction(i.caption, this);
        action->setObjectName(i.name);
        addressBookMenu->insertAction(before, action);
        connect(action, &QAction::triggered, this,
                [this, which = i.which] { Web_InsertField(which); });
    }
    addressBookMenu->insertSeparator(before);
    connect(TabStrip1, &AddressPane::insertTo, this, [this] { Web_InsertField(0); });
    connect(TabStrip1, &AddressPane::toolbarKey, this, [this](const QString& key) {
        if (key == "setto")
            Web_InsertField(0);
        else if (key == "setcc")
            Web_InsertField(1);
        else if (key == "setbcc")
            Web_InsertField(2);
    });

    QAction* palette = toolsMenu->addAction("Email Address Palette...");
    palette->setObjectName("emailaddress");
    connect(palette, &QAction::triggered, this, &MainForm::showPalette);
    connect(CommandTo, &QPushButton::clicked, this, &MainForm::showPalette);

    // The saved-messages tab's answers.
    connect(SavedMessages->CommandReplyText, &QPushButton::clicked, this,
            [this] { ReplyOrForward(0); });
    connect(SavedMessages->CommandReplyNoText, &QPushButton::clicked, this,
            [this] { ReplyOrForward(1); });
    connect(SavedMessages->CommandForward, &QPushButton::clicked, this,
            [this] { ReplyOrForward(2); });
    connect(SavedMessages->CommandSendAgain, &QPushButton::clicked, this,
            [this] { ReplyOrForward(4); });

    // The compose view: a pending insertion or mailto runs once its page is complete.
    connect(WebBrowser3, &WebBrowser::DocumentComplete, this, [this] {
        if (to_retry) {
            Web_InsertField(to_retry_which);
            to_retry = false;
        }
        if (mailto_retry) {
            mailto_retry = false;
            ReplyOrForward(5);
        }
    });
    connect(WebBrowser3, &WebBrowser::NavigateComplete2, this, [this](const QString& url) {
        if (started_by_mailto && url.toLower().contains("compose"))
            Timer2->start(1000);
    });
    for (WebBrowser* view : {WebBrowser1, WebBrowser3})
        connect(view, &WebBrowser::DocumentComplete, this, [this, view] {
            if (fill_ && fill_->target == view)
                attemptFill();
        });

    // Sent mail: the compose view's posts, and those of a compose page in the inbox view.
    connect(WebBrowser3, &WebBrowser::BeforeNavigate2, this,
            [this](const QString&, const QString&, const QByteArray& data) { captureSent(data); });
    connect(WebBrowser1, &WebBrowser::BeforeNavigate2, this,
            [this](const QString& current, const QString&, const QByteArray& data) {
                if (current.toLower().contains("compose"))
                    captureSent(data);
            });
}

void MainForm::writeBug(const char* marker) const {
    SetIni("Settings", "bug", marker);
}

void MainForm::Web_InsertField(int which) {
    WebBrowser* target = WebBrowser3;
    const int tab = currentTab();
    if (tab > ComposeTab ||
        (tab == InboxTab && !WebBrowser1->LocationURL().toLower().contains("compose"))) {
        to_retry = true;
        to_retry_which = which;
        selectTab(ComposeTab);
        return;
    }
    if (tab == InboxTab)
        target = WebBrowser1;
    to_retry = false;
    const bool fromPalette = which == 10;
    const bool yahoo = postling::isYahoo(WebBrowser1->LocationURL().toStdString());
    webmail = yahoo ? "yahoo" : "hotmail";
    const char* fieldName = postling::insertionField(yahoo, which);
    const QString form = qs(postling::composeFields(yahoo).form);
    auto refuse = [this] {
        Dialogs::message(this, "Unable to insert address. Are you sure the Compose screen is "
                               "displayed in your browser?");
    };
    if (!fieldName) {
        refuse();
        return;
    }

    // The addresses: the palette's entry, or the grid's rows from the top of the selection.
    QStringList addresses;
    if (fromPalette) {
        if (FormEmail)
            addresses << FormEmail->Combo1->currentText();
    } else {
        const int a = TabStrip1->currentRow();
        const int b = TabStrip1->selectionEndRow();
        for (int r = std::min(a, b); r >= 1 && r <= std::max(a, b); ++r)
            addresses << qs(book.table.cell(r, book.email_col));
    }
    QPointer<WebBrowser> view(target);
    const QString field = qs(fieldName);
    target->document().formFields(form, {field}, [=, this](const QVariantMap& found) {
        if (!view)
            return;
        const QVariant current = found.value("fields").toMap().value(field);
        if (PageDocument::failed(found) || current.isNull()) {
            refuse();
            return;
        }
        std::string text = current.toString().toStdString();
        for (const QString& address : addresses)
            text = postling::appendAddress(text, address.toStdString());
        view->document().setFormFields(form, {{field, qs(text)}}, [=, this](const QVariantMap& r) {
            if (PageDocument::failed(r))
                refuse();
        });
    });
}

void MainForm::ClearComposeForm() {
    if (did_insert) {
        did_insert = false;
        return;
    }
    const bool yahoo = postling::isYahoo(WebBrowser1->LocationURL().toStdString());
    webmail = yahoo ? "yahoo" : "hotmail";
    const postling::ComposeFields& f = postling::composeFields(yahoo);
    QVariantMap empty;
    for (const char* name : {f.to, f.subject, f.cc, f.bcc, f.body})
        empty.insert(qs(name), QString());
    QPointer<WebBrowser> view(WebBrowser3);
    WebBrowser3->document().setFormFields(qs(f.form), empty, [view, yahoo](const QVariantMap& r) {
        if (!view || PageDocument::failed(r) || !yahoo)
            return;
        view->document().call("setRichText", {QString()}, [view](const QVariantMap&) {
            if (view && view->isVisible()) {
                view->hide(); // repaint the editor
                view->show();
            }
        });
    });
}

void MainForm::ReplyOrForward(int code) {
    writeBug("1");
    did_insert = true;
    Fill fill;
    fill.code = code;
    fill.target = WebBrowser3;
    if (code == 10 || code == 11) {
        if (currentTab() == InboxTab && WebBrowser1->LocationURL().toLower().contains("compose"))
            fill.target = WebBrowser1;
        else if (currentTab() != ComposeTab)
            selectTab(ComposeTab);
    } else if (currentTab() != ComposeTab) {
        selectTab(ComposeTab);
    }
    webmail = postling::isYahoo(WebBrowser1->LocationURL().toStdString()) ? "yahoo" : "hotmail";
    writeBug("2");

    if (code == 5) {
        fill.text = postling::mailtoFill(mailto_address.toStdString());
        writeBug("3");
        waitForComposeForm(fill);
    } else if (code == 10 || code == 11) {
        fill.text =
            postling::templateFill(template_subj.toStdString(), template_body.toStdString());
        waitForComposeForm(fill);
    } else {
        QPointer<MainForm> self(this);
        WebBrowser2->document().call(
            "savedMessage", {}, [self, fill](const QVariantMap& saved) mutable {
                if (!self || PageDocument::failed(saved))
                    return; // no saved message on show: the Compose tab is open, nothing filled
                auto text = [&](const char* id) {
                    return saved.value(id).toString().toStdString();
                };
                const auto made = postling::savedMessageFill(
                    fill.code, {text("replyto"), text("to"), text("cc"), text("bcc"),
                                text("subject"), text("body")});
                if (!made)
                    return;
                fill.text = *made;
                self->waitForComposeForm(fill);
            });
    }
}

void MainForm::waitForComposeForm(Fill fill) {
    writeBug("4");
    fill.attempts = 0;
    fill_ = fill;
    attemptFill();
}

// One look for the compose form's To field; without it the next page load or timer tick
// looks again. "Please wait..." shows from the second look; "Cancel" is honoured before each.
void MainForm::attemptFill() {
    if (!fill_ || !fill_->target) {
        fill_.reset();
        return;
    }
    fillTimer_->stop();
    if (fill_->attempts > 0) {
        PictureWait->show();
        PictureWait->raise();
    }
    if (user_clicked_cancel) {
        user_clicked_cancel = false;
        fill_.reset();
        PictureWait->hide();
        return;
    }
    writeBug("5");
    ++fill_->attempts;
    // A page still loading is about to replace the form it shows: wait for the new one.
    if (fill_->target->Busy()) {
        fillTimer_->start();
        return;
    }
    const bool yahoo = webmail == "yahoo";
    const postling::ComposeFields& f = postling::composeFields(yahoo);
    const int attempt = fill_->attempts;
    fill_->target->document().formFields(
        qs(f.form), {qs(f.to), qs(f.subject), qs(f.body)}, [this, attempt](const QVariantMap& r) {
            if (!fill_ || fill_->attempts != attempt)
                return; // cancelled, or a later look is under way
            const QVariantMap fields = r.value("fields").toMap();
            if (PageDocument::failed(r) ||
                fields.value(qs(postling::composeFields(webmail == "yahoo").to)).isNull()) {
                fillTimer_->start();
                return;
            }
            PictureWait->hide();
            fillComposeForm(fields);
        });
}

void MainForm::fillComposeForm(const QVariantMap& current) {
    const Fill fill = *fill_;
    fill_.reset();
    const bool yahoo = webmail == "yahoo";
    const postling::ComposeFields& f = postling::composeFields(yahoo);
    QPointer<WebBrowser> view(fill.target);

    if (fill.code == 11) { // the form's subject and body go to the template
        template_subj = current.value(qs(f.subject)).toString();
        template_body = current.value(qs(f.body)).toString();
        return;
    }
    QVariantMap values;
    const QString to = qs(yahoo ? fill.text.to : postling::hotmailRecipient(fill.text.to));
    if (fill.code < 10)
        values.insert(qs(f.to), to);
    values.insert(qs(f.subject), qs(fill.text.subject));
    if (fill.code < 10) {
        values.insert(qs(f.cc), QString());
        values.insert(qs(f.bcc), QString());
    }
    QString body = qs(fill.text.body);
    if (fill.code == 10 && view == WebBrowser1)
        body += "\r\n\r\n" + current.value(qs(f.body)).toString();
    values.insert(qs(f.body), body);

    view->document().setFormFields(qs(f.form), values, [=, this](const QVariantMap& r) {
        if (!view || PageDocument::failed(r))
            return;
        if (!yahoo) {
            writeBug("0");
            return;
        }
        writeBug("6");
        // Yahoo! Mail's rich-text editor, when the page has one, takes the body as HTML.
        view->document().call("setRichText", {qs(fill.text.richBody)},
                              [=, this](const QVariantMap& rich) {
                                  if (view && !PageDocument::failed(rich)) {
                                      view->hide();
                                      view->show();
                                      QVariantMap again{{qs(f.subject), qs(fill.text.subject)}};
                                      if (fill.code < 10)
                                          again.insert(qs(f.to), to);
                                      view->document().setFormFields(qs(f.form), again, nullptr);
                                  }
                                  writeBug("0");
                              });
    });
}

void MainForm::captureSent(const QByteArray& postData) {
    if (doing_merge || !CheckSaveSent->isChecked() || postData.isEmpty())
        return;
    const postling::PostedMessage posted = postling::readPostedForm(postData.toStdString());
    if (!posted.hasRecipient)
        return;
    const QDateTime now = QDateTime::currentDateTime();
    postling::SavedMessage m;
    m.from = "Sent Message";
    m.subject = posted.subject;
    m.date = postling::sentDateText(now.date().year(), now.date().month(), now.date().day(),
                                    now.time().hour(), now.time().minute(), now.time().second());
    m.to = posted.to;
    m.cc = posted.cc;
    m.bcc = posted.bcc;
    m.body = posted.body;
    m.sent = true;
    SaveMessage(m);
}

void MainForm::CheckMailto() {
    if (mailto_retry)
        return;
    mailto_address = GetIni("Settings", "mailto", "");
    if (mailto_address.isEmpty())
        return;
    writeBug("7777");
    SetIni("Settings", "mailto", "");
    writeBug("7788");
    QCoreApplication::processEvents();
    if (started_by_mailto) {
        mailto_retry = true;
        started_by_mailto = false;
        selectTab(ComposeTab);
        return;
    }
    ReplyOrForward(5);
    writeBug("8888");
}

void MainForm::showPalette() {
    if (!FormEmail) {
        FormEmail = new EmailPalette(this);
        connect(FormEmail, &EmailPalette::chosen, this, [this] { Web_InsertField(10); });
    }
    if (FormEmail->isVisible())
        return;
    FormEmail->load(book);
    // At the inbox view's left edge, 800 twips below its top.
    const QPoint corner = WebBrowser1->mapToGlobal(QPoint(0, 0));
    FormEmail->move(corner.x(), corner.y() + postling::twipsToPixels(800, logicalDpiY()));
    FormEmail->show();
}

void MainForm::closePalette() {
    if (FormEmail)
        FormEmail->close();
}
