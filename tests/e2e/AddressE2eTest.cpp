// Capturing the sender of the message on screen into the address book, on both sites.
#include "Testkit.h"

using testkit::Workspace;

class AddressE2eTest : public testkit::StandinTestCase {
    Q_OBJECT

private slots:
    void theSenderIsAddedAndSavedWithTheBook_data() {
        QTest::addColumn<bool>("yahoo");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<int>("lang");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("Yahoo Mail")
            << true << "ann"
            << "Photos from the weekend" << 0 << QStringList{"Fay", "Green", "fay@yahoo.localhost"};
        QTest::newRow("Hotmail in German")
            << false << "hans"
            << "Gr\u00fc\u00dfe aus K\u00f6ln und M\u00fcnchen" << 1
            << QStringList{"J\u00fcrgen", "M\u00fcller", "juergen@hotmail.localhost"};
    }
    void theSenderIsAddedAndSavedWithTheBook() {
        QFETCH(bool, yahoo);
        QFETCH(QString, login);
        QFETCH(QString, subject);
        QFETCH(int, lang);
        QFETCH(QStringList, row);
        Workspace ws;
        auto form = testkit::openSignedIn(*server, ws, yahoo, login);
        QVERIFY(form);
        const auto& book = form->addressBook().book();
        // The inbox list has no sender to take.
        Dialogs::clearMessages();
        form->addressBook().AddAddressFromMessage();
        QTRY_COMPARE_WITH_TIMEOUT(
            Dialogs::messagesShown(),
            QStringList{"Unable to locate address. Are you sure a message is displayed?"}, 20000);
        QCOMPARE(book.table.rowCount(), 6);

        QVERIFY(testkit::openMessage(*server, *form, yahoo, login, subject));
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
        form->close();
        QVERIFY(testkit::fileText(ws.path("addrbooks/myaddrbk.csv"))
                    .contains("\"" + row.join("\",\"") + "\",\"\"\r\n"));
    }
};

QTEST_MAIN(AddressE2eTest)
#include "AddressE2eTest.moc"
