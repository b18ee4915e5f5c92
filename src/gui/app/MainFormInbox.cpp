// The main window's inbox tools: Check Spam, Check Unread, Check Group and Uncheck All tick
// the boxes of the webmail inbox list; the spam keyword list is kept in "spamkeys.txt".
#include "MainForm.h"

#include "SettingsPanel.h"
#include "WebBrowser.h"

#include "app/Navigation.h"
#include "inbox/InboxTools.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QToolBar>

void MainForm::buildInbox() {
    auto* frame = new QGroupBox("Inbox Management");
    frame->setObjectName("FrameInbox");
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(6, 2, 6, 4);
    auto* spam = new QPushButton("Check S&pam");
    spam->setObjectName("Command2");
    auto* unread = new QPushButton("Check &Unread");
    unread->setObjectName("Command1");
    row->addWidget(spam);
    row->addWidget(unread);
    if (auto* strip = findChild<QToolBar*>("MessageTools"))
        strip->insertWidget(strip->actions().value(0), frame);
    connect(spam, &QPushButton::clicked, this, &MainForm::Command2_Click);
    connect(unread, &QPushButton::clicked, this, &MainForm::Command1_Click);

    // The Tools menu: the four commands come first.
    QAction* first = toolsMenu->actions().value(0);
    const struct {
        const char* name;
        const char* caption;
        InboxCommand command;
    } items[] = {{"checkspam", "&Check Spam Messages", InboxCommand::Spam},
                 {"checkunread", "C&heck Unread Messages", InboxCommand::Unread},
                 {"checkgroup", "Check &Group of Messages", InboxCommand::Group},
                 {"uncheckall", "&Uncheck All Messages", InboxCommand::Uncheck}};
    for (const auto& item : items) {
        auto* action = new QAction(item.caption, this);
        action->setObjectName(item.name);
        toolsMenu->insertAction(first, action);
        connect(action, &QAction::triggered, this,
                [this, command = item.command] { runInboxCommand(command); });
    }
    toolsMenu->insertSeparator(first);
}

void MainForm::runInboxCommand(InboxCommand command) {
    if (currentTab() != InboxTab)
        selectTab(InboxTab);
    const bool yahoo = postling::isYahoo(WebBrowser1->LocationURL().toStdString());
    webmail = yahoo ? "yahoo" : "hotmail";
    const std::string keys =
        PictureSettings->TextSpam->toPlainText().replace("\n", "\r\n").toStdString();
    spam_keys = QString::fromStdString(keys);
    const bool onlyUnread = PictureSettings->CheckSpamUnread->isChecked();
    const bool nonEnglish = PictureSettings->CheckNonEnglish->isChecked();
    const int limit = PictureSettings->ComboUnread->currentIndex() * 5;

    QPointer<WebBrowser> view(WebBrowser1);
    WebBrowser1->document().call("inboxRows", {yahoo}, [=, this](const QVariantMap& page) {
        if (!view || PageDocument::failed(page))
            return; // not an inbox page: nothing to tick, nothing said
        std::vector<postling::InboxBox> boxes;
        for (const QVariant& v : page.value("rows").toList()) {
            const QVariantMap r = v.toMap();
            boxes.push_back({r.value("text").toString().toStdString(),
                             r.value("className").toString().toStdString(),
                             r.value("bold").toBool(), r.value("newmail").toBool(),
                             r.value("checked").toBool(), r.value("checkbox").toBool()});
        }
        std::vector<int> change;
        QString summary;
        bool tick = true;
        switch (command) {
        case InboxCommand::Spam: {
            const auto result = postling::checkSpam(yahoo, boxes, postling::spamKeywordList(keys),
                                                    onlyUnread, nonEnglish);
            change = result.tick;
            summary = QString("Ticked %1: %2 by keyword, %3 non-English")
                          .arg(change.size())
                          .arg(result.byKeyword)
                          .arg(result.nonEnglish);
            break;
        }
        case InboxCommand::Unread:
            change = postling::checkUnread(yahoo, boxes, limit);
            summary = QString("Ticked %1 unread").arg(change.size());
            break;
        case InboxCommand::Group:
            change = postling::checkGroup(yahoo, boxes);
            summary = QString("Ticked %1 between ticked messages").arg(change.size());
            break;
        case InboxCommand::Uncheck:
            change = postling::uncheckAll(yahoo, boxes);
            tick = false;
            summary = QString("Unticked %1").arg(change.size());
            break;
        }
        QVariantList indices;
        for (int i : change)
            indices << i;
        view->document().call("setChecked", {yahoo, indices, tick}, [=, this](const QVariantMap&) {
            setPanelText(2, summary);
            emit inboxCommandFinished(summary);
        });
    });
}

void MainForm::mousePressEvent(QMouseEvent* event) {
    // A press on the window's own background (no control under it) runs Check Group.
    if (!childAt(event->position().toPoint()))
        CheckGroup();
    QMainWindow::mousePressEvent(event);
}
