// Saving the message on screen from both sites of the stand-in, in English and in another
// language, and finding it in the saved-messages tab.
#include "Dialogs.h"
#include "MainForm.h"
#include "SavedMessagesPanel.h"
#include "Testkit.h"
#include "WebBrowser.h"

#include "fs/AtomicFile.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using testkit::StandinServer;
using testkit::Workspace;

namespace {

QString readText(const QString& path) {
    return QString::fromStdString(postling::readFile(path.toStdString()).value_or("(missing)"));
}

} // namespace

class StoreE2eTest : public QObject {
    Q_OBJECT
    std::unique_ptr<StandinServer> server;

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
    void initTestCase() { server = std::make_unique<StandinServer>(); }
    void cleanupTestCase() { server.reset(); }

    void aYahooMessageIsSavedWithTheExpectedNameAndText() {
        Workspace ws;
        auto form = saveFrom(ws, true, "ann", "Lunch on Friday?");
        QVERIFY(form);
        const QString name = "Carl Jones  carl@hotmail.localhost &&Lunch on Friday&&"
                             "Fri, 1 Nov 2002 10^00^00 +0000&&ann@yahoo.localhost.htm";
        const QString path = ws.path("savedmgs/Saved/" + name);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), 20000);
        QCOMPARE(readText(path),
                 QString("<html>\r\n<body>\r\n"
                         "<div id=from><font face=arial size=2><b>From:&nbsp;</b>Carl Jones "
                         "&lt;carl@hotmail.localhost&gt;</font></div>\r\n"
                         "<div id=replyto><font face=arial size=2><b>Reply-to:&nbsp;</b>Carl Jones "
                         "&lt;carl@hotmail.localhost&gt;</font></div>\r\n"
                         "<div id=to><font face=arial size=2><b>To:&nbsp;</b>ann@yahoo.localhost"
                         "</font></div>\r\n"
                         "<div id=cc><font face=arial size=2><b>Cc:&nbsp;</b></font></div>\r\n"
                         "<div id=bcc><font face=arial size=2><b>Bcc:&nbsp;</b></font></div>\r\n"
                         "<div id=subject><font face=arial size=2><b>Subject:&nbsp;</b>Lunch on "
                         "Friday?</font></div>\r\n"
                         "<div id=date><font face=arial size=2><b>Date:&nbsp;</b>Fri, 1 Nov 2002 "
                         "10:00:00 +0000</font></div>\r\n"
                         "<div id=body><font face=arial>\r\n"
                         "Hi,<br>\n<br>\nAre we still on for lunch on Friday? The Thai place opens "
                         "at noon.<br>\n<br>\nCarl</font></div>\r\n"));
        QVERIFY(form->store().savedLabel()->isVisible());
        QCOMPARE(form->shell().panelText(2), QString("Msg Saved"));
        QVERIFY(Dialogs::messagesShown().isEmpty());

        // Listed and previewed in the saved-messages tab.
        form->shell().selectTab(Shell::SavedTab);
        QVERIFY(!form->store().savedLabel()->isVisible());
        QCOMPARE(form->store().panel()->listedFiles(), QStringList{name});
        QCOMPARE(form->store().panel()->text(0, 2), QString("Lunch on Friday"));
        QCOMPARE(form->store().panel()->text(0, 4), QString("Fri, 1 Nov 2002"));
        form->store().panel()->selectRow(0);
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser2(), "Lunch"));
        QCOMPARE(testkit::callPage(form->shell().WebBrowser2()->document(), "element", {"subject"})
                     .value("text")
                     .toString(),
                 QString("Subject:\u00a0Lunch on Friday?"));
        QVERIFY(form->store().panel()->CommandDelete->isEnabled());
        form->close();
    }

    void aGermanYahooPageIsReadWithItsLabels() {
        Workspace ws;
        auto form = saveFrom(ws, true, "hans", "Treffen am Freitag");
        QVERIFY(form);
        QTRY_COMPARE_WITH_TIMEOUT(QDir(ws.path("savedmgs/Saved")).entryList(QDir::Files).size(), 1,
                                  10000);
        QCOMPARE(form->shell().lang, 1);
        const QString name = QDir(ws.path("savedmgs/Saved")).entryList(QDir::Files).first();
        QCOMPARE(name, QString("Carl Jones  carl@hotmail.localhost &&Treffen am Freitag&&"
                               "Mon, 25 Nov 2002 11^46^40 +0000&&hans@yahoo.localhost.htm"));
        form->close();
    }

    void aHotmailMessageWithAReplyToLineIsSaved() {
        Workspace ws;
        auto form = saveFrom(ws, false, "bob", "Team roster");
        QVERIFY(form);
        const QString name = "Jon Park  jon@hotmail.localhost &&Team roster&&"
                             "Wed, 13 Nov 2002 10^53^20 +0000&&bob@hotmail.localhos....htm";
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ws.path("savedmgs/Saved/" + name)), 20000);
        const QString text = readText(ws.path("savedmgs/Saved/" + name));
        QVERIFY(text.contains("<td>Jon</td>"));
        QVERIFY(text.contains("<b>Subject:&nbsp;</b>Team roster</font>"));
        form->close();
    }

    // The recipient is cut to 20 characters and "...".
    void aSwedishHotmailPageIsReadWithItsNonBreakingSpaces() {
        Workspace ws;
        auto form = saveFrom(ws, false, "sven", "Middag p\u00e5 l\u00f6rdag");
        QVERIFY(form);
        QTRY_COMPARE_WITH_TIMEOUT(QDir(ws.path("savedmgs/Saved")).entryList(QDir::Files).size(), 1,
                                  10000);
        QCOMPARE(form->shell().lang, 7);
        QCOMPARE(QDir(ws.path("savedmgs/Saved")).entryList(QDir::Files).first(),
                 QString("Carl Jones  carl@hotmail.localhost &&Middag p\u00e5 l\u00f6rdag&&"
                         "Mon, 25 Nov 2002 11^46^40 +0000&&sven@hotmail.localho....htm"));
        form->close();
    }

    void theInboxListIsNotAMessageAndTheSentFolderIsRefused() {
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

        form->shell().WebBrowser1()->Navigate(
            server->messageAddress(true, "ann", "Car pool next week"));
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser1(), "ShowLetter"));
        form->store().folderChooser()->setCurrentText("Sent");
        Dialogs::clearMessages();
        form->store().saveButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(
            Dialogs::messagesShown(),
            QStringList{"You cannot save incoming messages to the Sent Messages Folder."}, 20000);
        QVERIFY(QDir(ws.path("savedmgs/Sent")).entryList(QDir::Files).isEmpty());
        form->close();
    }
};

QTEST_MAIN(StoreE2eTest)
#include "StoreE2eTest.moc"
