// A main directory with damaged files in it: truncated, empty, binary, enormous (50 MB) and
// wrongly encoded saved messages, books and templates, spam keywords that are no text, and a
// settings file with damaged lines. Postling starts, lists what it can, says once what it could
// not read, never hangs; opening a damaged book or template says so; no damaged file changes.
#include "Testkit.h"

using testkit::Workspace;

class DamagedDataTest : public QObject {
    Q_OBJECT
private slots:
    void aDamagedMainDirectoryIsReadAsFarAsItCanBe() {
        Workspace ws;
        const QByteArray binary = QByteArray("\x7f\x45LF\x02\x01\x01\0\0\0\x03\0", 12).repeated(90);
        const QByteArray huge(50 * 1024 * 1024, 'x');
        const QString saved = "savedmgs/Saved/Ann Lee  ann@x.test &&%1&&1 Jan 2026&&me.htm";
        const QMap<QString, QByteArray> damaged = {
            {saved.arg("Truncated"), "<html><body><table><tr><td>From: Ann"},
            {saved.arg("Empty"), ""},
            {saved.arg("Binary"), binary},
            {saved.arg("Huge"), huge},
            {saved.arg("Latin-1"), "<p>Caf\xe9 cr\xe8me br\xfbl\xe9\x65</p>"},
            {"addrbooks/myaddrbk.csv", binary}, // the book opened at start
            {"addrbooks/huge.csv", huge},
            {"templates/binary.txt", binary},
            {"templates/huge.txt", huge},
            {"spamkeys.txt", binary},
        };
        QVERIFY(QDir().mkpath(ws.path("savedmgs/Saved")));
        for (auto it = damaged.begin(); it != damaged.end(); ++it)
            QVERIFY(testkit::writeFile(ws.path(it.key()), it.value()));
        QFile ini(ws.iniPath());
        QVERIFY(ini.open(QIODevice::Append));
        ini.write("a line with no equals sign\n[Settings\n=no key\nsavesent=\xff\xfe\x00\n" +
                  QByteArray(70000, 'k') + "=long\n[Settings]\nunreadnum=2\n");
        ini.close();

        Dialogs::clearMessages();
        auto form = testkit::openMainForm(ws);
        QVERIFY(form);
        // Said once, naming the file and why.
        QCOMPARE(Dialogs::messagesShown().size(), 1);
        QVERIFY2(Dialogs::messagesShown()[0].startsWith("The address book could not be read.") &&
                     Dialogs::messagesShown()[0].contains("myaddrbk.csv: it holds binary data"),
                 qPrintable(Dialogs::messagesShown()[0]));
        QTRY_VERIFY_WITH_TIMEOUT(form->shell().panelText(2).contains("spamkeys.txt"), 20000);

        // Every saved message is listed and shown; one too large to lay out is said to be.
        form->shell().selectTab(Shell::SavedTab);
        QTRY_COMPARE_WITH_TIMEOUT(form->store().panel()->listedFiles().size(), 5, 10000);
        for (int row = 0; row < 5; ++row) {
            form->store().panel()->selectRow(row);
            if (!form->store().panel()->listedFiles()[row].contains("Huge")) {
                QVERIFY(testkit::waitForPage(form->shell().WebBrowser2(), "Saved/"));
                continue;
            }
            // The preview runs no script: the notice is read from the page's own address.
            QTRY_VERIFY_WITH_TIMEOUT(
                QUrl::fromPercentEncoding(form->shell().WebBrowser2()->LocationURL().toUtf8())
                    .contains("(50 MB) is too large to show here"),
                10000);
        }

        // Opening a damaged book or template says so.
        Dialogs::clearMessages();
        form->addressBook().openBook(ws.path("addrbooks/huge.csv"));
        QCOMPARE(Dialogs::messagesShown().size(), 1);
        QVERIFY2(Dialogs::messagesShown()[0].contains("huge.csv: it is too large (50 MB)"),
                 qPrintable(Dialogs::messagesShown()[0]));
        for (const char* name : {"binary.txt", "huge.txt"}) {
            Dialogs::clearMessages();
            TemplateDialog dialog(ws.mainDir(), {name}, 0); // opened on it
            QCOMPARE(Dialogs::messagesShown().size(), 1);
            QVERIFY(Dialogs::messagesShown()[0].contains("could not be read from") &&
                    Dialogs::messagesShown()[0].contains(name));
        }

        // Closing writes the settings, and no damaged file.
        Dialogs::clearMessages();
        form->close();
        form.reset();
        QCOMPARE(Dialogs::messagesShown(), QStringList());
        for (auto it = damaged.begin(); it != damaged.end(); ++it) {
            QFile file(ws.path(it.key()));
            QVERIFY2(file.open(QIODevice::ReadOnly) && file.readAll() == it.value(),
                     qPrintable(it.key()));
        }
        QCOMPARE(ws.get("unreadnum"), QString("2"));
    }
};

QTEST_MAIN(DamagedDataTest)
#include "DamagedDataTest.moc"
