// The site misbehaves: it is not there when Postling starts, it goes away or stops answering
// while a reply waits for its compose form, it answers a send with an error page. Each time the
// person is told, nothing is saved, filled or kept that did not happen, and the same command
// works once the site is back. (A merge the site stops is in the merge tests' own tables.)
#include "Testkit.h"

using testkit::StandinServer;
using testkit::Workspace;

class SiteFaultsTest : public QObject {
    Q_OBJECT
private slots:
    // Started while the site is down: Postling opens, says plainly that there is no message to
    // save, and saves it once the site is back and signed in to.
    void startingWhileTheSiteIsDown() {
        StandinServer site;
        QVERIFY(site.setUp(false));
        Workspace ws;
        ws.pointAt(site);
        auto form = testkit::openMainForm(ws);
        QVERIFY(form);
        WebBrowser* inbox = form->shell().WebBrowser1();
        QTRY_VERIFY_WITH_TIMEOUT(
            !inbox->Busy() && !inbox->LoadOk() && inbox->LocationURL().contains("yahoo"), 20000);
        form->store().folderChooser()->setCurrentText("Saved");
        Dialogs::clearMessages();
        form->store().saveButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(Dialogs::messagesShown().size(), 1, 10000);
        const QString saw = Dialogs::messagesShown().first();
        QVERIFY2(saw.startsWith("Unable to read message"), qPrintable(saw));
        QVERIFY(ws.savedFiles("Saved").isEmpty());

        QVERIFY(site.setUp(true));
        form->shell().WebBrowser1()->Navigate(site.yahooStart());
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser1(), "yahoo"));
        QVERIFY(testkit::signIn(*form, "ann"));
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser1(), "ShowFolder"));
        QVERIFY(testkit::openMessage(site, *form, true, "ann", "Make money fast!!"));
        Dialogs::clearMessages();
        form->store().saveButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(ws.savedFiles("Saved").size(), 1, 10000);
        QVERIFY(Dialogs::messagesShown().isEmpty());
        testkit::faultTableRow("site down at start-up", "Save Msg <<", saw, 0, 0);
        form->close();
    }

    // A reply waits for a compose form the site does not give: the wait ends after "fillwait"
    // seconds with a plain message and nothing filled; with the site back, Reply fills.
    void aReplyWhileTheSiteIsAway_data() {
        QTest::addColumn<bool>("down"); // or taking connections and never answering
        QTest::newRow("site down") << true;
        QTest::newRow("site not answering") << false;
    }
    void aReplyWhileTheSiteIsAway() {
        QFETCH(bool, down);
        StandinServer site;
        Workspace ws;
        ws.set("fillwait", "5");
        auto form = testkit::openSignedInWithCompose(site, ws, false);
        QVERIFY(form);
        // The Compose tab shows the site's answer to a send: a reply needs a fresh form.
        form->shell().WebBrowser3()->Navigate(site.hotmailStart() + "cgi-bin/HoTMail");
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser3(), "HoTMail"));
        form->store().folderChooser()->setCurrentText("Saved");
        form->store().SaveMessage(testkit::message("Bob Marsh <bob@hotmail.localhost>", "Lunch",
                                                   "Tue, 3 Dec 2002 10:15:00 +0000",
                                                   "ann@yahoo.localhost", "Hello Ann"));
        QVERIFY(testkit::previewFirstSaved(*form));

        QVERIFY(down ? site.setUp(false) : site.setAnswering(false));
        Dialogs::clearMessages();
        form->store().panel()->CommandReplyText->click();
        QTRY_COMPARE_WITH_TIMEOUT(Dialogs::messagesShown().size(), 1, 20000);
        const QString saw = Dialogs::messagesShown().first();
        QCOMPARE(saw, QString("The compose form did not come within 5 seconds, so nothing was "
                              "filled. Open the Compose tab, then try again."));
        QTRY_VERIFY(!form->compose().fillWaiting() && !form->compose().waitOverlay()->isVisible());

        QVERIFY(down ? site.setUp(true) : site.setAnswering(true));
        form->shell().selectTab(Shell::SavedTab);
        form->store().panel()->selectRow(0);
        Dialogs::clearMessages();
        form->store().panel()->CommandReplyText->click();
        QTRY_COMPARE_WITH_TIMEOUT(testkit::composeField(form->shell().WebBrowser3(), false, 3),
                                  QString("RE: Lunch"), 30000);
        QVERIFY(Dialogs::messagesShown().isEmpty());
        testkit::faultTableRow(down ? "site down" : "site not answering", "Reply (fill)", saw, 0,
                               0);
        form->close();
    }

    // A send the site answers with an error page is not mail that went: no Sent copy of it, and
    // the status line says so; the sends around it are kept as always.
    void aSendAnsweredWithAnErrorPageKeepsNoSentCopy() {
        StandinServer site({"--seed", "--refuse-every", "2"});
        Workspace ws;
        auto form = testkit::openSignedInWithCompose(site, ws, false);
        QVERIFY(form);
        auto send = [&](const QString& subject) {
            QVERIFY(testkit::openComposeTab(*form));
            QVERIFY(testkit::fillComposeForm(
                form->shell().WebBrowser3(), false,
                {{"to", "ann@yahoo.localhost"}, {"subject", subject}, {"body", "x"}}));
            testkit::callPage(form->shell().WebBrowser3()->document(), "clickField",
                              {"composeform", "Send"});
            QVERIFY(testkit::waitForPage(form->shell().WebBrowser3(), "/cgi-bin/premail"));
        };
        send("First");
        QTRY_COMPARE_WITH_TIMEOUT(ws.savedFiles("Sent").size(), 1, 10000);
        send("Second"); // refused with an error page
        QTRY_VERIFY_WITH_TIMEOUT(form->shell().panelText(2).contains("no Sent copy was kept"),
                                 10000);
        const QString saw = form->shell().panelText(2);
        send("Third");
        QTRY_COMPARE_WITH_TIMEOUT(ws.savedFiles("Sent").size(), 2, 10000);
        const QStringList sent = site.received("ann@yahoo.localhost");
        QCOMPARE(sent.filter(QRegularExpression("^(First|Second|Third)\n")),
                 (QStringList{"First\nx", "Third\nx"}));
        QCOMPARE(ws.savedFiles("Sent").filter("Second"), QStringList());
        testkit::faultTableRow("an error page (HTTP 503) on send", "the Sent copy", saw, 0, 0);
        form->close();
    }
};

QTEST_MAIN(SiteFaultsTest)
#include "SiteFaultsTest.moc"
