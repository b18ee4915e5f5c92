#include "Testkit.h"

#include "AddressModel.h"
#include "PageDocument.h"
#include "WelcomeDialog.h"

#include "Mailstore.h"
#include "Postoffice.h"

#include <filesystem>

namespace testkit {

QList<QByteArray> StandinServer::recordedPosts() const {
    QList<QByteArray> out;
    for (const auto& post : standin::Mailstore(dbPath()).posts())
        out << QByteArray::fromStdString(post.body);
    return out;
}

QStringList StandinServer::received(const QString& address) const {
    standin::Mailstore store(dbPath());
    QStringList out;
    const auto account = store.accountByAddress(address.toStdString());
    for (const auto& summary :
         account ? store.folder(account->id, "Inbox") : std::vector<standin::MessageSummary>{})
        if (const auto m = store.message(account->id, summary.id))
            out.prepend(QString::fromStdString(m->subject + "\n" + m->body));
    return out;
}

bool StandinServer::sendAs(bool yahoo, const QString& login, const QString& to,
                           const QString& subject, const QString& body) const {
    // As the site would on its Send, without a browser of the stranger's own.
    standin::Mailstore store(dbPath());
    const auto sender = store.accountByLogin(yahoo ? standin::Site::Yahoo : standin::Site::Hotmail,
                                             login.toStdString());
    return sender &&
           !standin::deliver(store, *sender,
                             {to.toStdString(), "", "", subject.toStdString(), body.toStdString()})
                .empty();
}

QString StandinServer::messageAddress(bool yahoo, const QString& login,
                                      const QString& subject) const {
    standin::Mailstore store(dbPath());
    const auto account = store.accountByLogin(yahoo ? standin::Site::Yahoo : standin::Site::Hotmail,
                                              login.toStdString());
    for (const auto& m :
         account ? store.folder(account->id, "Inbox") : std::vector<standin::MessageSummary>{})
        if (QString::fromStdString(m.subject) == subject) // the link of its inbox row
            return yahoo ? yahooStart() + QString("ym/ShowLetter?MsgId=%1&box=Inbox").arg(m.id)
                         : hotmailStart() +
                               QString("cgi-bin/getmsg?msg=MSG%1&curmbox=F000000001").arg(m.id);
    return {};
}

Workspace::Workspace() {
    std::error_code ec;
    std::filesystem::copy(POSTLING_DATA_MAINDIR, (root_ + "/maindir").toStdString(),
                          std::filesystem::copy_options::recursive, ec);
    if (ec)
        qFatal("cannot copy the main directory");
    set("main dir", mainDir(), "Locations");
    // Start pages on this machine, so no test reaches for the real services.
    set("ystart", mainDir() + "welcome.htm");
    set("hstart", mainDir() + "blankmsg.htm");
    set("ycalendar", mainDir() + "blankmsg.htm");
    set("hcalendar", mainDir() + "blankmsg.htm");
    set("welcome", "1"); // a test of the first run clears it
}

void Workspace::set(const QString& key, const QString& value, const QString& section) {
    postling::IniFile(iniPath().toStdString())
        .set(section.toStdString(), key.toStdString(), value.toStdString());
}

QString Workspace::get(const QString& key, const QString& section) const {
    return QString::fromStdString(postling::IniFile(iniPath().toStdString())
                                      .get(section.toStdString(), key.toStdString(), "(missing)"));
}

void Workspace::pointAt(const StandinServer& server) {
    set("ystart", server.yahooStart());
    set("hstart", server.hotmailStart());
    set("ycalendar", server.calendar(true));
    set("hcalendar", server.calendar(false));
    set("setmax", "0");
}

std::unique_ptr<MainForm> openMainForm(const Workspace& workspace, const QStringList& extraArgs,
                                       bool chooseHotmail) {
    Dialogs::Answers answers;
    answers.dialog = [chooseHotmail](QDialog& dialog) {
        if (auto* welcome = qobject_cast<WelcomeDialog*>(&dialog))
            (chooseHotmail ? welcome->hotmailOption() : welcome->yahooOption())->setChecked(true);
        return int(QDialog::Accepted);
    };
    Dialogs::answerWith(answers);
    QStringList args = {"postling", "--ini", workspace.iniPath()};
    args << extraArgs;
    auto form = std::make_unique<MainForm>(args);
    form->resize(1000, 700);
    form->show();
    return form;
}

bool waitForPage(WebBrowser* view, const QString& part, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        // Right after a navigation is asked for, the view already reports the new address while
        // the old document is still shown: only the document's own address counts.
        if (!view->Busy() && view->LocationURL().contains(part)) {
            const QVariantMap r = callPage(view->document(), "pageText", {}, 2000);
            if (r.value("url").toString().contains(part))
                return true;
        }
        QTest::qWait(50);
    }
    return false;
}

QVariant awaitAnswer(const std::function<void(std::function<void(const QVariant&)>)>& ask,
                     const QVariant& none, int timeoutMs) {
    // The answer may come after we gave up waiting: it must not touch this stack frame then.
    struct State {
        QVariant result;
        bool done = false;
        QEventLoop loop;
    };
    auto state = std::make_shared<State>();
    state->result = none;
    ask([state](const QVariant& r) {
        state->result = r;
        state->done = true;
        state->loop.quit();
    });
    if (!state->done) {
        QTimer::singleShot(timeoutMs, &state->loop, &QEventLoop::quit);
        state->loop.exec();
    }
    return state->result;
}

QVariantMap callPage(const PageDocument& document, const QString& function,
                     const QVariantList& args, int timeoutMs) {
    return awaitAnswer(
               [&](auto answer) {
                   document.call(function, args,
                                 [answer](const QVariantMap& r) { answer(QVariant(r)); });
               },
               QVariantMap{{"error", "timeout"}}, timeoutMs)
        .toMap();
}

bool signIn(MainForm& form, const QString& login) {
    WebBrowser* view = form.shell().WebBrowser1();
    const bool yahoo = view->LocationURL().contains("yahoo");
    const QString formName = yahoo ? "login_form" : "hotmail";
    const QVariantMap filled =
        callPage(view->document(), "setFormFields",
                 {formName, QVariantMap{{"login", login}, {"passwd", login}}});
    if (filled.contains("error") || !filled.value("missing").toList().isEmpty())
        return false;
    return !callPage(view->document(), "submitForm", {formName, QString()}).contains("error");
}

std::unique_ptr<MainForm> openSignedIn(const StandinServer& server, Workspace& workspace,
                                       bool yahoo, const QString& login,
                                       const QStringList& extraArgs) {
    workspace.pointAt(server);
    workspace.set("smail", yahoo ? "0" : "1");
    auto form = openMainForm(workspace, extraArgs);
    if (!waitForPage(form->shell().WebBrowser1(), yahoo ? "yahoo" : "hotmail") ||
        !signIn(*form, login) ||
        !waitForPage(form->shell().WebBrowser1(), yahoo ? "ShowFolder" : "HoTMail"))
        return nullptr;
    return form;
}

bool openMessage(const StandinServer& server, MainForm& form, bool yahoo, const QString& login,
                 const QString& subject) {
    const QString address = server.messageAddress(yahoo, login, subject);
    if (address.isEmpty())
        return false;
    form.shell().WebBrowser1()->Navigate(address);
    return waitForPage(form.shell().WebBrowser1(), yahoo ? "ShowLetter" : "getmsg");
}

QStringList composeFieldNames(bool yahoo) {
    return yahoo ? QStringList{"To", "Cc", "Bcc", "Subj", "Body"}
                 : QStringList{"to", "cc", "bcc", "subject", "body"};
}

QVariantMap composeForm(WebBrowser* view, bool yahoo) {
    return callPage(view->document(), "formFields",
                    {yahoo ? "Compose" : "composeform", composeFieldNames(yahoo)})
        .value("fields")
        .toMap();
}

QString composeField(WebBrowser* view, bool yahoo, int field) {
    return composeForm(view, yahoo).value(composeFieldNames(yahoo).value(field)).toString();
}

bool fillComposeForm(WebBrowser* view, bool yahoo, const QVariantMap& values) {
    const QVariantMap r =
        callPage(view->document(), "setFormFields", {yahoo ? "Compose" : "composeform", values});
    return !r.contains("error") && r.value("missing").toList().isEmpty();
}

void selectRows(MainForm& form, int from, int to) {
    auto* pane = form.findChild<AddressPane*>("TabStrip1");
    pane->setCurrentCell(from, 0);
    pane->MSFlexGrid1->selectionModel()->select(
        QItemSelection(pane->model->index(std::min(from, to) - 1, 0),
                       pane->model->index(std::max(from, to) - 1, 0)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

bool previewFirstSaved(MainForm& form, const QString& part) {
    form.shell().selectTab(Shell::SavedTab);
    form.store().panel()->selectRow(0);
    return waitForPage(form.shell().WebBrowser2(), part);
}

void quietMailtoPoll(MainForm& form) {
    form.compose().findChild<QTimer*>("Timer2")->stop();
}

bool runInboxTool(MainForm& form, InboxSubsystem::Command command) {
    QSignalSpy done(&form.inbox(), &InboxSubsystem::commandFinished);
    form.inbox().run(command);
    return done.wait(20000) || done.count() > 0;
}

QString captureTemplate(MainForm& form, const QString& subject, const QString& saveAs) {
    QString captured;
    Dialogs::Answers answers;
    answers.dialog = [&](QDialog& dialog) {
        auto& templates = static_cast<TemplateDialog&>(dialog);
        templates.Command3->click(); // "Capture from Form <<"
        if (QTest::qWaitFor([&] { return templates.Text1->text() == subject; }, 20000)) {
            captured = templates.Text2->toPlainText();
            if (!saveAs.isEmpty()) {
                templates.Combo1->setEditText(saveAs);
                templates.OKButton->click();
            }
        }
        return int(QDialog::Rejected);
    };
    Dialogs::answerWith(answers);
    form.findChild<QPushButton*>("CommandTemplate")->click();
    return captured;
}

MergeDialog* openMerge(MainForm& form, int first, int last, int pause) {
    selectRows(form, first, last);
    form.findChild<QPushButton*>("Command5")->click();
    MergeDialog* dialog = form.compose().merge().dialog();
    dialog->Option1->setChecked(true);
    dialog->SpinPause->setValue(pause);
    return dialog;
}

bool openComposeTab(MainForm& form) {
    QSignalSpy loaded(form.shell().WebBrowser3(), &WebBrowser::DocumentComplete);
    form.shell().selectTab(Shell::ComposeTab);
    return loaded.wait(10000) || loaded.count() > 0;
}

std::unique_ptr<MainForm> openSignedInWithCompose(const StandinServer& server, Workspace& workspace,
                                                  bool yahoo, const QStringList& extraArgs) {
    auto form = openSignedIn(server, workspace, yahoo, yahoo ? "ann" : "bob", extraArgs);
    if (!form ||
        !waitForPage(form->shell().WebBrowser3(), yahoo ? "/ym/compose" : "/cgi-bin/compose"))
        return nullptr;
    return form;
}

void faultTableRow(const QString& fault, const QString& command, QString saw, qint64 lost,
                   int twice) {
    const QString path = qEnvironmentVariable("POSTLING_FAULT_TABLE");
    QFile table(path);
    if (path.isEmpty() || !table.open(QIODevice::Append))
        return;
    saw.replace('\n', ' ');
    table.write(QStringList{fault, command, saw, QString::number(lost), QString::number(twice)}
                    .join('\t')
                    .append('\n')
                    .toUtf8());
}

} // namespace testkit
