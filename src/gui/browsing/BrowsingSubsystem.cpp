#include "BrowsingSubsystem.h"

#include "Artwork.h"
#include "QtText.h"
#include "Shell.h"
#include "WebBrowser.h"

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
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <utility>

BrowsingSubsystem::BrowsingSubsystem(Shell& shell, QObject* parent)
    : QObject(parent), shell_(shell), AddressCombo(new QComboBox), Progress1(new QProgressBar),
      startFrame_(new QGroupBox("Start Page")), OptionY(new QRadioButton("&Yahoo Mail:")),
      TextYahoo(new QLineEdit), OptionH(new QRadioButton("MSN &Hotmail")),
      TextHotmail(new QLineEdit),
      CheckGotoInbox(new QCheckBox("Go directly to &inbox after login (bypass mail home page)")) {
    QStyle* style = QApplication::style();
    struct Button {
        const char* key;
        const char* caption;
        const char* tip;
        QIcon icon;
    };
    const QList<Button> buttons = {
        {"back", "Back", "Go Back", style->standardIcon(QStyle::SP_ArrowBack)},
        {"forward", "Forward", "Go Forward", style->standardIcon(QStyle::SP_ArrowForward)},
        {"stop", "Stop", "Stop", style->standardIcon(QStyle::SP_BrowserStop)},
        {"refresh", "Refresh", "Refresh", style->standardIcon(QStyle::SP_BrowserReload)},
        {"yahoo", "Yahoo! Mail", "Go to Yahoo Mail", letterIcon("Y!", QColor("#6633cc"))},
        {"hotmail", "Hotmail", "Go to Hotmail", letterIcon("H", QColor("#003399"))},
        {"help", "Help", "Postling Help", style->standardIcon(QStyle::SP_DialogHelpButton)},
    };
    for (const Button& b : buttons) {
        auto* action = new QAction(b.icon, b.caption, this);
        action->setObjectName(b.key);
        action->setToolTip(b.tip);
        connect(action, &QAction::triggered, this,
                [this, key = QString(b.key)] { runToolbarKey(key); });
        toolbar_ << action;
    }
    go_ = new QAction(style->standardIcon(QStyle::SP_ArrowRight), "Go", this);
    go_->setObjectName("go");
    go_->setToolTip("Go");
    connect(go_, &QAction::triggered, this, [this] { runToolbarKey("go"); });

    AddressCombo->setObjectName("AddressCombo");
    AddressCombo->setEditable(true);
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

    Progress1->setObjectName("Progress1");
    Progress1->setMaximumWidth(160);
    Progress1->setTextVisible(false);
    Progress1->hide();

    startFrame_->setObjectName("FrameStart");
    OptionY->setObjectName("OptionY");
    TextYahoo->setObjectName("TextYahoo");
    OptionH->setObjectName("OptionH");
    TextHotmail->setObjectName("TextHotmail");
    CheckGotoInbox->setObjectName("CheckGotoInbox");
    auto* group = new QButtonGroup(startFrame_);
    group->addButton(OptionY);
    group->addButton(OptionH);
    OptionY->setChecked(true);
    auto* startLayout = new QGridLayout(startFrame_);
    startLayout->addWidget(OptionY, 0, 0);
    startLayout->addWidget(TextYahoo, 0, 1);
    startLayout->addWidget(OptionH, 1, 0);
    startLayout->addWidget(TextHotmail, 1, 1);
    startLayout->setColumnStretch(1, 1);

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

void BrowsingSubsystem::loadStartPages(const postling::Settings& settings) {
    TextYahoo->setText(qs(settings.ystart));
    TextHotmail->setText(qs(settings.hstart));
    (settings.startHotmail ? OptionH : OptionY)->setChecked(true);
    AddressCombo->addItem(TextYahoo->text());
    AddressCombo->addItem(TextHotmail->text());
    ycalendar_ = settings.ycalendar;
    hcalendar_ = settings.hcalendar;
}

void BrowsingSubsystem::chooseStartProvider(bool yahoo) {
    (yahoo ? OptionY : OptionH)->setChecked(true);
}

void BrowsingSubsystem::goToStartPage() {
    const QString start = OptionY->isChecked() ? TextYahoo->text() : TextHotmail->text();
    shell_.WebBrowser1()->Navigate(start);
    AddressCombo->setEditText(start);
}

void BrowsingSubsystem::saveSettings(postling::Settings& settings) const {
    settings.gotoinbox = CheckGotoInbox->isChecked();
    settings.startHotmail = !OptionY->isChecked();
    settings.ystart = str(TextYahoo->text());
    settings.hstart = str(TextHotmail->text());
}

void BrowsingSubsystem::onTabChanged(int tab) {
    if (tab != Shell::CalendarTab)
        return;
    WebBrowser* calendar = shell_.WebBrowser4();
    if (const auto target = postling::calendarTarget(str(calendar->LocationURL()),
                                                     str(shell_.WebBrowser1()->LocationURL()),
                                                     ycalendar_, hcalendar_))
        calendar->Navigate(qs(*target));
}

void BrowsingSubsystem::onInboxNavigateComplete(const QString& url) {
    AddressCombo->setEditText(url);
    emit inboxNavigated();
    shell_.setPanelText(2, "");

    if (CheckGotoInbox->isChecked()) {
        const postling::InboxShortcut shortcut = postling::goToInbox(str(url));
        if (shortcut.handled) {
            shell_.WebBrowser1()->Navigate(qs(shortcut.target));
            return;
        }
    }
    WebBrowser* compose = shell_.WebBrowser3();
    if (const auto target = postling::composePreload(str(url), str(compose->LocationURL())))
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
    } else if (key == "yahoo") {
        goTo(TextYahoo->text());
    } else if (key == "hotmail") {
        goTo(TextHotmail->text());
    } else if (key == "help") {
        shell_.ShowHelp(0);
    }
}

void BrowsingSubsystem::navigateFromAddressBar(const QString& text) {
    if (!text.trimmed().isEmpty())
        shell_.WebBrowser1()->Navigate(text);
}
