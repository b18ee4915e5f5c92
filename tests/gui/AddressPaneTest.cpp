// The address book pane on real files: opening, editing from the keyboard, sorting, finding,
// deleting, new books, import, and the pane's layout commands.
#include "AddressDialogs.h"
#include "AddressModel.h"
#include "NameDialog.h"
#include "Testkit.h"

#include "app/Twips.h"

using testkit::fileText;
using testkit::Workspace;

class AddressPaneTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Workspace> ws;
    std::unique_ptr<MainForm> form;
    AddressPane* pane = nullptr;

    void open() {
        form = testkit::openMainForm(*ws);
        pane = form->findChild<AddressPane*>("TabStrip1");
    }
    QString cell(int row, int column) const {
        return QString::fromStdString(form->addressBook().book().table.cell(row, column));
    }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(pane->TextEdit, Qt::Key(k), m);
    }

private slots:
    void init() {
        ws = std::make_unique<Workspace>();
        Dialogs::answerWith({});
    }
    void cleanup() {
        if (form)
            form->close();
        form.reset();
    }

    void theLastBookOpensAtStartAndIsSavedAtExit() {
        open();
        QCOMPARE(pane->LabelBkName->text(), QString(" Address Book:  myaddrbk.csv"));
        QCOMPARE(form->addressBook().book().table.rowCount(), 6);
        QVERIFY(pane->MSFlexGrid1->isColumnHidden(3));
        QCOMPARE(pane->MSFlexGrid1->columnWidth(2), postling::twipsToPixels(1300));
        pane->MSFlexGrid1->horizontalHeader()->sectionPressed(1); // sort by Last
        QCOMPARE(cell(0, 1), QString("^ Last"));
        QCOMPARE(cell(1, 1), QString("Becker"));
        pane->setCurrentCell(1, 1);
        QCOMPARE(pane->LabelEdit->text(), QString("Last :")); // without the sort mark
        form->close();
        QCOMPARE(ws->get("lastaddressbk"), ws->path("addrbooks/myaddrbk.csv"));
        QCOMPARE(ws->get("hideaddr"), QString("0"));
        const QString saved = fileText(ws->path("addrbooks/myaddrbk.csv"));
        QVERIFY(saved.startsWith("\"First\",\"Last\",\"Email\",\"\"\r\n\"Hans\",\"Becker\""));
    }

    void typingGoesIntoTheCellAndKeysMoveAsTheGridDid() {
        open();
        form->show(); // for the focus to go somewhere
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        pane->setCurrentCell(1, 0);
        QCOMPARE(pane->LabelEdit->text(), QString("First :"));
        QCOMPARE(pane->TextEdit->text(), QString("Ann"));
        QTest::keyClicks(pane->TextEdit, "e");
        QCOMPARE(cell(1, 0), QString("Anne"));
        pane->TextEdit->setText("x");
        emit pane->TextEdit->textEdited("Pasted\tvalue\r\nmore");
        QCOMPARE(cell(1, 0), QString("Pasted"));

        struct Move {
            int key;
            Qt::KeyboardModifiers modifiers;
            QPoint to; // column, row
        } moves[] = {{Qt::Key_Tab, {}, {1, 1}},   {Qt::Key_Right, {}, {2, 1}},
                     {Qt::Key_Right, {}, {2, 1}}, // the hidden column is never entered
                     {Qt::Key_Tab, {}, {2, 1}},   // past the last cell: on to the next control
                     {Qt::Key_Left, {}, {1, 1}},  {Qt::Key_Tab, Qt::ShiftModifier, {0, 1}},
                     {Qt::Key_Up, {}, {0, 1}},    {Qt::Key_Down, {}, {0, 2}}};
        for (const Move& m : moves) {
            key(m.key, m.modifiers);
            QCOMPARE(QPoint(pane->currentColumn(), pane->currentRow()), m.to);
            if (&m == &moves[3])
                QVERIFY(QApplication::focusWidget() &&
                        !pane->isAncestorOf(QApplication::focusWidget()));
        }
        QCOMPARE(pane->TextEdit->text(), QString("Bob"));
        pane->setCurrentCell(5, 1);
        key(Qt::Key_Return);
        QCOMPARE(form->addressBook().book().table.rowCount(), 7);
        QCOMPARE(pane->currentRow(), 6);
        QCOMPARE(pane->TextEdit->text(), QString(""));
        QTest::keyClicks(pane->TextEdit, "New");
        QCOMPARE(cell(6, 1), QString("New"));
    }

    void deletingSeveralRowsAsksOnceAndKeepsOneRow() {
        open();
        bool answer = false;
        Dialogs::Answers answers;
        answers.question = [&](const QString&) {
            return answer;
        };
        Dialogs::answerWith(answers);
        testkit::selectRows(*form, 2, 4);
        form->findChild<QAction*>("deleteadd")->trigger();
        QCOMPARE(Dialogs::messagesShown(), QStringList{"Delete the selected addresses?"});
        QCOMPARE(form->addressBook().book().table.rowCount(), 6);
        answer = true;
        form->addressBook().DeleteSelectedAddresses();
        QCOMPARE(form->addressBook().book().table.rowCount(), 3);
        QCOMPARE(pane->currentRow(), 2);
        QCOMPARE(cell(2, 0), QString("Carl"));
        for (int i = 0; i < 4; ++i)
            form->addressBook().DeleteSelectedAddresses();
        QCOMPARE(form->addressBook().book().table.rowCount(), 2);
        QCOMPARE(Dialogs::messagesShown().size(), 2); // asked for the No and the Yes; single rows
                                                      // go without asking
    }

    void findSelectsTheFirstRowThatBeginsWithTheText() {
        open();
        form->findChild<QAction*>("findaddress")->trigger();
        FindDialog* find = form->findChild<FindDialog*>("DialogFind");
        QVERIFY(find && find->isVisible());
        QCOMPARE(find->columns()->count(), 4);
        find->columns()->setCurrentIndex(1);
        find->textBox()->setText("ma");
        QCOMPARE(pane->currentRow(), 2); // Marsh
        QCOMPARE(pane->currentColumn(), 1);
        QVERIFY(pane->find_active);
        find->textBox()->setText("zz"); // no match: the selection stays
        QCOMPARE(pane->currentRow(), 2);
        find->close();
        QVERIFY(!pane->find_active);
    }

    void aNewBookComesFromBlankDatAndExistingNamesAreAsked() {
        open();
        QString typed = "Work";
        Dialogs::Answers answers;
        answers.dialog = [&](QDialog& d) -> int {
            auto* dialog = qobject_cast<NameDialog*>(&d);
            if (!dialog)
                return QDialog::Rejected;
            dialog->nameBox()->setText(typed);
            dialog->okButton()->click();
            return dialog->result();
        };
        Dialogs::answerWith(answers); // questions answered by Enter: their default button
        pane->setCurrentCell(1, 0);
        QTest::keyClicks(pane->TextEdit, "!");
        form->findChild<QAction*>("FileNewProject")->trigger();
        QVERIFY(fileText(ws->path("addrbooks/myaddrbk.csv"))
                    .contains("\"Ann!\"")); // the open book was written first
        QCOMPARE(form->addressBook().open_address_book(), ws->path("addrbooks/Work.csv"));
        QCOMPARE(fileText(ws->path("addrbooks/Work.csv")),
                 QString("\"First\",\"Last\",\"Email\",\"\"\r\n"));
        QCOMPARE(form->addressBook().book().table.rowCount(), 1);

        typed = " myaddrbk ";
        form->addressBook().NewAddressBook();
        QCOMPARE(Dialogs::messagesShown(),
                 QStringList{"An address book with this name already exists. Do you want to "
                             "overwrite it?"});
        QCOMPARE(form->addressBook().open_address_book(), ws->path("addrbooks/Work.csv"));
        answers.question = [](const QString&) {
            return true;
        };
        Dialogs::answerWith(answers);
        form->addressBook().NewAddressBook();
        QCOMPARE(form->addressBook().open_address_book(), ws->path("addrbooks/myaddrbk.csv"));
        QCOMPARE(form->addressBook().book().table.rowCount(), 1);
    }

    void openingAnotherBookAndAnUnreadableOne() {
        open();
        QVERIFY(testkit::writeFile(ws->path("addrbooks/friends.txt"),
                                   "Name\tPhone\t\r\nFay\t555\t\r\n"));
        Dialogs::Answers answers;
        answers.openFile = [&](const QString& caption, const QString& dir) {
            return caption == "Open Address List" && dir == ws->path("addrbooks")
                       ? ws->path("addrbooks/friends.txt")
                       : QString();
        };
        Dialogs::answerWith(answers);
        form->findChild<QAction*>("OpenProject")->trigger();
        QCOMPARE(pane->LabelBkName->text(), QString(" Address Book:  friends.txt"));
        QCOMPARE(Dialogs::messagesShown(),
                 QStringList{"Warning: Your address book does not appear to contain any email "
                             "addresses."});
        QCOMPARE(form->addressBook().book().email_col, 0);

        form->addressBook().openBook(ws->path("addrbooks/vanished.csv"));
        QCOMPARE(form->addressBook().book().table.rowCount(),
                 2); // cleared to two empty rows, as the grid was
        QCOMPARE(cell(0, 0), QString());
        form->close();
        QVERIFY(!QFile::exists(ws->path("addrbooks/vanished.csv")));
        QCOMPARE(ws->get("lastaddressbk"), ws->path("addrbooks/vanished.csv"));
    }

    void importingAnOutlookExportAppendsItsRowsLinedUp() {
        open();
        Dialogs::Answers answers;
        QStringList startedIn;
        answers.openFile = [&](const QString&, const QString& dir) {
            startedIn << dir;
            return QString(POSTLING_TEST_DATA "/exports/outlook.csv");
        };
        answers.dialog = [](QDialog& d) -> int {
            auto* dialog = qobject_cast<ImportDialog*>(&d);
            if (!dialog || dialog->positions()->count() != 4)
                return QDialog::Rejected;
            dialog->finishButton()->click();
            return dialog->result();
        };
        Dialogs::answerWith(answers);
        form->findChild<QAction*>("Import")->trigger();
        QCOMPARE(Dialogs::messagesShown(),
                 QStringList{"The new data has been appended to the bottom of your address book."});
        QCOMPARE(form->addressBook().book().table.rowCount(), 7);
        QCOMPARE(cell(6, 0), QString("Dana"));
        QCOMPARE(cell(6, 1), QString("White"));
        QCOMPARE(cell(6, 2), QString("dana@yahoo.localhost"));
        // The first import starts at home, the next where the last one came from.
        form->findChild<QAction*>("Import")->trigger();
        QCOMPARE(startedIn, (QStringList{QDir::homePath(), POSTLING_TEST_DATA "/exports"}));
    }

    void theImportDialogMovesTheCurrentColumnToAPosition() {
        open();
        ImportDialog dialog(form->addressBook().book(), POSTLING_TEST_DATA "/exports/gmail.csv");
        QCOMPARE(dialog.targetGrid()->horizontalHeaderItem(2)->text(), QString("3-Email"));
        QCOMPARE(dialog.positions()->itemText(0), QString(" 1"));
        int value = -1;
        for (int k = 0; k < dialog.data().columnCount(); ++k)
            if (dialog.data().cell(0, k) == "E-mail 1 - Value")
                value = k;
        dialog.dataGrid()->setCurrentCell(0, value);
        dialog.positions()->setCurrentIndex(2);
        dialog.moveButton()->click();
        QCOMPARE(QString::fromStdString(dialog.data().cell(1, 2)),
                 QString("bob@hotmail.localhost"));

        // A file of a header line only: the clicked header is the column moved.
        QVERIFY(testkit::writeFile(ws->path("header.csv"), "Notes,Mail,Name\r\n"));
        ImportDialog bare(form->addressBook().book(), ws->path("header.csv"));
        int notes = 0;
        while (bare.data().cell(0, notes) != "Notes")
            ++notes;
        QVERIFY(notes != 1);
        bare.dataGrid()->horizontalHeader()->sectionClicked(notes);
        bare.positions()->setCurrentIndex(1);
        bare.moveButton()->click();
        QCOMPARE(QString::fromStdString(bare.data().cell(0, 1)), QString("Notes"));
    }

    void thePaneHidesShowsExpandsAndFollowsTheSplitter() {
        open();
        form->resize(1200, 800);
        const auto px = [](double twips) {
            return postling::twipsToPixels(twips);
        };
        QCOMPARE(pane->width(), px(3480));
        form->findChild<QAction*>("expandpane")->trigger();
        QVERIFY(form->findChild<QAction*>("expandpane")->isChecked());
        QVERIFY(pane->width() > px(3480));
        form->findChild<QAction*>("hidepane")->trigger(); // hiding contracts first
        QVERIFY(!pane->isVisible());
        QVERIFY(form->findChild<QPushButton*>("CommandShowAddress")->isVisible() &&
                form->findChild<QPushButton*>("CommandTo")->isVisible());
        QCOMPARE(form->findChild<QAction*>("hidepane")->text(), QString("Show Address Book Pane"));
        form->findChild<QAction*>("expandpane")->trigger(); // a hidden pane does not expand
        QVERIFY(!form->findChild<QAction*>("expandpane")->isChecked());
        form->findChild<QPushButton*>("CommandShowAddress")->click();
        QVERIFY(pane->isVisible());
        QCOMPARE(pane->width(), px(3480));
        QCOMPARE(form->findChild<QAction*>("hidepane")->text(), QString("Hide Address Book Pane"));

        // Dragged to the far left, the bar stops at 500 and the pane keeps its 750 minimum.
        QWidget* handle = form->findChild<QFrame*>("imgSplitter");
        QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(2, 50));
        QMouseEvent move(QEvent::MouseMove, QPointF(-2000, 50),
                         handle->mapToGlobal(QPointF(-2000, 50)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(handle, &move);
        QCOMPARE(form->findChild<QFrame*>("picSplitter")->x(), px(500));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(-2000, 50));
        QCOMPARE(pane->width(), px(750));
        QVERIFY(!form->findChild<QFrame*>("picSplitter")->isVisible());

        form->addressBook().frame()->hidePane();
        form->close();
        QCOMPARE(ws->get("hideaddr"), QString("1"));
    }
};

QTEST_MAIN(AddressPaneTest)
#include "AddressPaneTest.moc"
