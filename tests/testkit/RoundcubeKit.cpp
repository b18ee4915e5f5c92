#include "RoundcubeKit.h"

#include "Testkit.h"

#include <QWebEnginePage>
#include <QWebEngineScript>

namespace testkit {

bool signIn(MainForm& form, const RoundcubeServer& server, const QString& user) {
    WebBrowser* view = form.shell().WebBrowser1();
    if (!view->LocationURL().contains("_task=login")) {
        view->Navigate(server.url() + "?_task=login");
        if (!waitForPage(view, "_task=login"))
            return false;
    }
    const QVariantMap filled =
        callPage(view->document(), "setFormFields",
                 {"login-form", QVariantMap{{"_user", user}, {"_pass", user}}});
    if (filled.contains("error") || !filled.value("missing").toList().isEmpty() ||
        callPage(view->document(), "submitForm", {"login-form", QString()}).contains("error") ||
        !waitForPage(view, "_task=mail"))
        return false;
    // The list arrives after the page.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20000) {
        if (!callPage(view->document(), "sites.roundcube.inboxRows")
                 .value("rows")
                 .toList()
                 .isEmpty())
            return true;
        QTest::qWait(100);
    }
    return false;
}

std::unique_ptr<MainForm> openRoundcube(const RoundcubeServer& server, Workspace& workspace,
                                        const QString& user, const QStringList& extraArgs) {
    workspace.set("rstart", server.url());
    workspace.set("smail", "2");
    workspace.set("setmax", "0");
    auto form = openMainForm(workspace, extraArgs);
    if (!waitForPage(form->shell().WebBrowser1(), server.url()) || !signIn(*form, server, user))
        return nullptr;
    return form;
}

QVariant runInPage(MainForm& form, int view, const QString& script, int timeoutMs) {
    WebBrowser* views[] = {nullptr, form.shell().WebBrowser1(), form.shell().WebBrowser2(),
                           form.shell().WebBrowser3(), form.shell().WebBrowser4()};
    return awaitAnswer(
        [&](auto answer) {
            views[view]->page()->runJavaScript(script, QWebEngineScript::MainWorld, answer);
        },
        {}, timeoutMs);
}

} // namespace testkit
