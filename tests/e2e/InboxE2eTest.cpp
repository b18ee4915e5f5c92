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

private slots:
    // Check Spam, Check Unread, Check Group and Uncheck All, one after another on either site.
    void theInboxToolsTickTheirRows_data() { bothSites(); }
    void theInboxToolsTickTheirRows() {
        QFETCH(bool, yahoo);
        using Command = InboxSubsystem::Command;
        Workspace ws;
        auto form = inbox(ws, yahoo);
        QVERIFY(form);
        const auto run = [&](Command command) {
            return testkit::runInboxTool(*form, command);
        };
        form->findChild<QPlainTextEdit*>("TextSpam")->setPlainText("viagra,casino,mortgage,");
        const QStringList expected = {"M\u00f6te p\u00e5 fredag, sm\u00f6rg\u00e5sbord",
                                      "Gr\u00fc\u00dfe aus K\u00f6ln und M\u00fcnchen",
                                      "R\u00e9union \u00e0 Gen\u00e8ve: caf\u00e9 cr\u00e8me",
                                      "cheap viagra and vitamins",
                                      "Lowest mortgage rates in 10 years"};
        QVERIFY(run(Command::Spam));
        QCOMPARE(ticked(*form, yahoo), expected);
        QCOMPARE(form->shell().panelText(2), QString("Ticked 5: 2 by keyword, 3 non-English"));
        QCOMPARE(
            tooltips(*form, yahoo),
            (QStringList{"Check Spam: 6 non-English letters", "Check Spam: 6 non-English letters",
                         "Check Spam: 7 non-English letters", "Check Spam: keyword 'viagra'",
                         "Check Spam: keyword 'mortgage'"}));
        QVERIFY(run(Command::Spam)); // twice changes nothing
        QCOMPARE(ticked(*form, yahoo), expected);

        // The read casino mail too.
        form->findChild<QCheckBox*>("CheckSpamUnread")->setChecked(false);
        form->findChild<QCheckBox*>("CheckNonEnglish")->setChecked(false);
        QVERIFY(run(Command::Uncheck));
        QVERIFY(ticked(*form, yahoo).isEmpty());
        QVERIFY(tooltips(*form, yahoo).isEmpty());
        QVERIFY(run(Command::Spam));
        QCOMPARE(ticked(*form, yahoo),
                 (QStringList{"Your casino bonus is waiting", "cheap viagra and vitamins",
                              "Lowest mortgage rates in 10 years"}));
        QVERIFY(run(Command::Uncheck));

        // Check Unread: the first five unread rows, then every one.
        form->findChild<QComboBox*>("ComboUnread")->setCurrentIndex(1);
        QVERIFY(run(Command::Unread));
        QCOMPARE(tooltips(*form, yahoo), QStringList(5, "Check Unread: unread"));
        QCOMPARE(ticked(*form, yahoo),
                 (QStringList{"Birthday party for Sam", "Newsletter: December issue",
                              "R\u00e9sum\u00e9 for the na\u00efve fa\u00e7ade",
                              "R\u00e9union \u00e0 Gen\u00e8ve: caf\u00e9 cr\u00e8me",
                              "Meet someone special tonight"}));
        form->findChild<QComboBox*>("ComboUnread")->setCurrentIndex(0);
        QVERIFY(run(Command::Unread));
        int unread = 0, first = -1; // the first message box: Hotmail's hidden fields come first
        const QVariantList all = rows(*form, yahoo);
        for (int i = 0; i < all.size(); ++i) {
            const QVariantMap r = all[i].toMap();
            unread += yahoo ? r.value("className").toString().contains("new")
                            : r.value("newmail").toBool();
            if (first < 0 && r.value("checkbox").toBool())
                first = i;
        }
        QCOMPARE(ticked(*form, yahoo).size(), unread);
        QVERIFY(run(Command::Uncheck));

        // Two ticked rows: a press on the window's bare background runs Check Group.
        testkit::callPage(form->shell().WebBrowser1()->document(),
                          QString("sites.%1.setChecked").arg(yahoo ? "yahoo" : "hotmail"),
                          {QVariantList{first + 1, first + 5}, true});
        QWidget* strip = form->findChild<QWidget*>("MessageTools");
        QPoint bare(strip->width() - 2, strip->height() / 2);
        while (strip->childAt(bare) && bare.x() > 0)
            bare.rx() -= 4;
        QVERIFY(!strip->childAt(bare));
        QSignalSpy done(&form->inbox(), &InboxSubsystem::commandFinished);
        QTest::mousePress(strip, Qt::LeftButton, {}, bare);
        QVERIFY(done.wait(20000));
        QCOMPARE(ticked(*form, yahoo).size(), 5);
        QCOMPARE(form->shell().panelText(2), QString("Ticked 3 between ticked messages"));
        if (!yahoo) { // Hotmail's own select-all box is left as it is
            testkit::callPage(form->shell().WebBrowser1()->document(), "clickField",
                              {"hotmail", "allbox"});
            QTRY_COMPARE(ticked(*form, yahoo).size(), all.size() - first);
        }
        QVERIFY(run(Command::Uncheck));
        QVERIFY(ticked(*form, yahoo).isEmpty());
        form->close();
        QCOMPARE(ws.get("unreadnum"), QString("0"));
    }
};

QTEST_MAIN(InboxE2eTest)
#include "InboxE2eTest.moc"
