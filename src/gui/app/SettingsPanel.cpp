#include "SettingsPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

SettingsPanel::SettingsPanel(QWidget* parent)
    : QWidget(parent), OptionY(new QRadioButton("&Yahoo Mail:")), TextYahoo(new QLineEdit),
      OptionH(new QRadioButton("MSN &Hotmail")), TextHotmail(new QLineEdit),
      CommandDefBrowser(
          new QPushButton("Set &Postling as your Default E-mail Program (for mailto links)")),
      CheckEmail(new QCheckBox("Show &Email Address Palette on Startup")),
      CheckGotoInbox(new QCheckBox("Go directly to &inbox after login (bypass mail home page)")),
      ComboFolders3(new QComboBox), ComboUnread(new QComboBox),
      CheckSpamUnread(new QCheckBox("\"Check Spam\" checks &only unread messages")),
      CheckNonEnglish(new QCheckBox("\"Check Spam\" checks messages with multiple non-&English "
                                    "characters")),
      Command7(new QPushButton("Edit Spam &Keywords")), TextSpam(new QPlainTextEdit),
      SpamClose(new QPushButton("Close")), options_(new QGridLayout),
      frames_(new QVBoxLayout(this)) {
    setObjectName("PictureSettings");
    OptionY->setObjectName("OptionY");
    TextYahoo->setObjectName("TextYahoo");
    OptionH->setObjectName("OptionH");
    TextHotmail->setObjectName("TextHotmail");
    CommandDefBrowser->setObjectName("CommandDefBrowser");
    CheckEmail->setObjectName("CheckEmail");
    CheckGotoInbox->setObjectName("CheckGotoInbox");
    ComboFolders3->setObjectName("ComboFolders3");

    auto* group = new QButtonGroup(this);
    group->addButton(OptionY);
    group->addButton(OptionH);
    OptionY->setChecked(true);

    auto* start = new QGroupBox("Start Page");
    start->setObjectName("FrameStart");
    auto* startLayout = new QGridLayout(start);
    startLayout->addWidget(OptionY, 0, 0);
    startLayout->addWidget(TextYahoo, 0, 1);
    startLayout->addWidget(OptionH, 1, 0);
    startLayout->addWidget(TextHotmail, 1, 1);
    startLayout->setColumnStretch(1, 1);

    auto* options = new QGroupBox("Options");
    options->setObjectName("FrameOptions");
    options->setLayout(options_);
    options_->addWidget(CommandDefBrowser, 0, 0, 1, 2, Qt::AlignLeft);
    options_->addWidget(CheckEmail, 1, 0, 1, 2);
    options_->addWidget(CheckGotoInbox, 2, 0, 1, 2);
    options_->addWidget(new QLabel("Default Folder for Saving Messages:"), 3, 0);
    options_->addWidget(ComboFolders3, 3, 1, Qt::AlignLeft);
    options_->setColumnStretch(1, 1);

    ComboUnread->setObjectName("ComboUnread");
    CheckSpamUnread->setObjectName("CheckSpamUnread");
    CheckNonEnglish->setObjectName("CheckNonEnglish");
    Command7->setObjectName("Command7");
    TextSpam->setObjectName("TextSpam");
    SpamClose->setObjectName("SpamClose");
    ComboUnread->addItems({"All Unread Messages", "First 5 Unread Messages",
                           "First 10 Unread Messages", "First 15 Unread Messages",
                           "First 20 Unread Messages"});
    auto* inbox = new QGroupBox("Inbox Management/Spam Settings");
    inbox->setObjectName("FrameSpam");
    auto* inboxLayout = new QGridLayout(inbox);
    inboxLayout->addWidget(new QLabel("\"Check Unread\" checks:"), 0, 0);
    inboxLayout->addWidget(ComboUnread, 0, 1, Qt::AlignLeft);
    inboxLayout->addWidget(CheckSpamUnread, 1, 0, 1, 2);
    inboxLayout->addWidget(CheckNonEnglish, 2, 0, 1, 2);
    inboxLayout->addWidget(Command7, 3, 0, Qt::AlignLeft);
    inboxLayout->addWidget(TextSpam, 4, 0, 1, 2);
    inboxLayout->addWidget(SpamClose, 5, 0, Qt::AlignLeft);
    inboxLayout->setColumnStretch(1, 1);
    TextSpam->hide();
    SpamClose->hide();
    connect(Command7, &QPushButton::clicked, this, [this] {
        TextSpam->show();
        SpamClose->show();
        TextSpam->setFocus();
    });
    connect(SpamClose, &QPushButton::clicked, this, &SettingsPanel::closeSpamEditor);

    frames_->addWidget(start);
    frames_->addWidget(options);
    frames_->addWidget(inbox);
    frames_->addStretch();
}

void SettingsPanel::closeSpamEditor() {
    TextSpam->hide();
    SpamClose->hide();
}
