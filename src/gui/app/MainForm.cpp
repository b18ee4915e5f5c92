#include "MainForm.h"

#include "AboutBox.h"
#include "Dialogs.h"
#include "HelpWindow.h"
#include "LoopbackGuard.h"
#include "SavedMessagesPanel.h"
#include "SettingsPanel.h"
#include "WaitOverlay.h"
#include "WebBrowser.h"

#include "app/Navigation.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <algorithm>

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

QIcon letterIcon(const QString& letters, const QColor& colour) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(letters.size() > 1 ? 14 : 20);
    p.setFont(f);
    p.drawText(pixmap.rect(), Qt::AlignCenter, letters);
    return QIcon(pixmap);
}

} // namespace

MainForm::MainForm(const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), profile_(makeProfile(this)) {
    setObjectName("MainForm");
    setWindowTitle(APP_NAME);
    resize(960, 700); // the designed size, used when no stored geometry applies
    buildMenus();
    buildToolbar();
    buildViews();
    buildMessageTools();
    buildStatusBar();
    buildCompose();
    buildInbox();
    Form_Load(arguments);
    // Menus whose commands have not been added yet stay out of the way.
    for (QMenu* menu : {fileMenu, addressBookMenu, toolsMenu, helpMenu})
        menu->menuAction()->setVisible(!menu->actions().isEmpty());
}

MainForm::~MainForm() {
    // The views must go before the profile they use.
    delete WebBrowser1;
    delete WebBrowser2;
    delete WebBrowser3;
    delete WebBrowser4;
}

QAction* MainForm::addAction(QMenu* menu, const QString& name, const QString& caption) {
    auto* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

void MainForm::buildMenus() {
    fileMenu = menuBar()->addMenu("&File");
    fileMenu->setObjectName("File");
    addressBookMenu = menuBar()->addMenu("&Address Book");
    addressBookMenu->setObjectName("View");
    toolsMenu = menuBar()->addMenu("&Tools");
    toolsMenu->setObjectName("insert");
    helpMenu = menuBar()->addMenu("&Help");
    helpMenu->setObjectName("help");

    buildAddressMenus();
    connect(addAction(fileMenu, "exit", "&Exit"), &QAction::triggered, this, &QWidget::close);
    connect(addAction(helpMenu, "helpcontents", "&Contents..."), &QAction::triggered, this,
            [this] { ShowHelp(0); });
    helpMenu->addSeparator();
    connect(addAction(helpMenu, "about", "&About Postling..."), &QAction::triggered, this, [this] {
        AboutBox about(this);
        Dialogs::exec(about);
    });
}

void MainForm::buildToolbar() {
    Toolbar1 = addToolBar("Browser");
    Toolbar1->setObjectName("Toolbar1");
    Toolbar1->setMovable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    struct Button {
        const char* key;
        const char* caption;
        const char* tip;
        QIcon icon;
    };
    const QList<Button> buttons = {
        {"back", "Back", "Go Back", style()->standardIcon(QStyle::SP_ArrowBack)},
        {"forward", "Forward", "Go Forward", style()->standardIcon(QStyle::SP_ArrowForward)},
        {"stop", "Stop", "Stop", style()->standardIcon(QStyle::SP_BrowserStop)},
        {"refresh", "Refresh", "Refresh", style()->standardIcon(QStyle::SP_BrowserReload)},
        {"yahoo", "Yahoo! Mail", "Go to Yahoo Mail", letterIcon("Y!", QColor("#6633cc"))},
        {"hotmail", "Hotmail", "Go to Hotmail", letterIcon("H", QColor("#003399"))},
        {"help", "Help", "Postling Help", style()->standardIcon(QStyle::SP_DialogHelpButton)},
    };
    for (const Button& b : buttons) {
        QAction* action = Toolbar1->addAction(b.icon, b.caption);
        action->setObjectName(b.key);
        action->setToolTip(b.tip);
        connect(action, &QAction::triggered, this,
                [this, key = QString(b.key)] { runToolbarKey(key); });
        if (QString(b.key) == "refresh")
            Toolbar1->addSeparator();
    }

    addToolBarBreak();
    QToolBar* addressBar = addToolBar("Address");
    addressBar->setObjectName("AddressBar");
    addressBar->setMovable(false);
    addressBar->addWidget(new QLabel(" Address "));
    AddressCombo = new QComboBox;
    AddressCombo->setObjectName("AddressCombo");
    AddressCombo->setEditable(true);
    AddressCombo->setInsertPolicy(QComboBox::NoInsert);
    AddressCombo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    addressBar->addWidget(AddressCombo);
    QAction* go = addressBar->addAction(style()->standardIcon(QStyle::SP_ArrowRight), "Go");
    go->setObjectName("go");
    go->setToolTip("Go");
    connect(go, &QAction::triggered, this, [this] { runToolbarKey("go"); });
    connect(AddressCombo, &QComboBox::activated, this,
            [this](int index) { navigateFromAddressBar(AddressCombo->itemText(index)); });
    connect(AddressCombo->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        // Enter on a listed text already came through `activated`.
        if (AddressCombo->findText(AddressCombo->currentText()) < 0)
            navigateFromAddressBar(AddressCombo->currentText());
    });
}

void MainForm::buildViews() {
    auto* central = new QWidget;
    auto* right = new QWidget;
    auto* layout = new QVBoxLayout(right);
    layout->setContentsMargins(4, 2, 4, 0);
    layout->setSpacing(0);

    TabStrip2 = new QTabBar;
    TabStrip2->setObjectName("TabStrip2");
    for (const char* caption :
         {"Inbox/Login", "Compose", "Saved Message Folders (local)", "Calendar", "Settings"})
        TabStrip2->addTab(caption);
    TabStrip2->setExpanding(false);
    layout->addWidget(TabStrip2);

    viewArea_ = new QWidget;
    viewArea_->setObjectName("ViewArea");
    auto* grid = new QGridLayout(viewArea_);
    grid->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(viewArea_, 1);

    WebBrowser1 = new WebBrowser("WebBrowser1", profile_);
    WebBrowser2 = new WebBrowser("WebBrowser2", profile_);
    WebBrowser3 = new WebBrowser("WebBrowser3", profile_);
    WebBrowser4 = new WebBrowser("WebBrowser4", profile_);
    // Saved bodies come from strangers: the preview runs none of their scripts (Postling's own
    // page script still reads them) and reads them as UTF-8, the way they were written.
    WebBrowser2->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    WebBrowser2->settings()->setDefaultTextEncoding("utf-8");
    PictureSettings = new SettingsPanel;
    SavedMessages = new SavedMessagesPanel(WebBrowser2);
    for (QWidget* view : {static_cast<QWidget*>(WebBrowser1), static_cast<QWidget*>(WebBrowser3),
                          static_cast<QWidget*>(SavedMessages), static_cast<QWidget*>(WebBrowser4),
                          static_cast<QWidget*>(PictureSettings)})
        grid->addWidget(view, 0, 0);
    tabViews_[InboxTab] = {WebBrowser1};
    tabViews_[ComposeTab] = {WebBrowser3};
    tabViews_[SavedTab] = {SavedMessages};
    tabViews_[CalendarTab] = {WebBrowser4};
    tabViews_[SettingsTab] = {PictureSettings};
    buildAddressPane(central);
    static_cast<QHBoxLayout*>(central->layout())->addWidget(right, 1);
    setCentralWidget(central);

    PictureWait = new WaitOverlay(viewArea_);
    connect(PictureWait, &WaitOverlay::cancelled, this, [this] { user_clicked_cancel = true; });

    connect(TabStrip2, &QTabBar::currentChanged, this, &MainForm::onTabChanged);
    connect(WebBrowser1, &WebBrowser::NavigateComplete2, this, &MainForm::onInboxNavigateComplete);
    connect(WebBrowser1, &WebBrowser::ProgressChange, this, [this](int progress, int max) {
        Progress1->setVisible(postling::progressVisible(progress, max));
        Progress1->setMaximum(max);
        Progress1->setValue(std::clamp(progress, 0, max));
    });
    for (WebBrowser* view : {WebBrowser1, WebBrowser2, WebBrowser3, WebBrowser4})
        connectStatus(view);
    connect(PictureSettings->CommandDefBrowser, &QPushButton::clicked, this,
            [this] { ShowHelp(5002, true); });
    connect(SavedMessages->CommandAddFolder, &QPushButton::clicked, this,
            &MainForm::CommandAddFolder_Click);
    connect(SavedMessages->RemoveFolder, &QPushButton::clicked, this,
            &MainForm::RemoveFolder_Click);
}

void MainForm::buildStatusBar() {
    statusBar()->setObjectName("StatusBar1");
    statusBar()->setSizeGripEnabled(true);
    const int widths[3] = {180, 180, 0};
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel;
        panels_[i]->setObjectName(QString("Panel%1").arg(i + 1));
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panels_[i]->setMinimumWidth(widths[i]);
        statusBar()->addWidget(panels_[i], i == 2 ? 1 : 0);
    }
    Progress1 = new QProgressBar;
    Progress1->setObjectName("Progress1");
    Progress1->setMaximumWidth(160);
    Progress1->setTextVisible(false);
    Progress1->hide();
    statusBar()->addPermanentWidget(Progress1);
}

QString MainForm::panelText(int panel) const {
    return panel >= 1 && panel <= 3 ? panels_[panel - 1]->text() : QString();
}

void MainForm::setPanelText(int panel, const QString& text) {
    if (panel >= 1 && panel <= 3)
        panels_[panel - 1]->setText(text);
}

QString MainForm::GetIni(const QString& section, const QString& item, const QString& def) const {
    const postling::IniFile ini(ini_file.toStdString());
    return QString::fromStdString(
        ini.get(section.toStdString(), item.toStdString(), def.toStdString()));
}

void MainForm::SetIni(const QString& section, const QString& item, const QString& value) const {
    postling::IniFile(ini_file.toStdString())
        .set(section.toStdString(), item.toStdString(), value.toStdString());
}

void MainForm::ShowHelp(int topic, bool secondary) {
    HelpWindow*& window = secondary ? helpProc1_ : help_;
    if (!window) {
        window = new HelpWindow(secondary ? "proc1" : "HelpWindow", this);
        // The small window stands at the right of the main window, clear of the toolbar.
        if (secondary)
            window->move(geometry().right() - window->width() - 20, geometry().top() + 120);
    }
    window->setHelpFile(main_dir + "webmail.hlp");
    window->showTopic(topic);
}
