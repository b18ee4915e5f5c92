// A message from a stranger whose subject and body carry markup: saved, previewed and replied to
// on both sites, nothing of it runs, nothing navigates, and the texts come back as they were typed.
#include "Testkit.h"

using testkit::Workspace;

namespace {

// What the planted markup would run: an element the test looks for.
const QString kRun = "document.body.appendChild(document.createElement('i')).id='pwned'";
const QString kSubject = "Hi <!-- <img src=x onerror=\"" + kRun +
                         "\"> <meta http-equiv=\"refresh\" content=\"0;url=http://127.0.0.1:9/\"> "
                         "<pat@x.org>";
const QString kBody = "Line one <pat@x.org>\r\n<img src=x onerror=\"" + kRun +
                      "\">\r\n<meta http-equiv=\"refresh\" content=\"0;url=http://127.0.0.1:9/\">"
                      "\r\nLast line";

} // namespace

class HostileMessageE2eTest : public testkit::StandinTestCase {
    Q_OBJECT

private slots:
    void markupInAMessageStaysText_data() { bothSites(); }
    void markupInAMessageStaysText() {
        QFETCH(bool, yahoo);
        const QString login = yahoo ? "ann" : "bob";
        QVERIFY(server->sendAs(!yahoo, yahoo ? "bob" : "ann",
                               login + (yahoo ? "@yahoo.localhost" : "@hotmail.localhost"),
                               kSubject, kBody));
        Workspace ws;
        auto form = testkit::openSignedInWithCompose(*server, ws, yahoo);
        QVERIFY(form);
        QVERIFY(testkit::openMessage(*server, *form, yahoo, login, kSubject));
        Dialogs::clearMessages();
        form->store().saveButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(ws.savedFiles("Saved").size(), 1, 20000);
        const QString text =
            testkit::fileText(ws.path("savedmgs/Saved/") + ws.savedFiles("Saved")[0]);
        for (const char* planted : {"<img", "<meta", "<!--", "<pat@"})
            QVERIFY2(!text.contains(planted), planted);

        // The preview shows it, runs nothing and stays where it is.
        QVERIFY(testkit::previewFirstSaved(*form));
        WebBrowser* preview = form->shell().WebBrowser2();
        QTest::qWait(1500); // a refresh of 0 seconds would have come by now
        QVERIFY(preview->LocationURL().contains("Saved/"));
        const QVariantMap saved = testkit::callPage(preview->document(), "savedMessage");
        QCOMPARE(saved.value("subject").toString(), "Subject: " + kSubject);
        QVERIFY(saved.value("body").toString().contains("Line one <pat@x.org>"));
        QVERIFY(saved.value("body").toString().contains("<img src=x onerror="));

        // A reply quotes the texts as they were typed, in the plain form and in Yahoo! Mail's
        // rich-text editor; nothing of them runs in the webmail page.
        WebBrowser* compose = form->shell().WebBrowser3();
        if (yahoo) {
            form->shell().selectTab(Shell::ComposeTab);
            compose->Navigate(compose->LocationURL().section('?', 0, 0) + "?rich=1");
            QVERIFY(testkit::waitForPage(compose, "rich=1"));
            QVERIFY(testkit::previewFirstSaved(*form));
        }
        form->store().panel()->CommandReplyText->click();
        QTRY_COMPARE_WITH_TIMEOUT(testkit::composeField(compose, yahoo, 3), "RE: " + kSubject,
                                  20000);
        if (yahoo) {
            const QVariantMap rich =
                testkit::callPage(compose->document(), "element", {"plainmsg"});
            // Every ">" starts a line in the editor, the address's own one too.
            QVERIFY(rich.value("text").toString().contains(">Line one <pat@x.org\r\n>"));
            QVERIFY(rich.value("text").toString().contains("<img src=x onerror="));
            QVERIFY(!rich.value("html").toString().contains("<img"));
        } else {
            QVERIFY(testkit::composeField(compose, false, 4).contains(">Line one <pat@x.org>"));
        }
        QTest::qWait(300);
        for (WebBrowser* view : {form->shell().WebBrowser1(), compose, preview})
            QVERIFY2(testkit::callPage(view->document(), "element", {"pwned"}).contains("error"),
                     qPrintable(view->objectName()));
        form->close();
    }
};

QTEST_MAIN(HostileMessageE2eTest)
#include "HostileMessageE2eTest.moc"
