// A real Roundcube (Dovecot, Postfix) through Postling's real views: the message on screen saved
// with its own headers, the inbox tools ticking by Roundcube's own selection, and a message sent
// with Roundcube's form kept in the Sent folder. Outcomes are read from the mailboxes on disk.
#include "RoundcubeKit.h"
#include "Testkit.h"

#include "sites/MimeMessage.h"

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
    // The uids of the inbox's messages that match.
    QStringList uidsWhere(const std::function<bool(const RoundcubeServer::Delivered&)>& match) {
        QStringList out;
        for (const RoundcubeServer::Delivered& m : server->mailbox("ann"))
            if (match(m))
                out << QString::number(m.uid);
        out.sort();
        return out;
    }

    // Signed in as ann with a book of the users (Dave is one the server does not know), once
    // the compose view's page has come.
    std::unique_ptr<MainForm> signedInWithBook(Workspace& ws, const QStringList& users) {
        QByteArray book = "\"First\",\"Last\",\"Email\",\"\"\r\n";
        for (const QString& user : users)
            book += QString("\"%1\",\"Example\",\"%2@example.test\",\"\"\r\n")
                        .arg(user.left(1).toUpper() + user.mid(1), user)
                        .toUtf8();
        testkit::writeFile(ws.path("addrbooks/rc.csv"), book);
        ws.set("lastaddressbk", ws.path("addrbooks/rc.csv"));
        auto form = testkit::openRoundcube(*server, ws, "ann");
        return form && composeReady(*form) ? std::move(form) : nullptr;
    }
    static bool composeReady(MainForm& form) {
        WebBrowser* compose = form.shell().WebBrowser3();
        return QTest::qWaitFor(
            [&] { return !compose->Busy() && compose->LocationURL().contains("_id="); }, 20000);
    }
    // The merge dialog over the book's rows, the template in the form, nothing started yet.
    static MergeDialog* mergeOf(MainForm& form, int rows, int pause) {
        form.shell().selectTab(Shell::ComposeTab);
        if (!composeReady(form))
            return nullptr;
        return testkit::openMerge(form, 1, rows, pause);
    }
    static bool putTemplate(MainForm& form) {
        return !testkit::callPage(form.shell().WebBrowser3()->document(),
                                  "sites.roundcube.setFormFields",
                                  {"form", QVariantMap{{"_subject", "R\u00e9union <<First>>"},
                                                       {"_message", "Ch\u00e8re <<First>>,\n"
                                                                    "\u00e0 bient\u00f4t."}}})
                    .contains("error");
    }
    static bool runs(MergeDialog* dialog) { return !dialog->CommandStart->isEnabled(); }
    // The subjects that arrived in a user's inbox after its first `from` messages.
    QStringList subjects(const QString& user, int from) const {
        QStringList out;
        const auto box = server->mailbox(user);
        for (int i = from; i < box.size(); ++i)
            out << QString::fromStdString(
                postling::readMimeHeaders(box[i].bytes.toStdString()).subject);
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
            // The web server down as the message is asked for: said, nothing saved.
            QVERIFY(server->setWebUp(false));
            form->store().saveButton()->click();
            QTRY_COMPARE_WITH_TIMEOUT(Dialogs::messagesShown().size(), 1, 20000);
            const QString saw = Dialogs::messagesShown().first();
            QVERIFY2(saw.startsWith("The site did not send the message's text"), qPrintable(saw));
            QVERIFY(server->setWebUp(true));
            Dialogs::clearMessages();
            testkit::faultTableRow("Roundcube's web server down", "Save Msg <<", saw, 0, 0);
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
        form->store().saveButton()->click(); // the same click, once the site answers
        QTRY_COMPARE_WITH_TIMEOUT(ws.savedFiles("Saved").size(), 1, 20000);
        QVERIFY(Dialogs::messagesShown().isEmpty());
        const QString name = ws.savedFiles("Saved").first();
        const QString text = testkit::fileText(ws.path("savedmgs/Saved/") + name);

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
        QVERIFY2(text.contains(QRegularExpression(body)), qPrintable(text));

        // Listed, previewed and found like any other saved message.
        QVERIFY(testkit::previewFirstSaved(*form));
        QCOMPARE(form->store().panel()->listedFiles(), QStringList{name});
        form->close();
    }

    // Roundcube with its profile switched off, read and filled by meaning alone: what that
    // reaches is printed, and must be what it is known to reach.
    void withItsProfileOffRoundcubeIsReadByMeaningAlone() {
        Workspace ws;
        ws.set("profiles", "0");
        auto form = testkit::openRoundcube(*server, ws, "ann");
        QVERIFY(form);
        WebBrowser* inbox = form->shell().WebBrowser1();
        QStringList got;
        inbox->Navigate(server->url() + "?_task=mail&_mbox=INBOX&_uid=2&_action=show");
        QVERIFY(testkit::waitForPage(inbox, "_action=show"));
        form->store().saveButton()->click();
        if (QTest::qWaitFor([&] { return ws.savedFiles("Saved").size() == 1; }, 5000)) {
            const QString text =
                testkit::fileText(ws.path("savedmgs/Saved/") + ws.savedFiles("Saved").first());
            if (text.contains("carol@example.test") && text.contains("Lunch on Friday") &&
                text.contains("shall we try the new place"))
                got << "save";
        }
        inbox->Navigate(server->url() + "?_task=mail&_mbox=INBOX");
        QVERIFY(testkit::waitForPage(inbox, "_mbox=INBOX"));
        QTest::qWait(1500);
        // Check Spam counts if Roundcube's own selection holds what it ticked (none are found).
        form->findChild<QPlainTextEdit*>("TextSpam")->setPlainText("casino,viagra,");
        if (testkit::runInboxTool(*form, InboxSubsystem::Command::Spam) &&
            testkit::runInPage(*form, 1, "rcmail.message_list.get_selection().length").toInt() > 0)
            got << "spam";
        WebBrowser* compose = form->shell().WebBrowser3();
        form->shell().selectTab(Shell::ComposeTab);
        compose->Navigate(server->url() + "?_task=mail&_action=compose");
        auto fields = [&] {
            return testkit::callPage(compose->document(), "sites.generic.formFields",
                                     {"compose", QStringList{"to", "subject", "body"}})
                .value("fields")
                .toMap();
        };
        const QString subject = "By meaning alone";
        if (QTest::qWaitFor([&] { return fields().contains("to"); }, 20000)) {
            ws.set("mailto", "bob@example.test?subject=By%20meaning%20alone&body=Line%201");
            if (QTest::qWaitFor([&] { return fields().value("subject") == subject; }, 10000) &&
                fields().value("to").toString().contains("bob@example.test"))
                got << "fill";
            const int bobHad = server->mailbox("bob").size();
            testkit::callPage(compose->document(), "sites.generic.send");
            if (QTest::qWaitFor([&] { return subjects("bob", bobHad) == QStringList{subject}; },
                                30000) &&
                QTest::qWaitFor([&] { return ws.savedFiles("Sent").size() == 1; }, 20000))
                got << "send";
        }
        QCOMPARE(got.join(' '), QString("save fill send"));
        form->close();
    }

    // The inbox tools tick by Roundcube's own selection; Roundcube's Delete then acts on what
    // Check Spam ticked.
    void theInboxToolsTickByRoundcubesSelectionAndItsDeleteFollows() {
        Workspace ws;
        auto form = testkit::openRoundcube(*server, ws, "ann");
        QVERIFY(form);
        QVERIFY(testkit::runInboxTool(*form, InboxSubsystem::Command::Unread));
        const QStringList unread =
            uidsWhere([](const RoundcubeServer::Delivered& m) { return !m.seen; });
        QVERIFY(unread.size() >= 2);
        QCOMPARE(selection(*form), unread);
        QVERIFY(testkit::runInboxTool(*form, InboxSubsystem::Command::Uncheck));
        QCOMPARE(selection(*form), QStringList());

        // Two ticked rows: Check Group ticks the rows between them (the list is newest first).
        const QVariantList list = rows(*form);
        QVERIFY(list.size() >= 4);
        testkit::callPage(form->shell().WebBrowser1()->document(), "sites.roundcube.setChecked",
                          {QVariantList{0, 3}, true});
        QCOMPARE(selection(*form).size(), 2);
        QVERIFY(testkit::runInboxTool(*form, InboxSubsystem::Command::Group));
        QCOMPARE(selection(*form).size(), 4);
        QVERIFY(testkit::runInboxTool(*form, InboxSubsystem::Command::Uncheck));
        QCOMPARE(selection(*form), QStringList());

        // Roundcube is a third party's page: its own scripts find none of Postling's objects.
        QCOMPARE(testkit::runInPage(*form, 1,
                                    "[typeof window.postling, typeof qt, typeof QWebChannel]"
                                    ".join(' ')")
                     .toString(),
                 QString("undefined undefined undefined"));

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
        QVERIFY(testkit::runInboxTool(*form, InboxSubsystem::Command::Spam));
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

    // What fills Roundcube's compose form, in either editor, arrives as on the old sites: the
    // message is sent with Roundcube's own Send and read from the recipients' mailboxes.
    void theComposeFormIsFilledAsOnTheOldSites_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("html");
        QTest::addColumn<QString>("subject"); // as it arrives
        QTest::addColumn<QString>("cc");      // a Cc the message carries, or empty
        QTest::addColumn<QString>("body");    // what the message's text holds (a pattern)
        QTest::newRow("two addresses from the book, then a Cc")
            << "book" << false << "From the book"
            << "ann@example.test"
            << "Sent to the book";
        QTest::newRow("a reply, plain editor") << "reply" << false << "RE: Plans"
                                               << ""
                                               << "\n>\\s?Hello Ann, the plans are ready";
        QTest::newRow("a reply, HTML editor") << "reply" << true << "RE: Plans"
                                              << ""
                                              << "(>|&gt;)\\s?Hello Ann, the plans are ready";
        QTest::newRow("a mailto link with Cc and a UTF-8 subject")
            << "mailto" << false << "Caf\u00e9 cr\u00e8me"
            << "ann@example.test"
            << "Line 2";
        QTest::newRow("a template, HTML editor, captured back")
            << "template" << true << "Meeting next week"
            << ""
            << "Dear (<<|&lt;&lt;)First";
        QTest::newRow("typed on a compose page in the Inbox tab")
            << "typed" << false << "Minutes of Monday"
            << ""
            << "Line <two>";
    }
    void theComposeFormIsFilledAsOnTheOldSites() {
        QFETCH(QString, how);
        QFETCH(bool, html);
        QFETCH(QString, subject);
        QFETCH(QString, cc);
        QFETCH(QString, body);
        Workspace ws;
        auto form = signedInWithBook(ws, {"bob", "carol"});
        QVERIFY(form);
        WebBrowser* compose = form->shell().WebBrowser3();
        auto fields = [&] {
            return testkit::callPage(compose->document(), "sites.roundcube.formFields",
                                     {"form", QStringList{"_to", "_cc", "_subject", "_message"}})
                .value("fields")
                .toMap();
        };
        auto ready = [&] { // the compose page has come (after its redirect) and its form
            return !compose->Busy() && compose->LocationURL().contains("_id=") &&
                   !fields().isEmpty();
        };
        form->shell().selectTab(Shell::ComposeTab);
        QTRY_VERIFY_WITH_TIMEOUT(ready(), 20000);
        if (html) { // as a person picks the HTML editor, which then loads
            testkit::runInPage(*form, 3, "$('#editor-selector').val('html').change()");
            QTRY_VERIFY_WITH_TIMEOUT(
                testkit::runInPage(*form, 3, "$('[name=_is_html]').val() == '1'").toBool() &&
                    !fields().isEmpty(),
                20000);
        }
        const int bobHad = server->mailbox("bob").size();

        if (how == "book") {
            testkit::selectRows(*form, 1, 2);
            form->compose().Web_InsertField(0);
            QTRY_COMPARE_WITH_TIMEOUT(fields().value("_to").toString(),
                                      QString("bob@example.test,carol@example.test"), 10000);
            // The widget shows both, and a second insertion adds nothing.
            QCOMPARE(testkit::runInPage(*form, 3, "$('#compose_to li.recipient').length").toInt(),
                     2);
            form->compose().Web_InsertField(0);
            QTest::qWait(500);
            QCOMPARE(fields().value("_to").toString(),
                     QString("bob@example.test,carol@example.test"));
            testkit::callPage(compose->document(), "sites.roundcube.setFormFields",
                              {"form", QVariantMap{{"_cc", "ann@example.test"},
                                                   {"_subject", subject},
                                                   {"_message", body}}});
        } else if (how == "reply") {
            form->store().folderChooser()->setCurrentText("Saved");
            form->store().SaveMessage(testkit::message(
                "Bob Baker <bob@example.test>", "Plans", "Tue, 3 Mar 2026 10:15:00 +0000",
                "ann@example.test", "Hello Ann, the plans are ready for you to see."));
            QVERIFY(testkit::previewFirstSaved(*form));
            form->store().panel()->CommandReplyText->click();
            QTRY_COMPARE_WITH_TIMEOUT(fields().value("_subject").toString(), subject, 20000);
            QCOMPARE(fields().value("_to").toString(), QString("Bob Baker <bob@example.test>"));
        } else if (how == "mailto") {
            // It comes while the Compose tab shows the list Roundcube goes to after a send.
            compose->Navigate(server->url() + "?_task=mail&_mbox=INBOX");
            QVERIFY(testkit::waitForPage(compose, "_mbox=INBOX"));
            ws.set("mailto", "bob@example.test?cc=ann@example.test&subject=Caf%C3%A9%20cr%C3%A8me"
                             "&body=Line%201%0D%0ALine%202");
            QTRY_COMPARE_WITH_TIMEOUT(fields().value("_subject").toString(), subject, 20000);
            QCOMPARE(fields().value("_cc").toString(), cc);
        } else if (how == "typed") { // as a person fills it: the recipient widget takes the address
            form->shell().selectTab(Shell::InboxTab);
            form->shell().WebBrowser1()->Navigate(server->url() + "?_task=mail&_action=compose");
            QVERIFY(testkit::waitForPage(form->shell().WebBrowser1(), "_action=compose"));
            QTRY_VERIFY_WITH_TIMEOUT(
                testkit::runInPage(*form, 1, "!!(window.rcmail && rcmail.env.compose_id)").toBool(),
                10000);
            testkit::runInPage(*form, 1,
                               "$('#_to').val('Bob Baker <bob@example.test>').change();"
                               "$('#compose-subject').val('Minutes of Monday');"
                               "$('#composebody').val('Line one\\nLine <two>');");
        } else {
            form->findChild<QComboBox*>("ComboTemplate")->setCurrentText("example.txt");
            form->findChild<QPushButton*>("Command4")->click();
            QTRY_COMPARE_WITH_TIMEOUT(fields().value("_subject").toString(), subject, 20000);
            QVERIFY(fields().value("_message").toString().contains("Can we meet next week"));
            // "Capture from Form <<" reads the HTML editor back, merge fields intact.
            const QVariantMap set =
                testkit::callPage(compose->document(), "sites.roundcube.setFormFields",
                                  {"form", QVariantMap{{"_to", "bob@example.test"},
                                                       {"_subject", "Notes for <<First>>"},
                                                       {"_message", "Dear <<First>>,\nsee you."}}});
            QVERIFY2(!set.contains("error"), qPrintable(set.value("error").toString()));
            QCOMPARE(testkit::captureTemplate(*form, "Notes for <<First>>"),
                     QString("Dear <<First>>,\nsee you."));
            testkit::callPage(compose->document(), "sites.roundcube.setFormFields",
                              {"form", QVariantMap{{"_subject", subject}}});
        }
        const int view = how == "typed" ? 1 : 3; // the Inbox tab's, or the Compose tab's
        QSignalSpy said(view == 1 ? form->shell().WebBrowser1() : compose,
                        &WebBrowser::SiteMessage);
        QCOMPARE(bool(html), testkit::runInPage(*form, view,
                                                "rcmail.env.is_html ||"
                                                " $('[name=_is_html]').val() == '1'")
                                 .toBool());
        testkit::runInPage(*form, view, "rcmail.command('send', '')");
        QTRY_VERIFY_WITH_TIMEOUT(server->mailbox("bob").size() == bobHad + 1, 30000);
        const QByteArray arrived = server->mailbox("bob").last().bytes;
        const postling::MimeHeaders h = postling::readMimeHeaders(arrived.toStdString());
        QCOMPARE(QString::fromStdString(h.subject), subject);
        if (!cc.isEmpty())
            QVERIFY2(QString::fromStdString(h.cc).contains(cc), h.cc.c_str());
        const QString text = QString::fromUtf8(QByteArray(arrived).replace("=\r\n", ""));
        QVERIFY2(text.contains(QRegularExpression(body)), qPrintable(text));
        if (how == "book")
            QTRY_VERIFY_WITH_TIMEOUT(
                !server->mailbox("carol").isEmpty() &&
                    server->mailbox("carol").last().bytes.contains("From the book"),
                10000);
        QTRY_VERIFY_WITH_TIMEOUT(!said.isEmpty(), 5000); // Roundcube said so on its page
        QCOMPARE(said.first().at(0).toString(), QString("confirmation"));
        // Kept in the Sent folder, the page's texts as text.
        QTRY_COMPARE_WITH_TIMEOUT(ws.savedFiles("Sent").size(), 1, 10000);
        const QString name = ws.savedFiles("Sent").first();
        const QString kept = testkit::fileText(ws.path("savedmgs/Sent/") + name);
        if (how == "typed")
            QVERIFY2(name.contains("&&Minutes of Monday&&") &&
                         kept.contains("Bob Baker &lt;bob@example.test&gt;") &&
                         kept.contains("Line &lt;two&gt;") &&
                         !kept.contains("&lt;bob@example.test&gt;,"),
                     qPrintable(name + "\n" + kept));
        form->close();
    }

    // A merge of three rows, one of which the SMTP server refuses: the others arrive once each,
    // merged, accents intact; the refused row is logged with the server's reason, the run goes
    // on, and a resumed run tries just that row again.
    void aMergeSendsEachRowOnceAndLogsWhatTheServerRefused() {
        Workspace ws;
        auto form = signedInWithBook(ws, {"bob", "carol", "dave"});
        QVERIFY(form);
        WebBrowser* compose = form->shell().WebBrowser3();
        const int bobHad = server->mailbox("bob").size();
        const int carolHad = server->mailbox("carol").size();
        MergeDialog* dialog = mergeOf(*form, 3, 0);
        QVERIFY(dialog);
        // An empty message is refused before anything is sent.
        Dialogs::clearMessages();
        dialog->CommandStart->click();
        QTRY_VERIFY_WITH_TIMEOUT(!Dialogs::messagesShown().isEmpty(), 10000);
        QVERIFY(Dialogs::messagesShown().first().startsWith("The message has no text."));
        QVERIFY(!QFile::exists(form->compose().merge().logPath()));

        QVERIFY(putTemplate(*form));
        Dialogs::clearMessages();
        dialog->CommandStart->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->CommandStart->isEnabled(), 10000);
        QTRY_VERIFY2_WITH_TIMEOUT(dialog->CommandStart->isEnabled(),
                                  qPrintable(dialog->LabelStatus->text() + "\n" +
                                             compose->LocationURL() + "\n" +
                                             testkit::fileText(form->compose().merge().logPath())),
                                  90000);

        QCOMPARE(subjects("bob", bobHad), QStringList{"R\u00e9union Bob"});
        QCOMPARE(subjects("carol", carolHad), QStringList{"R\u00e9union Carol"});
        const QString log = testkit::fileText(form->compose().merge().logPath());
        QCOMPARE(log.count("\tsent\r\n"), 2);
        QVERIFY2(log.contains(QRegularExpression("dave@example.test\t[^\t]*\tfailed\t[^\r]*550")),
                 qPrintable(log));
        QVERIFY2(!log.trimmed().endsWith("finished"), "the refused row is still to send");
        QVERIFY2(Dialogs::messagesShown().join("\n").contains("row 3, dave@example.test"),
                 qPrintable(Dialogs::messagesShown().join("\n")));
        QVERIFY(ws.savedFiles("Sent").isEmpty());

        // Started again, the sent rows are skipped: only the refused one is tried.
        Dialogs::clearMessages();
        dialog->CommandStart->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->CommandStart->isEnabled(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->CommandStart->isEnabled(), 60000);
        QVERIFY2(Dialogs::messagesShown().value(0).contains(
                     "Row 3 (dave@example.test) was refused: SMTP Error (550)"),
                 qPrintable(Dialogs::messagesShown().value(0)));
        QCOMPARE(subjects("bob", bobHad).size(), 1);
        QCOMPARE(subjects("carol", carolHad).size(), 1);
        const QString again = testkit::fileText(form->compose().merge().logPath());
        QCOMPARE(again.count("bob@example.test\tR\u00e9union Bob\tsubmitting"), 1);
        QCOMPARE(again.count("carol@example.test\tR\u00e9union Carol\tsubmitting"), 1);
        QCOMPARE(again.count("dave@example.test\tR\u00e9union Dave\tsubmitting"), 2);
        form->close();
    }

    // A run cut short after its first message, by Postling's end, the session's or the web
    // server's: the person is told why, and the resumed run delivers every row exactly once.
    void aMergeCutShortIsResumedWithEveryRowDeliveredOnce_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("told"); // what the run says when it stops, if it can
        QTest::newRow("Postling killed while a message is with the site") << "kill"
                                                                          << "";
        QTest::newRow("signed out mid-run")
            << "expire"
            << "The site showed another page instead of its compose form";
        QTest::newRow("web server down mid-run") << "down"
                                                 << "The site could not be reached.";
        // Roundcube refuses each message itself: those rows are failed and the run goes on.
        QTest::newRow("SMTP server down mid-run") << "smtp"
                                                  << "Row 2 (carol@example.test) was refused: "
                                                     "SMTP Error";
    }
    void aMergeCutShortIsResumedWithEveryRowDeliveredOnce() {
        QFETCH(QString, fault);
        QFETCH(QString, told);
        const QStringList users{"bob", "carol", "ann"};
        QMap<QString, int> had;
        for (const QString& user : users)
            had[user] = server->mailbox(user).size();
        Workspace ws;
        auto form = signedInWithBook(ws, users);
        QVERIFY(form);
        MergeDialog* dialog = mergeOf(*form, 3, 3);
        QVERIFY(dialog && putTemplate(*form));
        const QString logPath = form->compose().merge().logPath();
        Dialogs::clearMessages();
        dialog->CommandStart->click();
        QTRY_VERIFY_WITH_TIMEOUT(testkit::fileText(logPath).count("\tsent\r\n") == 1, 60000);

        if (fault == "kill") {
            // The second message reaches the site; Postling vanishes without any shutdown,
            // before it can log the message as sent, or just after.
            QTRY_VERIFY_WITH_TIMEOUT(testkit::fileText(logPath).count("\tsubmitting") == 2, 30000);
            QTRY_VERIFY_WITH_TIMEOUT(server->mailbox("carol").size() > had["carol"], 30000);
            form.reset();
            form = signedInWithBook(ws, users);
            QVERIFY(form);
            dialog = mergeOf(*form, 3, 0);
            QVERIFY(dialog && putTemplate(*form));
        } else if (fault == "smtp") {
            QVERIFY(server->setSmtpUp(false));
            QTRY_VERIFY2_WITH_TIMEOUT(!runs(dialog), qPrintable(testkit::fileText(logPath)), 90000);
            QCOMPARE(testkit::fileText(logPath).count("\tfailed\t"), 2);
            QVERIFY(server->setSmtpUp(true));
        } else {
            QVERIFY(fault == "expire" ? server->expireSessions() : server->setWebUp(false));
            QTRY_VERIFY_WITH_TIMEOUT(Dialogs::messagesShown().size() == 2, 60000);
            QVERIFY2(Dialogs::messagesShown()[1].startsWith(told),
                     qPrintable(Dialogs::messagesShown()[1]));
            QVERIFY(runs(dialog));
            QVERIFY(fault == "expire" ? testkit::signIn(*form, *server, "ann")
                                      : server->setWebUp(true));
            dialog->CommandStop->click(); // a fresh compose page, the template back in it
            QTRY_VERIFY_WITH_TIMEOUT(!runs(dialog), 30000);
        }
        Dialogs::clearMessages();
        dialog->CommandStart->click(); // offered to resume: Yes
        QTRY_VERIFY_WITH_TIMEOUT(runs(dialog), 10000);
        QTRY_VERIFY2_WITH_TIMEOUT(!runs(dialog), qPrintable(testkit::fileText(logPath)), 90000);
        QVERIFY2(Dialogs::messagesShown().value(0).contains("did not finish") &&
                     Dialogs::messagesShown().value(0).contains(fault == "smtp" ? told : ""),
                 qPrintable(Dialogs::messagesShown().join("\n")));
        int lost = 0, twice = 0;
        for (const QString& user : users) {
            lost += subjects(user, had[user]).isEmpty();
            twice += subjects(user, had[user]).size() > 1;
        }
        testkit::faultTableRow(QTest::currentDataTag(), "Mail Merge on Roundcube, 3 rows",
                               told.isEmpty() ? "(nothing: Postling was gone)" : told, lost, twice);
        for (const QString& user : users) {
            const QString name = user.left(1).toUpper() + user.mid(1);
            QCOMPARE(subjects(user, had[user]), QStringList{"R\u00e9union " + name});
        }
        form->close();
    }
};

QTEST_MAIN(RoundcubeE2eTest)
#include "RoundcubeE2eTest.moc"
