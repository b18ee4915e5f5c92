// Compose assistance against the stand-in: addresses into the compose form, answers from
// saved messages, the Save Sent Messages box, and mailto links.
#include "AddressModel.h"
#include "FolderDropList.h"
#include "Testkit.h"

#include "compose/Mailto.h"

using testkit::Workspace;

class ComposeE2eTest : public testkit::StandinTestCase {
    Q_OBJECT

    std::unique_ptr<MainForm> signedIn(Workspace& ws, bool yahoo, const QStringList& args = {}) {
        return testkit::openSignedInWithCompose(*server, ws, yahoo, args);
    }
    static QVariantMap fields(MainForm& form, bool yahoo) {
        return testkit::composeForm(form.shell().WebBrowser3(), yahoo);
    }
    static QString field(MainForm& form, bool yahoo, const QString& name) {
        return fields(form, yahoo).value(name).toString();
    }
    // A saved message in the Saved folder, from an address of the other site.
    static void saveIncoming(MainForm& form, const QString& subject) {
        form.store().folderChooser()->setCurrentText("Saved");
        form.store().SaveMessage(testkit::message(
            "Bob Marsh <bob@hotmail.localhost>", subject.toStdString(),
            "Tue, 3 Dec 2002 10:15:00 +0000", "ann@yahoo.localhost",
            "Hello Ann, this line is long enough that it will have to be wrapped when quoted."));
    }
    static void showSaved(MainForm& form) {
        form.shell().selectTab(Shell::SavedTab);
        form.store().panel()->selectRow(0);
        QVERIFY(testkit::waitForPage(form.shell().WebBrowser2(), "Saved/"));
    }

private slots:
    void gridRowsGoIntoToCcAndBccTopToBottom() {
        Workspace ws;
        auto form = signedIn(ws, true);
        QVERIFY(form);
        QVERIFY(testkit::openComposeTab(*form));
        testkit::selectRows(*form, 3, 1); // dragged upwards
        form->compose().Web_InsertField(0);
        QTRY_COMPARE(field(*form, true, "To"),
                     QString("ann@yahoo.localhost,bob@hotmail.localhost,hans@yahoo.localhost"));
        form->compose().Web_InsertField(0); // all there already: nothing added
        testkit::selectRows(*form, 4, 4);
        form->compose().Web_InsertField(1);
        QTRY_COMPARE(field(*form, true, "Cc"), QString("marie@hotmail.localhost"));
        form->compose().Web_InsertField(2);
        QTRY_COMPARE(field(*form, true, "Bcc"), QString("marie@hotmail.localhost"));
        QCOMPARE(field(*form, true, "To"),
                 QString("ann@yahoo.localhost,bob@hotmail.localhost,hans@yahoo.localhost"));
        QVERIFY(Dialogs::messagesShown().isEmpty());

        // A compose page shown in the Inbox tab takes the addresses there.
        WebBrowser* inbox = form->shell().WebBrowser1();
        inbox->Navigate(form->shell().WebBrowser3()->LocationURL());
        QVERIFY(testkit::waitForPage(inbox, "compose"));
        form->shell().selectTab(Shell::InboxTab);
        form->compose().Web_InsertField(1);
        QTRY_COMPARE(testkit::composeForm(inbox, true).value("Cc").toString(),
                     QString("marie@hotmail.localhost"));
        QCOMPARE(form->shell().currentTab(), int(Shell::InboxTab));
        form->close();
    }

    void anInsertionFromTheSettingsTabWaitsForTheComposePage() {
        Workspace ws;
        auto form = signedIn(ws, false);
        QVERIFY(form);
        form->shell().selectTab(Shell::SettingsTab);
        testkit::selectRows(*form, 5, 5);
        form->compose().Web_InsertField(0);
        QCOMPARE(form->shell().currentTab(), int(Shell::ComposeTab));
        QVERIFY(form->compose().insertionPending());
        QTRY_COMPARE_WITH_TIMEOUT(field(*form, false, "to"), QString("carl@hotmail.localhost"),
                                  20000);
        QVERIFY(!form->compose().insertionPending());

        // From the inbox tab showing the inbox list, the insertion waits too.
        form->shell().selectTab(Shell::InboxTab);
        form->compose().Web_InsertField(1);
        QCOMPARE(form->shell().currentTab(), int(Shell::ComposeTab));
        QTRY_COMPARE_WITH_TIMEOUT(field(*form, false, "cc"), QString("carl@hotmail.localhost"),
                                  20000);
        form->close();
    }

    void aReplyFillsTheFormOnceAndTheNextSelectionClearsIt() {
        Workspace ws;
        auto form = signedIn(ws, true);
        QVERIFY(form);
        saveIncoming(*form, "Lunch plans");
        showSaved(*form);
        // The mailto poll writes the "bug" key every second too: quiet, so the key is the fill's.
        form->compose().findChild<QTimer*>("Timer2")->stop();
        form->store().panel()->CommandReplyText->click();
        QCOMPARE(form->shell().currentTab(), int(Shell::ComposeTab));
        QTRY_COMPARE_WITH_TIMEOUT(field(*form, true, "Subj"), QString("RE: Lunch plans"), 20000);
        const QVariantMap filled = fields(*form, true);
        QCOMPARE(filled.value("To").toString(), QString("Bob Marsh <bob@hotmail.localhost>"));
        QCOMPARE(filled.value("Body").toString(),
                 QString("\n>\n>Hello Ann, this line is long enough that it\n>will have to be "
                         "wrapped when quoted."));
        QCOMPARE(ws.get("bug"), QString("0"));

        // The compose tab keeps the fill once, then clears on the next selection.
        form->shell().selectTab(Shell::InboxTab);
        QVERIFY(testkit::openComposeTab(*form));
        QTRY_COMPARE_WITH_TIMEOUT(field(*form, true, "Subj"), QString(), 20000);
        form->close();
    }

    void blankReplyForwardAndSendAgainFillTheirFields() {
        Workspace ws;
        auto form = signedIn(ws, false);
        QVERIFY(form);
        saveIncoming(*form, "Notes");
        showSaved(*form);
        form->store().panel()->CommandReplyNoText->click();
        QTRY_COMPARE_WITH_TIMEOUT(field(*form, false, "subject"), QString("RE: Notes"), 20000);
        QCOMPARE(field(*form, false, "to"), QString("<bob@hotmail.localhost>"));
        QCOMPARE(field(*form, false, "body"), QString());

        form->shell().selectTab(Shell::SavedTab);
        form->store().panel()->selectRow(0);
        form->store().panel()->CommandForward->click();
        QTRY_COMPARE_WITH_TIMEOUT(field(*form, false, "subject"), QString("FWD: Notes"), 20000);
        QCOMPARE(field(*form, false, "to"), QString());
        QVERIFY(field(*form, false, "body").startsWith("\n>\n>Hello Ann"));

        // A message in Sent is sent again to its recipient, unquoted.
        postling::SavedMessage sent = testkit::message(
            "Sent Message", "Again", "12/4/2002 7:05:09 PM", "ann@yahoo.localhost", "Once more");
        sent.sent = true;
        form->store().SaveMessage(sent);
        form->shell().selectTab(Shell::SavedTab);
        form->store().panel()->ComboFolders2->setCurrentRow(1); // Sent
        form->store().panel()->selectRow(0);
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser2(), "Sent/"));
        form->store().panel()->CommandSendAgain->click();
        QTRY_COMPARE_WITH_TIMEOUT(field(*form, false, "subject"), QString("Again"), 20000);
        QCOMPARE(field(*form, false, "to"), QString("ann@yahoo.localhost"));
        QCOMPARE(field(*form, false, "body"), QString("\n\nOnce more"));
        form->close();
    }

    void nothingIsKeptWithSaveSentMessagesUnticked() {
        Workspace ws;
        auto form = signedIn(ws, false);
        QVERIFY(form);
        form->compose().saveSentBox()->setChecked(false);
        QVERIFY(testkit::openComposeTab(*form));
        testkit::callPage(
            form->shell().WebBrowser3()->document(), "setFormFields",
            {"composeform",
             QVariantMap{{"to", "ann@yahoo.localhost"}, {"subject", "Unkept"}, {"body", "x"}}});
        testkit::callPage(form->shell().WebBrowser3()->document(), "clickField",
                          {"composeform", "Send"});
        QTRY_VERIFY_WITH_TIMEOUT(!server->messageAddress(true, "ann", "Unkept").isEmpty(), 20000);
        QVERIFY(QDir(ws.path("savedmgs/Sent")).entryList(QDir::Files).isEmpty());
        form->close();
        QCOMPARE(ws.get("savesent"), QString("0"));
    }

    void aMailtoLeftInTheIniOpensAFilledComposeForm() {
        Workspace ws;
        auto form = signedIn(ws, false);
        QVERIFY(form);
        ws.set("mailto", "ann@yahoo.localhost?subject=Hi there");
        QTRY_COMPARE_WITH_TIMEOUT(field(*form, false, "subject"), QString("Hi there"), 20000);
        QCOMPARE(field(*form, false, "to"), QString("ann@yahoo.localhost"));
        QCOMPARE(ws.get("mailto"), QString(""));
        QTRY_COMPARE(ws.get("bug"), QString("0"));

        // A second Postling given a link only hands it over; links of RFC 6068
        // (every one of its examples is read the same way by the core) fill the form as read.
        const char* links[] = {
            "mailto:infobot@example.com?body=send%20current-issue%0D%0Asend%20index",
            "mailto:joe@example.com?cc=bob@example.com&body=hello",
            "mailto:gorby%25kremvax@example.com",
            "mailto:user@example.org?subject=caf%C3%A9",
            "mailto:addr1@an.example?to=addr2@an.example",
        };
        for (const char* link : links) {
            // A mark in To that each fill replaces, so the checks wait for their own fill.
            QVERIFY(testkit::fillComposeForm(form->shell().WebBrowser3(), false,
                                             {{"to", "(waiting)"}}));
            QCOMPARE(QProcess::execute(POSTLING_BINARY, {"--ini", ws.iniPath(), link}), 0);
            QTRY_VERIFY_WITH_TIMEOUT(field(*form, false, "to") != "(waiting)", 20000);
            const postling::MailtoLink m = postling::parseMailto(link);
            QTRY_COMPARE_WITH_TIMEOUT(field(*form, false, "to"), QString::fromStdString(m.to),
                                      20000);
            const QVariantMap filled = fields(*form, false);
            QCOMPARE(filled.value("cc").toString(), QString::fromStdString(m.cc));
            QCOMPARE(filled.value("subject").toString(), QString::fromStdString(m.subject));
            QCOMPARE(filled.value("body").toString(),
                     QString::fromStdString(m.body).replace("\r\n", "\n"));
        }

        // An encoded line break stays text: the settings keep the keys they had.
        auto keys = [&] {
            QStringList names;
            for (const QString& line : testkit::fileText(ws.iniPath()).split("\r\n"))
                names << line.section('=', 0, 0);
            return names;
        };
        const QStringList before = keys();
        QVERIFY(
            testkit::fillComposeForm(form->shell().WebBrowser3(), false, {{"to", "(waiting)"}}));
        QCOMPARE(
            QProcess::execute(POSTLING_BINARY,
                              {"--ini", ws.iniPath(),
                               "mailto:a@b.org?subject=x%0D%0Aycalendar=http://evil.example/"}),
            0);
        QTRY_COMPARE_WITH_TIMEOUT(field(*form, false, "to"), QString("a@b.org"), 20000);
        QCOMPARE(field(*form, false, "subject"), QString("x  ycalendar=http://evil.example/"));
        QCOMPARE(keys(), before);
        QVERIFY(!ws.get("ycalendar").contains("evil"));
        form->close();
    }

    void startedForAMailtoItWaitsForTheComposePage() {
        Workspace ws;
        ws.set("mailto", "bob@hotmail.localhost?subject=Started");
        auto form = signedIn(ws, true, {"mailto"});
        QVERIFY(form);
        QVERIFY(form->compose().mailtoPending() || ws.get("mailto").isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(field(*form, true, "Subj"), QString("Started"), 30000);
        QCOMPARE(form->shell().currentTab(), int(Shell::ComposeTab));
        QVERIFY(!form->compose().mailtoPending());
        form->close();
    }
};

QTEST_MAIN(ComposeE2eTest)
#include "ComposeE2eTest.moc"
