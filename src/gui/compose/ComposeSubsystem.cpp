#include "ComposeSubsystem.h"

#include "AddressBookSubsystem.h"
#include "ComposeFiller.h"
#include "Dialogs.h"
#include "EmailPalette.h"
#include "MailMerge.h"
#include "NamedAction.h"
#include "QtText.h"
#include "SentCopies.h"
#include "Shell.h"
#include "TemplateCommands.h"
#include "WaitOverlay.h"
#include "WebBrowser.h"

#include "app/Navigation.h"
#include "app/Settings.h"
#include "compose/ComposeForm.h"
#include "store/SavedMessage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

ComposeSubsystem::ComposeSubsystem(Shell& shell, const AddressBookSubsystem& addresses,
                                   QObject* parent)
    : QObject(parent), shell_(shell), addresses_(addresses),
      filler_(new ComposeFiller(shell, this)), templates_(new TemplateCommands(shell, this)),
      merge_(new MailMerge(shell, addresses, this)), sentCopies_(new SentCopies(shell, this)),
      Command5(new QPushButton(tr("&Mail Merge..."))),
      mailmerge_(new QAction(tr("&Mail Merge..."), this)),
      emailaddress_(new QAction(tr("&Email Address Palette..."), this)),
      CheckSaveSent(new QCheckBox(tr("Sa&ve Sent Messages"))),
      CheckEmail(new QCheckBox(tr("Show &Email Address Palette on Startup"))),
      Timer2(new QTimer(this)) {
    // The palette keeps to the inbox view's left edge wherever the view goes: beside the pane
    // as it hides, shows or is dragged, and with the window.
    shell_.WebBrowser1()->installEventFilter(this);
    shell_.window()->installEventFilter(this);
    CheckSaveSent->setObjectName("CheckSaveSent");
    CheckSaveSent->setChecked(true);
    CheckEmail->setObjectName("CheckEmail");
    emailaddress_->setObjectName("emailaddress");
    connect(emailaddress_, &QAction::triggered, this, &ComposeSubsystem::showPalette);

    inserts_ = {
        namedAction(this, "inserto", tr("Insert into &To field"), [this] { Web_InsertField(0); }),
        namedAction(this, "insertcc", tr("Insert into &Cc field"), [this] { Web_InsertField(1); }),
        namedAction(this, "insertbcc", tr("Insert into &Bcc field"),
                    [this] { Web_InsertField(2); })};

    Timer2->setObjectName("Timer2");
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, [this] {
        Timer2->setInterval(1000);
        QCoreApplication::processEvents();
        CheckMailto();
    });

    WebBrowser* compose = shell_.WebBrowser3();
    // A pending insertion or mailto runs once the compose page is complete.
    connect(compose, &WebBrowser::DocumentComplete, this, [this] {
        if (to_retry) {
            Web_InsertField(to_retry_which);
            to_retry = false;
        }
        if (mailto_retry) {
            mailto_retry = false;
            ReplyOrForward(5);
        }
    });
    connect(compose, &WebBrowser::NavigateComplete2, this, [this](const QString& url) {
        if (started_by_mailto && url.toLower().contains("compose"))
            Timer2->start(1000);
    });
    // Sent mail is kept unless a merge runs or the user opted out.
    connect(sentCopies_, &SentCopies::sentMessage, this, &ComposeSubsystem::sentMessage);
    sentCopies_->setWanted([this] { return !merge_->doingMerge() && CheckSaveSent->isChecked(); });
    Command5->setObjectName("Command5");
    mailmerge_->setObjectName("mailmerge");
    connect(Command5, &QPushButton::clicked, merge_, &MailMerge::open);
    connect(mailmerge_, &QAction::triggered, merge_, &MailMerge::open);
    connect(merge_, &MailMerge::progress, this, &ComposeSubsystem::jobProgress);
    connect(merge_, &MailMerge::progressDone, this, &ComposeSubsystem::jobDone);
    connect(templates_, &TemplateCommands::insertRequested, this,
            [this](const QString& subject, const QString& body) {
                template_subj = subject;
                template_body = body;
                ReplyOrForward(10);
            });
    connect(templates_, &TemplateCommands::captureRequested, this, [this] {
        template_subj.clear();
        template_body.clear();
        captureWaiting_ = true;
        ReplyOrForward(11);
    });
    connect(filler_, &ComposeFiller::formRead, this,
            [this](const QString& subject, const QString& body) {
                captureWaiting_ = false;
                template_subj = subject;
                template_body = body;
                templates_->showCaptured(subject, body);
            });
    connect(filler_, &ComposeFiller::waitingChanged, templates_, &TemplateCommands::showWaiting);
    // The palette stands aside while the template dialog is open.
    connect(templates_, &TemplateCommands::dialogOpening, this, [this] {
        paletteBeforeDialog_ = FormEmail && FormEmail->isVisible();
        closePalette();
    });
    connect(templates_, &TemplateCommands::dialogClosed, this, [this] {
        if (std::exchange(captureWaiting_, false))
            filler_->cancel(); // nobody waits for the form any more
        if (std::exchange(paletteBeforeDialog_, false))
            showPalette();
    });
    connect(&shell_, &Shell::tabChanged, this, &ComposeSubsystem::onTabChanged);
    connect(&addresses_, &AddressBookSubsystem::insertRequested, this,
            &ComposeSubsystem::Web_InsertField);
    connect(&addresses_, &AddressBookSubsystem::paletteRequested, this,
            &ComposeSubsystem::showPalette);
    connect(&addresses_, &AddressBookSubsystem::bookClosing, this, [this] {
        paletteWasOpen_ = FormEmail && FormEmail->isVisible();
        closePalette();
    });
    connect(&addresses_, &AddressBookSubsystem::bookOpened, this, [this] {
        if (std::exchange(paletteWasOpen_, false))
            showPalette();
    });
    connect(&addresses_, &AddressBookSubsystem::bookEdited, this, [this] {
        if (FormEmail && FormEmail->isVisible()) { // again, with the book as it is now
            closePalette();
            showPalette();
        }
    });
}

bool ComposeSubsystem::fillWaiting() const {
    return filler_->waiting();
}

WaitOverlay* ComposeSubsystem::waitOverlay() const {
    return filler_->waitOverlay();
}

void ComposeSubsystem::setCommandLine(const QStringList& arguments) {
    started_by_mailto = arguments.mid(1).join(' ').contains("mailto");
    did_insert = false;
}

void ComposeSubsystem::loadOptions(const postling::Settings& settings) {
    CheckSaveSent->setChecked(settings.savesent);
    CheckEmail->setChecked(settings.showemail);
}

QWidget* ComposeSubsystem::defaultTemplateList() const {
    return templates_->defaultList();
}

QAction* ComposeSubsystem::templateAction() const {
    return templates_->editAction();
}

void ComposeSubsystem::loadTemplates(const postling::Settings& settings) {
    templates_->loadTemplates(settings);
}

void ComposeSubsystem::openPaletteIfWanted() {
    if (CheckEmail->isChecked())
        showPalette();
}

void ComposeSubsystem::startMailtoPoll() {
    // A start for a mailto link waits for the compose page instead.
    if (!started_by_mailto)
        Timer2->start(1000);
}

void ComposeSubsystem::saveSettings(postling::Settings& settings) const {
    settings.savesent = CheckSaveSent->isChecked();
    settings.showemail = CheckEmail->isChecked();
    templates_->saveSettings(settings);
}

void ComposeSubsystem::cancelLongOperations() {
    filler_->cancel();
}

// The Compose tab reloads its page unless a fill has just put text into it, then clears it. A
// compose page that did not load (the site was away) is reloaded all the same.
void ComposeSubsystem::onTabChanged(int tab) {
    if (tab != Shell::ComposeTab)
        return;
    compose_loading_ = (!shell_.WebBrowser3()->LoadOk() ||
                        postling::composeReloadNeeded(
                            did_insert, shell_.WebBrowser3()->LocationURL().toStdString())) &&
                       openFreshCompose();
    ClearComposeForm();
}

bool ComposeSubsystem::openFreshCompose() {
    const QString inbox = shell_.WebBrowser1()->LocationURL();
    QString address;
    if (const auto compose = shell_.site().composeAddress(inbox.toStdString()))
        address = qs(*compose);
    else if (const QString shown = shell_.WebBrowser3()->LocationURL();
             (shown.isEmpty() || shown == "about:blank") && inbox.startsWith("http"))
        address = inbox; // a site whose compose page is not known: the person opens it there
    if (!address.isEmpty())
        shell_.WebBrowser3()->Navigate(address);
    return !address.isEmpty();
}

void ComposeSubsystem::Web_InsertField(int which) {
    WebBrowser* target = shell_.WebBrowser3();
    const int tab = shell_.currentTab();
    if (tab > Shell::ComposeTab ||
        (tab == Shell::InboxTab &&
         !shell_.WebBrowser1()->LocationURL().toLower().contains("compose"))) {
        to_retry = true;
        to_retry_which = which;
        compose_loading_ = false;
        shell_.selectTab(Shell::ComposeTab);
        // The tab kept the page it shows: no page is coming to wait for.
        if (!compose_loading_ && !shell_.WebBrowser3()->Busy()) {
            to_retry = false;
            Web_InsertField(which);
        }
        return;
    }
    if (tab == Shell::InboxTab)
        target = shell_.WebBrowser1();
    to_retry = false;
    const bool fromPalette = which == 10;
    const postling::Site* site = &shell_.site();
    const postling::ComposeFields& fields = site->composeFields();
    const char* fieldName = postling::insertionField(fields, which);
    const QString form = qs(fields.form);
    QWidget* window = shell_.window();
    auto refuse = [window] {
        Dialogs::message(window, tr("Unable to insert address. Are you sure the Compose screen "
                                    "is displayed in your browser?"));
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
        addresses = addresses_.chosenAddresses();
    }
    QPointer<WebBrowser> view(target);
    const QString field = qs(fieldName);
    target->document().formFields(site->key(), form, {field}, [=](const QVariantMap& found) {
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
        view->document().setFormFields(site->key(), form, {{field, qs(text)}},
                                       [=](const QVariantMap& r) {
                                           if (PageDocument::failed(r))
                                               refuse();
                                       });
    });
}

void ComposeSubsystem::ClearComposeForm() {
    if (did_insert) {
        did_insert = false;
        return;
    }
    const postling::Site& site = shell_.site();
    const postling::ComposeFields& f = site.composeFields();
    QVariantMap empty;
    for (const char* name : {f.to, f.subject, f.cc, f.bcc, f.body})
        empty.insert(qs(name), QString());
    QPointer<WebBrowser> view(shell_.WebBrowser3());
    view->document().setFormFields(
        site.key(), qs(f.form), empty, [view, &site](const QVariantMap& r) {
            if (!view || PageDocument::failed(r) || !site.richTextEditor())
                return;
            view->document().callSite(site.key(), "setRichText", {QString()},
                                      [view](const QVariantMap&) {
                                          if (view && view->isVisible()) {
                                              view->hide(); // repaint the editor
                                              view->show();
                                          }
                                      });
        });
}

void ComposeSubsystem::ReplyOrForward(int code) {
    filler_->writeBug("1");
    did_insert = true;
    ComposeFiller::Fill fill;
    fill.code = code;
    fill.target = shell_.WebBrowser3();
    const int tab = shell_.currentTab();
    if (code == 10 || code == 11) {
        if (tab == Shell::InboxTab &&
            shell_.WebBrowser1()->LocationURL().toLower().contains("compose"))
            fill.target = shell_.WebBrowser1();
        else if (tab != Shell::ComposeTab)
            shell_.selectTab(Shell::ComposeTab);
    } else if (tab != Shell::ComposeTab) {
        shell_.selectTab(Shell::ComposeTab);
    }
    // The tab was already on show with a page that is no compose page (the site's answer to a
    // send, or its list): the fill waits for a fresh one.
    if (fill.target == shell_.WebBrowser3() && tab == Shell::ComposeTab &&
        (!fill.target->LoadOk() ||
         postling::composeReloadNeeded(true, fill.target->LocationURL().toStdString())))
        openFreshCompose();
    fill.site = &shell_.site();
    filler_->writeBug("2");

    if (code == 5) {
        fill.text = postling::mailtoFill(mailto_address.toStdString());
        filler_->writeBug("3");
        filler_->start(fill);
    } else if (code == 10 || code == 11) {
        fill.text =
            postling::templateFill(template_subj.toStdString(), template_body.toStdString());
        filler_->start(fill);
    } else {
        QPointer<ComposeFiller> filler(filler_);
        shell_.WebBrowser2()->document().call(
            "savedMessage", {}, [filler, fill](const QVariantMap& saved) mutable {
                if (!filler || PageDocument::failed(saved))
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
                filler->start(fill);
            });
    }
}

void ComposeSubsystem::CheckMailto() {
    if (mailto_retry)
        return;
    // Read and emptied in one step: a link written meanwhile waits for the next tick.
    filler_->writeBug("7777");
    mailto_address = shell_.TakeIni("Settings", "mailto");
    if (mailto_address.isEmpty())
        return;
    filler_->writeBug("7788");
    QCoreApplication::processEvents();
    if (started_by_mailto) {
        mailto_retry = true;
        started_by_mailto = false;
        compose_loading_ = false;
        shell_.selectTab(Shell::ComposeTab);
        if (!compose_loading_ && !shell_.WebBrowser3()->Busy()) {
            mailto_retry = false; // no page is coming: the form is filled where it is
            ReplyOrForward(5);
        }
        return;
    }
    ReplyOrForward(5);
    filler_->writeBug("8888");
}

void ComposeSubsystem::showPalette() {
    if (!FormEmail) {
        FormEmail = new EmailPalette(shell_.window());
        connect(FormEmail, &EmailPalette::chosen, this, [this] { Web_InsertField(10); });
    }
    if (FormEmail->isVisible())
        return;
    FormEmail->load(addresses_.emailColumn());
    FormEmail->placeBelow(shell_.WebBrowser1());
    FormEmail->show();
}

bool ComposeSubsystem::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && FormEmail &&
        FormEmail->isVisible())
        FormEmail->placeBelow(shell_.WebBrowser1());
    return QObject::eventFilter(watched, event);
}
