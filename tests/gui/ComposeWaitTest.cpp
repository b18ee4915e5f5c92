// A fill that waits for a compose form that never comes: "Please wait..." with Cancel (its end by
// itself is the site faults' test); and the address palette.
#include "ComposeFiller.h"
#include "Testkit.h"

#include "sites/OldSites.h"

class ComposeWaitTest : public QObject {
    Q_OBJECT
private slots:
    void cancelEndsAFillThatWaitsForTheComposeForm() {
        testkit::Workspace ws;
        auto form = testkit::openMainForm(ws);
        testkit::quietMailtoPoll(*form);
        form->store().SaveMessage(
            testkit::message("Ann <ann@x>", "Waiting", "3 Dec 2002", "me", "x"));
        QVERIFY(testkit::previewFirstSaved(*form, "Waiting"));

        form->store().panel()->CommandReplyText->click(); // the compose view shows no compose page
        QCOMPARE(form->shell().currentTab(), int(Shell::ComposeTab));
        QTRY_VERIFY_WITH_TIMEOUT(form->compose().waitOverlay()->isVisible(), 5000);
        QCOMPARE(ws.get("bug"), QString("5"));
        form->compose().waitOverlay()->cancelButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!form->compose().fillWaiting(), 5000); // the wait ended
        QVERIFY(!form->compose().waitOverlay()->isVisible());
        form->close();
    }

    void aFillHonoursALateCancelAndLeavesAHiddenViewHidden() {
        testkit::Workspace ws;
        QVERIFY(testkit::writeFile(
            ws.path("compose.htm"),
            "<form name=Compose><input name=To><input name=Cc><input name=Bcc>"
            "<input name=Subj><textarea name=Body></textarea></form><div id=plainmsg>"));
        auto form = testkit::openMainForm(ws);
        WebBrowser* view = form->shell().WebBrowser3();
        view->Navigate(ws.path("compose.htm"));
        QVERIFY(testkit::waitForPage(view, "compose.htm"));
        form->shell().selectTab(Shell::InboxTab); // the compose view stays behind the inbox

        ComposeFiller filler(form->shell());
        ComposeFiller::Fill fill;
        fill.code = 1;
        fill.target = view;
        fill.site = &postling::yahooSite(); // the page is the old site's compose form
        fill.text.to = "ann@x";
        fill.text.subject = "RE: Late";
        fill.text.richBody = "<b>rich</b>";
        filler.start(fill);
        filler.cancel(); // pressed while the look that finds the form is under way
        QTest::qWait(500);
        QCOMPARE(testkit::composeField(view, true, 3), QString());
        QVERIFY(!filler.waiting());

        filler.start(fill); // the next fill is not ended by the old Cancel
        // Its last step fills the rich-text editor (the window's mailto poll also writes the
        // "bug" key, so the key cannot tell).
        QTRY_VERIFY(testkit::callPage(view->document(), "element", {"plainmsg"})
                        .value("html")
                        .toString()
                        .contains("<b>rich</b>"));
        QCOMPARE(testkit::composeField(view, true, 3), QString("RE: Late"));
        QVERIFY(!view->isVisibleTo(form.get()));

        // Without a compose form on show, an insertion says so.
        view->Navigate(ws.path("blankmsg.htm"));
        QVERIFY(testkit::waitForPage(view, "blankmsg.htm"));
        form->shell().selectTab(Shell::ComposeTab);
        Dialogs::clearMessages();
        form->compose().Web_InsertField(0);
        QTRY_COMPARE(Dialogs::messagesShown(),
                     QStringList{"Unable to insert address. Are you sure the Compose screen is "
                                 "displayed in your browser?"});
        form->close();
    }

    void aReplyToAFileWithoutTheSavedPartsFillsNothing() {
        testkit::Workspace ws;
        QDir().mkpath(ws.path("savedmgs/Saved"));
        QVERIFY(testkit::writeFile(
            ws.path("savedmgs/Saved/x&&Odd&&1 Jan 2003&&z.htm"),
            "<p>A file put here by hand, without the parts of a saved message.</p>"));
        auto form = testkit::openMainForm(ws);
        testkit::quietMailtoPoll(*form);
        QVERIFY(testkit::previewFirstSaved(*form, "Odd"));
        form->store().panel()->CommandReplyText->click();
        QCOMPARE(form->shell().currentTab(), int(Shell::ComposeTab));
        QTRY_COMPARE(ws.get("bug"), QString("2"));
        QTest::qWait(300);
        QVERIFY(!form->compose().waitOverlay()->isVisible());
        QCOMPARE(ws.get("bug"), QString("2"));
        form->close();
    }

    void thePaletteListsTheBookBelowTheInboxView() {
        testkit::Workspace ws;
        ws.set("showemail", "1");
        auto form = testkit::openMainForm(ws);
        EmailPalette* palette = form->compose().palette();
        QVERIFY(palette && palette->isVisible());
        QVERIFY(palette->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(palette->Combo1->count(), 5);
        QCOMPARE(palette->Combo1->itemText(1), QString("bob@hotmail.localhost"));
        // It stays at the inbox view's left edge when the pane beside the view comes and goes.
        const auto viewLeft = [&] {
            return form->shell().WebBrowser1()->mapToGlobal(QPoint(0, 0)).x();
        };
        const auto atViewEdge = [&] { // window frames aside
            return std::abs(palette->geometry().x() - viewLeft()) <= 4;
        };
        const int shownAt = viewLeft();
        QVERIFY(atViewEdge());
        form->addressBook().frame()->hidePane();
        QTRY_VERIFY(viewLeft() < shownAt - 100);
        QVERIFY(atViewEdge());
        // Not on a compose page: choosing an address waits for one.
        palette->Combo1->setCurrentIndex(1);
        emit palette->Combo1->activated(1);
        QCOMPARE(form->shell().currentTab(), int(Shell::ComposeTab));
        QVERIFY(form->compose().insertionPending());
        QCOMPARE(form->compose().pendingField(), 10);
        form->close();
        QVERIFY(!palette->isVisible());
    }
};

QTEST_MAIN(ComposeWaitTest)
#include "ComposeWaitTest.moc"
