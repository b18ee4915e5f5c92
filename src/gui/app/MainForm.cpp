#include "MainForm.h"

#include "AboutBox.h"
#include "AddressBookSubsystem.h"
#include "BrowsingSubsystem.h"
#include "ComposeSubsystem.h"
#include "DefaultMailer.h"
#include "Dialogs.h"
#include "FlowLayout.h"
#include "InboxSubsystem.h"
#include "LoopbackGuard.h"
#include "PaneFrame.h"
#include "SavedMessagesPanel.h"
#include "SettingsPanel.h"
#include "Shell.h"
#include "StoreSubsystem.h"
#include "TemplateCommands.h"
#include "WaitOverlay.h"
#include "WebBrowser.h"

#include "app/InstanceLock.h"
#include "store/SavedMessage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

// The four views share one profile: a persistent one for the program, an off-the-record one
// when POSTLING_PRIVATE_PROFILE is set (tests), so nothing lands in the user's data.
QWebEngineProfile* makeProfile(QObject* parent) {
    QWebEngineProfile* profile = qEnvironmentVariableIsSet("POSTLING_PRIVATE_PROFILE")
                                     ? new QWebEngineProfile(parent)
                                     : new QWebEngineProfile("Postling", parent);
    profile->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    if (qEnvironmentVariableIsSet("POSTLING_LOOPBACK_ONLY"))
        profile->setUrlRequestInterceptor(new LoopbackGuard(profile));
    return profile;
}

QToolBar* addStrip(QMainWindow* window, const char* name, const QString& title) {
    QToolBar* strip = window->addToolBar(title);
    strip->setObjectName(name);
    strip->setMovable(false);
    return strip;
}

} // namespace

MainForm::MainForm(const QStringList& arguments, std::unique_ptr<postling::InstanceLock> instance,
                   QWidget* parent)
    : QMainWindow(parent), profile_(makeProfile(this)), instance_(std::move(instance)) {
    setObjectName("MainForm");
    setWindowTitle(tr(APP_NAME));
    resize(960, 700); // the designed size, used when no stored geometry applies
    buildFrame();
    buildSubsystems();
    placeControls();
    buildMenus();
    connectSubsystems();
    Form_Load(arguments);
}

MainForm::~MainForm() {
    // The views must go before the profile they use.
    for (WebBrowser* view : views_)
        delete view;
}

void MainForm::buildFrame() {
    const char* names[] = {"WebBrowser1", "WebBrowser2", "WebBrowser3", "WebBrowser4"};
    for (int i = 0; i < 4; ++i)
        views_[i] = new WebBrowser(names[i], profile_);
    // Saved bodies come from strangers: the preview runs none of their scripts (Postling's own
    // page script still reads them) and reads them as UTF-8, the way they were written.
    views_[1]->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    views_[1]->settings()->setDefaultTextEncoding("utf-8");

    rightSide_ = new QWidget;
    auto* layout = new QVBoxLayout(rightSide_);
    layout->setContentsMargins(4, 2, 4, 0);
    layout->setSpacing(0);
    auto* tabs = new QTabBar;
    tabs->setObjectName("TabStrip2");
    for (const char* caption : {QT_TR_NOOP("Inbox/Login"), QT_TR_NOOP("Compose"),
                                QT_TR_NOOP("Saved Message Folders (local)"), QT_TR_NOOP("Calendar"),
                                QT_TR_NOOP("Settings")})
        tabs->addTab(tr(caption));
    tabs->setExpanding(false);
    layout->addWidget(tabs);
    viewArea_ = new QWidget;
    viewArea_->setObjectName("ViewArea");
    new QGridLayout(viewArea_);
    viewArea_->layout()->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(viewArea_, 1);

    statusBar()->setObjectName("StatusBar1");
    statusBar()->setSizeGripEnabled(true);
    QList<QLabel*> panels;
    const int widths[3] = {180, 180, 0};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel;
        panel->setObjectName(QString("Panel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(widths[i]);
        statusBar()->addWidget(panel, i == 2 ? 1 : 0);
        panels << panel;
    }
    shell_ = new Shell({this, tabs, views_[0], views_[1], views_[2], views_[3], panels}, this);
}

void MainForm::buildSubsystems() {
    browsing_ = new BrowsingSubsystem(*shell_, this);
    store_ = new StoreSubsystem(*shell_, this);
    addressBook_ = new AddressBookSubsystem(*shell_, this);
    compose_ = new ComposeSubsystem(*shell_, *addressBook_, this);
    inbox_ = new InboxSubsystem(*shell_, this);
}

void MainForm::placeControls() {
    QToolBar* toolbar = addStrip(this, "Toolbar1", tr("Browser"));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (QAction* action : browsing_->toolbarActions()) {
        toolbar->addAction(action);
        if (action->objectName() == "refresh")
            toolbar->addSeparator();
    }
    addToolBarBreak();
    QToolBar* addressBar = addStrip(this, "AddressBar", tr("Address"));
    addressBar->addWidget(new QLabel(tr(" Address ")));
    addressBar->addWidget(browsing_->addressBar());
    addressBar->addAction(browsing_->goAction());

    // Under the address bar: the inbox tools, saving messages locally, and compose; they wrap
    // onto a second row in a narrow window.
    tools_ = new QWidget;
    tools_->setObjectName("MessageTools");
    auto* strip = new FlowLayout(tools_);
    strip->setContentsMargins(4, 2, 4, 2);
    strip->addWidget(inbox_->buttonsFrame());
    auto* save = new QGroupBox(tr("Save Messages Locally"));
    save->setObjectName("FrameSave");
    auto* row = new QHBoxLayout(save);
    row->setContentsMargins(6, 2, 6, 4);
    row->addWidget(new QLabel(tr("Folder:")));
    row->addWidget(store_->folderChooser());
    row->addWidget(store_->newFolderButton());
    row->addWidget(store_->saveButton());
    row->addWidget(store_->savedLabel());
    row->addWidget(compose_->saveSentBox());
    strip->addWidget(save);
    auto* composeFrame = new QGroupBox(tr("Compose"));
    composeFrame->setObjectName("FrameCompose");
    auto* composeRow = new QHBoxLayout(composeFrame);
    composeRow->setContentsMargins(6, 2, 6, 4);
    composeRow->addWidget(compose_->templates().list());
    composeRow->addWidget(compose_->templates().useButton());
    composeRow->addWidget(compose_->templates().editButton());
    composeRow->addWidget(compose_->mergeButton());
    strip->addWidget(composeFrame);

    // The Settings tab, frame by frame.
    settingsPanel_ = new SettingsPanel;
    auto* defaultMailer =
        new QPushButton(tr("Set Postling as your &Default E-mail Program (for mailto links)"));
    defaultMailer->setObjectName("CommandDefBrowser");
    connect(defaultMailer, &QPushButton::clicked, this,
            [this] { DefaultMailer::offer(this, *shell_); });
    settingsPanel_->addFrame(browsing_->startPageFrame());
    settingsPanel_->addFrame(settingsPanel_->optionsFrame());
    settingsPanel_->addOption(defaultMailer);
    settingsPanel_->addOption(compose_->paletteAtStartBox());
    settingsPanel_->addOption(compose_->defaultTemplateList(), tr("Default Email Template:"));
    settingsPanel_->addOption(browsing_->gotoInboxBox());
    settingsPanel_->addOption(store_->defaultFolderList(),
                              tr("Default Folder for Saving Messages:"));
    settingsPanel_->addFrame(inbox_->settingsFrame());

    // The views: one tab shows each; the address pane stands to the left of them all.
    auto* grid = static_cast<QGridLayout*>(viewArea_->layout());
    const QList<QWidget*> tabWidgets = {views_[0], views_[2], store_->panel(), views_[3],
                                        settingsPanel_};
    for (int tab = Shell::InboxTab; tab <= Shell::SettingsTab; ++tab) {
        grid->addWidget(tabWidgets[tab - 1], 0, 0);
        shell_->setTabWidgets(tab, {tabWidgets[tab - 1]});
    }
    compose_->waitOverlay()->setParent(viewArea_);
    statusBar()->addPermanentWidget(browsing_->progressBar());

    auto* central = new QWidget;
    auto* rows = new QVBoxLayout(central);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    rows->addWidget(tools_);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(0);
    columns->addWidget(addressBook_->frame());
    columns->addWidget(rightSide_, 1);
    rows->addLayout(columns, 1);
    setCentralWidget(central);
}

void MainForm::buildMenus() {
    auto menu = [this](const QString& caption, const char* name) {
        QMenu* m = menuBar()->addMenu(caption);
        m->setObjectName(name);
        return m;
    };
    QMenu* file = menu(tr("&File"), "File");
    for (QAction* action : addressBook_->fileActions()) {
        file->addAction(action);
        file->addSeparator();
    }
    QAction* exit = file->addAction(tr("&Exit"));
    exit->setObjectName("exit");
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* book = menu(tr("&Address Book"), "View");
    book->addActions(addressBook_->editActions());
    book->addSeparator();
    book->addActions(addressBook_->findActions());
    book->addSeparator();
    book->addActions(compose_->insertActions());
    book->addSeparator();
    book->addActions(addressBook_->paneActions());

    QMenu* tools = menu(tr("&Tools"), "insert");
    tools->addActions(inbox_->menuActions());
    tools->addSeparator();
    tools->addAction(store_->saveAction());
    tools->addSeparator();
    tools->addAction(compose_->templateAction());
    tools->addSeparator();
    tools->addAction(compose_->mergeAction());
    tools->addSeparator();
    tools->addAction(compose_->paletteAction());

    QMenu* help = menu(tr("&Help"), "help");
    QAction* contents = help->addAction(tr("&Contents..."));
    contents->setObjectName("helpcontents");
    connect(contents, &QAction::triggered, this, [this] { shell_->ShowHelp(0); });
    help->addSeparator();
    QAction* about = help->addAction(tr("&About Postling..."));
    about->setObjectName("about");
    connect(about, &QAction::triggered, this, [this] {
        AboutBox box(this);
        Dialogs::exec(box);
    });
}

// Siblings never see each other: where one needs another, the window connects them.
void MainForm::connectSubsystems() {
    connect(browsing_, &BrowsingSubsystem::inboxNavigated, store_,
            &StoreSubsystem::hideSavedNotice);
    connect(store_, &StoreSubsystem::answerRequested, compose_, &ComposeSubsystem::ReplyOrForward);
    connect(compose_, &ComposeSubsystem::sentMessage, store_, &StoreSubsystem::SaveMessage);
    connect(compose_, &ComposeSubsystem::jobProgress, browsing_,
            &BrowsingSubsystem::showJobProgress);
    connect(compose_, &ComposeSubsystem::jobDone, browsing_, &BrowsingSubsystem::endJobProgress);
}

void MainForm::closeEvent(QCloseEvent* event) {
    // A book that cannot be written keeps the window open, unless its edits are let go.
    if (!shutDown_ && !addressBook_->SaveAddressBook()) {
        if (!Dialogs::question(this,
                               tr("Close Postling anyway? The changes to the address book will "
                                  "be lost."),
                               Dialogs::Answer::No)) {
            event->ignore();
            return;
        }
        bookGivenUp_ = true;
    }
    Form_Unload();
    QMainWindow::closeEvent(event);
}

void MainForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Tab)
        return; // the window itself takes no TAB characters
    QMainWindow::keyPressEvent(event);
}

void MainForm::mousePressEvent(QMouseEvent* event) {
    // A press on the window's own background runs Check Group: no control under it, only the
    // plain widgets that lay the controls out (presses on them come on up to the window).
    QWidget* under = childAt(event->position().toPoint());
    if (!under || under == centralWidget() || under == tools_ || under == rightSide_ ||
        under == viewArea_)
        inbox_->CheckGroup();
    QMainWindow::mousePressEvent(event);
}

void MainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeWaitOverlay();
}

void MainForm::placeWaitOverlay() {
    WaitOverlay* wait = compose_->waitOverlay();
    wait->adjustSize();
    wait->move((viewArea_->width() - wait->width()) / 2,
               std::max(0, viewArea_->height() / 3 - wait->height() / 2));
    wait->raise();
}
