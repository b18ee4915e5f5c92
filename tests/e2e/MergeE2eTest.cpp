// Mail merge against the stand-in: personalised messages delivered once each on both sites, a test
// that sends nothing, Stop and resume on a slow site, a run cut off as a kill would, a site that
// refuses, and the rich-text form that merge cannot fill.
#include "Testkit.h"

using testkit::StandinServer;
using testkit::Workspace;

namespace {

// The demo book's addresses; the stand-in has no mailbox for the last, Carl's.
const QStringList kRows = {"ann@yahoo.localhost", "bob@hotmail.localhost", "hans@yahoo.localhost",
                           "marie@hotmail.localhost", "carl@hotmail.localhost"};

// How many messages whose subject begins with `subject` each address of the book received.
QList<int> receivedCounts(const StandinServer& server, const QString& subject) {
    QList<int> counts;
    for (const QString& address : kRows) {
        int n = 0;
        for (const QString& m : server.received(address))
            n += m.startsWith(subject) ? 1 : 0;
        counts << n;
    }
    return counts;
}

} // namespace

class MergeE2eTest : public testkit::StandinTestCase {
    Q_OBJECT

    // Signed in, the message with its merge fields typed into the Compose tab's form, rows
    // `first` to `last` chosen, and the dialog open with no pause between messages.
    std::unique_ptr<MainForm> ready(StandinServer& site, Workspace& ws, bool yahoo,
                                    const QString& subject, int first, int last) {
        auto form = testkit::openSignedInWithCompose(site, ws, yahoo);
        if (!form || !testkit::openComposeTab(*form))
            return nullptr;
        const QStringList f = testkit::composeFieldNames(yahoo);
        if (!testkit::fillComposeForm(
                form->shell().WebBrowser3(), yahoo,
                {{f[3], subject + " <<First>>"}, {f[4], "Dear <<first>> <<Last>>,\nsee you."}}))
            return nullptr;
        testkit::openMerge(*form, first, last);
        Dialogs::clearMessages();
        return form;
    }
    static MergeDialog* dialogOf(MainForm& form) { return form.compose().merge().dialog(); }
    static bool idle(MainForm& form) { return dialogOf(form)->CommandStart->isEnabled(); }

private slots:
    // After a Test of the first row, each chosen row gets its own message, once.
    void eachChosenRowGetsItsOwnMessageOnce_data() { bothSites(); }
    void eachChosenRowGetsItsOwnMessageOnce() {
        QFETCH(bool, yahoo);
        const QString subject = yahoo ? "Merged from Yahoo" : "Merged from Hotmail";
        Workspace ws;
        auto form = ready(*server, ws, yahoo, subject, 3, 1); // chosen upwards
        QVERIFY(form);
        MergeDialog* dialog = dialogOf(*form);
        QVERIFY(dialog->isVisible() && (dialog->windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(form->shell().currentTab(), int(Shell::ComposeTab));
        WebBrowser* compose = form->shell().WebBrowser3();

        // Test fills the first row's message and sends nothing; Undo Test puts the template back.
        const int posts = server->recordedPosts().size();
        dialog->CommandTest->click();
        QVERIFY(dialog->CommandUndoTest->isEnabled() && !dialog->CommandStart->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(testkit::composeField(compose, yahoo, 0), kRows[0], 20000);
        QCOMPARE(testkit::composeField(compose, yahoo, 4), QString("Dear Ann Lee,\nsee you."));
        dialog->CommandUndoTest->click();
        QTRY_COMPARE_WITH_TIMEOUT(testkit::composeField(compose, yahoo, 3), subject + " <<First>>",
                                  20000);
        QCOMPARE(testkit::composeField(compose, yahoo, 0), QString());
        QVERIFY(idle(*form));
        QCOMPARE(server->recordedPosts().size(), posts);

        dialog->CommandStart->click();
        QTRY_VERIFY(!dialog->CommandStart->isEnabled() && dialog->CommandStop->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(idle(*form), 60000);
        QCOMPARE(dialog->LabelNumSent->text(), QString("Emails Sent: 3"));
        QCOMPARE(dialog->TextSent->toPlainText(), QStringList(kRows.mid(0, 3)).join("\n"));
        QCOMPARE(receivedCounts(*server, subject), (QList<int>{1, 1, 1, 0, 0}));
        const QStringList annGot = server->received("ann@yahoo.localhost").filter(subject);
        QCOMPARE(annGot.value(0), subject + " Ann\nDear Ann Lee,\r\nsee you.");

        // The form holds the template again, To empty; no copy of the run went to Sent.
        QCOMPARE(testkit::composeField(compose, yahoo, 0), QString());
        QCOMPARE(testkit::composeField(compose, yahoo, 3), subject + " <<First>>");
        QVERIFY(ws.savedFiles("Sent").isEmpty());
        const QString log = testkit::fileText(form->compose().merge().logPath());
        for (const QString& address : kRows.mid(0, 3))
            QVERIFY2(log.contains("\t" + address + "\t" + subject), qPrintable(log));
        QCOMPARE(log.count("\tsent\r\n"), 3);
        QVERIFY(log.trimmed().endsWith("finished"));
        QCOMPARE(Dialogs::messagesShown().size(), 1); // "Send 3 messages...?"
        dialog->CancelButton->click();                // opened again, it starts afresh
        form->findChild<QPushButton*>("Command5")->click();
        QVERIFY(!dialog->TextSent->isVisible() && dialog->TextSent->toPlainText().isEmpty());
        QCOMPARE(dialog->LabelNumSent->text(), QString("Emails Sent: 0"));
        if (yahoo) { // its rich-text form has no Body field: merge says it cannot work there
            compose->Navigate(compose->LocationURL().section('?', 0, 0) + "?rich=1");
            QVERIFY(testkit::waitForPage(compose, "rich=1"));
            Dialogs::clearMessages();
            const int before = server->recordedPosts().size();
            dialog->CommandStart->click();
            QTRY_COMPARE(Dialogs::messagesShown(),
                         QStringList{"Unable to send message. Are you sure the compose form is "
                                     "displayed? Mail Merge works only in plain test mode. You "
                                     "cannot use the Rich Text/HTML compose form."});
            QCOMPARE(server->recordedPosts().size(), before);
        }
        form->close();
    }

    // A run cut short: by Stop once a message has gone, by a kill while one is with the site, or
    // by the site, which refuses a message or keeps one longer than the person will wait. The
    // person is told why; Stop puts the template back; the resumed run sends what is left, and
    // never again a message that may have gone.
    void aRunCutShortIsResumedWithoutSendingTwice_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("siteArgs");
        QTest::addColumn<bool>("yahoo");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QList<QList<int>>>("afterStop"); // what may have been delivered
        QTest::addColumn<QString>("resumeSays");
        QTest::addColumn<QList<int>>("afterResume");
        const QStringList slow{"--submit-delay-ms", "600"};
        // Stop sees the message on its way through, and nothing more.
        QTest::newRow("Stop pressed") << "stop" << slow << false << 4 << ""
                                      << QList<QList<int>>{{1, 0, 0, 0, 0}, {1, 1, 0, 0, 0}}
                                      << "did not finish" << QList<int>{1, 1, 1, 1, 0};
        QTest::newRow("killed with the second message at the site")
            << "kill" << slow << true << 4 << "" << QList<QList<int>>{{1, 1, 0, 0, 0}}
            << "Row 2 (bob@hotmail.localhost) was being sent" << QList<int>{1, 1, 1, 1, 0};
        QTest::newRow("a message refused")
            << "refuse" << QStringList{"--refuse-every", "3"} << false << 3
            << "The site did not accept the message to hans@yahoo.localhost (row 3)."
            << QList<QList<int>>{{1, 1, 0, 0, 0}} << "" << QList<int>{1, 1, 1, 0, 0};
        QTest::newRow("no answer within mergewait")
            << "silent" << QStringList{"--submit-delay-ms", "8000"} << true << 2
            << "The site did not answer within 5 seconds about the message to "
               "ann@yahoo.localhost (row 1). It may have been sent"
            << QList<QList<int>>{{1, 0, 0, 0, 0}} << "Row 1 (ann@yahoo.localhost) was being sent"
            << QList<int>{1, 1, 0, 0, 0};
    }
    void aRunCutShortIsResumedWithoutSendingTwice() {
        QFETCH(QString, fault);
        QFETCH(QStringList, siteArgs);
        QFETCH(bool, yahoo);
        QFETCH(int, rows);
        QFETCH(QString, told);
        QFETCH(QList<QList<int>>, afterStop);
        QFETCH(QString, resumeSays);
        QFETCH(QList<int>, afterResume);
        std::vector<std::string> args{"--seed"};
        for (const QString& a : siteArgs)
            args.push_back(a.toStdString());
        StandinServer site(args);
        Workspace ws;
        ws.set("mergewait", "5");
        auto form = ready(site, ws, yahoo, "Stopped", 1, rows);
        QVERIFY(form);
        MergeDialog* dialog = dialogOf(*form);
        dialog->CommandStart->click();
        if (fault == "kill") {
            // The second message is with the site; Postling vanishes without any shutdown.
            const QString log = form->compose().merge().logPath();
            QTRY_VERIFY_WITH_TIMEOUT(testkit::fileText(log).count("\tsubmitting") == 2, 30000);
            QTest::qWait(300);
            form.reset();
            form = ready(site, ws, yahoo, "Stopped", 1, rows);
            QVERIFY(form);
            dialog = dialogOf(*form);
        } else {
            if (fault == "stop") {
                QTRY_COMPARE_WITH_TIMEOUT(dialog->LabelNumSent->text(), QString("Emails Sent: 1"),
                                          30000);
            } else {
                QTRY_VERIFY_WITH_TIMEOUT(Dialogs::messagesShown().size() == 2, 30000);
                QVERIFY2(Dialogs::messagesShown()[1].startsWith(told),
                         qPrintable(Dialogs::messagesShown()[1]));
            }
            QVERIFY(dialog->CommandStop->isEnabled());
            dialog->CommandStop->click(); // back to the compose page, the template in it
            QTRY_COMPARE_WITH_TIMEOUT(testkit::composeField(form->shell().WebBrowser3(), yahoo, 3),
                                      QString("Stopped <<First>>"), 30000);
            QTRY_VERIFY_WITH_TIMEOUT(idle(*form), 30000);
        }
        QTRY_VERIFY_WITH_TIMEOUT(afterStop.contains(receivedCounts(site, "Stopped")), 20000);

        ws.set("mergewait", "30"); // patience enough for the next run
        Dialogs::clearMessages();
        dialog->CommandStart->click(); // offered to resume: Yes
        QTRY_VERIFY_WITH_TIMEOUT(!idle(*form), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(idle(*form), 60000);
        QVERIFY2(Dialogs::messagesShown().value(0).contains(resumeSays),
                 qPrintable(Dialogs::messagesShown().value(0)));
        const QList<int> got = receivedCounts(site, "Stopped");
        int lost = 0, twice = 0;
        for (int i = 0; i < rows; ++i) {
            lost += got.value(i) == 0;
            twice += got.value(i) > 1;
        }
        if (!told.isEmpty()) // the site's faults, for make faults
            testkit::faultTableRow(QTest::currentDataTag(),
                                   QString("Mail Merge, %1 rows").arg(rows), told, lost, twice);
        QCOMPARE(got, afterResume);
        form->close();
    }
};

QTEST_MAIN(MergeE2eTest)
#include "MergeE2eTest.moc"
