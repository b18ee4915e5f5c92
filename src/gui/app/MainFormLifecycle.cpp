// Start-up and shutdown of the main window, in the order the program has always run them.
#include "MainForm.h"

#include "Dialogs.h"
#include "SavedMessagesPanel.h"
#include "SettingsPanel.h"
#include "SplashWindow.h"
#include "WebBrowser.h"
#include "WelcomeDialog.h"

#include "app/IniLocation.h"
#include "app/Twips.h"
#include "fs/AtomicFile.h"
#include "fs/Directory.h"
#include "inbox/InboxTools.h"
#include "store/MessageStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTimer>

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
    doing_init = true;
    SavedMessages->setStarting(true);
    ini_file = QString::fromStdString(
        postling::iniLocation(toStd(arguments), qgetenv("POSTLING_INI").constData(),
                              qgetenv("XDG_CONFIG_HOME").constData(), qgetenv("HOME").constData()));
    instance_ = std::make_unique<postling::InstanceLock>(ini_file.toStdString());
    main_dir = QString::fromStdString(
        postling::mainDirPrefix(GetIni(postling::kLocations, "main dir", "").toStdString()));

    SavedMessages->setMainDir(main_dir);

    // 2. The welcome page first, while the splash shows.
    WebBrowser1->Navigate(main_dir + "welcome.htm");

    // 3. The splash, modally.
    {
        SplashWindow splash(this);
        Dialogs::exec(splash);
    }

    // 4-6. Title, command line, state.
    setWindowTitle(APP_NAME);
    QApplication::setApplicationDisplayName(APP_NAME);
    started_by_mailto = arguments.mid(1).join(' ').contains("mailto");
    did_insert = false;
    user_clicked_cancel = false;
    compose_complete = false;
    lang = 0;
    num_lang = 8;
    settings = postling::readSettings(postling::IniFile(ini_file.toStdString()));

    // 8. The address book the user had open last.
    open_book = settings.lastaddressbk.empty() ? main_dir + "addrbooks/myaddrbk.csv"
                                               : QString::fromStdString(settings.lastaddressbk);
    Open_CSV();
    open_book.clear();

    // 9. Window geometry.
    applyStartGeometry();

    // 10. The pane, and the options of the Settings panel.
    if (settings.hideaddr)
        hidePane();
    PictureSettings->CheckGotoInbox->setChecked(settings.gotoinbox);
    PictureSettings->CheckEmail->setChecked(settings.showemail);
    CheckSaveSent->setChecked(settings.savesent);
    PictureSettings->ComboUnread->setCurrentIndex(settings.unreadnum);
    PictureSettings->CheckSpamUnread->setChecked(settings.spamunread);
    PictureSettings->CheckNonEnglish->setChecked(settings.spamnoneng);

    // 11. The spam keywords, from their file or the built-in lists.
    {
        const auto file = postling::readFile((main_dir + "spamkeys.txt").toStdString());
        spam_keys = QString::fromStdString(postling::loadedSpamKeywords(file ? &*file : nullptr));
        QString shown = spam_keys;
        PictureSettings->TextSpam->setPlainText(shown.replace("\r\n", "\n"));
    }

    // 11. Start addresses and the start provider.
    PictureSettings->TextYahoo->setText(QString::fromStdString(settings.ystart));
    PictureSettings->TextHotmail->setText(QString::fromStdString(settings.hstart));
    (settings.startHotmail ? PictureSettings->OptionH : PictureSettings->OptionY)->setChecked(true);
    AddressCombo->addItem(PictureSettings->TextYahoo->text());
    AddressCombo->addItem(PictureSettings->TextHotmail->text());

    // 12. The first run asks for the start provider.
    if (!settings.welcomeShown) {
        WelcomeDialog welcome(this);
        if (Dialogs::exec(welcome) == QDialog::Accepted)
            (welcome.yahooChosen() ? PictureSettings->OptionY : PictureSettings->OptionH)
                ->setChecked(true);
        ShowHelp(6000, true);
    }

    // 13. The start page replaces the welcome page.
    const QString start = PictureSettings->OptionY->isChecked()
                              ? PictureSettings->TextYahoo->text()
                              : PictureSettings->TextHotmail->text();
    WebBrowser1->Navigate(start);
    AddressCombo->setEditText(start);

    // 14-15. The data folders and the folder lists.
    createDataFolders();
    fillFolderLists(QString::fromStdString(settings.deffolder));

    // 16. The first tab; the saved-message list starts newest first.
    if (TabStrip2->currentIndex() != InboxTab - 1)
        TabStrip2->setCurrentIndex(InboxTab - 1);
    else
        onTabChanged(InboxTab - 1);
    doing_init = false;
    SavedMessages->setStarting(false);

    // 17. The address palette, when the user wants it at start.
    if (PictureSettings->CheckEmail->isChecked())
        showPalette();

    // 18. The mailto poll; a start for a mailto link waits for the compose page instead.
    if (!started_by_mailto)
        Timer2->start(1000);

    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { Form_Unload(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { Form_Unload(); });
}

void MainForm::applyStartGeometry() {
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

void MainForm::createDataFolders() {
    postling::MessageStore(main_dir.toStdString()).ensureDefaultFolders();
    postling::makeDirectory(main_dir.toStdString() + "templates");
}

void MainForm::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void MainForm::Form_Unload() {
    if (shutDown_)
        return;
    shutDown_ = true;

    // 1. A running long operation sees the flag and stops before anything is written.
    user_clicked_cancel = true;
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    SaveAddressBook();
    settings.lastaddressbk = book.path;
    settings.hideaddr = pane.hidden();

    // 2-5. Every setting, from the controls that hold them.
    settings.gotoinbox = PictureSettings->CheckGotoInbox->isChecked();
    settings.showemail = PictureSettings->CheckEmail->isChecked();
    settings.savesent = CheckSaveSent->isChecked();
    settings.unreadnum = std::max(0, PictureSettings->ComboUnread->currentIndex());
    settings.spamunread = PictureSettings->CheckSpamUnread->isChecked();
    settings.spamnoneng = PictureSettings->CheckNonEnglish->isChecked();
    settings.startHotmail = !PictureSettings->OptionY->isChecked();
    settings.ystart = PictureSettings->TextYahoo->text().toStdString();
    settings.hstart = PictureSettings->TextHotmail->text().toStdString();
    settings.deffolder = PictureSettings->ComboFolders3->currentText().toStdString();
    const double d = dpi(this);
    postling::WindowState window;
    window.normal =
        !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    window.left = postling::pixelsToTwips(pos().x(), d);
    window.top = postling::pixelsToTwips(pos().y(), d);
    window.width = postling::pixelsToTwips(width(), d);
    window.height = postling::pixelsToTwips(height(), d);
    // The keyword file is written between the book's settings and the others.
    const auto writes = postling::shutdownWrites(settings, window);
    const postling::IniFile ini(ini_file.toStdString());
    postling::writeSettings(ini, {writes.begin(), writes.begin() + 2});
    postling::writeFileAtomically(
        (main_dir + "spamkeys.txt").toStdString(),
        postling::spamKeywordFileText(PictureSettings->TextSpam->toPlainText().toStdString()));
    postling::writeSettings(ini, {writes.begin() + 2, writes.end()});

    // 6. The companion program, if the main directory holds one.
    for (const QString& name : {QString("postlinghp2.exe"), QString("postlinghp2")}) {
        const QFileInfo companion(main_dir + name);
        if (companion.isFile() && companion.isExecutable()) {
            QProcess::startDetached(companion.absoluteFilePath(), {}, companion.absolutePath());
            break;
        }
    }

    // 7. The windows that belong to the main window go with it.
    for (QWidget* w : findChildren<QWidget*>())
        if (w->isWindow())
            w->close();
}
