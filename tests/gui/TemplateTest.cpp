// The "Email Template" dialog and the main window's template commands on a real main directory.
#include "TemplateCommands.h"
#include "Testkit.h"

using testkit::fileText;
using testkit::items;
using testkit::Workspace;
using Answer = Dialogs::Answer;

class TemplateTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Workspace> ws;

    // A dialog over the workspace's templates, with example.txt open and its subject edited.
    std::unique_ptr<TemplateDialog> editedDialog() {
        auto dialog =
            std::make_unique<TemplateDialog>(ws->mainDir(), QStringList{"example.txt"}, 0);
        dialog->Combo1->setEditText("Edited");
        dialog->Text1->setText("A new subject");
        return dialog;
    }

private slots:
    void init() { ws = std::make_unique<Workspace>(); }

    void unsavedChangesAreAskedAboutBeforeTheyCouldBeLost() {
        // Each command with each answer: Cancel keeps everything, Yes saves first, No drops.
        enum Command { New, Close, Insert };
        struct Case {
            Command command;
            Answer answer;
            bool saved, closed;
        } cases[] = {{New, Answer::Cancel, false, false},    {New, Answer::Yes, true, false},
                     {New, Answer::No, false, false},        {Close, Answer::Cancel, false, false},
                     {Close, Answer::Yes, true, true},       {Close, Answer::No, false, true},
                     {Insert, Answer::Cancel, false, false}, {Insert, Answer::Yes, true, true},
                     {Insert, Answer::No, false, true}};
        for (const Case& c : cases) {
            QFile::remove(ws->path("templates/Edited.txt"));
            Dialogs::Answers answers;
            answers.threeWay = [&](const QString&) {
                return c.answer;
            };
            Dialogs::answerWith(answers);
            auto dialog = editedDialog();
            QSignalSpy inserted(dialog.get(), &TemplateDialog::insertRequested);
            QSignalSpy finished(dialog.get(), &QDialog::finished);
            if (c.command == New)
                dialog->Command1->click();
            else if (c.command == Close)
                dialog->CancelButton->click();
            else
                dialog->Command4->click();
            const QString what =
                QString("command %1, answer %2").arg(int(c.command)).arg(int(c.answer));
            QCOMPARE(Dialogs::messagesShown(),
                     QStringList{"Do you want to save your changes to this email template?"});
            QVERIFY2(QFile::exists(ws->path("templates/Edited.txt")) == c.saved, qPrintable(what));
            QVERIFY2((finished.count() == 1) == c.closed, qPrintable(what));
            // The form is filled before the question, whatever the answer.
            QCOMPARE(inserted.count(), c.command == Insert ? 1 : 0);
            if (c.command == New && c.answer != Answer::Cancel) {
                QVERIFY(dialog->Text1->text().isEmpty() && dialog->Combo1->currentText().isEmpty());
                QVERIFY2(dialog->changed(), "emptying the boxes is a change");
            } else if (c.answer == Answer::Cancel) {
                QCOMPARE(dialog->Text1->text(), QString("A new subject"));
            }
        }
        // Nothing changed: nothing asked.
        Dialogs::answerWith({});
        TemplateDialog quiet(ws->mainDir(), {"example.txt"}, 0);
        quiet.CancelButton->click();
        QVERIFY(Dialogs::messagesShown().isEmpty());
    }

    void savingWritesTheFileAndListsANewNameOnce() {
        Dialogs::answerWith({});
        TemplateDialog dialog(ws->mainDir(), {"example.txt"}, -1);
        QSignalSpy added(&dialog, &TemplateDialog::added);
        struct Refusal {
            QString name, subject, body, message;
        } refusals[] = {{"  ", "s", "b", "You must give the email template a name."},
                        {"n", " ", "b", "You must specify a subject."},
                        {"n", "s", "", "You must enter some body text."}};
        for (const Refusal& r : refusals) {
            Dialogs::clearMessages();
            dialog.Combo1->setEditText(r.name);
            dialog.Text1->setText(r.subject);
            dialog.Text2->setPlainText(r.body);
            QVERIFY(!dialog.save());
            QCOMPARE(Dialogs::messagesShown(), QStringList{r.message});
        }
        dialog.Combo1->setEditText("Hello");
        dialog.Text1->setText("Greetings");
        dialog.Text2->setPlainText("Hi\nthere");
        QVERIFY(dialog.save());
        QCOMPARE(fileText(ws->path("templates/Hello.txt")), QString("Greetings\r\nHi\r\nthere"));
        QVERIFY(!dialog.changed());
        QVERIFY(dialog.save()); // the same name again: the file is replaced, no new entry
        dialog.Combo1->setEditText("hello.txt");
        QVERIFY(dialog.save()); // differs in letter case only: an entry of its own
        QCOMPARE(items(dialog.Combo1), (QStringList{"example.txt", "Hello.txt", "hello.txt"}));
        QCOMPARE(added.count(), 2);

        // A reload ends the body with a line break, and saving again keeps it at one.
        dialog.loadEntry(1);
        QCOMPARE(dialog.Text2->toPlainText(), QString("Hi\nthere\n"));
        QVERIFY(dialog.save());
        QCOMPARE(fileText(ws->path("templates/Hello.txt")),
                 QString("Greetings\r\nHi\r\nthere\r\n"));
    }

    void aTemplateThatCannotBeReadOrWrittenIsNamedAndNothingElseIsTouched() {
        Dialogs::answerWith({});
        TemplateDialog dialog(ws->mainDir(), {"example.txt", "gone.txt"}, -1);
        QVERIFY(!dialog.loadEntry(1));
        QCOMPARE(Dialogs::messagesShown(),
                 QStringList{"The email template could not be read from " +
                             ws->path("templates/gone.txt") + "."});
        const QString example = fileText(ws->path("templates/example.txt"));
        for (const QString& name : {QString("../example"), QString("sub/dir.txt")}) {
            Dialogs::clearMessages();
            dialog.Combo1->setEditText(name);
            dialog.Text1->setText("S");
            dialog.Text2->setPlainText("B");
            QVERIFY(!dialog.save());
            QVERIFY(Dialogs::messagesShown().value(0).startsWith(
                "The email template could not be saved.\n" + ws->path("templates/")));
        }
        QCOMPARE(fileText(ws->path("templates/example.txt")), example);
        QCOMPARE(items(dialog.Combo1), (QStringList{"example.txt", "gone.txt"}));
    }

    void theWindowsCommandsListAndPreselectTheDefault() {
        QFile::copy(ws->path("templates/example.txt"), ws->path("templates/Zeta.TXT"));
        ws->set("deftemp", "zeta.txt");
        ws->set("showemail", "1");
        QStringList opened;
        bool paletteShownMeanwhile = true;
        auto form = testkit::openMainForm(*ws);
        Dialogs::Answers answers;
        answers.dialog = [&](QDialog& dialog) {
            opened << dialog.objectName();
            paletteShownMeanwhile = form->compose().palette()->isVisible();
            return int(QDialog::Rejected);
        };
        Dialogs::answerWith(answers);
        auto* list = form->findChild<QComboBox*>("ComboTemplate");
        auto* defaults = form->findChild<QComboBox*>("ComboTemplate2");
        QCOMPARE(items(list), (QStringList{"example.txt", "Zeta.TXT"})); // letter case aside
        QCOMPARE(list->currentText(), QString("Zeta.TXT"));
        QCOMPARE(defaults->currentText(), QString("Zeta.TXT"));

        // The palette stands aside while the dialog is open and comes back after.
        QVERIFY(form->compose().palette()->isVisible());
        form->findChild<QAction*>("editttemplate")->trigger();
        QCOMPARE(opened, QStringList{"DialogTemplate"});
        QVERIFY(!paletteShownMeanwhile);
        QVERIFY(form->compose().palette()->isVisible());

        list->setCurrentIndex(-1);
        form->findChild<QPushButton*>("CommandTemplate")
            ->parentWidget()
            ->findChild<QPushButton*>("Command4")
            ->click();
        QCOMPARE(Dialogs::messagesShown(), QStringList{"You must select a template."});
        QCOMPARE(opened.size(), 1);
        form->close();
    }

    void aCaptureWithoutAComposeFormSaysItWaitsAndStopsWithTheDialog() {
        auto form = testkit::openMainForm(*ws);
        bool waitingShown = false;
        Dialogs::Answers answers;
        answers.dialog = [&](QDialog& dialog) {
            auto& templates = static_cast<TemplateDialog&>(dialog);
            templates.Command3->click(); // no compose page anywhere: the fill waits
            waitingShown = QTest::qWaitFor(
                [&] { return templates.findChild<QLabel*>("LabelWaiting")->isVisibleTo(&dialog); },
                5000);
            return int(QDialog::Rejected);
        };
        Dialogs::answerWith(answers);
        form->findChild<QPushButton*>("CommandTemplate")->click();
        QVERIFY(waitingShown);
        QTRY_VERIFY(!form->compose().fillWaiting());
        QVERIFY(!form->compose().waitOverlay()->isVisible());
        form->close();
    }
};

QTEST_MAIN(TemplateTest)
#include "TemplateTest.moc"
