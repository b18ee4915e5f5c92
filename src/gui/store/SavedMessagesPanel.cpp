#include "SavedMessagesPanel.h"

#include "Dialogs.h"
#include "FolderDropList.h"
#include "QtText.h"
#include "WebBrowser.h"

#include "app/Twips.h"
#include "store/MessageList.h"
#include "store/MessageStore.h"
#include "store/SavedMessage.h"

#include <QApplication>
#include <QComboBox>
#include <QDrag>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { From, Subject, To, Date, FileName, DateKey };

// Rows sort by the text of the sort column without letter case, day counts as numbers.
class MessageItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        return postling::rowTextLess(text(column).toStdString(), other.text(column).toStdString());
    }
};

} // namespace

SavedMessagesPanel::SavedMessagesPanel(WebBrowser* preview, QWidget* parent)
    : QWidget(parent), Picture3(new QWidget), ComboFolders2(new FolderDropList),
      CommandAddFolder(new QPushButton("New &Folder...")),
      RemoveFolder(new QPushButton("Mana&ge Folders...")), ListMsg(new QTreeWidget),
      Picture2(new QWidget), CommandReplyText(new QPushButton("&Reply (with original text)")),
      CommandReplyNoText(new QPushButton("Reply (&blank)")),
      CommandForward(new QPushButton("For&ward")), CommandSendAgain(new QPushButton("Send &Again")),
      CommandDelete(new QPushButton("&Delete")), CommandMove(new QPushButton("&Move to:")),
      ComboFolders4(new QComboBox), preview_(preview) {
    setObjectName("SavedMessagesPanel");
    Picture3->setObjectName("Picture3");
    ComboFolders2->setObjectName("ComboFolders2");
    CommandAddFolder->setObjectName("CommandAddFolder");
    RemoveFolder->setObjectName("RemoveFolder");
    ListMsg->setObjectName("ListMsg");
    Picture2->setObjectName("Picture2");
    CommandReplyText->setObjectName("CommandReplyText");
    CommandReplyNoText->setObjectName("CommandReplyNoText");
    CommandForward->setObjectName("CommandForward");
    CommandSendAgain->setObjectName("CommandSendAgain");
    CommandDelete->setObjectName("CommandDelete");
    CommandMove->setObjectName("CommandMove");
    ComboFolders4->setObjectName("ComboFolders4");

    // The folder pane.
    auto* folders = new QVBoxLayout(Picture3);
    folders->setContentsMargins(0, 0, 0, 0);
    folders->addWidget(new QLabel("  Folders"));
    folders->addWidget(ComboFolders2, 1);
    folders->addWidget(CommandAddFolder);
    folders->addWidget(RemoveFolder);
    Picture3->setFixedWidth(170);

    // The message list: six columns, the file name and the date key hidden.
    ListMsg->setColumnCount(6);
    ListMsg->setHeaderLabels({"From", "Subject", "To", "Date", " ", " "});
    const int widths[] = {1500, 3000, 1000, 2500};
    for (int c = 0; c < 4; ++c)
        ListMsg->setColumnWidth(c, postling::twipsToPixels(widths[c]));
    ListMsg->setColumnHidden(FileName, true);
    ListMsg->setColumnHidden(DateKey, true);
    ListMsg->setRootIsDecorated(false);
    ListMsg->setUniformRowHeights(true);
    ListMsg->setSelectionMode(QAbstractItemView::SingleSelection);
    ListMsg->setAllColumnsShowFocus(true);
    ListMsg->header()->setSectionsClickable(true);
    ListMsg->header()->setSortIndicatorShown(true);
    ListMsg->header()->setSortIndicator(Date, Qt::DescendingOrder);
    ListMsg->viewport()->installEventFilter(this);

    auto* top = new QWidget;
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(Picture3);
    topLayout->addWidget(ListMsg, 1);

    // The action bar.
    auto* actions = new QHBoxLayout(Picture2);
    actions->setContentsMargins(0, 2, 0, 2);
    for (QPushButton* b : {CommandReplyText, CommandReplyNoText, CommandForward, CommandSendAgain,
                           CommandDelete, CommandMove})
        actions->addWidget(b);
    actions->addWidget(ComboFolders4, 1);
    CommandSendAgain->hide();

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(top);
    auto* lower = new QWidget;
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(Picture2);
    lowerLayout->addWidget(preview_, 1);
    split->addWidget(lower);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    split->setSizes({200, 300}); // the list above, the larger preview below
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split);
    setMessageButtons(false);

    connect(ComboFolders2, &QListWidget::currentRowChanged, this, [this] { listFolder(); });
    connect(ListMsg->header(), &QHeaderView::sectionClicked, this,
            [this](int logical) { columnClick(logical + 1); });
    connect(ListMsg, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { previewItem(item); });
    connect(CommandDelete, &QPushButton::clicked, this, &SavedMessagesPanel::deleteSelected);
    connect(CommandMove, &QPushButton::clicked, this, &SavedMessagesPanel::moveSelected);
    connect(ComboFolders4, &QComboBox::activated, this, [this] {
        if (previewShowsMessage())
            ListMsg->setFocus();
    });
    // A message on show keeps the keyboard in the list, so the arrows go on through it.
    connect(preview_, &WebBrowser::DocumentComplete, this, [this] {
        if (preview_->isVisible() && previewShowsMessage())
            ListMsg->setFocus();
    });
}

bool SavedMessagesPanel::previewShowsMessage() const {
    return !preview_->LocationURL().toLower().contains("blankmsg.htm");
}

QString SavedMessagesPanel::listedFolder() const {
    return ComboFolders2->currentItem() ? ComboFolders2->currentItem()->text() : QString();
}

QString SavedMessagesPanel::folderDirectory() const {
    const postling::MessageStore store(mainDir_.toStdString());
    return qs(store.folderPath(listedFolder().toStdString()));
}

void SavedMessagesPanel::setMessageButtons(bool enabled) {
    for (QPushButton* b :
         {CommandReplyText, CommandReplyNoText, CommandForward, CommandSendAgain, CommandDelete})
        b->setEnabled(enabled);
    CommandMove->setEnabled(enabled && CommandSendAgain->isHidden());
}

void SavedMessagesPanel::listFolder() {
    if (dragging_msg || starting_)
        return;
    const QString folder = listedFolder();
    const bool sent = postling::isSentFolder(folder.toStdString());
    ListMsg->headerItem()->setText(From, sent ? "Sent To" : "From");
    ListMsg->headerItem()->setText(To, sent ? "From" : "To");
    for (QPushButton* b : {CommandReplyText, CommandReplyNoText, CommandForward})
        b->setVisible(!sent);
    CommandSendAgain->setVisible(sent);

    ListMsg->clear();
    QList<QTreeWidgetItem*> items;
    const postling::MessageStore store(mainDir_.toStdString());
    if (!folder.isEmpty()) {
        for (const std::string& name : store.fileNames(folder.toStdString())) {
            const auto row = postling::messageRow(name);
            if (!row)
                continue;
            auto* item = new MessageItem;
            item->setText(From, qs(row->first));
            item->setText(Subject, qs(row->subject));
            item->setText(To, qs(row->fourth));
            item->setText(Date, qs(row->date));
            item->setText(FileName, qs(row->fileName));
            item->setText(DateKey, qs(row->sortKey));
            items << item;
        }
    }
    ListMsg->addTopLevelItems(items);
    ListMsg->sortItems(sortColumn_, sortOrder_);

    preview_->Navigate(mainDir_ + "blankmsg.htm");
    ListMsg->setCurrentItem(nullptr);
    ListMsg->clearSelection();
    setMessageButtons(false);
}

void SavedMessagesPanel::columnClick(int c) {
    sortOrder_ = c != msg_sort_col                  ? Qt::AscendingOrder
                 : sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder
                                                    : Qt::AscendingOrder;
    msg_sort_col = c;
    sortColumn_ = c == 4 ? DateKey : c - 1;
    ListMsg->sortItems(sortColumn_, sortOrder_);
    ListMsg->header()->setSortIndicator(c - 1, sortOrder_);
}

void SavedMessagesPanel::previewItem(QTreeWidgetItem* item) {
    if (!item)
        return;
    preview_->Navigate(folderDirectory() + "/" + item->text(FileName));
    setMessageButtons(true);
    ListMsg->setFocus();
    emit messageShown(folderDirectory() + "/" + item->text(FileName));
}

QStringList SavedMessagesPanel::listedFiles() const {
    QStringList files;
    for (int i = 0; i < ListMsg->topLevelItemCount(); ++i)
        files << ListMsg->topLevelItem(i)->text(FileName);
    return files;
}

void SavedMessagesPanel::deleteSelected() {
    QTreeWidgetItem* item = ListMsg->currentItem();
    if (!item)
        return;
    const postling::MessageStore store(mainDir_.toStdString());
    if (!store.remove(listedFolder().toStdString(), item->text(FileName).toStdString()))
        return; // the file and its row stay, without a word
    afterRowRemoved(ListMsg->indexOfTopLevelItem(item));
}

void SavedMessagesPanel::moveSelected() {
    if (ComboFolders4->currentIndex() < 0) {
        Dialogs::message(this, "You must select the folder you want to move the file to.");
        ComboFolders4->setFocus();
        return;
    }
    QTreeWidgetItem* item = ListMsg->currentItem();
    const QString target = ComboFolders4->currentText();
    if (!item || target.toLower() == listedFolder().toLower())
        return;
    const postling::MessageStore store(mainDir_.toStdString());
    if (!store.move(listedFolder().toStdString(), target.toStdString(),
                    item->text(FileName).toStdString())) {
        Dialogs::message(this, "There was an error in attempting to move this file.");
        return;
    }
    afterRowRemoved(ListMsg->indexOfTopLevelItem(item));
}

void SavedMessagesPanel::afterRowRemoved(int index) {
    // The row at the removed one's place is selected next, or the new last row.
    QTreeWidgetItem* next = nullptr;
    {
        const QSignalBlocker quiet(ListMsg);
        delete ListMsg->takeTopLevelItem(index);
        const int left = ListMsg->topLevelItemCount();
        if (left > 0)
            next = ListMsg->topLevelItem(std::min(index, left - 1));
        ListMsg->setCurrentItem(next);
    }
    if (next)
        previewItem(next);
    else
        setMessageButtons(false); // the preview keeps its page
}

bool SavedMessagesPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListMsg->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            dragStart_ = static_cast<QMouseEvent*>(event)->position().toPoint();
        } else if (event->type() == QEvent::MouseMove) {
            auto* move = static_cast<QMouseEvent*>(event);
            if ((move->buttons() & Qt::LeftButton) && ListMsg->currentItem() &&
                (move->position().toPoint() - dragStart_).manhattanLength() >=
                    QApplication::startDragDistance()) {
                startDrag();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SavedMessagesPanel::startDrag() {
    auto* drag = new QDrag(ListMsg);
    auto* data = new QMimeData;
    data->setData(FolderDropList::kMimeType, ListMsg->currentItem()->text(FileName).toUtf8());
    drag->setMimeData(data);
    dragging_msg = true;
    drag->exec(Qt::CopyAction); // however it ends, the drag is over
    dragging_msg = false;
}
