// A merge of 200 rows on the stand-in's Yahoo! Mail with no pause, against the floor measured in
// the same run: a bare view doing the two navigations a message costs (the submit, then the
// compose page again).
#include "BenchSession.h"
#include "BenchTiming.h"
#include "ComposeSubsystem.h"
#include "Dialogs.h"
#include "MailMerge.h"
#include "MainForm.h"
#include "MergeDialog.h"
#include "PageDocument.h"
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

double floorPerMessage(const QString& site, int messages) {
    QWebEngineProfile profile;
    QWebEngineView view;
    view.setPage(new QWebEnginePage(&profile, &view));
    view.resize(1000, 700);
    view.show();
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QTemporaryDir dir(QDir::tempPath() + "/postling-bench-XXXXXX");
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
    for (const QString& m : Dialogs::messagesShown())
        if (!m.startsWith("Send "))
            std::printf("said: %s\n", qPrintable(m));
    const double per = total / std::max(1, sent);
    std::printf("floor (bare view, submit + compose page): %.1f ms per message\n", floor);
    std::printf("merge: %d messages, %.1f ms per message, %.2f x floor\n", sent, per, per / floor);
    form.close();
    return 0;
}
