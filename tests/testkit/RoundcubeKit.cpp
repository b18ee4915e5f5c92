#include "RoundcubeKit.h"

#include "Testkit.h"

#include <QWebEnginePage>
#include <QWebEngineScript>

namespace testkit {

std::unique_ptr<MainForm> openRoundcube(const RoundcubeServer& server, Workspace& workspace,
                                        const QString& user, const QStringList& extraArgs) {
    workspace.set("rstart", server.url());
    workspace.set("smail", "2");
    workspace.set("setmax", "0");
    auto form = openMainForm(workspace, extraArgs);
    WebBrowser* view = form->shell().WebBrowser1();
    if (!waitForPage(view, server.url()))
        return nullptr;
    const QVariantMap filled =
        callPage(view->document(), "setFormFields",
                 {"login-form", QVariantMap{{"_user", user}, {"_pass", user}}});
    if (filled.contains("error") || !filled.value("missing").toList().isEmpty() ||
        callPage(view->document(), "submitForm", {"login-form", QString()}).contains("error") ||
        !waitForPage(view, "_task=mail"))
        return nullptr;
    // The list arrives after the page.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20000) {
        if (!callPage(view->document(), "sites.roundcube.inboxRows")
                 .value("rows")
                 .toList()
                 .isEmpty())
            return form;
        QTest::qWait(100);
    }
    return nullptr;
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
