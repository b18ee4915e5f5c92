// A merge of 200 rows on the stand-in's Yahoo! Mail with no pause, against the floor measured in
// the same run: a bare view doing the two navigations a message costs (the submit, then the
// compose page again). Then 50 rows on a real Roundcube against the same kind of floor: a bare
// view loading the compose page, filling it and sending it with Roundcube's Send until
// Roundcube's own page after the send has come.
#include "BenchSession.h"
#include "BenchTiming.h"
#include "ComposeSubsystem.h"
#include "Dialogs.h"
#include "MailMerge.h"
#include "MainForm.h"
#include "MergeDialog.h"
#include "PageDocument.h"
#include "RoundcubeProcess.h"
#include "Shell.h"
#include "StandinProcess.h"
#include "WebBrowser.h"

#include "app/IniFile.h"
#include "fs/AtomicFile.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <cstdio>

namespace {

constexpr int kMessages = 200;

// Loads `url` in a view and waits for it to finish.
bool load(QWebEngineView& view, const QString& url) {
    bool done = false;
    auto c = QObject::connect(&view, &QWebEngineView::loadFinished, [&] { done = true; });
    view.load(QUrl(url));
    const bool ok = waitFor([&] { return done; }, 20000);
    QObject::disconnect(c);
    return ok;
}

// Runs a script and waits for the page it navigates to.
bool submitAndWait(QWebEngineView& view, const QString& script) {
    bool done = false;
    auto c = QObject::connect(&view, &QWebEngineView::loadFinished, [&] { done = true; });
    view.page()->runJavaScript(script);
    const bool ok = waitFor([&] { return done; }, 20000);
    QObject::disconnect(c);
    return ok;
}

// A browser view with a profile of its own, on screen: what the floors are measured on.
struct BareView {
    QWebEngineProfile profile;
    QWebEngineView view; // goes before the profile its page uses
    BareView() {
        view.setPage(new QWebEnginePage(&profile, &view));
        view.resize(1000, 700);
        view.show();
    }
};

double floorPerMessage(const QString& site, int messages) {
    BareView bare;
    QWebEngineView& view = bare.view;
    load(view, site);
    submitAndWait(view, "document.forms.login_form.login.value='ann';"
                        "document.forms.login_form.passwd.value='ann';"
                        "document.forms.login_form.submit();");
    const QString compose = site + "ym/Compose";
    load(view, compose);
    return timeMs([&] {
               for (int i = 0; i < messages; ++i) {
                   submitAndWait(view,
                                 QString("var f=document.forms.Compose;f.To.value='p%1@x.org';"
                                         "f.Subj.value='Hello %1';f.Body.value='Dear %1';"
                                         "f.action+='&SEND';f.submit();")
                                     .arg(i));
                   load(view, compose);
               }
           }) /
           messages;
}

// Signs in on a bare view and waits for the mailbox page.
void bareRoundcubeSignIn(QWebEngineView& view, const QString& site) {
    load(view, site);
    submitAndWait(view, "document.querySelector('#rcmloginuser').value='ann';"
                        "document.querySelector('#rcmloginpwd').value='ann';"
                        "document.forms['login-form'].submit();");
}

double roundcubeFloor(const QString& site, int messages) {
    BareView bare;
    QWebEngineView& view = bare.view;
    bareRoundcubeSignIn(view, site);
    const QString compose = site + "?_task=mail&_action=compose";
    return timeMs([&] {
               for (int i = 0; i < messages; ++i) {
                   load(view, compose);
                   // Its send button comes to life once the page's scripts are up.
                   waitFor(
                       [&] {
                           bool ready = false, answered = false;
                           view.page()->runJavaScript("!!(window.rcmail && rcmail.env.compose_id)",
                                                      [&](const QVariant& v) {
                                                          ready = v.toBool();
                                                          answered = true;
                                                      });
                           waitFor([&] { return answered; }, 2000);
                           return ready;
                       },
                       10000);
                   submitAndWait(view, QString("$('#_to').val('p%1@x.org').change();"
                                               "$('#compose-subject').val('Hello %1');"
                                               "$('#composebody').val('Dear %1');"
                                               "rcmail.command('send', '');")
                                           .arg(i));
               }
           }) /
           messages;
}

// Every row of the book, no pause, through the merge dialog: how many went, and the time each
// took on average.
std::pair<int, double> runMerge(MainForm& form) {
    form.compose().merge().open();
    MergeDialog* dialog = form.compose().merge().dialog();
    dialog->Option2->setChecked(true);
    dialog->SpinPause->setValue(0);
    const double total = timeMs([&] {
        dialog->CommandStart->click();
        waitFor([&] { return !dialog->CommandStart->isEnabled(); }, 10000);
        waitFor([&] { return dialog->CommandStart->isEnabled(); }, 600000);
    });
    const int sent = dialog->LabelNumSent->text().section(' ', 2).toInt();
    return {sent, total / std::max(1, sent)};
}

} // namespace

// The same merge on a real Roundcube: 50 rows, no pause.
static int roundcubeMerge(const QString& dirPath) {
    constexpr int kRows = 50;
    const roundcube::RoundcubeProcess rc(false);
    if (!rc.ok()) {
        std::printf("merge roundcube: the kit did not start\n");
        return 1;
    }
    const QString mainDir = dirPath + "/rc/";
    QDir().mkpath(mainDir + "addrbooks");
    std::string book = "\"First\",\"Last\",\"Email\",\"\"\r\n";
    for (int i = 0; i < kRows; ++i) // another domain: Postfix takes it and drops it
        book +=
            "\"P" + std::to_string(i) + "\",\"Q\",\"p" + std::to_string(i) + "@x.org\",\"\"\r\n";
    postling::writeFileAtomically((mainDir + "addrbooks/myaddrbk.csv").toStdString(), book);
    const std::string ini = (mainDir + "postling.ini").toStdString();
    postling::IniFile settings(ini);
    settings.set("Locations", "main dir", mainDir.toStdString());
    settings.set("Settings", "welcome", "1");
    settings.set("Settings", "rstart", rc.url().toStdString());
    settings.set("Settings", "smail", "2");
    settings.set("Settings", "mergepause", "0");

    const double floor = roundcubeFloor(rc.url(), kRows);

    Dialogs::answerWith({});
    MainForm form({"postling", "--ini", QString::fromStdString(ini)});
    form.resize(1200, 800);
    form.show();
    WebBrowser* compose = form.shell().WebBrowser3();
    if (!signInToRoundcube(form, "ann"))
        return 1;
    form.shell().selectTab(Shell::ComposeTab);
    waitFor([&] { return !compose->Busy() && compose->LocationURL().contains("_id="); }, 30000);
    waitFor(
        [&] {
            return !pageCall(compose, "sites.roundcube.setFormFields",
                             {"form", QVariantMap{{"_subject", "Hello <<First>>"},
                                                  {"_message", "Dear <<First>> <<Last>>"}}})
                        .contains("error");
        },
        10000);
    const auto [sent, per] = runMerge(form);
    std::printf("floor roundcube (bare view, compose page + Send + its next page): %.1f ms per "
                "message\n",
                floor);
    std::printf("merge roundcube: %d messages, %.1f ms per message, %.2f x floor\n", sent, per,
                per / floor);
    form.close();
    return 0;
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QTemporaryDir dir(QDir::tempPath() + "/postling-bench-XXXXXX");
    if (argc > 1 && QString(argv[1]) == "--roundcube") // that site alone
        return roundcubeMerge(dir.path());
    const standin::StandinProcess standin({"--seed"});
    const int port = standin.port();
    const QString site = QString("http://mail.yahoo.localhost:%1/").arg(port);

    // A book of 200 people, none with a mailbox on the stand-in (nothing piles up in inboxes).
    const QString mainDir = dir.filePath("maindir") + "/";
    QDir().mkpath(mainDir + "addrbooks");
    std::string book = "\"First\",\"Last\",\"Email\",\"\"\r\n";
    for (int i = 0; i < kMessages; ++i)
        book +=
            "\"P" + std::to_string(i) + "\",\"Q\",\"p" + std::to_string(i) + "@x.org\",\"\"\r\n";
    postling::writeFileAtomically((mainDir + "addrbooks/myaddrbk.csv").toStdString(), book);
    const std::string ini = dir.filePath("postling.ini").toStdString();
    postling::IniFile settings(ini);
    settings.set("Locations", "main dir", mainDir.toStdString());
    settings.set("Settings", "welcome", "1");
    settings.set("Settings", "ystart", site.toStdString());
    settings.set("Settings", "mergepause", "0");

    const double floor = floorPerMessage(site, kMessages);

    Dialogs::answerWith({});
    MainForm form({"postling", "--ini", QString::fromStdString(ini)});
    form.resize(1200, 800);
    form.show();
    WebBrowser* inbox = form.shell().WebBrowser1();
    WebBrowser* compose = form.shell().WebBrowser3();
    QString inboxDone;
    QObject::connect(inbox, &WebBrowser::DocumentComplete,
                     [&](const QString& u) { inboxDone = u; });
    waitFor([&] { return inboxDone.contains("yahoo"); }, 20000);
    submitSignIn(inbox, true, "ann");
    waitFor([&] { return inboxDone.contains("ShowFolder"); }, 30000);
    waitFor([&] { return !compose->Busy() && compose->LocationURL().contains("/ym/compose"); },
            30000);
    bool reloaded = false;
    QObject::connect(compose, &WebBrowser::DocumentComplete, [&] { reloaded = true; });
    form.shell().selectTab(Shell::ComposeTab); // the compose page comes again
    waitFor([&] { return reloaded && !compose->Busy(); }, 10000);
    bool filled = false;
    compose->document().call(
        "setFormFields",
        {"Compose", QVariantMap{{"Subj", "Hello <<First>>"}, {"Body", "Dear <<First>> <<Last>>"}}},
        [&](const QVariantMap&) { filled = true; });
    waitFor([&] { return filled; }, 5000);

    const auto [sent, per] = runMerge(form);
    for (const QString& m : Dialogs::messagesShown())
        if (!m.startsWith("Send "))
            std::printf("said: %s\n", qPrintable(m));
    std::printf("floor (bare view, submit + compose page): %.1f ms per message\n", floor);
    std::printf("merge: %d messages, %.1f ms per message, %.2f x floor\n", sent, per, per / floor);
    form.close();
    return roundcubeMerge(dir.path());
}
