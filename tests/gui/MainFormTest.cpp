// The main window on local pages: start-up, tabs, toolbar, status line and shutdown.
#include "DefaultMailer.h"
#include "Testkit.h"
#include "WelcomeDialog.h"

#include <QTcpServer>

using testkit::Workspace;

namespace {

QString localPage(const QTemporaryDir& dir, const QString& name, const QString& body) {
    testkit::writeFile(dir.filePath(name), ("<html><body>" + body + "</body></html>").toUtf8());
    return dir.filePath(name);
}

QStringList visibleViews(MainForm& form) {
    QStringList names;
    for (const char* name :
         {"WebBrowser1", "WebBrowser2", "WebBrowser3", "WebBrowser4", "PictureSettings"})
        if (form.findChild<QWidget*>(name)->isVisible())
            names << name;
    return names;
}

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT
private slots:
    // What a new user's first start writes and shows is the install test's; here, the controls.
    void withoutAnIniFileItStartsWithTheDefaultsAndCreatesTheFolders() {
        QTemporaryDir config, data;
        const QByteArray oldData = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        QStringList dialogs;
        Dialogs::Answers answers;
        answers.dialog = [&](QDialog& d) {
            dialogs << d.objectName();
            return int(QDialog::Accepted);
        };
        Dialogs::answerWith(answers);
        {
            MainForm form({"postling", "--ini", config.filePath("none/postling.ini")});
            QCOMPARE(dialogs, (QStringList{"frmSplash", "DialogWelcome"}));
            // The main directory is the user's data folder, filled from the installed data.
            QCOMPARE(form.shell().main_dir(), data.filePath("postling/"));
            QVERIFY(form.windowState() & Qt::WindowMaximized);
            QVERIFY(form.findChild<QRadioButton*>("OptionY")->isChecked());
            QVERIFY(form.findChild<QCheckBox*>("CheckGotoInbox")->isChecked());
            QCOMPARE(form.shell().currentTab(), int(Shell::InboxTab));
            QVERIFY(!form.shell().doing_init);
            form.shell().selectTab(Shell::SavedTab);
            QTRY_COMPARE(form.shell().WebBrowser2()->LocationURL(),
                         "file://" + data.filePath("postling/blankmsg.htm"));
            for (const char* path : {"savedmgs/Sent", "savedmgs/Saved"})
                QVERIFY2(QFileInfo(data.filePath("postling/") + path).isDir(), path);
            form.close();
        }
        qputenv("XDG_DATA_HOME", oldData);
    }

    void theWindowTakesItsStoredGeometryWhenNotMaximised() {
        Workspace ws;
        ws.set("setmax", "0");
        ws.set("left", "1500");
        ws.set("top", "750");
        ws.set("width", "12000");
        ws.set("height", "9000");
        Dialogs::answerWith({});
        MainForm form({"postling", "--ini", ws.iniPath()});
        QCOMPARE(form.size(), QSize(800, 600));
        QCOMPARE(form.pos(), QPoint(100, 50));
        form.close();
        QCOMPARE(ws.get("width"), QString("12000"));
        QCOMPARE(ws.get("left"), QString("1500"));
    }

    void firstRunWithHotmailChosenStartsAtTheHotmailPage() {
        QTemporaryDir pages;
        Workspace ws;
        ws.set("welcome", "0");
        ws.set("ystart", localPage(pages, "y.htm", "yahoo start"));
        ws.set("hstart", localPage(pages, "h.htm", "hotmail start"));
        auto form = testkit::openMainForm(ws, {}, true);
        QVERIFY(form->findChild<QRadioButton*>("OptionH")->isChecked());
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser1(), "h.htm"));
        QVERIFY(form->browsing().addressBar()->currentText().endsWith("h.htm"));
        form->close();
        QCOMPARE(ws.get("smail"), QString("1"));
        QCOMPARE(ws.get("welcome"), QString("1"));
    }

    // The user's own Roundcube: chosen at the first run, its button shown while it has an address,
    // and no calendar (said in a page of Postling's own).
    void aRoundcubeChosenAtTheFirstRunIsTheStartPage() {
        Workspace ws;
        ws.set("welcome", "0");
        const QString address = "http://127.0.0.1:9/mail/";
        Dialogs::Answers answers;
        bool typingChoseIt = false;
        answers.dialog = [&](QDialog& dialog) {
            if (auto* welcome = qobject_cast<WelcomeDialog*>(&dialog)) {
                QTest::keyClicks(welcome->roundcubeText(), address);
                typingChoseIt = welcome->roundcubeOption()->isChecked();
            }
            return int(QDialog::Accepted);
        };
        Dialogs::answerWith(answers);
        MainForm form({"postling", "--ini", ws.iniPath()});
        QVERIFY(typingChoseIt);
        QVERIFY(form.findChild<QRadioButton*>("OptionR")->isChecked());
        QCOMPARE(form.findChild<QLineEdit*>("TextRoundcube")->text(), address);
        QTRY_COMPARE(form.shell().WebBrowser1()->LocationURL(), address);
        QAction* button = form.findChild<QAction*>("roundcube");
        QVERIFY(button->isVisible());

        form.shell().selectTab(Shell::CalendarTab);
        QTRY_VERIFY(testkit::callPage(form.shell().WebBrowser4()->document(), "pageText")
                        .value("text")
                        .toString()
                        .contains("Roundcube has no calendar"));

        form.findChild<QLineEdit*>("TextRoundcube")->clear();
        QVERIFY(!button->isVisible());
        form.findChild<QLineEdit*>("TextRoundcube")->setText(address);
        form.close();
        QCOMPARE(ws.get("smail"), QString("2"));
        QCOMPARE(ws.get("rstart"), address);
    }

    void eachTabShowsItsViewsWhichAloneSetTheStatusLine() {
        QTemporaryDir pages;
        Workspace ws;
        ws.set("ycalendar", localPage(pages, "ycalendar.htm", "y"));
        ws.set("hcalendar", localPage(pages, "hcalendar.htm", "h"));
        auto form = testkit::openMainForm(ws);
        const QStringList shown = {"WebBrowser1", "WebBrowser3", "WebBrowser2", "WebBrowser4",
                                   "PictureSettings"};
        for (int tab = Shell::SettingsTab; tab >= Shell::InboxTab; --tab) {
            form->shell().selectTab(tab);
            QCOMPARE(visibleViews(*form), QStringList{shown[tab - 1]});
        }
        form->shell().selectTab(Shell::CalendarTab); // a local inbox page counts as Hotmail's
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser4(), "hcalendar.htm"));

        // The status line hears the shown view only; progress hides at either end.
        form->shell().selectTab(Shell::InboxTab);
        emit form->shell().WebBrowser1()->StatusTextChange("from the inbox view");
        QCOMPARE(form->shell().panelText(3), QString("from the inbox view"));
        form->shell().selectTab(Shell::ComposeTab);
        emit form->shell().WebBrowser3()->StatusTextChange("compose now shown");
        QCOMPARE(form->shell().panelText(3), QString("compose now shown"));
        emit form->shell().WebBrowser1()->StatusTextChange("inbox hidden now");
        QCOMPARE(form->shell().panelText(3), QString("compose now shown"));

        QWidget* bar = form->browsing().progressBar();
        emit form->shell().WebBrowser1()->ProgressChange(50, 100);
        QVERIFY(bar->isVisibleTo(form.get()));
        emit form->shell().WebBrowser1()->ProgressChange(100, 100);
        QVERIFY(!bar->isVisibleTo(form.get()));
        emit form->shell().WebBrowser3()->ProgressChange(50, 100);
        QVERIFY2(!bar->isVisibleTo(form.get()), "only the inbox view drives the bar");
        form->close();
    }

    void refreshAndStopActOnTheInboxAndComposeViews() {
        QTemporaryDir pages;
        Workspace ws;
        auto form = testkit::openMainForm(ws);
        form->shell().WebBrowser1()->Navigate(localPage(pages, "inbox.htm", "first"));
        form->shell().WebBrowser3()->Navigate(localPage(pages, "compose.htm", "first"));
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser1(), "inbox.htm"));
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser3(), "compose.htm"));
        localPage(pages, "inbox.htm", "second");
        localPage(pages, "compose.htm", "second");
        form->shell().selectTab(Shell::SettingsTab);
        form->findChild<QAction*>("refresh")->trigger();
        for (WebBrowser* view : {form->shell().WebBrowser1(), form->shell().WebBrowser3()})
            QTRY_COMPARE_WITH_TIMEOUT(
                testkit::callPage(view->document(), "pageText").value("text").toString(),
                QString("second"), 10000);

        // A server that accepts and never answers keeps both views loading until Stop.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        const QString url = QString("http://127.0.0.1:%1/").arg(silent.serverPort());
        form->shell().WebBrowser1()->Navigate(url);
        form->shell().WebBrowser3()->Navigate(url + "compose");
        QTRY_VERIFY(form->shell().WebBrowser1()->Busy() && form->shell().WebBrowser3()->Busy());
        form->findChild<QAction*>("stop")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(
            !form->shell().WebBrowser1()->Busy() && !form->shell().WebBrowser3()->Busy(), 5000);
        form->close();
    }

    void toolbarStartButtonsFollowTheSettingsBoxesAndSelectTheInboxTab() {
        QTemporaryDir pages;
        Workspace ws;
        ws.set("ystart", localPage(pages, "start.htm", "start"));
        auto form = testkit::openMainForm(ws);
        form->shell().selectTab(Shell::SettingsTab);
        form->findChild<QLineEdit*>("TextYahoo")
            ->setText(localPage(pages, "edited.htm", "edited start"));
        form->findChild<QAction*>("yahoo")->trigger();
        QCOMPARE(form->shell().currentTab(), int(Shell::InboxTab));
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser1(), "edited.htm"));

        form->browsing().addressBar()->setEditText(localPage(pages, "typed.htm", "typed"));
        form->shell().selectTab(Shell::CalendarTab);
        QTest::keyClick(form->browsing().addressBar()->lineEdit(), Qt::Key_Return);
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser1(), "typed.htm"));
        QCOMPARE(form->shell().currentTab(), int(Shell::CalendarTab));
        // Enter on the text of the list's current entry goes there as well.
        QComboBox* bar = form->browsing().addressBar();
        QCOMPARE(bar->itemText(bar->currentIndex()), pages.filePath("start.htm"));
        bar->setEditText(pages.filePath("start.htm"));
        QTest::keyClick(bar->lineEdit(), Qt::Key_Return);
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser1(), "start.htm"));

        form->close();
        QCOMPARE(ws.get("ystart"), pages.filePath("edited.htm"));
    }

    void theDefaultMailerIsRegisteredWithXdgMimeOrExplained() {
        QTemporaryDir config, data, emptyPath;
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME"), oldPath = qgetenv("PATH"),
                         oldData = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        // With the usual settings file the installed entry is registered; with another, one
        // that starts Postling on that file.
        QString error;
        QCOMPARE(DefaultMailer::desktopEntry(config.filePath("postling/postling.ini"), &error),
                 QString("postling.desktop"));
        const QString spaced = config.filePath("my $ettings/p.ini");
        QCOMPARE(DefaultMailer::desktopEntry(spaced, &error), QString("postling-settings.desktop"));
        QVERIFY(testkit::fileText(data.filePath("applications/postling-settings.desktop"))
                    .contains(" --ini \"" + QString(spaced).replace("$", "\\\\$") + "\" %u\n"));
        Workspace ws;
        auto form = testkit::openMainForm(ws);
        auto* button = form->findChild<QPushButton*>("CommandDefBrowser");
        const auto helpShown = [&] {
            auto* proc1 = form->findChild<HelpWindow*>("proc1");
            return proc1 && proc1->isVisible() && proc1->currentAnchor() == "5002";
        };
        const QString mimeapps = config.filePath("mimeapps.list");
        struct Case {
            bool yes;
            QByteArray path;
            QString said;
            bool registered, help;
        } cases[] = {
            {false, oldPath, "", false, true},
            {true, emptyPath.path().toLocal8Bit(),
             "Postling could not be made the program for e-mail links. xdg-mime was not found (it "
             "comes with the xdg-utils package).",
             false, true},
            {true, oldPath, "Postling now opens e-mail links (mailto:).", true, false},
        };
        for (const Case& c : cases) {
            if (auto* proc1 = form->findChild<HelpWindow*>("proc1"))
                proc1->close();
            Dialogs::Answers answers;
            answers.question = [&](const QString&) {
                return c.yes;
            };
            Dialogs::answerWith(answers);
            qputenv("PATH", c.path);
            button->click();
            qputenv("PATH", oldPath);
            QCOMPARE(Dialogs::messagesShown().value(1), c.said);
            QCOMPARE(testkit::fileText(mimeapps).contains(
                         "x-scheme-handler/mailto=postling-settings.desktop"),
                     c.registered);
            QCOMPARE(helpShown(), c.help);
        }
        QVERIFY(testkit::fileText(data.filePath("applications/postling-settings.desktop"))
                    .contains(" --ini " + ws.iniPath() + " %u\n"));
        form->close();
        qputenv("XDG_CONFIG_HOME", oldConfig);
        qputenv("XDG_DATA_HOME", oldData);
    }

    void closingWritesEverySettingFromTheControls() {
        Workspace ws;
        ws.set("unreadnum", "3");
        ws.set("mailto", "left@alone");
        ws.set("gotoinbox", "0");
        auto form = testkit::openMainForm(ws);
        QVERIFY(!form->findChild<QCheckBox*>("CheckGotoInbox")->isChecked());
        form->findChild<QCheckBox*>("CheckGotoInbox")->setChecked(true);
        form->findChild<QCheckBox*>("CheckEmail")->setChecked(true);
        form->findChild<QRadioButton*>("OptionH")->setChecked(true);
        form->findChild<QLineEdit*>("TextHotmail")->setText("http://hotmail.localhost:1/");
        form->findChild<QPlainTextEdit*>("TextSpam")->setPlainText("cash,prize\nlotto");
        form->showMinimized();
        form->findChild<QAction*>("exit")->trigger();
        QCOMPARE(ws.get("gotoinbox"), QString("1"));
        QCOMPARE(ws.get("showemail"), QString("1"));
        QCOMPARE(ws.get("smail"), QString("1"));
        QCOMPARE(ws.get("hstart"), QString("http://hotmail.localhost:1/"));
        QCOMPARE(ws.get("unreadnum"), QString("3"));
        QCOMPARE(ws.get("setmax"), QString("1"));
        QCOMPARE(ws.get("mailto"), QString("left@alone"));
        QCOMPARE(ws.get("deffolder"), QString("Saved"));
        // The spam keywords are kept in a file of their own, and read back at the next start.
        QCOMPARE(testkit::fileText(ws.path("spamkeys.txt")), QString("cash,prize,lotto\r\n"));
        auto again = testkit::openMainForm(ws);
        QCOMPARE(again->findChild<QPlainTextEdit*>("TextSpam")->toPlainText(),
                 QString("cash,prize,lotto\n"));
        again->close();
    }
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
