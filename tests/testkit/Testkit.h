#pragma once

// What every window test reaches: the window, its shared parts, its subsystems and panels, and
// Qt's widgets and test tools.
#include "AddressBookSubsystem.h"
#include "AddressPane.h"
#include "BrowsingSubsystem.h"
#include "ComposeSubsystem.h"
#include "Dialogs.h"
#include "EmailPalette.h"
#include "HelpWindow.h"
#include "InboxSubsystem.h"
#include "MailMerge.h"
#include "MainForm.h"
#include "MergeDialog.h"
#include "PaneFrame.h"
#include "SavedMessagesPanel.h"
#include "SettingsPanel.h"
#include "Shell.h"
#include "StoreSubsystem.h"
#include "TemplateDialog.h"
#include "WaitOverlay.h"
#include "WebBrowser.h"

#include "app/IniFile.h"
#include "fs/AtomicFile.h"
#include "store/SavedMessage.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <memory>

#include "StandinProcess.h"

class PageDocument;
class WebBrowser;

namespace testkit {

// The real stand-in webmail on a free loopback port with a fresh seeded database.
// Temporary folders are named neutrally: a test program's own name (say "e2e_compose") in a
// path would look like a compose page's address to the rules that test for one.
inline QString tempTemplate() {
    return QDir::tempPath() + "/postling-test-XXXXXX";
}

class StandinServer : public standin::StandinProcess {
public:
    using standin::StandinProcess::StandinProcess;

    QString yahooStart() const { return QString("http://mail.yahoo.localhost:%1/").arg(port()); }
    QString hotmailStart() const { return QString("http://hotmail.localhost:%1/").arg(port()); }
    QString calendar(bool yahoo) const {
        return QString("http://calendar.%1.localhost:%2/")
            .arg(yahoo ? "yahoo" : "hotmail")
            .arg(port());
    }
    // The body of every form post the stand-in received, oldest first.
    QList<QByteArray> recordedPosts() const;
    // The messages in the inbox of an address: "subject\nbody" each, oldest first.
    QStringList received(const QString& address) const;
    // Delivers a plain-text message from an account of a site, as the site's Send does.
    bool sendAs(bool yahoo, const QString& login, const QString& to, const QString& subject,
                const QString& body) const;
    // The address of a message in an account's inbox, found by its subject, or empty.
    QString messageAddress(bool yahoo, const QString& login, const QString& subject) const;
};

// The base of an end-to-end test program: one stand-in for all its tests, and the data table
// that runs a test once on each site (a bool column "yahoo").
class StandinTestCase : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<StandinServer> server;
    static void bothSites() {
        QTest::addColumn<bool>("yahoo");
        QTest::newRow("Yahoo Mail") << true;
        QTest::newRow("Hotmail") << false;
    }
private slots:
    void initTestCase() { server = std::make_unique<StandinServer>(); }
    void cleanupTestCase() { server.reset(); }
};

// A temporary main directory copied from data/maindir and an ini file naming it.
class Workspace {
public:
    Workspace();
    // One made before, by another process: used as it is and left in place.
    explicit Workspace(const QString& root) : root_(root) {}
    QString root() const { return root_; }
    QString mainDir() const { return root_ + "/maindir/"; }
    QString iniPath() const { return root_ + "/postling.ini"; }
    QString path(const QString& relative) const { return mainDir() + relative; }
    // The files of a folder of saved messages.
    QStringList savedFiles(const QString& folder) const {
        return QDir(path("savedmgs/" + folder)).entryList(QDir::Files);
    }
    // Writes one key of the ini file (section "Settings" unless given).
    void set(const QString& key, const QString& value, const QString& section = "Settings");
    QString get(const QString& key, const QString& section = "Settings") const;
    // Start addresses and calendars of the stand-in.
    void pointAt(const StandinServer& server);

private:
    QTemporaryDir dir_{tempTemplate()};
    QString root_ = dir_.path();
};

// A message as a site shows it, to be saved.
inline postling::SavedMessage message(std::string from, std::string subject, std::string date,
                                      std::string to, std::string body = {}) {
    postling::SavedMessage m;
    m.from = std::move(from);
    m.subject = std::move(subject);
    m.date = std::move(date);
    m.to = std::move(to);
    m.body = std::move(body);
    return m;
}

// Writes a test's file whole.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
// A file's text, or "(missing)".
inline QString fileText(const QString& path) {
    return QString::fromStdString(postling::readFile(path.toStdString()).value_or("(missing)"));
}
// The entries of a list box, top to bottom.
inline QStringList items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// Answers the splash and the welcome dialog at once (the welcome with Yahoo! Mail, or Hotmail
// when asked), records message boxes, and creates MainForm on the workspace's ini file.
std::unique_ptr<MainForm> openMainForm(const Workspace& workspace,
                                       const QStringList& extraArgs = {},
                                       bool chooseHotmail = false);

// Waits on page events until the view has finished loading an address containing `part`.
bool waitForPage(WebBrowser* view, const QString& part, int timeoutMs = 20000);

// Starts something that answers later and waits for the answer (`none` when none came in time).
QVariant awaitAnswer(const std::function<void(std::function<void(const QVariant&)>)>& ask,
                     const QVariant& none, int timeoutMs);

// Calls a page-script function and waits for its plain-data answer.
QVariantMap callPage(const PageDocument& document, const QString& function,
                     const QVariantList& args = {}, int timeoutMs = 10000);

// Signs in on the page the inbox view shows (a site's login page).
bool signIn(MainForm& form, const QString& login);

// Opens MainForm on the stand-in's site, signs in and waits for the inbox; nothing on failure.
std::unique_ptr<MainForm> openSignedIn(const StandinServer& server, Workspace& workspace,
                                       bool yahoo, const QString& login,
                                       const QStringList& extraArgs = {});

// Shows a message of the signed-in account in the inbox view, found by its subject.
bool openMessage(const StandinServer& server, MainForm& form, bool yahoo, const QString& login,
                 const QString& subject);

// The compose form of a view, by the names of the site's fields (To, Cc, Bcc, subject, body in
// that order); empty values when there is no form.
QStringList composeFieldNames(bool yahoo);
QVariantMap composeForm(WebBrowser* view, bool yahoo);
// One field of it by its place in that order, or empty.
QString composeField(WebBrowser* view, bool yahoo, int field);
bool fillComposeForm(WebBrowser* view, bool yahoo, const QVariantMap& values);
// Selects rows of the address grid, `from` first (so a selection can be made upwards).
void selectRows(MainForm& form, int from, int to);
// Shows the saved-messages tab and previews its first message, whose address holds `part`.
bool previewFirstSaved(MainForm& form, const QString& part = "Saved/");
// Keeps the window's mailto poll from writing the "bug" key, so the key is a fill's alone.
void quietMailtoPoll(MainForm& form);
// Runs an inbox tool and waits until it has finished.
bool runInboxTool(MainForm& form, InboxSubsystem::Command command);
// Opens the template dialog and captures the compose form into it: the body, once the subject
// reads `subject` (empty if it never does). Saved as the template `saveAs` when one is given.
QString captureTemplate(MainForm& form, const QString& subject, const QString& saveAs = {});
// Chooses rows `first` to `last` of the book and opens the Mail Merge dialog on them, set to
// send with `pause` seconds between messages; nothing is started.
MergeDialog* openMerge(MainForm& form, int first, int last, int pause = 0);
// Selects the Compose tab and waits for the compose page it reloads.
bool openComposeTab(MainForm& form);
// Signs in and waits for the compose view's page too.
std::unique_ptr<MainForm> openSignedInWithCompose(const StandinServer& server, Workspace& workspace,
                                                  bool yahoo, const QStringList& extraArgs = {});

// `make faults` prints the rows of its table (when POSTLING_FAULT_TABLE names the file): the
// fault, the command, what the person saw, the bytes or rows lost, the messages sent twice.
void faultTableRow(const QString& fault, const QString& command, QString saw, qint64 lost,
                   int twice);

} // namespace testkit
