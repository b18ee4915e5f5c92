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
        auto form = testkit::openSignedInWithCompose(*server, ws, true); // ShowFolder, compose
        QVERIFY(form);
        QCOMPARE(form->browsing().addressBar()->currentText(),
                 form->shell().WebBrowser1()->LocationURL());
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

    // Sent mail is kept in the sent folder on both sites, unless Save Sent Messages is unticked.
    void aComposePostIsCapturedAsExactlyTheBytesTheSiteReceived_data() {
        QTest::addColumn<bool>("yahoo");
        QTest::addColumn<bool>("keep");
        QTest::newRow("Yahoo Mail") << true << true;
        QTest::newRow("Hotmail") << false << true;
        QTest::newRow("Hotmail, Save Sent Messages unticked") << false << false;
    }
    void aComposePostIsCapturedAsExactlyTheBytesTheSiteReceived() {
        QFETCH(bool, yahoo);
        QFETCH(bool, keep);
        Workspace ws;
        auto form = testkit::openSignedInWithCompose(*server, ws, yahoo);
        QVERIFY(form);
        form->compose().saveSentBox()->setChecked(keep);
        QVERIFY(testkit::openComposeTab(*form));

        const QStringList f = testkit::composeFieldNames(yahoo);
        QVERIFY(testkit::fillComposeForm(
            form->shell().WebBrowser3(), yahoo,
            {{f[0], yahoo ? "bob@hotmail.localhost" : "ann@yahoo.localhost"},
             {f[3], QString("Caf\u00e9 + 50% & \u00dcber")},
             {f[4], QString("line one\nline two & %41 + \u00e0 la carte\n\nend")}}));

        QSignalSpy posted(form->shell().WebBrowser3(), &WebBrowser::BeforeNavigate2);
        const int before = server->recordedPosts().size();
        testkit::callPage(form->shell().WebBrowser3()->document(), "clickField",
                          {yahoo ? "Compose" : "composeform", yahoo ? "SEND" : "Send"});
        QTRY_COMPARE_WITH_TIMEOUT(posted.count(), 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(server->recordedPosts().size(), before + 1, 20000);
        const QByteArray sent = server->recordedPosts().last();
        QCOMPARE(posted.first().at(2).toByteArray(), sent);
        QVERIFY(posted.first().at(0).toString().contains("compose"));
        QVERIFY(sent.contains("Caf%C3%A9+%2B+50%25+%26+%C3%9Cber"));
        QVERIFY(sent.contains("line+one%0D%0Aline+two"));
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser3(),
                                     yahoo ? "/ym/Send" : "/cgi-bin/premail"));
        QTRY_COMPARE_WITH_TIMEOUT(ws.savedFiles("Sent").size(), keep ? 1 : 0, 10000);
        QVERIFY(!keep || ws.savedFiles("Sent").first().endsWith("&&sent message.htm"));
        form->close();
        QCOMPARE(ws.get("savesent"), QString(keep ? "1" : "0"));
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

    // A person with only a keyboard: Tab into the sign-in page, type, Enter; out of the page by
    // Tab again (no trap); a message opened from the address bar (Ctrl+L); Save Msg by its
    // accelerator; an address from the book into the compose form through the Address Book
    // menu; Check Spam through the Tools menu. What happened is read from the files and pages.
    void aPersonWithOnlyAKeyboardSignsInSavesInsertsAndChecksSpam() {
        Workspace ws;
        ws.pointAt(*server);
        ws.set("smail", "0");
        auto form = testkit::openMainForm(ws);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        WebBrowser* inbox = form->shell().WebBrowser1();
        QVERIFY(testkit::waitForPage(inbox, "mail.yahoo.localhost"));
        const auto press = [](Qt::Key key, Qt::KeyboardModifiers with = {}) {
            QWidget* popup = QApplication::activePopupWidget();
            QTest::keyClick(popup ? popup : QApplication::focusWidget(), key, with);
        };
        const auto tabTo = [&](const std::function<bool(QWidget*)>& there) {
            for (int i = 0; i < 150 && !there(QApplication::focusWidget()); ++i) {
                press(Qt::Key_Tab);
                QTest::qWait(20); // a page's Tab goes through its renderer
            }
            return there(QApplication::focusWidget());
        };
        const auto activeField = [&] {
            return testkit::awaitAnswer(
                       [&](auto answer) {
                           inbox->page()->runJavaScript(
                               "document.activeElement ? document.activeElement.name || '' : ''",
                               [answer](const QVariant& v) { answer(v); });
                       },
                       QString(), 5000)
                .toString();
        };
        const auto inPage = [inbox](QWidget* w) {
            return w && inbox->isAncestorOf(w);
        };

        QVERIFY(tabTo(inPage));
        QTRY_COMPARE_WITH_TIMEOUT(activeField(), QString("login"), 5000);
        QTest::keyClicks(QApplication::focusWidget(), "ann");
        press(Qt::Key_Tab);
        QTRY_COMPARE_WITH_TIMEOUT(activeField(), QString("passwd"), 5000);
        QTest::keyClicks(QApplication::focusWidget(), "ann");
        press(Qt::Key_Return);
        QVERIFY(testkit::waitForPage(inbox, "/ym/ShowFolder?"));
        auto* grid = form->findChild<QTableView*>("MSFlexGrid1");
        QVERIFY(tabTo([grid](QWidget* w) { return w == grid; })); // out of the page

        const QString subject = "Photos from the weekend";
        press(Qt::Key_L, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), server->messageAddress(true, "ann", subject));
        press(Qt::Key_Return);
        QVERIFY(testkit::waitForPage(inbox, "ShowLetter"));
        press(Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY_WITH_TIMEOUT(ws.savedFiles("Saved").join("\n").contains(subject), 20000);

        QVERIFY(testkit::waitForPage(form->shell().WebBrowser3(), "/ym/compose"));
        QVERIFY(tabTo([grid](QWidget* w) { return w == grid; }));
        press(Qt::Key_Down);
        const int row = form->findChild<AddressPane*>("TabStrip1")->currentRow();
        const QString address =
            QString::fromStdString(form->addressBook().book().table.cell(row, 2));
        QVERIFY(address.contains('@'));
        press(Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        press(Qt::Key_T);
        // The offscreen platform leaves a closed menu the active window; a desktop does not.
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_VERIFY_WITH_TIMEOUT(
            testkit::composeField(form->shell().WebBrowser3(), true, 0).contains(address), 10000);

        press(Qt::Key_L, Qt::ControlModifier); // back to the inbox's list
        QTest::keyClicks(QApplication::focusWidget(),
                         server->yahooStart() + "ym/ShowFolder?box=Inbox");
        press(Qt::Key_Return);
        QVERIFY(testkit::waitForPage(inbox, "ShowFolder?box=Inbox"));
        QSignalSpy checked(&form->inbox(), &InboxSubsystem::commandFinished);
        press(Qt::Key_T, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        press(Qt::Key_C);
        QVERIFY(checked.wait(20000) || !checked.isEmpty());
        QVERIFY2(form->shell().panelText(2).startsWith("Ticked "),
                 qPrintable(form->shell().panelText(2)));
        const QVariantList rows =
            testkit::callPage(inbox->document(), "sites.yahoo.inboxRows").value("rows").toList();
        QVERIFY(std::any_of(rows.begin(), rows.end(),
                            [](const QVariant& r) { return r.toMap().value("checked").toBool(); }));
        form->close();
    }
};

QTEST_MAIN(ShellE2eTest)
#include "ShellE2eTest.moc"
