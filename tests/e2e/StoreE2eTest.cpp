// Saving the message on screen from both sites of the stand-in, in English and in another
// language, and finding it in the saved-messages tab.
#include "Testkit.h"

using testkit::Workspace;

class StoreE2eTest : public testkit::StandinTestCase {
    Q_OBJECT

    // Signs in, opens a message by its subject, saves it; returns the form for more checks.
    std::unique_ptr<MainForm> saveFrom(Workspace& ws, bool yahoo, const QString& login,
                                       const QString& subject) {
        auto form = testkit::openSignedIn(*server, ws, yahoo, login);
        if (!form || !testkit::openMessage(*server, *form, yahoo, login, subject))
            return nullptr;
        Dialogs::clearMessages();
        form->shell().selectTab(Shell::SettingsTab); // saving shows the inbox first
        form->store().saveButton()->click();
        return form->shell().currentTab() == Shell::InboxTab ? std::move(form) : nullptr;
    }

private slots:
    // The file's exact text is the core's to check; here, what each page gives it.
    void aMessageIsSavedUnderItsNameInEitherSiteAndLanguage_data() {
        QTest::addColumn<bool>("yahoo");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("line"); // a line the file holds
        QTest::newRow("Yahoo Mail in German")
            << true << "hans"
            << "Treffen am Freitag"
            << "Carl Jones  carl@hotmail.localhost &&Treffen am Freitag&&Mon, 25 Nov 2002 "
               "11^46^40 +0000&&hans@yahoo.localhost.htm"
            << 1 << "<b>Subject:&nbsp;</b>Treffen am Freitag</font>";
        // The recipient is cut to 20 characters and "...".
        QTest::newRow("Hotmail in Swedish, with non-breaking spaces")
            << false << "sven"
            << "Middag p\u00e5 l\u00f6rdag"
            << "Carl Jones  carl@hotmail.localhost &&Middag p\u00e5 l\u00f6rdag&&Mon, 25 Nov 2002 "
               "11^46^40 +0000&&sven@hotmail.localho....htm"
            << 7 << "<b>Date:&nbsp;</b>Mon, 25 Nov 2002 11:46:40 +0000</font>";
    }
    void aMessageIsSavedUnderItsNameInEitherSiteAndLanguage() {
        QFETCH(bool, yahoo);
        QFETCH(QString, login);
        QFETCH(QString, subject);
        QFETCH(QString, name);
        QFETCH(int, lang);
        QFETCH(QString, line);
        Workspace ws;
        auto form = saveFrom(ws, yahoo, login, subject);
        QVERIFY(form);
        const QString path = ws.path("savedmgs/Saved/" + name);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), 20000);
        QVERIFY2(testkit::fileText(path).contains(line), qPrintable(testkit::fileText(path)));
        QCOMPARE(form->shell().lang, lang);
        QVERIFY(form->store().savedLabel()->isVisible());
        QCOMPARE(form->shell().panelText(2), QString("Msg Saved"));
        QVERIFY(Dialogs::messagesShown().isEmpty());

        // Listed and previewed in the saved-messages tab.
        form->shell().selectTab(Shell::SavedTab);
        QVERIFY(!form->store().savedLabel()->isVisible());
        QCOMPARE(form->store().panel()->listedFiles(), QStringList{name});
        form->store().panel()->selectRow(0);
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser2(), "Saved/"));
        QCOMPARE(testkit::callPage(form->shell().WebBrowser2()->document(), "element", {"subject"})
                     .value("text")
                     .toString(),
                 "Subject:\u00a0" + subject);
        form->close();
    }

    void theInboxListIsNotAMessage() {
        Workspace ws;
        ws.pointAt(*server);
        auto form = testkit::openMainForm(ws);
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser1(), "yahoo"));
        QVERIFY(testkit::signIn(*form, "ann"));
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser1(), "ShowFolder"));
        Dialogs::clearMessages();
        form->store().saveButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(Dialogs::messagesShown(),
                                  QStringList{"Unable to read message. Are you sure a message is "
                                              "displayed?"},
                                  10000);

        form->close();
    }
};

QTEST_MAIN(StoreE2eTest)
#include "StoreE2eTest.moc"
