#include "BrowsingSubsystem.h"

#include "Artwork.h"
#include "QtText.h"
#include "Shell.h"
#include "WebBrowser.h"

#include "StartPages.h"

#include "app/Navigation.h"
#include "app/Settings.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <utility>

BrowsingSubsystem::BrowsingSubsystem(Shell& shell, QObject* parent)
    : QObject(parent), shell_(shell), AddressCombo(new QComboBox), Progress1(new QProgressBar),
      startPages_(new StartPages(this)),
      CheckGotoInbox(
          new QCheckBox(tr("Go directly to &inbox after login (bypass mail home page)"))) {
    QStyle* style = QApplication::style();
    struct Button {
        const char* key;
        const char* caption;
        const char* tip;
        QIcon icon;
    };
    const QList<Button> buttons = {
        {"back", QT_TR_NOOP("Back"), QT_TR_NOOP("Go Back"),
         style->standardIcon(QStyle::SP_ArrowBack)},
        {"forward", QT_TR_NOOP("Forward"), QT_TR_NOOP("Go Forward"),
         style->standardIcon(QStyle::SP_ArrowForward)},
        {"stop", QT_TR_NOOP("Stop"), QT_TR_NOOP("Stop"),
         style->standardIcon(QStyle::SP_BrowserStop)},
        {"refresh", QT_TR_NOOP("Refresh"), QT_TR_NOOP("Refresh"),
         style->standardIcon(QStyle::SP_BrowserReload)},
        {"help", QT_TR_NOOP("Help"), QT_TR_NOOP("Postling Help"),
         style->standardIcon(QStyle::SP_DialogHelpButton)},
    };
    for (const Button& b : buttons) {
        if (QString(b.key) == "help") // the sites' buttons stand before Help
            toolbar_ << startPages_->toolbarActions();
        auto* action = new QAction(b.icon, tr(b.caption), this);
        action->setObjectName(b.key);
        action->setToolTip(tr(b.tip));
        connect(action, &QAction::triggered, this,
                [this, key = QString(b.key)] { runToolbarKey(key); });
        toolbar_ << action;
    }
    go_ = new QAction(style->standardIcon(QStyle::SP_ArrowRight), tr("Go"), this);
    go_->setObjectName("go");
    go_->setToolTip(tr("Go"));
    connect(go_, &QAction::triggered, this, [this] { runToolbarKey("go"); });

    AddressCombo->setObjectName("AddressCombo");
    AddressCombo->setEditable(true);
    AddressCombo->setAccessibleName(tr("Address"));
    AddressCombo->lineEdit()->setAccessibleName(AddressCombo->accessibleName());
    AddressCombo->setInsertPolicy(QComboBox::NoInsert);
    AddressCombo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Enter always goes to the typed text. The combo box may follow it with `activated` (when
    // the text names another entry of the list): that one is the same request, once.
    connect(AddressCombo, &QComboBox::activated, this, [this](int index) {
        if (!std::exchange(enterHandled_, false))
            navigateFromAddressBar(AddressCombo->itemText(index));
    });
    connect(AddressCombo->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        navigateFromAddressBar(AddressCombo->currentText());
        enterHandled_ = true;
        QTimer::singleShot(0, this, [this] { enterHandled_ = false; });
    });

    // As in a desktop browser, Ctrl+L or F6 takes the keyboard to the address bar, from a page
    // as well: the way out of a page that holds on to Tab.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence(Qt::Key_F6)}) {
        auto* shortcut = new QShortcut(keys, AddressCombo, nullptr, nullptr, Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] {
            AddressCombo->setFocus(Qt::ShortcutFocusReason);
            AddressCombo->lineEdit()->selectAll();
        });
    }

    Progress1->setObjectName("Progress1");
    Progress1->setMaximumWidth(160);
    Progress1->setTextVisible(false);
    Progress1->hide();

    CheckGotoInbox->setObjectName("CheckGotoInbox");
    connect(startPages_, &StartPages::goRequested, this, [this](const QString& address) {
        AddressCombo->setEditText(address);
        shell_.WebBrowser1()->Navigate(address);
        if (shell_.currentTab() != Shell::InboxTab)
            shell_.selectTab(Shell::InboxTab);
    });
    connect(startPages_, &StartPages::siteAddressesChanged, this,
            [this](const postling::SiteAddresses& sites) { shell_.setSiteAddresses(sites); });

    WebBrowser* inbox = shell_.WebBrowser1();
    connect(inbox, &WebBrowser::NavigateComplete2, this,
            &BrowsingSubsystem::onInboxNavigateComplete);
    connect(inbox, &WebBrowser::ProgressChange, this, [this](int progress, int max) {
        if (job_)
            return;
        Progress1->setVisible(postling::progressVisible(progress, max));
        Progress1->setMaximum(max);
        Progress1->setValue(std::clamp(progress, 0, max));
    });
    // A hidden view's status text never reaches the status line.
    for (WebBrowser* view :
         {inbox, shell_.WebBrowser2(), shell_.WebBrowser3(), shell_.WebBrowser4()})
        connect(view, &WebBrowser::StatusTextChange, this, [this, view](const QString& text) {
            if (view->isVisible())
                shell_.setPanelText(3, text);
        });
    connect(&shell_, &Shell::tabChanged, this, &BrowsingSubsystem::onTabChanged);
}

void BrowsingSubsystem::showJobProgress(int value, int maximum, const QString& text) {
    job_ = true;
    Progress1->setMaximum(std::max(1, maximum));
    Progress1->setValue(std::clamp(value, 0, std::max(1, maximum)));
    Progress1->setFormat(text);
    Progress1->setTextVisible(true);
    Progress1->setMaximumWidth(320);
    Progress1->setMinimumWidth(Progress1->fontMetrics().horizontalAdvance(text) + 24);
    Progress1->show();
}

void BrowsingSubsystem::endJobProgress() {
    job_ = false;
    Progress1->setTextVisible(false);
    Progress1->setMinimumWidth(0);
    Progress1->setMaximumWidth(160);
    Progress1->hide();
}

void BrowsingSubsystem::showWelcomePage() {
    shell_.WebBrowser1()->Navigate(shell_.main_dir() + "welcome.htm");
}

void BrowsingSubsystem::loadOptions(const postling::Settings& settings) {
    CheckGotoInbox->setChecked(settings.gotoinbox);
}

QGroupBox* BrowsingSubsystem::startPageFrame() const {
    return startPages_->frame();
}

void BrowsingSubsystem::loadStartPages(const postling::Settings& settings) {
    startPages_->load(settings);
    AddressCombo->addItems(startPages_->addresses());
}

void BrowsingSubsystem::chooseStartSite(const postling::Site& site, const QString& typed) {
    startPages_->choose(site, typed);
}

void BrowsingSubsystem::goToStartPage() {
    const QString start = startPages_->start();
    shell_.WebBrowser1()->Navigate(start);
    AddressCombo->setEditText(start);
}

void BrowsingSubsystem::saveSettings(postling::Settings& settings) const {
    settings.gotoinbox = CheckGotoInbox->isChecked();
    startPages_->save(settings);
}

void BrowsingSubsystem::onTabChanged(int tab) {
    if (tab != Shell::CalendarTab)
        return;
    WebBrowser* calendar = shell_.WebBrowser4();
    if (postling::calendarShown(str(calendar->LocationURL())))
        return;
    const postling::Site& site = shell_.site();
    if (const auto target = site.calendar(shell_.siteAddresses()))
        calendar->Navigate(qs(*target));
    else
        calendar->setHtml(QString("<html><body style=\"font-family: sans-serif; margin: 2em\">"
                                  "<h3>%1</h3><p>%2</p></body></html>")
                              .arg(tr("No calendar").toHtmlEscaped(),
                                   tr("%1 has no calendar that Postling can show.")
                                       .arg(qs(std::string(site.name())))
                                       .toHtmlEscaped()));
}

void BrowsingSubsystem::onInboxNavigateComplete(const QString& url) {
    AddressCombo->setEditText(url);
    emit inboxNavigated();
    shell_.setPanelText(2, "");

    const postling::Site& site = shell_.siteOf(url);
    if (CheckGotoInbox->isChecked()) {
        const postling::InboxShortcut shortcut = site.afterLogin(str(url));
        if (shortcut.handled) {
            shell_.WebBrowser1()->Navigate(qs(shortcut.target));
            return;
        }
    }
    WebBrowser* compose = shell_.WebBrowser3();
    if (const auto target = site.composePreload(str(url), str(compose->LocationURL())))
        compose->Navigate(qs(*target));
}

void BrowsingSubsystem::runToolbarKey(const QString& key) {
    WebBrowser* inbox = shell_.WebBrowser1();
    WebBrowser* compose = shell_.WebBrowser3();
    auto goTo = [this, inbox](const QString& address) {
        AddressCombo->setEditText(address);
        inbox->Navigate(address);
        if (shell_.currentTab() != Shell::InboxTab)
            shell_.selectTab(Shell::InboxTab);
    };
    if (key == "go") {
        goTo(AddressCombo->currentText());
    } else if (key == "back") {
        inbox->GoBack();
    } else if (key == "forward") {
        inbox->GoForward();
    } else if (key == "refresh") {
        inbox->Refresh();
        compose->Refresh();
    } else if (key == "stop") {
        inbox->Stop();
        compose->Stop();
    } else if (key == "help") {
        shell_.ShowHelp(0);
    } else if (const QString site = startPages_->address(key); !site.isEmpty()) {
        goTo(site);
    }
}

void BrowsingSubsystem::navigateFromAddressBar(const QString& text) {
    if (!text.trimmed().isEmpty())
        shell_.WebBrowser1()->Navigate(text);
}
