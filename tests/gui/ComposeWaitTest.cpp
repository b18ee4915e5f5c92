// A fill that waits for a compose form that never comes: "Please wait..." and Cancel; and the
// address palette.
#include "Dialogs.h"
#include "EmailPalette.h"
#include "MainForm.h"
#include "SavedMessagesPanel.h"
#include "Testkit.h"
#include "WaitOverlay.h"
#include "WebBrowser.h"

#include "app/Twips.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

class ComposeWaitTest : public QObject {
    Q_OBJECT
private slots:
    void cancelEndsAFillThatWaitsForTheComposeForm() {
        testkit::Workspace ws;
        ws.set("welcome", "1");
        auto form = testkit::openMainForm(ws);
        postling::SavedMessage m;
        m.from = "Ann <ann@x>";
        m.subject = "Waiting";
        m.date = "3 Dec 2002";
        m.to = "me";
        m.body = "x";
        form->SaveMessage(m);
        form->selectTab(MainForm::SavedTab);
        form->SavedMessages->ListMsg->setCurrentItem(form->SavedMessages->ListMsg->topLevelItem(0));
        QVERIFY(testkit::waitForPage(form->WebBrowser2, "Waiting"));

        form->SavedMessages->CommandReplyText->click(); // the compose view shows no compose page
        QCOMPARE(form->currentTab(), int(MainForm::ComposeTab));
        QTRY_VERIFY_WITH_TIMEOUT(form->PictureWait->isVisible(), 5000);
        QCOMPARE(ws.get("bug"), QString("5"));
        form->PictureWait->cancelButton()->click();
        QVERIFY(form->user_clicked_cancel || !form->PictureWait->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!form->user_clicked_cancel, 5000); // consumed by the wait
        QVERIFY(!form->PictureWait->isVisible());
        form->close();
    }

    void thePaletteListsTheBookBelowTheInboxView() {
        testkit::Workspace ws;
        ws.set("welcome", "1");
        ws.set("showemail", "1");
        auto form = testkit::openMainForm(ws);
        EmailPalette* palette = form->FormEmail;
        QVERIFY(palette && palette->isVisible());
        QVERIFY(palette->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(palette->Combo1->count(), 5);
        QCOMPARE(palette->Combo1->itemText(1), QString("bob@hotmail.localhost"));
        // Not on a compose page: choosing an address waits for one.
        palette->Combo1->setCurrentIndex(1);
        emit palette->Combo1->activated(1);
        QCOMPARE(form->currentTab(), int(MainForm::ComposeTab));
        QVERIFY(form->to_retry);
        QCOMPARE(form->to_retry_which, 10);
        form->close();
        QVERIFY(!palette->isVisible());
    }
};

QTEST_MAIN(ComposeWaitTest)
#include "ComposeWaitTest.moc"
