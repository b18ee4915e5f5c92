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
