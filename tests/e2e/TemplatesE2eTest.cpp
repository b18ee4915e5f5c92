// Templates on both sites of the stand-in: into the compose form of the Compose tab and of a
// compose page in the Inbox tab, a typed message captured as a new template, and the default
// kept across a restart.
#include "TemplateDialog.h"
#include "Testkit.h"

#include "Shell.h"

using testkit::Workspace;

namespace {

const QString kExampleBody = "Hello,\n\nCan we meet next week to go over the plans? Tuesday or "
                             "Wednesday afternoon would suit me best.\n\nRegards\n";

} // namespace

class TemplatesE2eTest : public testkit::StandinTestCase {
    Q_OBJECT

private slots:
    void aTemplateGoesIntoEitherComposePage_data() { bothSites(); }
    void aTemplateGoesIntoEitherComposePage() {
        QFETCH(bool, yahoo);
        const QStringList f = testkit::composeFieldNames(yahoo); // To, Cc, Bcc, subject, body
        Workspace ws;
        auto form = testkit::openSignedInWithCompose(*server, ws, yahoo);
        QVERIFY(form);
        WebBrowser* compose = form->shell().WebBrowser3();
        QVERIFY(testkit::openComposeTab(*form));
        QVERIFY(testkit::fillComposeForm(compose, yahoo, {{f[0], "keep@x.org"}, {f[4], "gone"}}));
        auto* list = form->findChild<QComboBox*>("ComboTemplate");
        QCOMPARE(list->currentText(), QString("example.txt"));
        auto* use = form->findChild<QPushButton*>("CommandTemplate")
                        ->parentWidget()
                        ->findChild<QPushButton*>("Command4");
        use->click();
        QTRY_COMPARE_WITH_TIMEOUT(testkit::composeField(compose, yahoo, 3),
                                  QString("Meeting next week"), 20000);
        QVariantMap filled = testkit::composeForm(compose, yahoo);
        QCOMPARE(filled.value(f[4]).toString(), kExampleBody); // the body is replaced
        QCOMPARE(filled.value(f[0]).toString(), QString("keep@x.org"));

        // A compose page in the Inbox tab keeps its text below the template's.
        WebBrowser* inbox = form->shell().WebBrowser1();
        inbox->Navigate(QString::fromStdString(
            *form->shell().site().composeAddress(inbox->LocationURL().toStdString())));
        QVERIFY(testkit::waitForPage(inbox, "compose"));
        form->shell().selectTab(Shell::InboxTab);
        QVERIFY(testkit::fillComposeForm(inbox, yahoo, {{f[4], "Typed first"}}));
        use->click();
        QTRY_COMPARE_WITH_TIMEOUT(testkit::composeField(inbox, yahoo, 4),
                                  kExampleBody + "\n\nTyped first", 20000);
        QCOMPARE(form->shell().currentTab(), int(Shell::InboxTab));
        form->close();
    }

    void aTypedMessageBecomesATemplateThatOutlivesARestart_data() {
        aTemplateGoesIntoEitherComposePage_data();
    }
    void aTypedMessageBecomesATemplateThatOutlivesARestart() {
        QFETCH(bool, yahoo);
        const QStringList f = testkit::composeFieldNames(yahoo);
        Workspace ws;
        auto form = testkit::openSignedInWithCompose(*server, ws, yahoo);
        QVERIFY(form);
        QVERIFY(testkit::openComposeTab(*form));
        QVERIFY(testkit::fillComposeForm(form->shell().WebBrowser3(), yahoo,
                                         {{f[3], "Weekly report"}, {f[4], "Done:\nall of it"}}));
        QString captured;
        Dialogs::Answers answers;
        answers.dialog = [&](QDialog& dialog) {
            auto& templates = static_cast<TemplateDialog&>(dialog);
            templates.Command3->click(); // "Capture from Form <<"
            if (!QTest::qWaitFor([&] { return templates.Text1->text() == "Weekly report"; }, 20000))
                return int(QDialog::Rejected); // nothing captured: the checks below say so
            captured = templates.Text2->toPlainText();
            templates.Combo1->setEditText("Report");
            templates.OKButton->click();
            return int(QDialog::Rejected);
        };
        Dialogs::answerWith(answers);
        form->findChild<QPushButton*>("CommandTemplate")->click();
        QCOMPARE(captured, QString("Done:\nall of it"));
        QVERIFY(Dialogs::messagesShown().isEmpty());
        auto* defaults = form->findChild<QComboBox*>("ComboTemplate2");
        defaults->setCurrentText("Report.txt");
        form->close();
        form.reset();

        auto again = testkit::openMainForm(ws);
        auto* list = again->findChild<QComboBox*>("ComboTemplate");
        QCOMPARE(list->currentText(), QString("Report.txt"));
        again->close();
    }
};

QTEST_MAIN(TemplatesE2eTest)
#include "TemplatesE2eTest.moc"
