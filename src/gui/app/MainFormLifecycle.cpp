// Start-up and shutdown of the main window, in the order the program has always run them. Each
// step names the subsystem that does it.
#include "MainForm.h"

#include "AddressBookSubsystem.h"
#include "BrowsingSubsystem.h"
#include "ComposeSubsystem.h"
#include "Dialogs.h"
#include "InboxSubsystem.h"
#include "QtText.h"
#include "Shell.h"
#include "SplashWindow.h"
#include "StoreSubsystem.h"
#include "WebBrowser.h"
#include "WelcomeDialog.h"

#include "app/InstanceLock.h"
#include "app/Locations.h"
#include "app/Settings.h"
#include "app/Twips.h"
#include "compose/MergeLog.h"
#include "fs/AtomicFile.h"
#include "fs/Directory.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScreen>
#include <QToolButton>
#include <cstdlib>

namespace {

std::vector<std::string> toStd(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& s : list)
        out.push_back(s.toStdString());
    return out;
}

double dpi(const QWidget* w) {
    return w->screen() ? w->screen()->logicalDotsPerInch() : 96.0;
}

} // namespace

void MainForm::Form_Load(const QStringList& arguments) {
    // 1. The ini file and the main directory.
    shell_->doing_init = true;
    const std::string home = QDir::homePath().toStdString();
    const std::string ini = postling::iniLocation(toStd(arguments), std::getenv("POSTLING_INI"),
                                                  std::getenv("XDG_CONFIG_HOME"), home);
    // Without its folder no setting could ever be written.
    postling::makeDirectories(QFileInfo(QString::fromStdString(ini)).absolutePath().toStdString());
    if (!instance_)
        instance_ = std::make_unique<postling::InstanceLock>(ini);
    const std::string mainDir =
        postling::mainDirectory(postling::IniFile(ini).get(postling::kLocations, "main dir", ""),
                                ini, std::getenv("XDG_DATA_HOME"), home);
    // A new main directory starts with what was installed beside the program.
    const QString shipped = QCoreApplication::applicationDirPath() + "/../share/postling";
    for (const std::string& path :
         postling::fillMainDirectory(mainDir, QDir::cleanPath(shipped).toStdString()))
        qWarning("postling: cannot write %s", path.c_str());
    shell_->setLocations(QString::fromStdString(ini), QString::fromStdString(mainDir));

    // 2. The welcome page first, while the splash shows.
    browsing_->showWelcomePage();

    // 3. The splash, modally.
    {
        SplashWindow splash(this);
        Dialogs::exec(splash);
    }

    // 4-7. Title, command line, state; the header-label tables are built in.
    setWindowTitle(tr(APP_NAME));
    QApplication::setApplicationDisplayName(tr(APP_NAME));
    compose_->setCommandLine(arguments);
    shell_->lang = 0;
    shell_->num_lang = 8;
    const postling::Settings settings =
        postling::readSettings(postling::IniFile(shell_->ini_file().toStdString()));

    // 8. The address book the user had open last.
    addressBook_->openRemembered(settings);

    // 9. Window geometry.
    applyStartGeometry(settings);

    // 10. The pane, and the options of the Settings panel.
    addressBook_->loadPaneSetting(settings);
    browsing_->loadOptions(settings);
    inbox_->loadOptions(settings);
    compose_->loadOptions(settings);

    // 11. The spam keywords; the start addresses and the start provider.
    const QString keywordsUnread = inbox_->loadKeywords();
    browsing_->loadStartPages(settings);

    // 12. The first run asks for the start provider.
    if (!settings.welcomeShown) {
        WelcomeDialog welcome(this);
        if (Dialogs::exec(welcome) == QDialog::Accepted)
            browsing_->chooseStartSite(welcome.chosenSite(), welcome.typedAddress());
        shell_->ShowHelp(6000, true);
    }

    // 13. The start page replaces the welcome page.
    browsing_->goToStartPage();

    // 14. The data folders and the folder lists; what an interrupted write left behind goes.
    store_->createFolders();
    const int removed = removeStaleTemporaries();
    store_->loadFolders(settings);
    // After an unexpected end, the person hears what was put right and what waits for them.
    QStringList recovered;
    if (removed > 0)
        recovered << tr("%n interrupted write(s) removed", nullptr, removed);
    if (postling::lastRunUnfinished(
            postling::readFile((shell_->main_dir() + "mailmerge.log").toStdString()).value_or("")))
        recovered << tr("a mail merge to resume (Mail Merge, Start)");
    QString said = recovered.isEmpty() ? QString() : tr("Recovered: %1").arg(recovered.join("; "));
    if (!keywordsUnread.isEmpty())
        said += (said.isEmpty() ? "" : ". ") + tr("Not read: %1").arg(keywordsUnread);
    if (!said.isEmpty()) // said once the start page is there (its loading clears the line)
        connect(
            shell_->WebBrowser1(), &WebBrowser::DocumentComplete, this,
            [this, said] { shell_->setPanelText(2, said); }, Qt::SingleShotConnection);

    // 15. The templates folder and the template lists.
    compose_->loadTemplates(settings);

    // 16. The first tab; the saved-message list starts newest first.
    shell_->selectTab(Shell::InboxTab);
    shell_->doing_init = false;
    // Tool bar buttons take no focus by default; a person on the keyboard reaches them with Tab.
    // A tool bar's overflow arrow has no name of its own for a screen reader to say.
    for (QToolButton* button : findChildren<QToolButton*>()) {
        if (button->focusPolicy() == Qt::NoFocus)
            button->setFocusPolicy(Qt::TabFocus);
        if (button->objectName() == "qt_toolbar_ext_button")
            button->setAccessibleName(tr("More tools"));
    }
    store_->startupDone();

    // 17. The address palette, when the user wants it at start.
    compose_->openPaletteIfWanted();

    // 18. The mailto poll.
    compose_->startMailtoPoll();

    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { Form_Unload(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { Form_Unload(); });
}

void MainForm::applyStartGeometry(const postling::Settings& settings) {
    const postling::StartGeometry g = postling::startGeometry(settings);
    if (g.kind == postling::StartGeometry::Maximised) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else if (g.kind == postling::StartGeometry::Stored) {
        const double d = dpi(this);
        move(postling::twipsToPixels(g.left, d), postling::twipsToPixels(g.top, d));
        resize(std::max(200, postling::twipsToPixels(g.width, d)),
               std::max(150, postling::twipsToPixels(g.height, d)));
    }
}

void MainForm::Form_Unload() {
    if (shutDown_)
        return;
    shutDown_ = true;

    // 1. A running long operation sees the flag and stops before anything is written.
    compose_->cancelLongOperations();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    if (!bookGivenUp_)
        addressBook_->SaveAddressBook();

    // 2-5. Every setting, from the subsystem that holds it (a key nobody holds is written back
    // as the file has it); the keyword file is written between the book's settings and the others.
    const postling::IniFile ini(shell_->ini_file().toStdString());
    postling::Settings settings = postling::readSettings(ini);
    addressBook_->saveSettings(settings);
    browsing_->saveSettings(settings);
    inbox_->saveSettings(settings);
    compose_->saveSettings(settings);
    store_->saveSettings(settings);
    const double d = dpi(this);
    postling::WindowState window;
    window.normal =
        !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    window.left = postling::pixelsToTwips(pos().x(), d);
    window.top = postling::pixelsToTwips(pos().y(), d);
    window.width = postling::pixelsToTwips(width(), d);
    window.height = postling::pixelsToTwips(height(), d);
    const auto writes = postling::shutdownWrites(settings, window);
    QStringList unsaved;
    for (const std::string& error :
         {postling::writeSettings(ini, {writes.begin(), writes.begin() + 2}),
          inbox_->saveKeywords(), postling::writeSettings(ini, {writes.begin() + 2, writes.end()})})
        if (!error.empty() && !unsaved.contains(qs(error)))
            unsaved << qs(error);
    if (!unsaved.isEmpty())
        Dialogs::message(this, tr("Postling could not save its settings or spam keywords; the "
                                  "files keep what they held before.\n%1")
                                   .arg(unsaved.join('\n')));

    // 6. The companion program, if the main directory holds one.
    startCompanion();

    // 7. The windows that belong to the main window go with it.
    for (QWidget* w : findChildren<QWidget*>())
        if (w->isWindow())
            w->close();
}

int MainForm::removeStaleTemporaries() const {
    const std::string main = shell_->main_dir().toStdString();
    std::vector<std::string> folders = {main, main + "templates", main + "addrbooks",
                                        QFileInfo(shell_->ini_file()).absolutePath().toStdString()};
    for (const std::string& folder : postling::subdirectoryNames(main + "savedmgs"))
        folders.push_back(main + "savedmgs/" + folder);
    int removed = 0;
    for (const std::string& folder : folders)
        removed += postling::removeStaleTemporaries(folder, 60);
    return removed;
}

void MainForm::startCompanion() const {
    for (const QString& name : {QString("postlinghp2.exe"), QString("postlinghp2")}) {
        const QFileInfo companion(shell_->main_dir() + name);
        if (companion.isFile() && companion.isExecutable()) {
            QProcess::startDetached(companion.absoluteFilePath(), {}, companion.absolutePath());
            return;
        }
    }
}
