// Capturing the sender of the message on screen into the address book, on both sites.
#include "Testkit.h"

using testkit::Workspace;

class AddressE2eTest : public testkit::StandinTestCase {
    Q_OBJECT

    std::unique_ptr<MainForm> openOn(Workspace& ws, bool yahoo, const QString& login) {
        return testkit::openSignedIn(*server, ws, yahoo, login);
    }
    bool openMessage(MainForm& form, bool yahoo, const QString& login, const QString& subject) {
        return testkit::openMessage(*server, form, yahoo, login, subject);
    }
    QString cell(MainForm& form, int row, int column) {
        return QString::fromStdString(form.addressBook().book().table.cell(row, column));
    }

private slots:
    void theYahooSenderIsAddedAndSavedWithTheBook() {
        Workspace ws;
        auto form = openOn(ws, true, "ann");
        QVERIFY(form);
        QVERIFY(openMessage(*form, true, "ann", "Photos from the weekend"));
        form->findChild<QAction*>("addfrommsg")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(form->addressBook().book().table.rowCount(), 7, 20000);
        QCOMPARE(cell(*form, 6, 0), QString("Fay"));
        QCOMPARE(cell(*form, 6, 1), QString("Green"));
        QCOMPARE(cell(*form, 6, 2), QString("fay@yahoo.localhost"));
        QCOMPARE(form->shell().panelText(2), QString("Addr Added"));
        QCOMPARE(form->findChild<AddressPane*>("TabStrip1")->currentRow(), 6);
        QCOMPARE(form->findChild<AddressPane*>("TabStrip1")->currentColumn(), 2);
        // The narrow pane keeps the names in view beside the new address.
        QCOMPARE(form->findChild<QTableView*>("MSFlexGrid1")->columnViewportPosition(0), 0);
        form->close();
        const std::string saved =
            postling::readFile(ws.path("addrbooks/myaddrbk.csv").toStdString()).value();
        QVERIFY(saved.find("\"Fay\",\"Green\",\"fay@yahoo.localhost\",\"\"\r\n") !=
                std::string::npos);
    }

    void theHotmailSenderIsAddedInAnotherLanguageToo() {
        Workspace ws;
        auto form = openOn(ws, false, "hans");
        QVERIFY(form);
        QVERIFY(
            openMessage(*form, false, "hans", "Gr\u00fc\u00dfe aus K\u00f6ln und M\u00fcnchen"));
        form->addressBook().AddAddressFromMessage();
        QTRY_COMPARE_WITH_TIMEOUT(form->addressBook().book().table.rowCount(), 7, 20000);
        QCOMPARE(form->shell().lang, 1);
        QCOMPARE(cell(*form, 6, 0), QString("J\u00fcrgen"));
        QCOMPARE(cell(*form, 6, 1), QString("M\u00fcller"));
        QCOMPARE(cell(*form, 6, 2), QString("juergen@hotmail.localhost"));
        form->close();
    }

    void anInboxListHasNoSenderToCapture() {
        Workspace ws;
        auto form = openOn(ws, true, "ann");
        QVERIFY(form);
        Dialogs::clearMessages();
        form->addressBook().AddAddressFromMessage();
        QTRY_COMPARE_WITH_TIMEOUT(
            Dialogs::messagesShown(),
            QStringList{"Unable to locate address. Are you sure a message is displayed?"}, 20000);
        QCOMPARE(form->addressBook().book().table.rowCount(), 6);
        form->close();
    }
};

QTEST_MAIN(AddressE2eTest)
#include "AddressE2eTest.moc"
