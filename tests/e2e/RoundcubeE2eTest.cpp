// A real Roundcube (Dovecot, Postfix) through Postling's real views: the message on screen saved
// with its own headers, the inbox tools ticking by Roundcube's own selection, and a message sent
// with Roundcube's form kept in the Sent folder. Outcomes are read from the mailboxes on disk.
#include "RoundcubeKit.h"
#include "Testkit.h"

using testkit::RoundcubeServer;
using testkit::Workspace;

class RoundcubeE2eTest : public QObject {
    Q_OBJECT
    std::unique_ptr<RoundcubeServer> server;

    static QVariantList rows(MainForm& form) {
        return testkit::callPage(form.shell().WebBrowser1()->document(),
                                 "sites.roundcube.inboxRows")
            .value("rows")
            .toList();
    }
    // Roundcube's own selection in its list: the uids, sorted.
    static QStringList selection(MainForm& form) {
        QStringList uids = testkit::runInPage(form, 1,
                                              "rcmail.message_list.get_selection()"
                                              ".map(String)")
                               .toStringList();
        uids.sort();
        return uids;
    }
    static bool run(MainForm& form, InboxSubsystem::Command command) {
        QSignalSpy done(&form.inbox(), &InboxSubsystem::commandFinished);
        form.inbox().run(command);
        return done.wait(20000) || done.count() > 0;
    }
    // The uids of the inbox's messages that match.
    QStringList uidsWhere(const std::function<bool(const RoundcubeServer::Delivered&)>& match) {
        QStringList out;
        for (const RoundcubeServer::Delivered& m : server->mailbox("ann"))
            if (match(m))
                out << QString::number(m.uid);
        out.sort();
        return out;
    }

private slots:
    void initTestCase() {
        server = std::make_unique<RoundcubeServer>();
        QVERIFY2(server->ok(), "the Roundcube kit did not start");
    }
    void cleanupTestCase() { server.reset(); }

    void theOpenMessageIsSavedWithItsOwnHeaders_data() {
        QTest::addColumn<int>("uid");
        QTest::addColumn<bool>("fullView");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("cc");
        QTest::addColumn<QString>("body"); // a piece of the body as displayed
        QTest::newRow("plain, with Cc, in the full view")
            << 2 << true << "Carol Clark <carol@example.test>"
            << "Lunch on Friday?"
            << "Bob Baker <bob@example.test>"
            << "shall we try the new place";
        QTest::newRow("HTML with accents, in the preview pane")
            << 4 << false << "Office Team <office@example.test>"
            << "R\u00e9union d'\u00e9quipe \u00e0 10 h" << QString()
            << "cr\u00e8me br\u00fbl\u00e9e";
    }
    void theOpenMessageIsSavedWithItsOwnHeaders() {
        QFETCH(int, uid);
        QFETCH(bool, fullView);
        QFETCH(QString, from);
        QFETCH(QString, subject);
        QFETCH(QString, cc);
        QFETCH(QString, body);
        Workspace ws;
        auto form = testkit::openRoundcube(*server, ws, "ann");
        QVERIFY(form);
        Dialogs::clearMessages();
        form->store().saveButton()->click(); // only the list is on show
        QTRY_COMPARE_WITH_TIMEOUT(Dialogs::messagesShown(),
                                  QStringList{"Unable to read message. Are you sure a message "
                                              "is displayed?"},
                                  10000);
        Dialogs::clearMessages();

        WebBrowser* inbox = form->shell().WebBrowser1();
        if (fullView) {
            inbox->Navigate(server->url() +
                            QString("?_task=mail&_mbox=INBOX&_uid=%1&_action=show").arg(uid));
            QVERIFY(testkit::waitForPage(inbox, "_action=show"));
        } else {
            testkit::runInPage(*form, 1, QString("rcmail.message_list.select(%1)").arg(uid));
            QTRY_VERIFY_WITH_TIMEOUT(
                !testkit::callPage(inbox->document(), "element", {"messagecontframe"})
                        .contains("error") &&
                    testkit::runInPage(*form, 1,
                                       "document.getElementById('messagecontframe')"
                                       ".contentDocument.getElementById('messagebody') !== null")
                        .toBool(),
                20000);
        }
        form->store().saveButton()->click();
        const QString folder = ws.path("savedmgs/Saved/");
        QTRY_VERIFY_WITH_TIMEOUT(QDir(folder).entryList(QDir::Files).size() == 1, 20000);
        QVERIFY(Dialogs::messagesShown().isEmpty());
        const QString name = QDir(folder).entryList(QDir::Files).first();
        const QString text = testkit::fileText(folder + name);

        // The headers are the delivered message's own.
        QByteArray delivered;
        for (const RoundcubeServer::Delivered& m : server->mailbox("ann"))
            if (m.uid == uid)
                delivered = m.bytes;
        const QString date = RoundcubeServer::header(delivered, "Date");
        QVERIFY(!date.isEmpty());
        // A file name holds no "?".
        QVERIFY2(name.contains("&&" + QString(subject).remove('?') + "&&" +
                               QString(date).replace(':', '^') + "&&"),
                 qPrintable(name));
        for (const QString& value : {from, subject, date, QString("Ann Archer <ann@example.test>")})
            QVERIFY2(text.contains(value.toHtmlEscaped().replace("'", "&#39;")) ||
                         text.contains(value.toHtmlEscaped()),
                     qPrintable(value + "\n" + text));
        if (!cc.isEmpty())
            QVERIFY2(text.contains(cc.toHtmlEscaped()), qPrintable(text));
        QVERIFY2(text.contains(body), qPrintable(text));

        // Listed, previewed and found like any other saved message.
        form->shell().selectTab(Shell::SavedTab);
        QCOMPARE(form->store().panel()->listedFiles(), QStringList{name});
        form->store().panel()->selectRow(0);
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser2(), "Saved/"));
        form->close();
    }

    // Check Spam, then Roundcube's own Delete acts on what was ticked.
    void checkSpamTicksByRoundcubesSelectionAndItsDeleteFollows() {
        Workspace ws;
        auto form = testkit::openRoundcube(*server, ws, "ann");
        QVERIFY(form);
        form->findChild<QPlainTextEdit*>("TextSpam")->setPlainText("cruise,quarterly,");
        form->findChild<QCheckBox*>("CheckNonEnglish")->setChecked(false);
        form->findChild<QCheckBox*>("CheckSpamUnread")->setChecked(true);
        // The rule, on the server's own data: unread, and a keyword in its sender or subject.
        const QStringList expected = uidsWhere([](const RoundcubeServer::Delivered& m) {
            const QString words = (RoundcubeServer::header(m.bytes, "Subject") + " " +
                                   RoundcubeServer::header(m.bytes, "From"))
                                      .toLower();
            return !m.seen && (words.contains("cruise") || words.contains("quarterly"));
        });
        QCOMPARE(expected, QStringList{"6"}); // the read "Quarterly report" ones stay
        QVERIFY(run(*form, InboxSubsystem::Command::Spam));
        QCOMPARE(selection(*form), expected);
        QCOMPARE(form->shell().panelText(2), QString("Ticked 1: 1 by keyword, 0 non-English"));
        QStringList titles;
        for (const QVariant& row : rows(*form))
            if (row.toMap().value("checked").toBool())
                titles << row.toMap().value("title").toString();
        QCOMPARE(titles, QStringList{"Check Spam: keyword 'cruise'"});

        testkit::runInPage(*form, 1, "rcmail.command('delete', '', null)");
        auto subjects = [this](const QString& folder) {
            QStringList out;
            for (const auto& m : server->mailbox("ann", folder))
                out << RoundcubeServer::header(m.bytes, "Subject");
            return out;
        };
        QTRY_VERIFY_WITH_TIMEOUT(subjects("Trash").contains("You have WON a free cruise"), 20000);
        QVERIFY(!subjects("INBOX").contains("You have WON a free cruise"));
        form->close();
    }

    void checkUnreadGroupAndUncheckAllFollowTheRules() {
        Workspace ws;
        auto form = testkit::openRoundcube(*server, ws, "ann");
        QVERIFY(form);
        QVERIFY(run(*form, InboxSubsystem::Command::Unread));
        const QStringList unread =
            uidsWhere([](const RoundcubeServer::Delivered& m) { return !m.seen; });
        QVERIFY(unread.size() >= 2);
        QCOMPARE(selection(*form), unread);
        QVERIFY(run(*form, InboxSubsystem::Command::Uncheck));
        QCOMPARE(selection(*form), QStringList());

        // Two ticked rows: Check Group ticks the rows between them (the list is newest first).
        const QVariantList list = rows(*form);
        QVERIFY(list.size() >= 4);
        testkit::callPage(form->shell().WebBrowser1()->document(), "sites.roundcube.setChecked",
                          {QVariantList{0, 3}, true});
        QCOMPARE(selection(*form).size(), 2);
        QVERIFY(run(*form, InboxSubsystem::Command::Group));
        QCOMPARE(selection(*form).size(), 4);
        QVERIFY(run(*form, InboxSubsystem::Command::Uncheck));
        QCOMPARE(selection(*form), QStringList());

        // Roundcube is a third party's page: its own scripts find none of Postling's objects.
        QCOMPARE(testkit::runInPage(*form, 1,
                                    "[typeof window.postling, typeof qt, typeof QWebChannel]"
                                    ".join(' ')")
                     .toString(),
                 QString("undefined undefined undefined"));
        form->close();
    }

    // Sent with Roundcube's own form: in the recipient's mailbox and in Postling's Sent folder.
    void aMessageSentWithRoundcubesFormIsKeptInTheSentFolder() {
        Workspace ws;
        auto form = testkit::openRoundcube(*server, ws, "ann");
        QVERIFY(form);
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser3(), "_action=compose"));
        form->shell().selectTab(Shell::InboxTab);
        WebBrowser* inbox = form->shell().WebBrowser1();
        inbox->Navigate(server->url() + "?_task=mail&_action=compose");
        QVERIFY(testkit::waitForPage(inbox, "_action=compose"));
        const int before = server->mailbox("bob").size();
        // As a person fills it: the recipient widget takes the address, then Send.
        QTRY_VERIFY_WITH_TIMEOUT(
            testkit::runInPage(*form, 1, "!!(window.rcmail && rcmail.env.compose_id)").toBool(),
            10000);
        testkit::runInPage(*form, 1,
                           "$('#_to').val('Bob Baker <bob@example.test>').change();"
                           "$('#compose-subject').val('Minutes of Monday');"
                           "$('#composebody').val('Line one\\nLine <two>');"
                           "rcmail.command('send', '')");
        QTRY_VERIFY_WITH_TIMEOUT(server->mailbox("bob").size() == before + 1, 30000);
        const QByteArray arrived = server->mailbox("bob").last().bytes;
        QCOMPARE(RoundcubeServer::header(arrived, "Subject"), QString("Minutes of Monday"));

        const QString sent = ws.path("savedmgs/Sent/");
        QTRY_VERIFY_WITH_TIMEOUT(QDir(sent).entryList(QDir::Files).size() == 1, 10000);
        const QString name = QDir(sent).entryList(QDir::Files).first();
        QVERIFY2(name.contains("&&Minutes of Monday&&"), qPrintable(name));
        const QString text = testkit::fileText(sent + name);
        QVERIFY2(text.contains("Bob Baker &lt;bob@example.test&gt;") &&
                     text.contains("Line &lt;two&gt;") &&
                     !text.contains("&lt;bob@example.test&gt;,"),
                 qPrintable(text));
        form->close();
    }
};

QTEST_MAIN(RoundcubeE2eTest)
#include "RoundcubeE2eTest.moc"
