// The saved-messages tab and the folder lists on a main directory of prepared files.
#include "FolderDropList.h"
#include "NameDialog.h"
#include "Testkit.h"

#include <filesystem>

using testkit::items;
using testkit::Workspace;

namespace {

const QString kAnn = "Ann&&Re lunch&&Tue, 3 Dec 2002 10^15^00&&bob.htm"; // key 19329
const QString kCarl = "carl&&Budget&&1 Nov 2002&&Ann.htm";               // key 19297
const QString kDana = "Dana&&apples&&12#4#2002 7^05^09 PM&&Zed.htm";     // key 19330

void touch(const Workspace& ws, const QString& relative, const QByteArray& body = "<p>x</p>") {
    QVERIFY(testkit::writeFile(ws.path(relative), body));
}

QStringList column(const SavedMessagesPanel* panel, int c) {
    QStringList out;
    for (int i = 0; i < panel->rowCount(); ++i)
        out << panel->text(i, c + 1);
    return out;
}

QString header(const SavedMessagesPanel* panel, int c) {
    return panel->ListMsg->model()->headerData(c, Qt::Horizontal).toString();
}

QString currentFile(const SavedMessagesPanel* panel) {
    return panel->text(panel->ListMsg->currentIndex().row(), 5);
}

} // namespace

class SavedMessagesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Workspace> ws;
    std::unique_ptr<MainForm> form;
    SavedMessagesPanel* panel = nullptr;

    void open(const QString& deffolder = "Saved") {
        ws->set("deffolder", deffolder);
        form = testkit::openMainForm(*ws);
        panel = form->store().panel();
        form->shell().selectTab(Shell::SavedTab);
    }

private slots:
    void init() {
        ws = std::make_unique<Workspace>();
        QDir().mkpath(ws->path("savedmgs/Saved"));
        QDir().mkpath(ws->path("savedmgs/SENT"));
        QDir().mkpath(ws->path("savedmgs/Sent Items"));
        touch(*ws, "savedmgs/Saved/" + kAnn);
        touch(*ws, "savedmgs/Saved/" + kCarl);
        touch(*ws, "savedmgs/Saved/" + kDana);
        touch(*ws, "savedmgs/Saved/notes.txt");
        touch(*ws, "savedmgs/Saved/a&&b.htm");
        touch(*ws, "savedmgs/SENT/Bob&&Hi&&12#4#2002 7^05^09 PM&&sent message.htm");
    }
    void cleanup() {
        if (form)
            form->close();
        form.reset();
    }

    void startUpFillsTheFourListsAndSelectsTheDefaultFolder() {
        open("saved");
        const QStringList all = {"Saved", "SENT", "Sent Items"}; // letter case aside
        QCOMPARE(items(form->store().folderChooser()), all);
        QCOMPARE(items(form->findChild<QComboBox*>("ComboFolders3")), all);
        QCOMPARE(items(panel->ComboFolders4), (QStringList{"Saved", "Sent Items"}));
        QCOMPARE(form->store().folderChooser()->currentText(), QString("Saved"));
        QCOMPARE(panel->ComboFolders2->currentItem()->text(), QString("Saved"));
        QCOMPARE(form->findChild<QComboBox*>("ComboFolders3")->currentText(), QString("Saved"));
        QCOMPARE(panel->ComboFolders4->currentIndex(), -1);
        QCOMPARE(form->shell().panelText(1), QString("Save to: Saved"));
        form->store().folderChooser()->setCurrentIndex(2);
        emit form->store().folderChooser()->activated(2);
        QCOMPARE(form->shell().panelText(1), QString("Save to: Sent Items"));
    }

    void aVanishedDefaultFolderLeavesTheListsWithoutASelection() {
        open("Archive");
        QCOMPARE(form->store().folderChooser()->currentIndex(), -1);
        QVERIFY(!panel->ComboFolders2->currentItem());
        QCOMPARE(form->findChild<QComboBox*>("ComboFolders3")->currentIndex(), -1);
        QCOMPARE(panel->rowCount(), 0);
        Dialogs::clearMessages();
        form->store().saveButton()->click();
        QCOMPARE(Dialogs::messagesShown(),
                 QStringList{"You must select a folder to save the message to"});
        form->close();
        QCOMPARE(ws->get("deffolder"), QString(""));
    }

    void aFolderIsListedNewestFirstAndSortsByEachColumn() {
        // What interrupted writes left: an old one goes at start, a fresh one is never listed.
        touch(*ws, "savedmgs/Saved/.postling-stale1");
        touch(*ws, "savedmgs/Saved/.postling-fresh1");
        std::filesystem::last_write_time(ws->path("savedmgs/Saved/.postling-stale1").toStdString(),
                                         std::filesystem::file_time_type::clock::now() -
                                             std::chrono::hours(1));
        // And a merge cut off: the start says what it put right and what waits.
        testkit::writeFile(ws->path("mailmerge.log"),
                           "t\t1\tstart\tb.csv\tK\r\nt\t1\t1\ta@x\tS\tsubmitting\r\n");
        open();
        QVERIFY(!QFile::exists(ws->path("savedmgs/Saved/.postling-stale1")));
        QVERIFY(QFile::exists(ws->path("savedmgs/Saved/.postling-fresh1")));
        QTRY_COMPARE(form->shell().panelText(2),
                     QString("Recovered: 1 interrupted write(s) removed; a mail merge to resume "
                             "(Mail Merge, Start)"));
        QCOMPARE(panel->listedFiles(), (QStringList{kDana, kAnn, kCarl}));
        QCOMPARE(column(panel, 1), (QStringList{"apples", "Re: lunch", "Budget"}));
        QCOMPARE(column(panel, 3), (QStringList{"12/4/2002", "Tue, 3 Dec 2002", "1 Nov 2002"}));
        QVERIFY(panel->ListMsg->isColumnHidden(4) && panel->ListMsg->isColumnHidden(5));

        struct Click {
            int column;
            QStringList order;
        };
        for (const Click& c : {Click{4, {kCarl, kAnn, kDana}}, Click{4, {kDana, kAnn, kCarl}},
                               Click{2, {kDana, kCarl, kAnn}}, Click{2, {kAnn, kCarl, kDana}},
                               Click{1, {kAnn, kCarl, kDana}}, Click{3, {kCarl, kAnn, kDana}}}) {
            panel->ListMsg->header()->sectionClicked(c.column - 1);
            QCOMPARE(panel->listedFiles(), c.order);
            QCOMPARE(panel->msg_sort_col, c.column);
        }
    }

    void theSentFolderSwapsHeadersAndButtons() {
        open();
        panel->ComboFolders2->setCurrentRow(1); // SENT
        QCOMPARE(header(panel, 0), QString("Sent To"));
        QCOMPARE(header(panel, 2), QString("From"));
        QVERIFY(panel->CommandSendAgain->isVisibleTo(panel));
        QVERIFY(!panel->CommandReplyText->isVisibleTo(panel));
        QVERIFY(!panel->CommandForward->isVisibleTo(panel));
        QVERIFY(!panel->CommandSendAgain->isEnabled());
        panel->selectRow(0);
        QVERIFY(panel->CommandSendAgain->isEnabled());
        QVERIFY(panel->CommandDelete->isEnabled());
        QVERIFY2(!panel->CommandMove->isEnabled(), "nothing moves out of the sent folder");

        panel->ComboFolders2->setCurrentRow(0); // Saved
        QCOMPARE(header(panel, 0), QString("From"));
        QVERIFY(!panel->CommandSendAgain->isVisibleTo(panel));
        QVERIFY(!panel->CommandDelete->isEnabled());
        panel->selectRow(0);
        QVERIFY(panel->CommandMove->isEnabled());
        QTRY_VERIFY(form->shell().WebBrowser2()->LocationURL().contains("apples"));
    }

    void movingAndDeletingSelectTheRowThatTookItsPlace() {
        open();
        panel->selectRow(0);
        Dialogs::clearMessages();
        panel->CommandMove->click();
        QCOMPARE(Dialogs::messagesShown(),
                 QStringList{"You must select the folder you want to move the file to."});

        panel->ComboFolders4->setCurrentText("Saved");
        panel->CommandMove->click();
        QCOMPARE(panel->listedFiles().size(), 3);

        touch(*ws, "savedmgs/Sent Items/" + kDana, "already there");
        panel->ComboFolders4->setCurrentText("Sent Items");
        Dialogs::clearMessages();
        panel->CommandMove->click();
        QCOMPARE(Dialogs::messagesShown(),
                 QStringList{"There was an error in attempting to move this file.\n" +
                             ws->path("savedmgs/Sent Items/" + kDana) +
                             ": a file of that name is already there"});
        QVERIFY(QFile::exists(ws->path("savedmgs/Saved/" + kDana)));
        QCOMPARE(panel->listedFiles().size(), 3);

        panel->selectRow(1);
        panel->CommandMove->click();
        QVERIFY(QFile::exists(ws->path("savedmgs/Sent Items/" + kAnn)));
        QCOMPARE(panel->listedFiles(), (QStringList{kDana, kCarl}));
        QCOMPARE(currentFile(panel), kCarl);

        panel->selectRow(0); // deleting selects the row that took its place too
        panel->CommandDelete->click();
        QVERIFY(!QFile::exists(ws->path("savedmgs/Saved/" + kDana)));
        QCOMPARE(currentFile(panel), kCarl);
        QTRY_VERIFY(form->shell().WebBrowser2()->LocationURL().contains("Budget"));
        panel->CommandDelete->click(); // the only one
        QCOMPARE(panel->rowCount(), 0);
        for (QPushButton* b : {panel->CommandReplyText, panel->CommandReplyNoText,
                               panel->CommandForward, panel->CommandDelete, panel->CommandMove})
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    }

    void newFoldersAppearInEveryListAndSentIsRefused() {
        open();
        QString typed = "sent";
        bool okWaitedForAName = true;
        bool stayedOpenOnFailure = true;
        Dialogs::Answers answers;
        answers.dialog = [&](QDialog& d) -> int {
            auto* dialog = qobject_cast<NameDialog*>(&d);
            if (!dialog)
                return QDialog::Rejected;
            okWaitedForAName = okWaitedForAName && !dialog->okButton()->isEnabled();
            dialog->nameBox()->setText(typed);
            dialog->okButton()->click();
            if (dialog->result() != QDialog::Accepted) {
                // Refused: the name is still there to correct.
                stayedOpenOnFailure = dialog->nameBox()->text() == typed;
                return QDialog::Rejected;
            }
            return QDialog::Accepted;
        };
        Dialogs::answerWith(answers);
        panel->CommandAddFolder->click();
        QCOMPARE(Dialogs::messagesShown(),
                 QStringList{"Unable to create directory. Please check to make sure you have "
                             "entered a valid directory name."});
        QVERIFY(stayedOpenOnFailure);

        typed = "Work";
        form->store().newFolderButton()->click();
        QVERIFY(QDir(ws->path("savedmgs/Work")).exists());
        QCOMPARE(items(form->store().folderChooser()),
                 (QStringList{"Saved", "SENT", "Sent Items", "Work"}));
        QCOMPARE(form->store().folderChooser()->currentText(), QString("Work"));
        QCOMPARE(panel->ComboFolders2->currentItem()->text(), QString("Work"));
        QCOMPARE(form->findChild<QComboBox*>("ComboFolders3")->currentText(), QString("Saved"));
        QCOMPARE(panel->ComboFolders4->currentIndex(), -1);
        QCOMPARE(panel->rowCount(), 0);
        QCOMPARE(form->shell().panelText(1), QString("Save to: Work"));
        QVERIFY(okWaitedForAName);
        form->close();
        QCOMPARE(ws->get("deffolder"), QString("Saved"));
    }

    void draggingOverTheFolderListSelectsWithoutListing() {
        open();
        QMimeData data;
        data.setData(FolderDropList::kMimeType, kAnn.toUtf8());
        panel->dragging_msg = true;
        QListWidget* list = panel->ComboFolders2;
        const QPoint third = list->visualItemRect(list->item(2)).center();
        QDragEnterEvent enter(third, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDragMoveEvent move(third, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                            Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
        QVERIFY(move.isAccepted());
        QCOMPARE(move.dropAction(), Qt::CopyAction);
        QCOMPARE(list->currentItem()->text(), QString("Sent Items"));
        QCOMPARE(panel->listedFiles().size(), 3); // still the Saved folder
        QDropEvent drop(third, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &drop);
        panel->dragging_msg = false;
        QVERIFY(QFile::exists(ws->path("savedmgs/Saved/" + kAnn)));
        QVERIFY(!QFile::exists(ws->path("savedmgs/Sent Items/" + kAnn)));

        // The listed folder stays the one previewed and deleted from, not the one dragged over.
        touch(*ws, "savedmgs/Sent Items/" + kAnn, "same name, other folder");
        QCOMPARE(panel->listedFolder(), QString("Saved"));
        panel->selectRow(1);
        QTRY_VERIFY(form->shell().WebBrowser2()->LocationURL().contains("/Saved/Ann"));
        panel->CommandDelete->click();
        QVERIFY(!QFile::exists(ws->path("savedmgs/Saved/" + kAnn)));
        QVERIFY(QFile::exists(ws->path("savedmgs/Sent Items/" + kAnn)));
    }

    void aSearchListsMatchesFromEveryFolderUntilItIsCleared() {
        touch(*ws, "savedmgs/Saved/" + kCarl, "<div id=body>Quarterly CAF\xC3\x89 figures</div>");
        touch(*ws, "savedmgs/Sent Items/Eve&&Plans&&2 Nov 2002&&Ann.htm",
              "<p>The caf&#233; opens at noon</p>");
        open();
        QTest::keyClicks(panel->TextSearch, "CAFE");
        QTRY_VERIFY(panel->searching());
        QCOMPARE(column(panel, 1), (QStringList{"Plans", "Budget"}));
        QVERIFY(!panel->ListMsg->isColumnHidden(6));
        QCOMPARE(column(panel, 6), (QStringList{"Sent Items", "Saved"}));
        QVERIFY(!panel->CommandReplyText->isEnabled());

        // A result is previewed, answered and deleted in its own folder.
        panel->selectRow(1);
        QTRY_VERIFY(form->shell().WebBrowser2()->LocationURL().contains("/Saved/carl"));
        QVERIFY(panel->CommandReplyText->isEnabled());
        panel->selectRow(0);
        panel->CommandDelete->click();
        QVERIFY(!QFile::exists(ws->path("savedmgs/Sent Items/Eve&&Plans&&2 Nov 2002&&Ann.htm")));
        QCOMPARE(column(panel, 1), QStringList{"Budget"});

        QTest::keyClicks(panel->TextSearch, " opens");
        QTest::keyClick(panel->TextSearch, Qt::Key_Return);
        QCOMPARE(panel->rowCount(), 0);
        panel->TextSearch->clear();
        QTest::keyClick(panel->TextSearch, Qt::Key_Return);
        QVERIFY(!panel->searching());
        QVERIFY(panel->ListMsg->isColumnHidden(6));
        QCOMPARE(panel->listedFiles().size(), 3);
    }

    void saveMessageRefusesTheSentFolderAndReportsAFailedWrite() {
        open();
        postling::SavedMessage m = testkit::message("Ann <ann@x>", "Hello", "3 Dec 2002", "bob");
        form->store().folderChooser()->setCurrentText("SENT");
        Dialogs::clearMessages();
        form->store().SaveMessage(m);
        QCOMPARE(Dialogs::messagesShown(),
                 QStringList{"You cannot save incoming messages to the Sent Messages Folder."});

        form->store().folderChooser()->setCurrentText("Sent Items");
        QDir(ws->path("savedmgs/Sent Items")).removeRecursively();
        Dialogs::clearMessages();
        form->store().SaveMessage(m);
        QCOMPARE(Dialogs::messagesShown(),
                 QStringList{"The message could not be saved.\n" + ws->path("savedmgs/Sent Items") +
                             ": it is not there any more (moved or deleted)"});
        QVERIFY(!form->store().savedLabel()->isVisible());

        form->shell().selectTab(Shell::InboxTab);
        form->store().folderChooser()->setCurrentText("Saved");
        form->store().SaveMessage(m);
        QVERIFY(form->store().savedLabel()->isVisible());
        QVERIFY(QFile::exists(ws->path("savedmgs/Saved/Ann  ann@x &&Hello&&3 Dec 2002&&bob.htm")));
        form->shell().selectTab(Shell::SettingsTab);
        QVERIFY(!form->store().savedLabel()->isVisible());

        m.sent = true; // a sent copy goes to the sent folder whatever is chosen, silently
        m.from = "Sent Message";
        form->store().SaveMessage(m);
        QVERIFY(QFile::exists(ws->path("savedmgs/SENT/bob&&Hello&&3 Dec 2002&&sent message.htm")));
    }
};

QTEST_MAIN(SavedMessagesTest)
#include "SavedMessagesTest.moc"
