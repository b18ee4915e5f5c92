// Compose assistance against the stand-in: addresses into the compose form, answers from
// saved messages, and mailto links.
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

private slots:
    // Addresses from the grid go into To, Cc and Bcc, top to bottom, on either site. From a tab
    // without a compose page the insertion waits for the Compose tab's fresh one; a compose page
    // in the Inbox tab takes them there.
    void gridRowsGoIntoToCcAndBccFromAnyTab_data() { bothSites(); }
    void gridRowsGoIntoToCcAndBccFromAnyTab() {
        QFETCH(bool, yahoo);
        const QStringList f = testkit::composeFieldNames(yahoo);
        Workspace ws;
        auto form = signedIn(ws, yahoo);
        QVERIFY(form);
        const QString carl = "carl@hotmail.localhost";
        form->shell().selectTab(Shell::SettingsTab);
        testkit::selectRows(*form, 5, 5);
        form->compose().Web_InsertField(0);
        QCOMPARE(form->shell().currentTab(), int(Shell::ComposeTab));
        QVERIFY(form->compose().insertionPending());
        QTRY_COMPARE_WITH_TIMEOUT(field(*form, yahoo, f[0]), carl, 20000);
        QVERIFY(!form->compose().insertionPending());
        // From the inbox tab showing the inbox list, the insertion waits too.
        form->shell().selectTab(Shell::InboxTab);
        form->compose().Web_InsertField(1);
        QCOMPARE(form->shell().currentTab(), int(Shell::ComposeTab));
        QTRY_COMPARE_WITH_TIMEOUT(field(*form, yahoo, f[1]), carl, 20000);

        testkit::selectRows(*form, 3, 1); // dragged upwards
        form->compose().Web_InsertField(0);
        const QString to = "ann@yahoo.localhost,bob@hotmail.localhost,hans@yahoo.localhost";
        QTRY_COMPARE(field(*form, yahoo, f[0]), to);
        form->compose().Web_InsertField(0); // all there already: nothing added
        testkit::selectRows(*form, 4, 4);
        form->compose().Web_InsertField(1);
        QTRY_COMPARE(field(*form, yahoo, f[1]), carl + ",marie@hotmail.localhost");
        form->compose().Web_InsertField(2);
        QTRY_COMPARE(field(*form, yahoo, f[2]), QString("marie@hotmail.localhost"));
        QCOMPARE(field(*form, yahoo, f[0]), to);
        QVERIFY(Dialogs::messagesShown().isEmpty());

        // A compose page shown in the Inbox tab takes the addresses there.
        WebBrowser* inbox = form->shell().WebBrowser1();
        inbox->Navigate(form->shell().WebBrowser3()->LocationURL());
        QVERIFY(testkit::waitForPage(inbox, "compose"));
        form->shell().selectTab(Shell::InboxTab);
        form->compose().Web_InsertField(1);
        QTRY_COMPARE(testkit::composeForm(inbox, yahoo).value(f[1]).toString(),
                     QString("marie@hotmail.localhost"));
        QCOMPARE(form->shell().currentTab(), int(Shell::InboxTab));
        form->close();
    }

    // Each answer from the saved-messages tab fills its fields, one after another, on either site;
    // the compose tab keeps the last fill once, then clears on the next selection.
    void repliesForwardsAndSendAgainFillTheirFields_data() { bothSites(); }
    void repliesForwardsAndSendAgainFillTheirFields() {
        QFETCH(bool, yahoo);
        const QStringList f = testkit::composeFieldNames(yahoo);
        Workspace ws;
        auto form = signedIn(ws, yahoo);
        QVERIFY(form);
        testkit::quietMailtoPoll(*form);
        // A message in Saved, from an address of the other site, and one in Sent.
        form->store().folderChooser()->setCurrentText("Saved");
        form->store().SaveMessage(testkit::message(
            "Bob Marsh <bob@hotmail.localhost>", "Notes", "Tue, 3 Dec 2002 10:15:00 +0000",
            "ann@yahoo.localhost",
            "Hello Ann, this line is long enough that it will have to be wrapped when quoted."));
        postling::SavedMessage sent = testkit::message(
            "Sent Message", "Again", "12/4/2002 7:05:09 PM", "ann@yahoo.localhost", "Once more");
        sent.sent = true;
        form->store().SaveMessage(sent);
        SavedMessagesPanel* panel = form->store().panel();
        const QString sender =
            yahoo ? "Bob Marsh <bob@hotmail.localhost>" : "<bob@hotmail.localhost>";
        const QString quoted = "\n>\n>Hello Ann, this line is long enough that it\n>will have to "
                               "be wrapped when quoted.";
        struct Fill {
            QPushButton* button;
            int folder; // 0 Saved, 1 Sent
            QString subject, to, body;
        } fills[] = {
            {panel->CommandReplyText, 0, "RE: Notes", sender, quoted},
            {panel->CommandForward, 0, "FWD: Notes", "", quoted},
            {panel->CommandReplyNoText, 0, "RE: Notes", sender, ""},
            // A message in Sent is sent again to its recipient, unquoted.
            {panel->CommandSendAgain, 1, "Again", "ann@yahoo.localhost", "\n\nOnce more"},
        };
        for (const Fill& fill : fills) {
            form->shell().selectTab(Shell::SavedTab);
            panel->ComboFolders2->setCurrentRow(fill.folder);
            QVERIFY(testkit::previewFirstSaved(*form, fill.folder ? "Sent/" : "Saved/"));
            fill.button->click();
            QCOMPARE(form->shell().currentTab(), int(Shell::ComposeTab));
            QTRY_COMPARE_WITH_TIMEOUT(field(*form, yahoo, f[3]), fill.subject, 20000);
            const QVariantMap filled = fields(*form, yahoo);
            QCOMPARE(filled.value(f[0]).toString(), fill.to);
            QCOMPARE(filled.value(f[4]).toString(), fill.body);
            QCOMPARE(ws.get("bug"), QString("0"));
        }
        form->shell().selectTab(Shell::InboxTab);
        QVERIFY(testkit::openComposeTab(*form));
        QTRY_COMPARE_WITH_TIMEOUT(field(*form, yahoo, f[3]), QString(), 20000);
        form->close();
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

        // A second Postling given a link only hands it over; links of RFC 6068 (every one of its
        // examples is read the same way by the core) fill the form as read. An encoded line break
        // stays text: the settings keep the keys they had.
        auto keys = [&] {
            QStringList names;
            for (const QString& line : testkit::fileText(ws.iniPath()).split("\r\n"))
                names << line.section('=', 0, 0);
            return names;
        };
        const QStringList before = keys();
        const char* links[] = {
            "mailto:infobot@example.com?body=send%20current-issue%0D%0Asend%20index",
            "mailto:joe@example.com?cc=bob@example.com&body=hello",
            "mailto:gorby%25kremvax@example.com",
            "mailto:user@example.org?subject=caf%C3%A9",
            "mailto:addr1@an.example?to=addr2@an.example",
            "mailto:a@b.org?subject=x%0D%0Aycalendar=http://evil.example/",
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
