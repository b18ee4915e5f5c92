#include "StoreSubsystem.h"

#include "Dialogs.h"
#include "FolderDropList.h"
#include "NameDialog.h"
#include "QtText.h"
#include "SavedMessagesPanel.h"
#include "Shell.h"
#include "WebBrowser.h"
#include "WebPage.h"

#include "app/Navigation.h"
#include "app/Settings.h"
#include "store/MessageCapture.h"
#include "store/MessageList.h"
#include "store/MessageStore.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

namespace {

const char* kUnableToRead = QT_TRANSLATE_NOOP(
    "StoreSubsystem", "Unable to read message. Are you sure a message is displayed?");

void fill(QComboBox* box, const std::vector<std::string>& names) {
    box->clear();
    for (const auto& n : names)
        box->addItem(QString::fromStdString(n));
}

} // namespace

StoreSubsystem::StoreSubsystem(Shell& shell, QObject* parent)
    : QObject(parent), shell_(shell), ComboFolders(new QComboBox), Command6(new QToolButton),
      GetBody(new QPushButton(tr("&Save Msg <<"))), LabelSaved(new QLabel(tr("Message Saved"))),
      savemsg_(new QAction(tr("&Save Current Message"), this)), ComboFolders3(new QComboBox),
      SavedMessages(new SavedMessagesPanel(shell.WebBrowser2())) {
    ComboFolders->setObjectName("ComboFolders");
    ComboFolders->setMinimumContentsLength(10);
    Command6->setObjectName("Command6");
    Command6->setIcon(QApplication::style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    Command6->setToolTip(tr("New Folder"));
    GetBody->setObjectName("GetBody");
    LabelSaved->setObjectName("LabelSaved");
    LabelSaved->setStyleSheet("color: #006000; font-weight: bold;");
    LabelSaved->hide();
    savemsg_->setObjectName("savemsg");
    SavedMessages->setStarting(true); // start-up's own selections list nothing
    ComboFolders3->setObjectName("ComboFolders3");

    connect(savemsg_, &QAction::triggered, this, &StoreSubsystem::GetBody_Click);
    connect(GetBody, &QPushButton::clicked, this, &StoreSubsystem::GetBody_Click);
    connect(Command6, &QToolButton::clicked, this, &StoreSubsystem::CommandAddFolder_Click);
    connect(ComboFolders, &QComboBox::activated, this,
            [this] { shell_.setPanelText(1, tr("Save to: %1").arg(ComboFolders->currentText())); });
    connect(SavedMessages->CommandAddFolder, &QPushButton::clicked, this,
            &StoreSubsystem::CommandAddFolder_Click);
    connect(SavedMessages->RemoveFolder, &QPushButton::clicked, this,
            &StoreSubsystem::RemoveFolder_Click);
    const std::pair<QPushButton*, int> answers[] = {{SavedMessages->CommandReplyText, 0},
                                                    {SavedMessages->CommandReplyNoText, 1},
                                                    {SavedMessages->CommandForward, 2},
                                                    {SavedMessages->CommandSendAgain, 4}};
    for (const auto& [button, code] : answers)
        connect(button, &QPushButton::clicked, this, [this, code] { emit answerRequested(code); });
    connect(&shell_, &Shell::tabLeaving, this, &StoreSubsystem::hideSavedNotice);
    connect(&shell_, &Shell::tabChanged, this, &StoreSubsystem::onTabChanged);
}

void StoreSubsystem::hideSavedNotice() {
    LabelSaved->hide();
}

void StoreSubsystem::onTabChanged(int tab) {
    if (tab != Shell::SavedTab)
        return;
    SavedMessages->listFolder();
    if (!shell_.WebBrowser2()->LocationURL().toLower().contains("blankmsg.htm"))
        SavedMessages->ListMsg->setFocus();
}

void StoreSubsystem::createFolders() {
    SavedMessages->setMainDir(shell_.main_dir());
    // The preview shows the store's own files and nothing a saved page asks for.
    shell_.WebBrowser2()->webPage()->showOnlyFilesUnder(shell_.main_dir());
    postling::MessageStore(shell_.main_dir().toStdString()).ensureDefaultFolders();
}

void StoreSubsystem::loadFolders(const postling::Settings& settings) {
    fillFolderLists(QString::fromStdString(settings.deffolder));
}

void StoreSubsystem::startupDone() {
    SavedMessages->setStarting(false);
}

void StoreSubsystem::saveSettings(postling::Settings& settings) const {
    settings.deffolder = ComboFolders3->currentText().toStdString();
}

void StoreSubsystem::GetBody_Click() {
    if (ComboFolders->currentText().isEmpty()) {
        Dialogs::message(shell_.window(), tr("You must select a folder to save the message to"));
        return;
    }
    if (shell_.currentTab() != Shell::InboxTab)
        shell_.selectTab(Shell::InboxTab);
    // One call to the site's page module gathers the page; its profile cuts the message out.
    QPointer<StoreSubsystem> self(this);
    const postling::Site& site = shell_.site();
    shell_.WebBrowser1()->document().callSite(
        site.key(), "messagePage", {}, [self, &site](const QVariantMap& page) {
            if (!self)
                return;
            if (page.value("error") == "nosource") { // the message is there, its source is not
                Dialogs::message(self->shell_.window(),
                                 tr("The site did not send the message's text, so nothing was "
                                    "saved. Is the site reachable? Try again once it is."));
                return;
            }
            if (PageDocument::failed(page)) {
                if (page.value("error") == "nomessage") // a profile that reads labels
                    self->shell_.setPanelText(2, tr("No From or Subject was found on this page"));
                Dialogs::message(self->shell_.window(), tr(kUnableToRead));
                return;
            }
            postling::MessagePage content;
            content.text = page.value("text").toString().toStdString();
            if (!page.value("bodyHtml").isNull())
                content.bodyHtml = page.value("bodyHtml").toString().toStdString();
            if (page.contains("sourceBytes")) // one character per byte
                content.source = page.value("sourceBytes").toString().toLatin1().toStdString();
            const QVariantMap headers = page.value("headers").toMap();
            for (auto it = headers.begin(); it != headers.end(); ++it)
                content.labelled[it.key().toStdString()] = it.value().toString().toStdString();
            const postling::CaptureResult result = site.capture(content, self->shell_.lang);
            if (!result.found) {
                const auto& missing = result.missing;
                if (missing.size() == 1)
                    self->shell_.setPanelText(2, missing[0] == "From"
                                                     ? tr("No From was found on this page")
                                                     : tr("No Subject was found on this page"));
                else if (!missing.empty())
                    self->shell_.setPanelText(2, tr("No From or Subject was found on this page"));
                Dialogs::message(self->shell_.window(), tr(kUnableToRead));
                return;
            }
            self->SaveMessage(result.message);
        });
}

void StoreSubsystem::SaveMessage(const postling::SavedMessage& message) {
    const QString folder = ComboFolders->currentText();
    if (!message.sent && postling::isSentFolder(folder.toStdString())) {
        Dialogs::message(shell_.window(),
                         tr("You cannot save incoming messages to the Sent Messages Folder."));
        return;
    }
    const std::string error =
        postling::MessageStore(shell_.main_dir().toStdString()).save(folder.toStdString(), message);
    if (message.sent) {
        // Said on the status line: a box would interrupt the user's next message.
        if (!error.empty())
            shell_.setPanelText(2, tr("The sent message could not be kept: %1").arg(qs(error)));
        return;
    }
    if (!error.empty()) { // nothing half-written: the folder is as it was
        Dialogs::message(shell_.window(), tr("The message could not be saved.\n%1").arg(qs(error)));
        shell_.setPanelText(2, tr("Msg not saved"));
        return;
    }
    LabelSaved->show();
    shell_.setPanelText(2, tr("Msg Saved"));
}

void StoreSubsystem::fillFolderLists(const QString& select, bool inSettingsToo) {
    const postling::MessageStore store(shell_.main_dir().toStdString());
    const postling::FolderLists lists =
        postling::folderLists(store.folderNames(), select.toStdString());
    const QString keptDefault = ComboFolders3->currentText();
    {
        const QSignalBlocker a(ComboFolders), b(SavedMessages->ComboFolders2), c(ComboFolders3),
            d(SavedMessages->ComboFolders4);
        fill(ComboFolders, lists.all);
        fill(ComboFolders3, lists.all);
        fill(SavedMessages->ComboFolders4, lists.moveTargets);
        SavedMessages->ComboFolders4->setCurrentIndex(-1);
        SavedMessages->ComboFolders2->clear();
        for (const auto& name : lists.all)
            SavedMessages->ComboFolders2->addItem(QString::fromStdString(name));
        ComboFolders->setCurrentIndex(lists.selected);
        SavedMessages->ComboFolders2->setCurrentRow(lists.selected);
        // A new folder leaves the default save folder as it was, while that one exists.
        ComboFolders3->setCurrentIndex(inSettingsToo ? lists.selected
                                                     : ComboFolders3->findText(keptDefault));
    }
    if (lists.selected >= 0)
        shell_.setPanelText(1, tr("Save to: %1").arg(ComboFolders->currentText()));
    SavedMessages->listFolder();
}

void StoreSubsystem::CommandAddFolder_Click() {
    NameDialog dialog(
        "DialogNewFolder", tr("New Folder"), tr("Folder Name:"),
        [this](const QString& name) {
            if (!postling::MessageStore(shell_.main_dir().toStdString())
                     .createFolder(name.toStdString())) {
                Dialogs::message(shell_.window(),
                                 tr("Unable to create directory. Please check to make sure you "
                                    "have entered a valid directory name."));
                return false;
            }
            fillFolderLists(name, false);
            return true;
        },
        shell_.window());
    Dialogs::exec(dialog);
}

void StoreSubsystem::RemoveFolder_Click() {
    QDesktopServices::openUrl(QUrl::fromLocalFile(
        QString::fromStdString(postling::MessageStore(shell_.main_dir().toStdString()).root())));
}
