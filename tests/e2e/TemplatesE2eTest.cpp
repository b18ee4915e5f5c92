// Templates on both sites of the stand-in: into the compose form of the Compose tab and of a
// compose page in the Inbox tab, a typed message captured as a new template, and the default
// kept across a restart.
#include "Testkit.h"

using testkit::Workspace;

namespace {

const QString kExampleBody = "Hello,\n\nCan we meet next week to go over the plans? Tuesday or "
                             "Wednesday afternoon would suit me best.\n\nRegards\n";

} // namespace

class TemplatesE2eTest : public testkit::StandinTestCase {
    Q_OBJECT

private slots:
    void aTemplateGoesIntoEitherComposePageAndATypedOneOutlivesARestart_data() { bothSites(); }
    void aTemplateGoesIntoEitherComposePageAndATypedOneOutlivesARestart() {
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

        // A typed message becomes a template, the default one after a restart.
        form->shell().selectTab(Shell::ComposeTab);
        QVERIFY(testkit::fillComposeForm(compose, yahoo,
                                         {{f[3], "Weekly report"}, {f[4], "Done:\nall of it"}}));
        QCOMPARE(testkit::captureTemplate(*form, "Weekly report", "Report"),
                 QString("Done:\nall of it"));
        QVERIFY(Dialogs::messagesShown().isEmpty());
        form->findChild<QComboBox*>("ComboTemplate2")->setCurrentText("Report.txt");
        form->close();
        form.reset();

        auto again = testkit::openMainForm(ws);
        QCOMPARE(again->findChild<QComboBox*>("ComboTemplate")->currentText(),
                 QString("Report.txt"));
        again->close();
    }
};

QTEST_MAIN(TemplatesE2eTest)
#include "TemplatesE2eTest.moc"
