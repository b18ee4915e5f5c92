#include "InboxSubsystem.h"

#include "NamedAction.h"
#include "QtText.h"
#include "Shell.h"
#include "WebBrowser.h"

#include "app/Settings.h"
#include "fs/AtomicFile.h"
#include "inbox/InboxTools.h"
#include "text/Strings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

InboxSubsystem::InboxSubsystem(Shell& shell, QObject* parent)
    : QObject(parent), shell_(shell), buttons_(new QGroupBox(tr("Inbox Management"))),
      settings_(new QGroupBox(tr("Inbox Management/Spam Settings"))), ComboUnread(new QComboBox),
      CheckSpamUnread(new QCheckBox(tr("\"Check Spam\" checks only un&read messages"))),
      CheckNonEnglish(new QCheckBox(tr("\"Check Spam\" checks messa&ges with multiple "
                                       "non-English characters"))),
      Command7(new QPushButton(tr("Edit Spam &Keywords"))), TextSpam(new QPlainTextEdit),
      SpamClose(new QPushButton(tr("Close"))) {
    buttons_->setObjectName("FrameInbox");
    auto* row = new QHBoxLayout(buttons_);
    row->setContentsMargins(6, 2, 6, 4);
    auto* spam = new QPushButton(tr("Check S&pam"));
    spam->setObjectName("Command2");
    auto* unread = new QPushButton(tr("Check &Unread"));
    unread->setObjectName("Command1");
    row->addWidget(spam);
    row->addWidget(unread);
    connect(spam, &QPushButton::clicked, this, &InboxSubsystem::Command2_Click);
    connect(unread, &QPushButton::clicked, this, &InboxSubsystem::Command1_Click);

    actions_ = {
        namedAction(this, "checkspam", tr("&Check Spam Messages"), &InboxSubsystem::Command2_Click),
        namedAction(this, "checkunread", tr("C&heck Unread Messages"),
                    &InboxSubsystem::Command1_Click),
        namedAction(this, "checkgroup", tr("Check &Group of Messages"),
                    &InboxSubsystem::CheckGroup),
        namedAction(this, "uncheckall", tr("&Uncheck All Messages"), &InboxSubsystem::UncheckAll)};

    settings_->setObjectName("FrameSpam");
    ComboUnread->setObjectName("ComboUnread");
    CheckSpamUnread->setObjectName("CheckSpamUnread");
    CheckNonEnglish->setObjectName("CheckNonEnglish");
    Command7->setObjectName("Command7");
    TextSpam->setObjectName("TextSpam");
    SpamClose->setObjectName("SpamClose");
    ComboUnread->addItem(tr("All Unread Messages"));
    for (int first : {5, 10, 15, 20})
        ComboUnread->addItem(tr("First %n Unread Messages", nullptr, first));
    auto* layout = new QGridLayout(settings_);
    layout->addWidget(new QLabel(tr("\"Check Unread\" checks:")), 0, 0);
    layout->addWidget(ComboUnread, 0, 1, Qt::AlignLeft);
    layout->addWidget(CheckSpamUnread, 1, 0, 1, 2);
    layout->addWidget(CheckNonEnglish, 2, 0, 1, 2);
    layout->addWidget(Command7, 3, 0, Qt::AlignLeft);
    layout->addWidget(TextSpam, 4, 0, 1, 2);
    layout->addWidget(SpamClose, 5, 0, Qt::AlignLeft);
    layout->setColumnStretch(1, 1);
    TextSpam->hide();
    SpamClose->hide();
    connect(Command7, &QPushButton::clicked, this, [this] {
        TextSpam->show();
        SpamClose->show();
        TextSpam->setFocus();
    });
    connect(SpamClose, &QPushButton::clicked, this, &InboxSubsystem::closeSpamEditor);
    connect(&shell_, &Shell::tabLeaving, this, &InboxSubsystem::closeSpamEditor);
}

void InboxSubsystem::closeSpamEditor() {
    TextSpam->hide();
    SpamClose->hide();
}

void InboxSubsystem::loadOptions(const postling::Settings& settings) {
    ComboUnread->setCurrentIndex(settings.unreadnum);
    CheckSpamUnread->setChecked(settings.spamunread);
    CheckNonEnglish->setChecked(settings.spamnoneng);
}

QString InboxSubsystem::loadKeywords() {
    const std::string path = (shell_.main_dir() + "spamkeys.txt").toStdString();
    auto file = postling::readFile(path);
    const std::string problem =
        file ? postling::notTextReason(*file, 1 << 20, str(tr("a list of spam keywords"))) : "";
    if (!problem.empty())
        file.reset();
    spam_keys = QString::fromStdString(postling::loadedSpamKeywords(file ? &*file : nullptr));
    QString shown = spam_keys;
    TextSpam->setPlainText(shown.replace("\r\n", "\n"));
    unreadKeywords_ = problem.empty() ? QString() : TextSpam->toPlainText();
    return problem.empty() ? QString() : qs(path + ": " + problem);
}

std::string InboxSubsystem::saveKeywords() const {
    if (!unreadKeywords_.isNull() && TextSpam->toPlainText() == unreadKeywords_)
        return {}; // the unreadable file stays as it is
    return postling::writeFileAtomically(
        (shell_.main_dir() + "spamkeys.txt").toStdString(),
        postling::spamKeywordFileText(TextSpam->toPlainText().toStdString()));
}

void InboxSubsystem::saveSettings(postling::Settings& settings) const {
    settings.unreadnum = std::max(0, ComboUnread->currentIndex());
    settings.spamunread = CheckSpamUnread->isChecked();
    settings.spamnoneng = CheckNonEnglish->isChecked();
}

void InboxSubsystem::run(Command command) {
    if (shell_.currentTab() != Shell::InboxTab)
        shell_.selectTab(Shell::InboxTab);
    const postling::Site& site = shell_.site();
    const std::string keys = TextSpam->toPlainText().replace("\n", "\r\n").toStdString();
    spam_keys = QString::fromStdString(keys);
    const bool onlyUnread = CheckSpamUnread->isChecked();
    const bool nonEnglish = CheckNonEnglish->isChecked();
    const int limit = ComboUnread->currentIndex() * 5;

    QPointer<WebBrowser> view(shell_.WebBrowser1());
    view->document().callSite(
        site.key(), "inboxRows", {}, [=, this, &site](const QVariantMap& page) {
            if (!view)
                return;
            // Not an inbox page: nothing to tick. A profile that looks for a list by its
            // meaning says it found none; the old sites' pages never said.
            if (page.value("error") == "nolist")
                shell_.setPanelText(2, tr("No message list with check boxes was found on this "
                                          "page"));
            if (PageDocument::failed(page))
                return;
            std::vector<postling::InboxBox> boxes;
            for (const QVariant& v : page.value("rows").toList()) {
                const QVariantMap r = v.toMap();
                boxes.push_back({r.value("text").toString().toStdString(),
                                 r.value("className").toString().toStdString(),
                                 r.value("bold").toBool(), r.value("newmail").toBool(),
                                 r.value("checked").toBool(), r.value("checkbox").toBool()});
            }
            std::vector<int> change;
            QStringList reasons; // one for each ticked box, or one for all
            QString summary;
            bool tick = true;
            switch (command) {
            case Command::Spam: {
                const auto result = postling::checkSpam(
                    site, boxes, postling::spamKeywordList(keys), onlyUnread, nonEnglish);
                change = result.tick;
                for (const std::string& reason : result.reasons)
                    reasons << QString::fromStdString(reason);
                summary =
                    tr("Ticked %n: %1 by keyword, %2 non-English", nullptr,
                       static_cast<int>(change.size()))
                        .arg(QString::number(result.byKeyword), QString::number(result.nonEnglish));
                break;
            }
            case Command::Unread:
                change = postling::checkUnread(site, boxes, limit);
                //: Why Check Unread ticked a message (its tooltip in the inbox).
                reasons << tr("Check Unread: unread");
                summary = tr("Ticked %n unread", nullptr, static_cast<int>(change.size()));
                break;
            case Command::Group:
                change = postling::checkGroup(site, boxes);
                reasons << tr("Check Group: between ticked messages");
                summary = tr("Ticked %n between ticked messages", nullptr,
                             static_cast<int>(change.size()));
                break;
            case Command::Uncheck:
                change = postling::uncheckAll(site, boxes);
                tick = false;
                summary = tr("Unticked %n", nullptr, static_cast<int>(change.size()));
                break;
            }
            QVariantList indices, why;
            for (std::size_t k = 0; k < change.size(); ++k) {
                indices << change[k];
                if (!reasons.isEmpty())
                    why << reasons.at(reasons.size() == 1 ? 0 : static_cast<int>(k));
            }
            // Ticks and reasons in one call: no row is ever ticked without saying why.
            view->document().callSite(site.key(), "setChecked", {indices, tick, why},
                                      [=, this](const QVariantMap&) {
                                          shell_.setPanelText(2, summary);
                                          emit commandFinished(summary);
                                      });
        });
}
