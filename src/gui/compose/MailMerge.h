#pragma once

#include "compose/Merge.h"
#include "sites/Site.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include "MergeDialog.h"
#include "MergeJournal.h"
#include <functional>
#include <memory>
#include <optional>

class AddressBookSubsystem;
class MergeWatch;
class QTimer;
class SendAnswer;
class Shell;

// Mail merge: one personalised copy of the compose form's message to each chosen address of the
// open book, by filling and submitting the compose form row after row. The core's MergeRun
// decides each step; this class carries them out on the compose view and feeds the page's events
// back. Every row is written to "mailmerge.log" before the next step, so an interrupted run can
// be resumed without sending anything twice.
class MailMerge : public QObject {
    Q_OBJECT
public:
    MailMerge(Shell& shell, const AddressBookSubsystem& addresses, QObject* parent = nullptr);
    ~MailMerge() override;

    // "&Mail Merge...": the Compose tab, then the dialog (not modal, on top).
    void open();
    MergeDialog* dialog() const { return DialogMerge; }
    // While set, sent-message capture keeps no copies.
    bool doingMerge() const { return doing_merge; }

    // The dialog's buttons.
    void start();
    void test();
    void stop();
    void preview();

    QString logPath() const;

signals:
    // The main window's progress bar: n of total and the time left; done when the run ends.
    void progress(int sent, int total, const QString& text);
    void progressDone();

private:
    struct Form {
        bool found = false;
        QString refusal;                      // why not
        const postling::Site* site = nullptr; // the compose page's profile
        QString address;
        std::string subject, body;
    };
    // Reads the compose form's subject and body; `done` runs with what was found.
    void readForm(std::function<void(const Form&)> done);
    std::vector<postling::MergeMessage> plan(const Form& form) const;
    std::vector<std::string> bookHeader() const; // the book's column names, as merge fields
    // Asks before sending, and offers to resume an unfinished run; false when cancelled.
    bool confirm(std::vector<postling::MergeMessage>& plan, const std::string& key);
    void execute(const postling::MergeRun::Action& action);
    void whenReady(std::function<void()> step);
    void fill(const postling::MergeRun::Action& action);
    void submit(const postling::MergeRun::Action& action);
    void onComposeLoaded(const QString& url);
    // False (the journal says why) when a line could not be written.
    bool writeLog(const std::vector<postling::MergeRun::Record>& records);
    void fail();
    void updateState();
    void watch(const postling::MergeRun::Action& action);

    Shell& shell_;
    const AddressBookSubsystem& addresses_;
    QPointer<MergeDialog> DialogMerge;
    std::unique_ptr<postling::MergeRun> run_;
    Form form_;            // the compose form as the run found it: where it is, the template
    MergeJournal journal_; // the log of the run under way
    bool doing_merge = false;
    QTimer* pauseTimer_;
    MergeWatch* watch_; // every wait for the site ends
    QElapsedTimer elapsed_;
    std::function<void()> whenReady_;
    SendAnswer* answer_; // what the site says to the message on its way
    QString heldLoad_;   // a page that finished loading before its submit call answered
    std::optional<std::pair<QString, bool>> heldAnswer_; // an answer that came as early
};
