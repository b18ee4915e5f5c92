// Webmails without a profile of their own, through the pages written for these tests (a
// single-page application with ARIA rows, classic pages in frames, a message in an iframe) in
// several label languages, and pages where nothing must be saved or ticked.
#include "RoundcubeKit.h"
#include "Testkit.h"

#include "store/SavedMessage.h"

using testkit::Workspace;

class GenericE2eTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testkit::StandinServer> server;

    std::unique_ptr<MainForm> open(Workspace& ws, const QString& page) {
        ws.set("welcome", "0");
        auto form = testkit::openMainForm(ws);
        const QString address =
            QString("http://webmail.localhost:%1/%2").arg(server->port()).arg(page);
        form->shell().WebBrowser1()->Navigate(address);
        if (!testkit::waitForPage(form->shell().WebBrowser1(), page.section('#', 0, 0)))
            return nullptr;
        // The page draws itself after loading: wait until it shows its text.
        QTest::qWait(300);
        return form;
    }
    static QStringList saved(const Workspace& ws) {
        return QDir(ws.path("savedmgs/Saved")).entryList(QDir::Files);
    }
    static bool spam(MainForm& form) {
        form.findChild<QPlainTextEdit*>("TextSpam")->setPlainText("viagra,casino,mortgage,");
        form.findChild<QCheckBox*>("CheckNonEnglish")->setChecked(false);
        QSignalSpy done(&form.inbox(), &InboxSubsystem::commandFinished);
        form.inbox().run(InboxSubsystem::Command::Spam);
        return done.wait(5000) || !done.isEmpty();
    }
    // The subjects of the ticked rows, as the page's rows read.
    static QStringList ticked(MainForm& form) {
        QStringList out;
        const QVariantMap page =
            testkit::callPage(form.shell().WebBrowser1()->document(), "sites.generic.inboxRows");
        for (const QVariant& v : page.value("rows").toList())
            if (v.toMap().value("checked").toBool())
                out << v.toMap().value("text").toString().section('\t', 1);
        return out;
    }

private slots:
    void initTestCase() {
        server = std::make_unique<testkit::StandinServer>(
            std::vector<std::string>{"--seed", "--fixtures", POSTLING_TEST_DATA "/fixtures"});
    }
    void cleanupTestCase() { server.reset(); }

    void saveMsgSavesTheMessageOnScreenWithItsHeaders_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("body");
        QTest::newRow("single-page application, English") << "spa.html#msg=6"
                                                          << "Carl Jones <carl@example.test>"
                                                          << "Photos from the weekend"
                                                          << "Mon, 30 Nov 2026 21:15:00"
                                                          << "Here they are.";
        QTest::newRow("single-page application, German") << "spa.html?lang=de#msg=3"
                                                         << "Bob Marsh <bob@example.test>"
                                                         << "Minutes of Monday"
                                                         << "Thu, 3 Dec 2026 17:45:00"
                                                         << "The minutes are below.";
        QTest::newRow("classic pages in frames, French") << "classic-fr-read.html"
                                                         << "Jean Dupont <jean@exemple.test>"
                                                         << "R\u00e9union jeudi"
                                                         << "Sun, 6 Dec 2026 10:15:00"
                                                         << "La r\u00e9union est \u00e0 10 h.";
        QTest::newRow("message in an iframe, Italian") << "php-it.html"
                                                       << "Luca Bianchi <luca@esempio.test>"
                                                       << "Cena di venerd\u00ec"
                                                       << "Sun, 6 Dec 2026 08:40:00"
                                                       << "Ciao, ci vediamo alle otto?";
        QTest::newRow("message in an iframe, Swedish") << "php-sv.html"
                                                       << "Sven Berg <sven@exempel.test>"
                                                       << "M\u00f6te p\u00e5 fredag"
                                                       << "Sat, 5 Dec 2026 16:20:00"
                                                       << "Hej! Ses vi klockan tio?";
    }
    void saveMsgSavesTheMessageOnScreenWithItsHeaders() {
        QFETCH(QString, page);
        QFETCH(QString, from);
        QFETCH(QString, subject);
        QFETCH(QString, date);
        QFETCH(QString, body);
        Workspace ws;
        auto form = open(ws, page);
        QVERIFY(form);
        Dialogs::clearMessages();
        form->store().saveButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(saved(ws).size(), 1, 10000);
        QVERIFY2(Dialogs::messagesShown().isEmpty(),
                 qPrintable(Dialogs::messagesShown().join("\n")));
        const auto name = postling::parseSavedFileName(saved(ws).first().toStdString());
        QVERIFY(name);
        QCOMPARE(QString::fromStdString(name->subject), subject);
        QCOMPARE(QString::fromStdString(name->date), date);
        const QString text = testkit::fileText(ws.path("savedmgs/Saved/") + saved(ws).first());
        QVERIFY2(text.contains(from.toHtmlEscaped()) && text.contains(body), qPrintable(text));
        form->close();
    }

    // Check Spam ticks the unread rows with a keyword by clicking their boxes, so the site's own
    // selection has them (rows the list has not drawn are not touched).
    void checkSpamTicksTheSpamLikeUnreadRows_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("siteSelection");
        const QStringList spa{"Your casino bonus is waiting", "Lowest mortgage rates in 10 years"};
        QTest::newRow("single-page application, English") << "spa.html" << spa << "2,5";
        QTest::newRow("single-page application, German") << "spa.html?lang=de" << spa << "2,5";
        QTest::newRow("classic pages in frames, French")
            << "classic-fr.html" << QStringList{"Votre bonus casino vous attend"} << "";
        QTest::newRow("message in an iframe, Italian")
            << "php-it.html" << QStringList{"Il tuo bonus casino ti aspetta"} << "";
        QTest::newRow("message in an iframe, Swedish")
            << "php-sv.html" << QStringList{"L\u00e4gsta mortgage-r\u00e4ntan n\u00e5gonsin"} << "";
    }
    void checkSpamTicksTheSpamLikeUnreadRows() {
        QFETCH(QString, page);
        QFETCH(QStringList, expected);
        QFETCH(QString, siteSelection);
        Workspace ws;
        auto form = open(ws, page);
        QVERIFY(form);
        QVERIFY(spam(*form));
        QCOMPARE(ticked(*form), expected);
        if (!siteSelection.isEmpty())
            QCOMPARE(testkit::runInPage(*form, 1, "app.selected.join(',')").toString(),
                     siteSelection);
        form->close();
    }

    // Where the rules find no one message or no message list, nothing is saved or ticked, and
    // the person is told what was not found.
    // Opens a compose page (of the fixtures, or any address) in the Compose tab.
    // With `withForm` false the page is the site's list: the fill opens the form itself.
    bool showCompose(MainForm& form, const QString& page, bool address = false,
                     bool withForm = true) {
        form.shell().selectTab(Shell::ComposeTab);
        QSignalSpy loaded(form.shell().WebBrowser3(), &WebBrowser::DocumentComplete);
        form.shell().WebBrowser3()->Navigate(
            address ? page
                    : QString("http://webmail.localhost:%1/%2").arg(server->port()).arg(page));
        return (loaded.wait(10000) || !loaded.isEmpty()) &&
               testkit::waitForPage(form.shell().WebBrowser3(),
                                    address ? QUrl(page).path() : page) &&
               (!withForm ||
                QTest::qWaitFor([&] { return composeFields(form).contains("to"); }, 5000));
    }
    static QVariantMap composeFields(MainForm& form) {
        return testkit::callPage(form.shell().WebBrowser3()->document(), "sites.generic.formFields",
                                 {"compose", QStringList{"to", "cc", "subject", "body"}})
            .value("fields")
            .toMap();
    }
    // An address book of three of the stand-in's users, open at start.
    static void writeBook(Workspace& ws) {
        QByteArray book = "\"First\",\"Last\",\"Email\",\"\"\r\n";
        for (const char* login : {"ann", "hans", "marie"})
            book += QString("\"%1\",\"Example\",\"%2@yahoo.localhost\",\"\"\r\n")
                        .arg(QString(login).left(1).toUpper() + QString(login).mid(1), login)
                        .toUtf8();
        testkit::writeFile(ws.path("addrbooks/m.csv"), book);
        ws.set("lastaddressbk", ws.path("addrbooks/m.csv"));
    }
    // A merge of the book's chosen rows from the compose form on show; true when it ran to its
    // end with every row sent.
    static bool merged(MainForm& form, int rows) {
        MergeDialog* dialog = testkit::openMerge(form, 1, rows);
        Dialogs::clearMessages();
        dialog->CommandStart->click();
        return QTest::qWaitFor([&] { return !dialog->CommandStart->isEnabled(); }, 10000) &&
               QTest::qWaitFor([&] { return dialog->CommandStart->isEnabled(); }, 60000) &&
               testkit::fileText(form.compose().merge().logPath()).count("\tsent\r\n") == rows;
    }
    // The messages an address has received whose subject is `subject`.
    QStringList arrived(const QString& address, const QString& subject) const {
        return server->received(address).filter(
            QRegularExpression("^" + QRegularExpression::escape(subject) + "\n"));
    }

    // A mailto link fills the form wherever the fields are (a recipient widget that takes only
    // typed tokens, a table of fields named by the cell beside them, a rich editor in a frame),
    // the page's own Send delivers it, and a copy is kept in Sent.
    void aMailtoFillsTheFormAndThePagesSendDeliversIt_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("hasCc");
        QTest::addColumn<QString>("send");
        // The single-page application shows its list: the fill opens its form by its "New
        // message" button.
        QTest::newRow("single-page application, English") << "spa.html" << true << "Send";
        QTest::newRow("single-page application, German") << "spa.html?lang=de" << true << "Senden";
        QTest::newRow("classic form in a table, French")
            << "classic-fr-compose.html" << true << "Envoyer";
        QTest::newRow("classic form in a table, Spanish")
            << "classic-es-compose.html" << true << "Enviar";
        QTest::newRow("rich editor in an iframe, English") << "rich.html" << false << "Send";
        QTest::newRow("rich editor in an iframe, Dutch")
            << "rich.html?lang=nl" << false << "Verzenden";
    }
    void aMailtoFillsTheFormAndThePagesSendDeliversIt() {
        QFETCH(QString, page);
        QFETCH(bool, hasCc);
        QFETCH(QString, send);
        Workspace ws;
        auto form = open(ws, "spa.html");
        QVERIFY(form);
        QVERIFY(showCompose(*form, page, false, !page.startsWith("spa")));
        const QString subject = "Café " + QString(QTest::currentDataTag());
        QString link =
            "ann@yahoo.localhost,hans@yahoo.localhost?subject=" + QUrl::toPercentEncoding(subject) +
            "&body=Line%201%0D%0ALine%202";
        // A field the page lacks is named, and nothing is filled.
        ws.set("mailto", link + "&cc=marie@yahoo.localhost");
        if (!hasCc) {
            QTRY_COMPARE_WITH_TIMEOUT(form->shell().panelText(2),
                                      QString("No Cc field was found on this page"), 10000);
            QCOMPARE(composeFields(*form).value("subject").toString(), QString());
            ws.set("mailto", link);
        }
        QTRY_COMPARE_WITH_TIMEOUT(composeFields(*form).value("subject").toString(), subject, 10000);
        QCOMPARE(composeFields(*form).value("to").toString().remove(' '),
                 QString("ann@yahoo.localhost,hans@yahoo.localhost"));
        testkit::runInPage(*form, 3,
                           "Array.from(document.querySelectorAll('button, input[type=submit]'))"
                           ".find(function (b) { return (b.value || b.textContent) === '" +
                               send + "'; }).click()");
        for (const QString to : {"ann", "hans", "marie"})
            QTRY_COMPARE_WITH_TIMEOUT(arrived(to + "@yahoo.localhost", subject).size(),
                                      to == "marie" && !hasCc ? 0 : 1, 10000);
        const QString text = arrived("ann@yahoo.localhost", subject).value(0);
        QVERIFY2(text.contains(QRegularExpression("Line 1(\r?\n|<br>)Line 2")), qPrintable(text));
        QTRY_COMPARE_WITH_TIMEOUT(ws.savedFiles("Sent").size(), 1, 10000);
        const QString kept =
            testkit::fileText(ws.path("savedmgs/Sent/") + ws.savedFiles("Sent")[0]);
        QVERIFY2(kept.contains("hans@yahoo.localhost") && kept.contains("Line 2"),
                 qPrintable(kept));
        form->close();
    }

    // A merge through the single-page application's form: each row once, every message typed
    // into the recipient widget; where the page has no Send or no place to say it went, the
    // merge does not start and says which.
    void aMergeDeliversEachRowOnceOrSaysWhyItCannotStart() {
        Workspace ws;
        writeBook(ws);
        auto form = open(ws, "spa.html");
        QVERIFY(form);
        const QString subject =
            "Notes for <<First>> " + QString::number(QDateTime::currentMSecsSinceEpoch());
        auto reopen = [&] {
            return showCompose(*form, "spa.html?compose=1") &&
                   !testkit::callPage(
                        form->shell().WebBrowser3()->document(), "sites.generic.setFormFields",
                        {"compose",
                         QVariantMap{{"subject", subject}, {"body", "Dear <<First>>,\nsee you."}}})
                        .contains("error");
        };
        const QStringList cuts{"#compose button", "#notice"};
        const QStringList said{"no Send button was found", "no place where the site says"};
        for (int i = 0; i < cuts.size(); ++i) {
            QVERIFY2(reopen(), qPrintable(form->shell().WebBrowser3()->LocationURL() + " " +
                                          QString::number(composeFields(*form).size())));
            testkit::runInPage(*form, 3, "document.querySelector('" + cuts[i] + "').remove()");
            MergeDialog* dialog = testkit::openMerge(*form, 1, 3);
            Dialogs::clearMessages();
            dialog->CommandStart->click();
            QTRY_VERIFY_WITH_TIMEOUT(!Dialogs::messagesShown().isEmpty(), 10000);
            QVERIFY2(Dialogs::messagesShown().first().contains(said[i]),
                     qPrintable(Dialogs::messagesShown().first()));
            QVERIFY(!QFile::exists(form->compose().merge().logPath()));
        }
        // Book rows go into the recipient widget as typed tokens, even from the Inbox tab: the
        // Compose tab keeps its page, so nothing waits for one.
        QVERIFY(reopen());
        form->shell().selectTab(Shell::InboxTab);
        testkit::selectRows(*form, 1, 2);
        form->compose().Web_InsertField(0);
        QVERIFY(!form->compose().insertionPending());
        QTRY_COMPARE_WITH_TIMEOUT(composeFields(*form).value("to").toString(),
                                  QString("ann@yahoo.localhost, hans@yahoo.localhost"), 10000);
        QCOMPARE(testkit::runInPage(*form, 3, "document.querySelectorAll('.token').length").toInt(),
                 2);
        QVERIFY(reopen());
        QVERIFY2(merged(*form, 3),
                 qPrintable(testkit::fileText(form->compose().merge().logPath())));
        for (const char* login : {"ann", "hans", "marie"}) {
            const QString first = QString(login).left(1).toUpper() + QString(login).mid(1);
            const QStringList got = arrived(QString(login) + "@yahoo.localhost",
                                            QString(subject).replace("<<First>>", first));
            QCOMPARE(got.size(), 1);
            QVERIFY2(got[0].contains("Dear " + first + ","), qPrintable(got[0]));
        }
        QVERIFY(ws.savedFiles("Sent").isEmpty());
        form->close();
    }

    // The stand-in's two sites with their own profiles switched off: the features that work
    // from the pages' meaning alone. Each row prints what it measured, and must measure what it
    // is known to reach.
    void theSitesWithProfilesReadByMeaningAlone_data() {
        QTest::addColumn<bool>("yahoo");
        QTest::addColumn<QString>("reaches");
        QTest::newRow("Yahoo Mail") << true << "save spam fill send merge";
        QTest::newRow("Hotmail") << false << "save spam fill send merge";
    }
    void theSitesWithProfilesReadByMeaningAlone() {
        QFETCH(bool, yahoo);
        QFETCH(QString, reaches);
        Workspace ws;
        writeBook(ws);
        ws.set("profiles", "0");
        ws.pointAt(*server);
        ws.set("smail", yahoo ? "0" : "1");
        const QString login = yahoo ? "ann" : "bob";
        auto form = testkit::openMainForm(ws);
        WebBrowser* inbox = form->shell().WebBrowser1();
        QVERIFY(testkit::waitForPage(inbox, yahoo ? "yahoo" : "hotmail"));
        QVERIFY(testkit::signIn(*form, login));
        QTest::qWait(1500);
        QStringList got;
        // Save Msg on an open message: its sender, subject and text.
        QVERIFY(testkit::openMessage(*server, *form, yahoo, login, "Lunch on Friday?"));
        form->store().saveButton()->click();
        if (QTest::qWaitFor([&] { return saved(ws).size() == 1; }, 5000)) {
            const QString text = testkit::fileText(ws.path("savedmgs/Saved/") + saved(ws)[0]);
            if (saved(ws)[0].contains("Lunch on Friday") &&
                text.contains("carl@hotmail.localhost") && text.contains("Thai place") &&
                !text.contains("Add to Address Book"))
                got << "save";
        }
        // Check Spam on the inbox: the unread rows with a keyword (the casino one is read).
        inbox->Navigate(yahoo ? server->yahooStart() + "ym/ShowFolder?box=Inbox"
                              : server->hotmailStart() + "cgi-bin/HoTMail");
        QVERIFY(testkit::waitForPage(inbox, yahoo ? "ShowFolder" : "HoTMail"));
        if (spam(*form)) {
            const QVariantList rows =
                testkit::callPage(inbox->document(), "sites.generic.inboxRows")
                    .value("rows")
                    .toList();
            QStringList ticked;
            for (const QVariant& r : rows)
                if (r.toMap().value("checked").toBool())
                    ticked << r.toMap().value("text").toString();
            if (ticked.filter("cheap viagra").size() == 1 &&
                ticked.filter(QRegularExpression("casino|viagra|mortgage")).size() == ticked.size())
                got << "spam";
        }
        // A mailto fill in the site's compose page, then the page's own Send.
        const QString subject = "By meaning " + QString(QTest::currentDataTag());
        if (showCompose(*form,
                        yahoo ? server->yahooStart() + "ym/Compose"
                              : server->hotmailStart() + "cgi-bin/compose",
                        true)) {
            ws.set("mailto", "hans@yahoo.localhost?subject=" + QUrl::toPercentEncoding(subject) +
                                 "&body=Line%201%0D%0ALine%202");
            if (QTest::qWaitFor([&] { return composeFields(*form).value("subject") == subject; },
                                10000) &&
                composeFields(*form).value("to") == "hans@yahoo.localhost")
                got << "fill";
            testkit::callPage(form->shell().WebBrowser3()->document(), "sites.generic.send");
            if (QTest::qWaitFor(
                    [&] { return arrived("hans@yahoo.localhost", subject).size() == 1; }, 10000) &&
                QTest::qWaitFor([&] { return ws.savedFiles("Sent").size() == 1; }, 5000))
                got << "send";
        }
        // A merge of two book rows through the same compose page.
        const QString merge = "Merged " + QString(QTest::currentDataTag());
        if (showCompose(*form,
                        yahoo ? server->yahooStart() + "ym/Compose"
                              : server->hotmailStart() + "cgi-bin/compose",
                        true) &&
            !testkit::callPage(form->shell().WebBrowser3()->document(),
                               "sites.generic.setFormFields",
                               {"compose", QVariantMap{{"subject", merge}, {"body", "Hello."}}})
                 .contains("error") &&
            merged(*form, 2) && arrived("ann@yahoo.localhost", merge).size() == 1 &&
            arrived("hans@yahoo.localhost", merge).size() == 1)
            got << "merge";
        qInfo("%s: %s", QTest::currentDataTag(), qPrintable(got.join(' ')));
        QCOMPARE(got.join(' '), reaches);
        form->close();
    }

    void pagesWithoutAMessageOrAListAreRefused_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("a list of search results") << "search-en.html";
        QTest::newRow("a settings page") << "settings-en.html";
        QTest::newRow("an empty inbox") << "empty-en.html";
        QTest::newRow("an inbox with no message open, for Save Msg") << "spa.html";
    }
    void pagesWithoutAMessageOrAListAreRefused() {
        QFETCH(QString, page);
        Workspace ws;
        auto form = open(ws, page);
        QVERIFY(form);
        const QString boxes = "Array.from(document.querySelectorAll('input[type=checkbox]'))"
                              ".map(function (c) { return c.checked; }).join(',')";
        const QString before = testkit::runInPage(*form, 1, boxes).toString();
        Dialogs::clearMessages();
        form->store().saveButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!Dialogs::messagesShown().isEmpty(), 10000);
        QVERIFY(Dialogs::messagesShown().first().startsWith("Unable to read message"));
        QCOMPARE(form->shell().panelText(2), QString("No From or Subject was found on this page"));
        QVERIFY(saved(ws).isEmpty());
        if (page != "spa.html") {
            QVERIFY(!spam(*form));
            QTRY_COMPARE(form->shell().panelText(2),
                         QString("No message list with check boxes was found on this page"));
            QCOMPARE(testkit::runInPage(*form, 1, boxes).toString(), before);
        }
        form->close();
    }
};

QTEST_MAIN(GenericE2eTest)
#include "GenericE2eTest.moc"
