// The main window against the real stand-in webmail: login, the inbox shortcut, the compose
// view kept ready, form posts captured byte for byte, and page boxes.
#include "Testkit.h"
#include "WebPage.h"

using testkit::Workspace;

class ShellE2eTest : public testkit::StandinTestCase {
    Q_OBJECT

private slots:
    void yahooLoginGoesStraightToTheInboxAndTheComposeTabReloadsItsPage() {
        Workspace ws;
        ws.pointAt(*server);
        auto form = testkit::openMainForm(ws);
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser1(), "mail.yahoo.localhost"));
        QVERIFY(testkit::signIn(*form, "ann"));
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser1(), "/ym/ShowFolder?"));
        QCOMPARE(form->browsing().addressBar()->currentText(),
                 form->shell().WebBrowser1()->LocationURL());
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser3(), "/ym/compose"));
        QVERIFY(!form->shell().WebBrowser3()->isVisible());

        // The Compose tab reloads its page each time, unless a fill has just happened.
        QSignalSpy loads(form->shell().WebBrowser3(), &WebBrowser::DocumentComplete);
        form->shell().selectTab(Shell::ComposeTab);
        QTRY_COMPARE_WITH_TIMEOUT(loads.count(), 1, 20000);
        form->shell().selectTab(Shell::ComposeTab);
        QTRY_COMPARE_WITH_TIMEOUT(loads.count(), 2, 20000);
        QVERIFY(form->shell().WebBrowser3()->isVisible());
        form->compose().ReplyOrForward(10); // a fill into the page on show keeps it
        form->shell().selectTab(Shell::InboxTab);
        form->shell().selectTab(Shell::ComposeTab);
        // A reload now would be a third load; the next navigation we ask for must be it.
        form->shell().WebBrowser3()->Navigate(form->shell().WebBrowser3()->LocationURL() +
                                              "?probe=1");
        QTRY_COMPARE_WITH_TIMEOUT(loads.count(), 3, 20000);
        QVERIFY(loads.last().first().toString().contains("probe=1"));
        form->close();
    }

    void aComposePostIsCapturedAsExactlyTheBytesTheSiteReceived_data() { bothSites(); }
    void aComposePostIsCapturedAsExactlyTheBytesTheSiteReceived() {
        QFETCH(bool, yahoo);
        Workspace ws;
        auto form = testkit::openSignedInWithCompose(*server, ws, yahoo);
        QVERIFY(form && testkit::openComposeTab(*form));

        const QString formName = yahoo ? "Compose" : "composeform";
        const QVariantMap fields = {
            {yahoo ? "To" : "to", yahoo ? "bob@hotmail.localhost" : "ann@yahoo.localhost"},
            {yahoo ? "Subj" : "subject", QString("Caf\u00e9 + 50% & \u00dcber")},
            {yahoo ? "Body" : "body",
             QString("line one\nline two & %41 + \u00e0 la carte\n\nend")}};
        const QVariantMap set = testkit::callPage(form->shell().WebBrowser3()->document(),
                                                  "setFormFields", {formName, fields});
        QVERIFY(set.value("missing").toList().isEmpty());

        QSignalSpy posted(form->shell().WebBrowser3(), &WebBrowser::BeforeNavigate2);
        const int before = server->recordedPosts().size();
        testkit::callPage(form->shell().WebBrowser3()->document(), "clickField",
                          {formName, yahoo ? "SEND" : "Send"});
        QTRY_COMPARE_WITH_TIMEOUT(posted.count(), 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(server->recordedPosts().size(), before + 1, 20000);
        const QByteArray sent = server->recordedPosts().last();
        QCOMPARE(posted.first().at(2).toByteArray(), sent);
        QVERIFY(posted.first().at(0).toString().contains("compose"));
        QVERIFY(sent.contains("Caf%C3%A9+%2B+50%25+%26+%C3%9Cber"));
        QVERIFY(sent.contains("line+one%0D%0Aline+two"));
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser3(),
                                     yahoo ? "/ym/Send" : "/cgi-bin/premail"));
        // Both sites' sent mail is kept in the sent folder.
        QTRY_COMPARE_WITH_TIMEOUT(QDir(ws.path("savedmgs/Sent")).entryList(QDir::Files).size(), 1,
                                  10000);
        QVERIFY(QDir(ws.path("savedmgs/Sent"))
                    .entryList(QDir::Files)
                    .first()
                    .endsWith("&&sent message.htm"));
        form->close();
    }

    void pageBoxesAreTheUsersToAnswerAndAPageGetsOnlyAFew() {
        Workspace ws;
        QVERIFY(testkit::writeFile(
            ws.path("dialogs.htm"),
            "<html><body><p id=r>x</p><script>alert('Session expired');"
            "document.getElementById('r').textContent = confirm('Delete permanently?') + "
            "' ' + prompt('Name?', 'ann');"
            "for (var i = 0; i < 1000; i++) alert('again ' + i);</script></body></html>"));
        ws.set("ystart", ws.path("dialogs.htm"));
        auto form = testkit::openMainForm(ws);
        Dialogs::Answers answers;
        answers.pageBox = [](const QString& text) {
            return text != "Delete permanently?";
        };
        Dialogs::answerWith(answers);
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser1(), "dialogs.htm"));
        QCOMPARE(testkit::callPage(form->shell().WebBrowser1()->document(), "element", {"r"})
                     .value("text")
                     .toString(),
                 QString("false ann")); // the user said no to deleting
        QCOMPARE(Dialogs::messagesShown(),
                 (QStringList{"Session expired", "Delete permanently?", "Name?"}));
        form->close();
    }
};

QTEST_MAIN(ShellE2eTest)
#include "ShellE2eTest.moc"
