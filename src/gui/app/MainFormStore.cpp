// The main window's side of the local message store: saving the message on screen, the four
// folder lists, and new folders.
#include "MainForm.h"

#include "Dialogs.h"
#include "FolderDropList.h"
#include "NameDialog.h"
#include "SavedMessagesPanel.h"
#include "SettingsPanel.h"
#include "WebBrowser.h"

#include "app/Navigation.h"
#include "store/MessageCapture.h"
#include "store/MessageList.h"
#include "store/MessageStore.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace {

const char* kUnableToRead = "Unable to read message. Are you sure a message is displayed?";

void fill(QComboBox* box, const std::vector<std::string>& names) {
    box->clear();
    for (const auto& n : names)
        box->addItem(QString::fromStdString(n));
}

} // namespace

void MainForm::buildMessageTools() {
    addToolBarBreak();
    QToolBar* strip = addToolBar("Message tools");
    strip->setObjectName("MessageTools");
    strip->setMovable(false);

    auto* frame = new QGroupBox("Save Messages Locally");
    frame->setObjectName("FrameSave");
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(6, 2, 6, 4);
    ComboFolders = new QComboBox;
    ComboFolders->setObjectName("ComboFolders");
    ComboFolders->setMinimumContentsLength(10);
    Command6 = new QToolButton;
    Command6->setObjectName("Command6");
    Command6->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    Command6->setToolTip("New Folder");
    GetBody = new QPushButton("&Save Msg <<");
    GetBody->setObjectName("GetBody");
    LabelSaved = new QLabel("Message Saved");
    LabelSaved->setObjectName("LabelSaved");
    LabelSaved->setStyleSheet("color: #006000; font-weight: bold;");
    LabelSaved->hide();
    row->addWidget(new QLabel("Folder:"));
    row->addWidget(ComboFolders);
    row->addWidget(Command6);
    row->addWidget(GetBody);
    row->addWidget(LabelSaved);
    strip->addWidget(frame);

    QAction* save = toolsMenu->addAction("&Save Current Message");
    save->setObjectName("savemsg");
    connect(save, &QAction::triggered, this, &MainForm::GetBody_Click);
    connect(GetBody, &QPushButton::clicked, this, &MainForm::GetBody_Click);
    connect(Command6, &QToolButton::clicked, this, &MainForm::CommandAddFolder_Click);
    connect(ComboFolders, &QComboBox::activated, this,
            [this] { setPanelText(1, "Save to: " + ComboFolders->currentText()); });
}

void MainForm::GetBody_Click() {
    if (ComboFolders->currentText().isEmpty()) {
        Dialogs::message(this, "You must select a folder to save the message to");
        return;
    }
    if (currentTab() != InboxTab)
        selectTab(InboxTab);
    // One script call gathers the page; the core cuts the message out of it.
    QPointer<MainForm> self(this);
    WebBrowser1->document().call("messagePage", {}, [self](const QVariantMap& page) {
        if (!self)
            return;
        if (PageDocument::failed(page)) {
            Dialogs::message(self, kUnableToRead);
            return;
        }
        self->webmail = QString::fromStdString(
            postling::provider(self->WebBrowser1->LocationURL().toStdString()));
        postling::MessagePage content;
        content.text = page.value("text").toString().toStdString();
        if (!page.value("messageHtml").isNull())
            content.messageHtml = page.value("messageHtml").toString().toStdString();
        if (!page.value("rmsgHtml").isNull())
            content.rmsgHtml = page.value("rmsgHtml").toString().toStdString();
        const postling::CaptureResult result =
            postling::captureMessage(self->webmail == "yahoo", content, self->lang);
        if (!result.found) {
            Dialogs::message(self, kUnableToRead);
            return;
        }
        self->SaveMessage(result.message);
    });
}

void MainForm::SaveMessage(const postling::SavedMessage& message) {
    const QString folder = ComboFolders->currentText();
    if (!message.sent && postling::isSentFolder(folder.toStdString())) {
        Dialogs::message(this, "You cannot save incoming messages to the Sent Messages Folder.");
        return;
    }
    const std::string error =
        postling::MessageStore(main_dir.toStdString()).save(folder.toStdString(), message);
    if (message.sent)
        return; // a sent copy that cannot be written is not worth a box
    if (!error.empty()) {
        Dialogs::message(this, "Unable to save message. Are you sure a message is displayed?");
        return;
    }
    LabelSaved->show();
    setPanelText(2, "Msg Saved");
}

void MainForm::fillFolderLists(const QString& select, bool inSettingsToo) {
    const postling::MessageStore store(main_dir.toStdString());
    const postling::FolderLists lists =
        postling::folderLists(store.folderNames(), select.toStdString());
    {
        const QSignalBlocker a(ComboFolders), b(SavedMessages->ComboFolders2),
            c(PictureSettings->ComboFolders3), d(SavedMessages->ComboFolders4);
        fill(ComboFolders, lists.all);
        fill(PictureSettings->ComboFolders3, lists.all);
        fill(SavedMessages->ComboFolders4, lists.moveTargets);
        SavedMessages->ComboFolders4->setCurrentIndex(-1);
        SavedMessages->ComboFolders2->clear();
        for (const auto& name : lists.all)
            SavedMessages->ComboFolders2->addItem(QString::fromStdString(name));
        ComboFolders->setCurrentIndex(lists.selected);
        SavedMessages->ComboFolders2->setCurrentRow(lists.selected);
        PictureSettings->ComboFolders3->setCurrentIndex(inSettingsToo ? lists.selected : -1);
    }
    if (lists.selected >= 0)
        setPanelText(1, "Save to: " + ComboFolders->currentText());
    SavedMessages->listFolder();
}

void MainForm::CommandAddFolder_Click() {
    NameDialog dialog(
        "DialogNewFolder", "New Folder", "Folder Name:",
        [this](const QString& name) {
            if (!postling::MessageStore(main_dir.toStdString()).createFolder(name.toStdString())) {
                Dialogs::message(this, "Unable to create directory. Please check to make sure you "
                                       "have entered a valid directory name.");
                return false;
            }
            fillFolderLists(name, false);
            return true;
        },
        this);
    Dialogs::exec(dialog);
}

void MainForm::RemoveFolder_Click() {
    QDesktopServices::openUrl(QUrl::fromLocalFile(
        QString::fromStdString(postling::MessageStore(main_dir.toStdString()).root())));
}
