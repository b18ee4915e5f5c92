// The message on screen, on both sites of the stand-in in English and in other languages: saved
// and found in the saved-messages tab, and its sender added to the address book.
#include "Testkit.h"

using testkit::Workspace;

class StoreE2eTest : public testkit::StandinTestCase {
    Q_OBJECT

private slots:
    // The file's exact text is the core's to check; here, what each page gives it.
    void theMessageIsSavedAndItsSenderAddedInEitherSiteAndLanguage_data() {
        QTest::addColumn<bool>("yahoo");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("name");    // of the saved file
        QTest::addColumn<QString>("line");    // a line the file holds
        QTest::addColumn<QStringList>("row"); // added to the book
        const QStringList carl{"Carl", "Jones", "carl@hotmail.localhost"};
        QTest::newRow("Yahoo Mail")
            << true << "ann"
            << "Photos from the weekend" << 0
            << "Fay Green  fay@yahoo.localhost &&Photos from the weekend&&Mon, 4 Nov 2002 "
               "04^40^00 +0000&&ann@yahoo.localhost.htm"
            << "<b>From:&nbsp;</b>Fay Green &lt;fay@yahoo.localhost&gt;</font>"
            << QStringList{"Fay", "Green", "fay@yahoo.localhost"};
        QTest::newRow("Yahoo Mail in German")
            << true << "hans"
            << "Treffen am Freitag" << 1
            << "Carl Jones  carl@hotmail.localhost &&Treffen am Freitag&&Mon, 25 Nov 2002 "
               "11^46^40 +0000&&hans@yahoo.localhost.htm"
            << "<b>Subject:&nbsp;</b>Treffen am Freitag</font>" << carl;
        // Hotmail's recipients are cut to 20 characters and "...".
        QTest::newRow("Hotmail in German")
            << false << "hans"
            << "Gr\u00fc\u00dfe aus K\u00f6ln und M\u00fcnchen" << 1
            << "J\u00fcrgen M\u00fcller  juergen@hotmail.localhost &&Gr\u00fc\u00dfe aus "
               "K\u00f6ln und M\u00fcnchen&&Fri, 22 Nov 2002 17^06^40 +0000&&"
               "hans@hotmail.localho....htm"
            << "<b>Subject:&nbsp;</b>Gr\u00fc\u00dfe aus K\u00f6ln und M\u00fcnchen</font>"
            << QStringList{"J\u00fcrgen", "M\u00fcller", "juergen@hotmail.localhost"};
        QTest::newRow("Hotmail in Swedish, with non-breaking spaces")
            << false << "sven"
            << "Middag p\u00e5 l\u00f6rdag" << 7
            << "Carl Jones  carl@hotmail.localhost &&Middag p\u00e5 l\u00f6rdag&&Mon, 25 Nov 2002 "
               "11^46^40 +0000&&sven@hotmail.localho....htm"
            << "<b>Date:&nbsp;</b>Mon, 25 Nov 2002 11:46:40 +0000</font>" << carl;
    }
    void theMessageIsSavedAndItsSenderAddedInEitherSiteAndLanguage() {
        QFETCH(bool, yahoo);
        QFETCH(QString, login);
        QFETCH(QString, subject);
        QFETCH(int, lang);
        QFETCH(QString, name);
        QFETCH(QString, line);
        QFETCH(QStringList, row);
        Workspace ws;
        auto form = testkit::openSignedIn(*server, ws, yahoo, login);
        QVERIFY(form);
        const auto& book = form->addressBook().book();
        // The inbox list is no message, and has no sender to take.
        Dialogs::clearMessages();
        form->store().saveButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(Dialogs::messagesShown().size(), 1, 20000);
        form->addressBook().AddAddressFromMessage();
        QTRY_COMPARE_WITH_TIMEOUT(
            Dialogs::messagesShown(),
            (QStringList{"Unable to read message. Are you sure a message is displayed?",
                         "Unable to locate address. Are you sure a message is displayed?"}),
            20000);
        QCOMPARE(book.table.rowCount(), 6);

        QVERIFY(testkit::openMessage(*server, *form, yahoo, login, subject));
        Dialogs::clearMessages();
        form->shell().selectTab(Shell::SettingsTab); // saving shows the inbox first
        form->store().saveButton()->click();
        QCOMPARE(form->shell().currentTab(), int(Shell::InboxTab));
        const QString path = ws.path("savedmgs/Saved/" + name);
        QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(path),
                                  qPrintable(ws.savedFiles("Saved").join("\n")), 20000);
        QVERIFY2(testkit::fileText(path).contains(line), qPrintable(testkit::fileText(path)));
        QCOMPARE(form->shell().lang, lang);
        QVERIFY(form->store().savedLabel()->isVisible());
        QCOMPARE(form->shell().panelText(2), QString("Msg Saved"));

        form->shell().lang = 0; // each capture finds the language for itself
        form->findChild<QAction*>("addfrommsg")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(book.table.rowCount(), 7, 20000);
        QCOMPARE(form->shell().lang, lang);
        for (int c = 0; c < 3; ++c)
            QCOMPARE(QString::fromStdString(book.table.cell(6, c)), row[c]);
        QCOMPARE(form->shell().panelText(2), QString("Addr Added"));
        auto* pane = form->findChild<AddressPane*>("TabStrip1");
        QCOMPARE(pane->currentRow(), 6);
        QCOMPARE(pane->currentColumn(), 2);
        // The narrow pane keeps the names in view beside the new address.
        QCOMPARE(form->findChild<QTableView*>("MSFlexGrid1")->columnViewportPosition(0), 0);
        QVERIFY(Dialogs::messagesShown().isEmpty());

        // Listed and previewed in the saved-messages tab.
        form->shell().selectTab(Shell::SavedTab);
        QVERIFY(!form->store().savedLabel()->isVisible());
        QCOMPARE(form->store().panel()->listedFiles(), QStringList{name});
        QVERIFY(testkit::previewFirstSaved(*form));
        QCOMPARE(testkit::callPage(form->shell().WebBrowser2()->document(), "element", {"subject"})
                     .value("text")
                     .toString(),
                 "Subject:\u00a0" + subject);
        form->close();
        QVERIFY(testkit::fileText(ws.path("addrbooks/myaddrbk.csv"))
                    .contains("\"" + row.join("\",\"") + "\",\"\"\r\n"));
    }
};

QTEST_MAIN(StoreE2eTest)
#include "StoreE2eTest.moc"
