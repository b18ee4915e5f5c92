// The inbox tools on the stand-in's seeded inboxes of both sites.
#include "Testkit.h"

using testkit::Workspace;

class InboxE2eTest : public testkit::StandinTestCase {
    Q_OBJECT

    std::unique_ptr<MainForm> inbox(Workspace& ws, bool yahoo) {
        return testkit::openSignedIn(*server, ws, yahoo, yahoo ? "ann" : "bob");
    }
    static QVariantList rows(MainForm& form, bool yahoo) {
        return testkit::callPage(form.shell().WebBrowser1()->document(),
                                 QString("sites.%1.inboxRows").arg(yahoo ? "yahoo" : "hotmail"))
            .value("rows")
            .toList();
    }
    // The subjects (or row texts) of the ticked message rows, top to bottom.
    static QStringList ticked(MainForm& form, bool yahoo) {
        QStringList out;
        for (const QVariant& v : rows(form, yahoo)) {
            const QVariantMap r = v.toMap();
            if (r.value("checked").toBool() && r.value("checkbox").toBool())
                out << r.value("text")
                           .toString()
                           .section('\t', yahoo ? 2 : 3, yahoo ? 2 : 3)
                           .trimmed();
        }
        return out;
    }
    // What the pointer shows over each row: the tooltips of every row that has one.
    static QStringList tooltips(MainForm& form, bool yahoo) {
        QStringList out;
        for (const QVariant& v : rows(form, yahoo))
            if (!v.toMap().value("title").toString().isEmpty())
                out << v.toMap().value("title").toString();
        return out;
    }
    static bool run(MainForm& form, InboxSubsystem::Command command) {
        QSignalSpy done(&form.inbox(), &InboxSubsystem::commandFinished);
        form.inbox().run(command);
        return done.wait(20000) || done.count() > 0;
    }

private slots:
    void checkSpamTicksKeywordAndNonEnglishRows_data() { bothSites(); }
    void checkSpamTicksKeywordAndNonEnglishRows() {
        QFETCH(bool, yahoo);
        Workspace ws;
        auto form = inbox(ws, yahoo);
        QVERIFY(form);
        form->findChild<QPlainTextEdit*>("TextSpam")->setPlainText("viagra,casino,mortgage,");
        const QStringList expected = {"M\u00f6te p\u00e5 fredag, sm\u00f6rg\u00e5sbord",
                                      "Gr\u00fc\u00dfe aus K\u00f6ln und M\u00fcnchen",
                                      "R\u00e9union \u00e0 Gen\u00e8ve: caf\u00e9 cr\u00e8me",
                                      "cheap viagra and vitamins",
                                      "Lowest mortgage rates in 10 years"};
        QVERIFY(run(*form, InboxSubsystem::Command::Spam));
        QCOMPARE(ticked(*form, yahoo), expected);
        QCOMPARE(form->shell().panelText(2), QString("Ticked 5: 2 by keyword, 3 non-English"));
        QCOMPARE(
            tooltips(*form, yahoo),
            (QStringList{"Check Spam: 6 non-English letters", "Check Spam: 6 non-English letters",
                         "Check Spam: 7 non-English letters", "Check Spam: keyword 'viagra'",
                         "Check Spam: keyword 'mortgage'"}));
        QVERIFY(run(*form, InboxSubsystem::Command::Spam)); // twice changes nothing
        QCOMPARE(ticked(*form, yahoo), expected);

        form->findChild<QCheckBox*>("CheckSpamUnread")
            ->setChecked(false); // the read casino mail too
        form->findChild<QCheckBox*>("CheckNonEnglish")->setChecked(false);
        QVERIFY(run(*form, InboxSubsystem::Command::Uncheck));
        QVERIFY(ticked(*form, yahoo).isEmpty());
        QVERIFY(tooltips(*form, yahoo).isEmpty());
        QVERIFY(run(*form, InboxSubsystem::Command::Spam));
        QCOMPARE(ticked(*form, yahoo),
                 (QStringList{"Your casino bonus is waiting", "cheap viagra and vitamins",
                              "Lowest mortgage rates in 10 years"}));
        form->close();
    }

    void checkUnreadTicksTheFirstUnreadRows() {
        Workspace ws;
        auto form = inbox(ws, true);
        QVERIFY(form);
        form->findChild<QComboBox*>("ComboUnread")->setCurrentIndex(1); // the first 5
        QVERIFY(run(*form, InboxSubsystem::Command::Unread));
        const QStringList first5 = ticked(*form, true);
        QCOMPARE(tooltips(*form, true), QStringList(5, "Check Unread: unread"));
        QCOMPARE(first5, (QStringList{"Birthday party for Sam", "Newsletter: December issue",
                                      "R\u00e9sum\u00e9 for the na\u00efve fa\u00e7ade",
                                      "R\u00e9union \u00e0 Gen\u00e8ve: caf\u00e9 cr\u00e8me",
                                      "Meet someone special tonight"}));
        form->findChild<QComboBox*>("ComboUnread")->setCurrentIndex(0);
        QVERIFY(run(*form, InboxSubsystem::Command::Unread));
        int unread = 0;
        for (const QVariant& v : rows(*form, true))
            unread += v.toMap().value("className").toString().contains("new");
        QCOMPARE(ticked(*form, true).size(), unread);
        form->close();
        QCOMPARE(ws.get("unreadnum"), QString("0"));
    }

    void checkGroupFillsBetweenTicksAndUncheckAllClears() {
        Workspace ws;
        auto form = inbox(ws, false);
        QVERIFY(form);
        const int boxes = rows(*form, false).size();
        // Hotmail's hidden fields come first; find the first message box.
        int first = 0;
        while (!rows(*form, false).at(first).toMap().value("checkbox").toBool())
            ++first;
        testkit::callPage(form->shell().WebBrowser1()->document(), "sites.hotmail.setChecked",
                          {QVariantList{first + 1, first + 5}, true});
        // A press on the window's bare background runs Check Group.
        QWidget* strip = form->findChild<QWidget*>("MessageTools");
        QPoint bare(strip->width() - 2, strip->height() / 2);
        while (strip->childAt(bare) && bare.x() > 0)
            bare.rx() -= 4;
        QVERIFY(!strip->childAt(bare));
        QSignalSpy done(&form->inbox(), &InboxSubsystem::commandFinished);
        QTest::mousePress(strip, Qt::LeftButton, {}, bare);
        QVERIFY(done.wait(20000));
        QCOMPARE(ticked(*form, false).size(), 5);
        QCOMPARE(form->shell().panelText(2), QString("Ticked 3 between ticked messages"));

        // The site's own select-all box is left as it is.
        testkit::callPage(form->shell().WebBrowser1()->document(), "clickField",
                          {"hotmail", "allbox"});
        QTRY_COMPARE(ticked(*form, false).size(), boxes - first);
        QVERIFY(run(*form, InboxSubsystem::Command::Uncheck));
        QVERIFY(ticked(*form, false).isEmpty());
        form->close();
    }

    void anEditedKeywordListSurvivesARestart() {
        Workspace ws;
        {
            auto form = testkit::openMainForm(ws);
            form->findChild<QPlainTextEdit*>("TextSpam")->setPlainText("cash,prize\nlotto");
            form->close();
        }
        QCOMPARE(testkit::fileText(ws.path("spamkeys.txt")), QString("cash,prize,lotto\r\n"));
        auto again = testkit::openMainForm(ws);
        QCOMPARE(again->findChild<QPlainTextEdit*>("TextSpam")->toPlainText(),
                 QString("cash,prize,lotto\n"));
        again->close();
    }
};

QTEST_MAIN(InboxE2eTest)
#include "InboxE2eTest.moc"
