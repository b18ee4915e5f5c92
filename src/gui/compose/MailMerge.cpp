#include "MailMerge.h"

#include "AddressBookSubsystem.h"
#include "Dialogs.h"
#include "MergeDialog.h"
#include "MergePreview.h"
#include "MergeTexts.h"
#include "MergeWatch.h"
#include "QtText.h"
#include "SendAnswer.h"
#include "Shell.h"
#include "WebBrowser.h"

#include "compose/MergeLog.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

using postling::MergeMessage;
using postling::MergeRun;

MailMerge::MailMerge(Shell& shell, const AddressBookSubsystem& addresses, QObject* parent)
    : QObject(parent), shell_(shell), addresses_(addresses), pauseTimer_(new QTimer(this)),
      watch_(new MergeWatch(this)), answer_(new SendAnswer(shell.WebBrowser3(), this)) {
    pauseTimer_->setSingleShot(true);
    connect(pauseTimer_, &QTimer::timeout, this, [this] {
        if (run_)
            execute(run_->pauseOver());
    });
    // A site that takes long is said to, with Stop at hand; every wait ends by itself.
    connect(watch_, &MergeWatch::longWait, this, [this](int secondsLeft) {
        if (run_ && DialogMerge)
            DialogMerge->setStatus(tr("Waiting for the site (message %1); the run stops if it "
                                      "has not answered in %n seconds\u2026",
                                      nullptr, secondsLeft)
                                       .arg(run_->sent() + run_->failed() + 1));
    });
    connect(watch_, &MergeWatch::timedOut, this, [this] {
        if (run_)
            execute(run_->timedOut());
    });
    connect(shell_.WebBrowser3(), &WebBrowser::DocumentComplete, this, &MailMerge::onComposeLoaded);
    connect(answer_, &SendAnswer::answered, this, [this](const QString& url, bool sent) {
        if (run_ && run_->step() == MergeRun::Step::Submit)
            heldAnswer_ = {url, sent}; // the send call has not answered yet
        else if (run_)
            execute(run_->pageLoaded(str(url), sent));
    });
    connect(answer_, &SendAnswer::refused, this, [this](const QString& reason) {
        if (run_)
            execute(run_->refused(str(reason)));
    });
}

MailMerge::~MailMerge() = default;

QString MailMerge::logPath() const {
    return shell_.main_dir() + "mailmerge.log";
}

void MailMerge::open() {
    if (shell_.currentTab() != Shell::ComposeTab)
        shell_.selectTab(Shell::ComposeTab);
    if (!DialogMerge) {
        DialogMerge = new MergeDialog(shell_.window());
        connect(DialogMerge->CommandStart, &QPushButton::clicked, this, &MailMerge::start);
        connect(DialogMerge->CommandTest, &QPushButton::clicked, this, &MailMerge::test);
        connect(DialogMerge->CommandUndoTest, &QPushButton::clicked, this, &MailMerge::stop);
        connect(DialogMerge->CommandStop, &QPushButton::clicked, this, &MailMerge::stop);
        connect(DialogMerge->CommandPreview, &QPushButton::clicked, this, &MailMerge::preview);
        connect(DialogMerge->Command5, &QPushButton::clicked, this,
                [this] { shell_.ShowHelp(5000, true); });
        // Closing the window stops a run: nobody would see it go on.
        connect(DialogMerge, &MergeDialog::closing, this, [this] {
            if (run_ && run_->mode() == MergeRun::Mode::Running)
                stop();
        });
    }
    if (!run_ || (run_->mode() == MergeRun::Mode::Idle && run_->step() != MergeRun::Step::Failed)) {
        DialogMerge->reset();
    }
    bool ok = false;
    const int pause = shell_.GetIni("Settings", "mergepause", "2").toInt(&ok);
    DialogMerge->SpinPause->setValue(ok ? std::clamp(pause, 0, 600) : 2);
    DialogMerge->place();
    DialogMerge->show();
    DialogMerge->raise();
}

void MailMerge::readForm(std::function<void(const Form&)> done) {
    if (shell_.currentTab() != Shell::ComposeTab)
        shell_.selectTab(Shell::ComposeTab);
    WebBrowser* view = shell_.WebBrowser3();
    Form form;
    form.site = &shell_.siteOf(view->LocationURL());
    form.address = qs(form.site->freshComposeAddress(str(view->LocationURL())));
    const postling::MergeForm& f = form.site->mergeForm();
    const QStringList names{qs(f.to), qs(f.subject), qs(f.body)};
    QPointer<MailMerge> self(this);
    view->document().formFields(
        form.site->key(), qs(f.form), names,
        [self, form, done, names](const QVariantMap& r) mutable {
            if (!self)
                return;
            const QVariantMap fields = r.value("fields").toMap();
            const bool all = !PageDocument::failed(r) &&
                             std::none_of(names.begin(), names.end(), [&](const QString& n) {
                                 return fields.value(n).isNull();
                             });
            form.refusal = formRefusal(r, *form.site);
            if (!all && form.refusal.isEmpty())
                form.refusal = unableToSend();
            form.found = form.refusal.isEmpty();
            form.subject = str(fields.value(names[1]).toString());
            form.body = str(fields.value(names[2]).toString());
            done(form);
        });
}

std::vector<std::string> MailMerge::bookHeader() const {
    std::vector<std::string> header;
    for (int c = 0; c < addresses_.book().table.columnCount(); ++c)
        header.push_back(addresses_.book().plainHeader(c));
    return header;
}

std::vector<MergeMessage> MailMerge::plan(const Form& form) const {
    const postling::AddressBook& book = addresses_.book();
    const std::vector<std::string> header = bookHeader();
    const auto [first, last] = addresses_.selectedRows();
    const postling::RowRange rows = postling::mergeRows(
        DialogMerge && DialogMerge->Option1->isChecked(), first, last, book.table.rowCount());
    if (book.email_col < 0)
        return {};
    return postling::mergePlan(book.table, header, book.email_col, rows, form.subject, form.body);
}

bool MailMerge::confirm(std::vector<MergeMessage>& plan, const std::string& key) {
    const std::string logText = MergeJournal(logPath()).text();
    return confirmRun(DialogMerge, plan,
                      postling::resumePoint(logText, addresses_.book().path, key));
}

void MailMerge::start() {
    if (run_ && run_->mode() != MergeRun::Mode::Idle)
        return;
    readForm([this](const Form& form) {
        if (!form.found) {
            Dialogs::message(DialogMerge, form.refusal);
            return;
        }
        // Refused here, before anything goes, rather than by a site's box halfway through.
        if (QString::fromStdString(form.body).trimmed().isEmpty()) {
            Dialogs::message(DialogMerge, tr("The message has no text. Write it in the compose "
                                             "form, or use a template, then start the merge."));
            return;
        }
        std::vector<MergeMessage> messages = plan(form);
        const std::string key = postling::templateKey(form.subject, form.body);
        if (!confirm(messages, key))
            return;
        const int pause = DialogMerge->SpinPause->value();
        shell_.SetIni("Settings", "mergepause", QString::number(pause));
        form_ = form;
        bool ok = false;
        const int wait = shell_.GetIni("Settings", "mergewait", "90").toInt(&ok);
        watch_->setLimit(ok ? wait : 90);
        journal_ = MergeJournal(logPath());
        if (!journal_.begin(addresses_.book().path, key)) {
            Dialogs::message(DialogMerge,
                             tr("The merge log could not be written, so nothing was sent.\n%1")
                                 .arg(journal_.error()));
            return;
        }
        run_ = std::make_unique<MergeRun>(std::move(messages), str(form.address), pause);
        DialogMerge->setState(MergeDialog::State::Running);
        DialogMerge->clearLog();
        elapsed_.start();
        execute(run_->start());
    });
}

void MailMerge::test() {
    if (run_ && run_->mode() != MergeRun::Mode::Idle)
        return;
    DialogMerge->setState(MergeDialog::State::Testing);
    readForm([this](const Form& form) {
        if (!form.found) {
            Dialogs::message(DialogMerge, form.refusal);
            DialogMerge->setState(MergeDialog::State::Idle);
            return;
        }
        form_ = form;
        run_ = std::make_unique<MergeRun>(plan(form), str(form.address), 0);
        execute(run_->test());
    });
}

void MailMerge::stop() {
    if (!run_) {
        if (DialogMerge)
            DialogMerge->setState(MergeDialog::State::Idle);
        return;
    }
    execute(run_->stop());
    if (run_ && run_->stopping() && DialogMerge)
        DialogMerge->setStatus(tr("Stopping once message %1 has been accepted; press Stop again "
                                  "not to wait.")
                                   .arg(run_->sent() + 1));
    else if (DialogMerge && run_ && run_->mode() == MergeRun::Mode::Idle)
        DialogMerge->setState(MergeDialog::State::Idle); // else once the template is back
}

void MailMerge::preview() {
    readForm([this](const Form& form) {
        if (!form.found) {
            Dialogs::message(DialogMerge, form.refusal);
            return;
        }
        std::vector<MergeMessage> messages = plan(form);
        const std::string logText = MergeJournal(logPath()).text();
        postling::applyResume(
            messages, postling::resumePoint(logText, addresses_.book().path,
                                            postling::templateKey(form.subject, form.body)));
        MergePreview window(messages,
                            postling::unmatchedFields(form.subject, form.body, bookHeader()),
                            DialogMerge);
        Dialogs::exec(window);
    });
}

bool MailMerge::writeLog(const std::vector<MergeRun::Record>& records) {
    if (!run_ || run_->mode() == MergeRun::Mode::Testing)
        return true;
    for (const MergeRun::Record& r : records) {
        const MergeMessage& m = run_->plan()[static_cast<std::size_t>(r.message)];
        if (!journal_.row(m, r))
            return false;
        if (r.status == MergeRun::Status::Failed && !r.reason.empty())
            DialogMerge->countRefused(m.row, qs(m.address), qs(r.reason));
        if (r.status != MergeRun::Status::Sent)
            continue;
        DialogMerge->setStatus({});
        DialogMerge->countSent(run_->sent(), qs(m.address));
        const qint64 left = run_->millisecondsLeft(elapsed_.elapsed());
        emit progress(run_->sent(), run_->total(),
                      tr("%1 of %2 sent, %3 left")
                          .arg(QString::number(run_->sent()), QString::number(run_->total()),
                               qs(postling::durationText(left))));
    }
    return true;
}

void MailMerge::execute(const MergeRun::Action& next) {
    if (!run_)
        return;
    // Nothing goes on that the log does not know of.
    MergeRun::Action action = next;
    if (!writeLog(next.log))
        if (MergeRun::Action stopped = run_->logFailed(); stopped.kind != MergeRun::Action::Nothing)
            action = std::move(stopped);
    switch (action.kind) {
    case MergeRun::Action::Fill:
        whenReady([this, action] { fill(action); });
        break;
    case MergeRun::Action::Submit:
        submit(action);
        break;
    case MergeRun::Action::Navigate:
        shell_.WebBrowser3()->Navigate(form_.address);
        break;
    case MergeRun::Action::Pause:
        pauseTimer_->start(action.seconds * 1000);
        break;
    case MergeRun::Action::Fail:
        fail();
        break;
    case MergeRun::Action::Finished:
        // A run with refused rows stays unfinished in the log: the next Start offers to send
        // just those.
        if (run_->completed() && run_->failed() == 0)
            journal_.finish(); // else: offered again
        DialogMerge->reportRefused(run_->sent());
        DialogMerge->setState(MergeDialog::State::Idle);
        emit progressDone();
        break;
    case MergeRun::Action::Nothing:
        break;
    }
    watch(action);
    updateState();
}

void MailMerge::updateState() {
    doing_merge = run_ && run_->doingMerge();
}

// Each step that leaves the run waiting on the compose view starts the clock again.
void MailMerge::watch(const MergeRun::Action& action) {
    const MergeRun::Step step = run_ ? run_->step() : MergeRun::Step::None;
    const bool waits = run_ && run_->mode() != MergeRun::Mode::Idle &&
                       (step == MergeRun::Step::Fill || step == MergeRun::Step::Submit ||
                        step == MergeRun::Step::Accept || step == MergeRun::Step::Return);
    if (!waits)
        watch_->idle();
    else if (action.kind == MergeRun::Action::Fill || action.kind == MergeRun::Action::Submit ||
             action.kind == MergeRun::Action::Navigate)
        watch_->waiting();
}

// Steps that fill the form wait while the compose view is busy, for its next page.
void MailMerge::whenReady(std::function<void()> step) {
    if (!shell_.WebBrowser3()->Busy())
        step();
    else
        whenReady_ = std::move(step);
}

void MailMerge::fill(const MergeRun::Action& action) {
    const postling::MergeForm& f = form_.site->mergeForm();
    QVariantMap values;
    if (action.message < 0) { // the template back, To empty
        values = {{qs(f.to), QString()},
                  {qs(f.subject), qs(form_.subject)},
                  {qs(f.body), qs(form_.body)}};
    } else {
        const MergeMessage& m = run_->plan()[static_cast<std::size_t>(action.message)];
        values = {
            {qs(f.to), qs(m.address)}, {qs(f.subject), qs(m.subject)}, {qs(f.body), qs(m.body)}};
    }
    MergeRun* run = run_.get();
    const int ticket = action.ticket;
    shell_.WebBrowser3()->document().setFormFields(
        form_.site->key(), qs(f.form), values, [this, run, ticket](const QVariantMap& r) {
            if (run_.get() != run)
                return;
            if (!PageDocument::failed(r) && r.value("missing").toList().isEmpty())
                return execute(run_->filled(ticket, true));
            // No form: a sign-in page in its place means the session has ended.
            shell_.WebBrowser3()->document().pageText([this, run, ticket](const QVariantMap& p) {
                if (run_.get() == run)
                    execute(run_->filled(ticket, false,
                                         p.value("signIn").toBool() ? MergeRun::Failure::PageGone
                                                                    : MergeRun::Failure::Form));
            });
        });
}

void MailMerge::submit(const MergeRun::Action& action) {
    const postling::MergeForm& f = form_.site->mergeForm();
    MergeRun* run = run_.get();
    const int ticket = action.ticket;
    heldLoad_.clear();
    heldAnswer_.reset();
    answer_->expect(*form_.site, form_.address);
    shell_.WebBrowser3()->document().callSite(
        form_.site->key(), "send", {qs(f.form), qs(f.actionSuffix)},
        [this, run, ticket](const QVariantMap& r) {
            if (run_.get() != run)
                return;
            execute(run_->submitted(ticket, !PageDocument::failed(r)));
            if (auto held = std::exchange(heldAnswer_, std::nullopt); held && run_)
                execute(run_->pageLoaded(str(held->first), held->second));
            if (!heldLoad_.isEmpty())
                onComposeLoaded(std::exchange(heldLoad_, QString()));
        });
}

void MailMerge::onComposeLoaded(const QString& url) {
    if (whenReady_ && !shell_.WebBrowser3()->Busy())
        std::exchange(whenReady_, nullptr)();
    if (!run_ || run_->mode() != MergeRun::Mode::Running)
        return;
    switch (run_->step()) {
    case MergeRun::Step::Submit:
        heldLoad_ = url; // the submit call has not answered yet
        break;
    case MergeRun::Step::Accept: // accepted only when the site says so
        answer_->pageLoaded(url);
        break;
    case MergeRun::Step::Return:
        execute(run_->pageLoaded(str(url), false));
        break;
    default:
        break;
    }
}

void MailMerge::fail() {
    whenReady_ = nullptr;
    const MergeFailure failure = mergeFailure(*run_, logPath(), shell_.WebBrowser3()->LoadOk(),
                                              watch_->limit(), journal_.error());
    DialogMerge->setStatus(failure.status);
    Dialogs::message(DialogMerge, failure.message);
    if (run_->mode() == MergeRun::Mode::Idle)
        DialogMerge->setState(MergeDialog::State::Idle);
}
