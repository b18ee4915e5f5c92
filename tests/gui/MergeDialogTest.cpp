// The Mail Merge dialog over a compose form on a local page: its opening state, the preview of
// every message with unmatched fields named, and its log frame.
#include "MergePreview.h"
#include "Testkit.h"

class MergeDialogTest : public QObject {
    Q_OBJECT
private slots:
    void theDialogOpensIdleAndPreviewsEveryMessage() {
        testkit::Workspace ws;
        ws.set("mergepause", "7");
        auto form = testkit::openMainForm(ws);
        QTemporaryDir dir;
        QVERIFY(testkit::writeFile(
            dir.filePath("compose.htm"),
            "<form name=composeform><input name=to><input name=subject "
            "value='Hi &lt;&lt;Nickname&gt;&gt;'><textarea name=body>Dear "
            "&lt;&lt;First&gt;&gt; &lt;&lt;last&gt;&gt;, &lt;&lt;Nickname&gt;&gt;"
            "</textarea></form>"));
        form->shell().selectTab(Shell::ComposeTab);
        form->shell().WebBrowser3()->Navigate(dir.filePath("compose.htm"));
        QVERIFY(testkit::waitForPage(form->shell().WebBrowser3(), "compose.htm"));

        form->findChild<QAction*>("mailmerge")->trigger();
        MergeDialog* dialog = form->compose().merge().dialog();
        QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
        QCOMPARE(dialog->LabelNumSent->text(), QString("Emails Sent: 0"));
        QCOMPARE(dialog->SpinPause->value(), 7);
        QVERIFY(dialog->CommandTest->isEnabled() && dialog->CommandStart->isEnabled());
        QVERIFY(!dialog->CommandUndoTest->isEnabled() && !dialog->CommandStop->isEnabled());
        QVERIFY(!dialog->TextSent->isVisible());

        // A row without an address is marked, not sent.
        auto* edit = form->findChild<QLineEdit*>("TextEdit");
        form->findChild<AddressPane*>("TabStrip1")->setCurrentCell(2, 2);
        edit->setText(QString());
        emit edit->textEdited(QString());

        QStringList rows;
        QString notes;
        Dialogs::Answers answers;
        answers.dialog = [&](QDialog& shown) {
            auto* preview = qobject_cast<MergePreview*>(&shown);
            if (!preview)
                return int(QDialog::Rejected);
            notes = preview->notes()->text();
            for (int i = 0; i < preview->list()->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* item = preview->list()->topLevelItem(i);
                rows << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}
                            .join("|");
            }
            return int(QDialog::Rejected);
        };
        Dialogs::answerWith(answers);
        dialog->CommandPreview->click();
        QTRY_COMPARE(rows.size(), 5);
        QCOMPARE(rows[0], QString("1|ann@yahoo.localhost|Hi <<Nickname>>|Dear Ann Lee, "
                                  "<<Nickname>>"));
        QCOMPARE(rows[1], QString("2|skipped: no address||"));
        QVERIFY2(notes.startsWith("4 of 5 rows will be sent.\n<<Nickname>> matches no column"),
                 qPrintable(notes));
        QCOMPARE(notes.count("Nickname"), 1);

        dialog->Command1->click(); // "Show Log"
        QVERIFY(dialog->TextSent->isVisible());
        dialog->CommandHide->click();
        QVERIFY(!dialog->TextSent->isVisible());

        form->close();
    }
};

QTEST_MAIN(MergeDialogTest)
#include "MergeDialogTest.moc"
