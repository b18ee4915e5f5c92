#include "SavedMessagesPanel.h"

#include "Dialogs.h"
#include "FolderDropList.h"
#include "MessageListModel.h"
#include "QtText.h"
#include "WebBrowser.h"

#include "app/Twips.h"
#include "store/MessageList.h"
#include "store/MessageStore.h"
#include "store/SavedMessage.h"

#include <QApplication>
#include <QComboBox>
#include <QDrag>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

using Column = MessageListModel::Column;

SavedMessagesPanel::SavedMessagesPanel(WebBrowser* preview, QWidget* parent)
    : QWidget(parent), Picture3(new QWidget), ComboFolders2(new FolderDropList),
      CommandAddFolder(new QPushButton(tr("N&ew Folder..."))),
      RemoveFolder(new QPushButton(tr("Mana&ge Folders..."))), TextSearch(new QLineEdit),
      ListMsg(new QTreeView), Picture2(new QWidget),
      CommandReplyText(new QPushButton(tr("&Reply (with original text)"))),
      CommandReplyNoText(new QPushButton(tr("Reply (&blank)"))),
      CommandForward(new QPushButton(tr("For&ward"))),
      CommandSendAgain(new QPushButton(tr("Send &Again"))),
      CommandDelete(new QPushButton(tr("&Delete"))), CommandMove(new QPushButton(tr("Move t&o:"))),
      ComboFolders4(new QComboBox), preview_(preview), model_(new MessageListModel(this)),
      searchDelay_(new QTimer(this)) {
    setObjectName("SavedMessagesPanel");
    const std::pair<QWidget*, const char*> named[] = {{Picture3, "Picture3"},
                                                      {ComboFolders2, "ComboFolders2"},
                                                      {CommandAddFolder, "CommandAddFolder"},
                                                      {RemoveFolder, "RemoveFolder"},
                                                      {TextSearch, "TextSearch"},
                                                      {ListMsg, "ListMsg"},
                                                      {Picture2, "Picture2"},
                                                      {CommandReplyText, "CommandReplyText"},
                                                      {CommandReplyNoText, "CommandReplyNoText"},
                                                      {CommandForward, "CommandForward"},
                                                      {CommandSendAgain, "CommandSendAgain"},
                                                      {CommandDelete, "CommandDelete"},
                                                      {CommandMove, "CommandMove"},
                                                      {ComboFolders4, "ComboFolders4"}};
    for (const auto& [widget, name] : named)
        widget->setObjectName(name);

    // The folder pane.
    auto* folders = new QVBoxLayout(Picture3);
    folders->setContentsMargins(0, 0, 0, 0);
    folders->addWidget(new QLabel(tr("  Folders")));
    folders->addWidget(ComboFolders2, 1);
    folders->addWidget(CommandAddFolder);
    folders->addWidget(RemoveFolder);
    Picture3->setFixedWidth(170);

    // The message list: the file name, the date key and the folder hidden.
    ListMsg->setModel(model_);
    const int widths[] = {1500, 3000, 1000, 2500};
    for (int c = 0; c < 4; ++c)
        ListMsg->setColumnWidth(c, postling::twipsToPixels(widths[c]));
    for (int c : {Column::FileName, Column::DateKey, Column::Folder})
        ListMsg->setColumnHidden(c, true);
    // Search results say their folder first, where a narrow list still shows it.
    ListMsg->header()->moveSection(ListMsg->header()->visualIndex(Column::Folder), 0);
    ListMsg->setColumnWidth(Column::Folder, postling::twipsToPixels(1000));
    ListMsg->setRootIsDecorated(false);
    ListMsg->setUniformRowHeights(true);
    ListMsg->setSelectionMode(QAbstractItemView::SingleSelection);
    ListMsg->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListMsg->setAllColumnsShowFocus(true);
    ListMsg->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListMsg->header()->setSectionsClickable(true);
    ListMsg->header()->setSortIndicatorShown(true);
    ListMsg->header()->setSortIndicator(Column::Date, Qt::DescendingOrder);
    ListMsg->viewport()->installEventFilter(this);
    TextSearch->setPlaceholderText(tr("Search every folder: sender, recipient, subject, text"));
    TextSearch->setClearButtonEnabled(true);
    TextSearch->setAccessibleName(TextSearch->placeholderText());
    ListMsg->setAccessibleName(tr("Saved messages"));
    ComboFolders2->setAccessibleName(tr("Folders"));
    ComboFolders4->setAccessibleName(tr("Folder to move the message to"));
    searchDelay_->setSingleShot(true);
    searchDelay_->setInterval(300);

    auto* messages = new QWidget;
    auto* messagesLayout = new QVBoxLayout(messages);
    messagesLayout->setContentsMargins(0, 0, 0, 0);
    messagesLayout->addWidget(TextSearch);
    messagesLayout->addWidget(ListMsg, 1);
    auto* top = new QWidget;
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(Picture3);
    topLayout->addWidget(messages, 1);

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
    setMessageButtons(false, false);

    connect(ComboFolders2, &QListWidget::currentRowChanged, this, [this] { listFolder(); });
    connect(ListMsg->header(), &QHeaderView::sectionClicked, this,
            [this](int logical) { columnClick(logical + 1); });
    connect(ListMsg->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    previewRow(current.row());
            });
    connect(CommandDelete, &QPushButton::clicked, this, &SavedMessagesPanel::deleteSelected);
    connect(CommandMove, &QPushButton::clicked, this, &SavedMessagesPanel::moveSelected);
    connect(ComboFolders4, &QComboBox::activated, this, [this] {
        if (previewShowsMessage())
            ListMsg->setFocus();
    });
    connect(TextSearch, &QLineEdit::textEdited, searchDelay_, qOverload<>(&QTimer::start));
    connect(TextSearch, &QLineEdit::returnPressed, this, [this] {
        searchDelay_->stop();
        search(TextSearch->text());
    });
    connect(searchDelay_, &QTimer::timeout, this, [this] { search(TextSearch->text()); });
    // A message on show keeps the keyboard in the list, so the arrows go on through it.
    connect(preview_, &WebBrowser::DocumentComplete, this, [this] {
        if (preview_->isVisible() && previewShowsMessage())
            ListMsg->setFocus();
    });
}

SavedMessagesPanel::~SavedMessagesPanel() = default;

void SavedMessagesPanel::setMainDir(const QString& mainDir) {
    mainDir_ = mainDir;
    finder_ = std::make_unique<postling::MessageSearch>(str(mainDir));
}

bool SavedMessagesPanel::previewShowsMessage() const {
    return !preview_->LocationURL().toLower().contains("blankmsg.htm");
}

int SavedMessagesPanel::currentRow() const {
    const QModelIndex current = ListMsg->currentIndex();
    return current.isValid() ? current.row() : -1;
}

QString SavedMessagesPanel::directoryOf(int row) const {
    const postling::MessageStore store(str(mainDir_));
    return qs(store.folderPath(model_->entry(row).folder));
}

void SavedMessagesPanel::setMessageButtons(bool enabled, bool sent) {
    for (QPushButton* b : {CommandReplyText, CommandReplyNoText, CommandForward})
        b->setVisible(!sent);
    CommandSendAgain->setVisible(sent);
    for (QPushButton* b :
         {CommandReplyText, CommandReplyNoText, CommandForward, CommandSendAgain, CommandDelete})
        b->setEnabled(enabled);
    CommandMove->setEnabled(enabled && !sent);
}

void SavedMessagesPanel::listFolder() {
    if (dragging_msg || starting_)
        return;
    searchDelay_->stop();
    if (searching_ || !TextSearch->text().isEmpty()) {
        const QSignalBlocker quiet(TextSearch);
        TextSearch->clear();
    }
    searching_ = false;
    listed_ = ComboFolders2->currentItem() ? ComboFolders2->currentItem()->text() : QString();
    const bool sent = postling::isSentFolder(str(listed_));
    std::vector<MessageListModel::Entry> entries;
    if (!listed_.isEmpty()) {
        const postling::MessageStore store(str(mainDir_));
        for (const std::string& name : store.fileNames(str(listed_)))
            if (auto row = postling::messageRow(name))
                entries.push_back({str(listed_), std::move(*row)});
    }
    showRows(std::move(entries), sent, false);
}

void SavedMessagesPanel::search(const QString& words) {
    if (words.trimmed().isEmpty()) {
        listFolder();
        return;
    }
    searching_ = true;
    std::vector<MessageListModel::Entry> entries;
    for (const auto& hit : finder_->find(str(words)))
        if (auto row = postling::messageRow(hit.fileName))
            entries.push_back({hit.folder, std::move(*row)});
    showRows(std::move(entries), false, true);
}

void SavedMessagesPanel::showRows(std::vector<MessageListModel::Entry> entries, bool sent,
                                  bool withFolder) {
    model_->setEntries(std::move(entries), sent);
    ListMsg->setColumnHidden(Column::Folder, !withFolder);
    preview_->Navigate(mainDir_ + "blankmsg.htm");
    ListMsg->setCurrentIndex({});
    ListMsg->clearSelection();
    setMessageButtons(false, sent);
}

void SavedMessagesPanel::columnClick(int c) {
    const Qt::SortOrder current = ListMsg->header()->sortIndicatorOrder();
    const Qt::SortOrder order = c != msg_sort_col               ? Qt::AscendingOrder
                                : current == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                : Qt::AscendingOrder;
    msg_sort_col = c;
    model_->sortBy(c == 4 ? Column::DateKey : c - 1, order);
    ListMsg->header()->setSortIndicator(c - 1, order);
}

void SavedMessagesPanel::previewRow(int row) {
    if (row < 0 || row >= model_->rowCount())
        return;
    const MessageListModel::Entry& e = model_->entry(row);
    const QString path = directoryOf(row) + "/" + qs(e.row.fileName);
    // No saved message is that large; laying one out would keep the preview busy for minutes.
    constexpr qint64 kPreviewLimit = 16 * 1024 * 1024;
    const qint64 size = QFileInfo(path).size();
    if (size > kPreviewLimit) {
        preview_->setHtml("<p>" +
                          tr("This file (%1 MB) is too large to show here. It is kept as it "
                             "is in %2.")
                              .arg(size / (1024 * 1024))
                              .arg(path)
                              .toHtmlEscaped() +
                          "</p>");
        setMessageButtons(false, postling::isSentFolder(e.folder));
        return;
    }
    preview_->Navigate(path);
    setMessageButtons(true, postling::isSentFolder(e.folder));
    ListMsg->setFocus();
}

QStringList SavedMessagesPanel::listedFiles() const {
    QStringList files;
    for (int i = 0; i < model_->rowCount(); ++i)
        files << qs(model_->entry(i).row.fileName);
    return files;
}

int SavedMessagesPanel::rowCount() const {
    return model_->rowCount();
}

QString SavedMessagesPanel::text(int row, int column) const {
    return model_->index(row, column - 1).data().toString();
}

void SavedMessagesPanel::selectRow(int row) {
    ListMsg->setCurrentIndex(model_->index(row, 0));
}

void SavedMessagesPanel::deleteSelected() {
    const int row = currentRow();
    if (row < 0)
        return;
    const MessageListModel::Entry& e = model_->entry(row);
    const std::string error =
        postling::MessageStore(str(mainDir_)).remove(e.folder, e.row.fileName);
    if (!error.empty()) { // the file and its row stay
        Dialogs::message(this, tr("The message could not be deleted.\n%1").arg(qs(error)));
        return;
    }
    afterRowRemoved(row);
}

void SavedMessagesPanel::moveSelected() {
    if (ComboFolders4->currentIndex() < 0) {
        Dialogs::message(this, tr("You must select the folder you want to move the file to."));
        ComboFolders4->setFocus();
        return;
    }
    const int row = currentRow();
    const QString target = ComboFolders4->currentText();
    if (row < 0 || target.toLower() == qs(model_->entry(row).folder).toLower())
        return;
    const MessageListModel::Entry& e = model_->entry(row);
    const std::string error =
        postling::MessageStore(str(mainDir_)).move(e.folder, str(target), e.row.fileName);
    if (!error.empty()) {
        Dialogs::message(
            this, tr("There was an error in attempting to move this file.\n%1").arg(qs(error)));
        return;
    }
    afterRowRemoved(row);
}

void SavedMessagesPanel::afterRowRemoved(int index) {
    // The row at the removed one's place is selected next, or the new last row.
    int next = -1;
    {
        const QSignalBlocker quiet(ListMsg->selectionModel());
        model_->removeEntry(index);
        const int left = model_->rowCount();
        if (left > 0)
            next = std::min(index, left - 1);
        ListMsg->setCurrentIndex(next >= 0 ? model_->index(next, 0) : QModelIndex());
    }
    if (next >= 0)
        previewRow(next);
    else
        setMessageButtons(false, !CommandSendAgain->isHidden()); // the preview keeps its page
}

bool SavedMessagesPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListMsg->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            dragStart_ = static_cast<QMouseEvent*>(event)->position().toPoint();
        } else if (event->type() == QEvent::MouseMove) {
            auto* move = static_cast<QMouseEvent*>(event);
            if ((move->buttons() & Qt::LeftButton) && currentRow() >= 0 &&
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
    data->setData(FolderDropList::kMimeType, qs(model_->entry(currentRow()).row.fileName).toUtf8());
    drag->setMimeData(data);
    dragging_msg = true;
    drag->exec(Qt::CopyAction); // however it ends, the drag is over
    dragging_msg = false;
    // The folder list shows again the folder that is listed, and acted on.
    const QSignalBlocker quiet(ComboFolders2);
    const auto items = ComboFolders2->findItems(listed_, Qt::MatchExactly);
    ComboFolders2->setCurrentItem(items.isEmpty() ? nullptr : items.front());
}
