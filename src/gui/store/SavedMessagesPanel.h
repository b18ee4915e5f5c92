#pragma once

#include "MessageListModel.h"
#include "store/MessageSearch.h"

#include <QWidget>
#include <memory>

class FolderDropList;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTimer;
class QTreeView;
class WebBrowser;

// The "Saved Message Folders (local)" tab: the folder list, the messages of the listed folder
// (rebuilt from the file names on every listing) or of a search across every folder, the
// preview, and the buttons that delete, move, answer and forward the selected message.
class SavedMessagesPanel : public QWidget {
    Q_OBJECT
public:
    SavedMessagesPanel(WebBrowser* preview, QWidget* parent = nullptr);
    ~SavedMessagesPanel() override;

    void setMainDir(const QString& mainDir);
    // While start-up fills the lists, selections list nothing.
    void setStarting(bool starting) { starting_ = starting; }

    // The folder pane (Picture3): folder list and folder buttons.
    QWidget* Picture3;
    FolderDropList* ComboFolders2;
    QPushButton* CommandAddFolder;
    QPushButton* RemoveFolder;
    // The search box: words to find in every folder.
    QLineEdit* TextSearch;
    // The list of messages; the file name, date key and folder columns are hidden.
    QTreeView* ListMsg;
    // The action bar (Picture2).
    QWidget* Picture2;
    QPushButton* CommandReplyText;
    QPushButton* CommandReplyNoText;
    QPushButton* CommandForward;
    QPushButton* CommandSendAgain;
    QPushButton* CommandDelete;
    QPushButton* CommandMove;
    QComboBox* ComboFolders4;

    int msg_sort_col = 4;
    bool dragging_msg = false;

    // The folder whose messages are listed: the one acted on, whatever the folder list shows.
    QString listedFolder() const { return listed_; }
    // Lists the selected folder again (ComboFolders2_Click).
    void listFolder();
    // Lists the messages of every folder that hold the words; empty words list the folder.
    void search(const QString& words);
    bool searching() const { return searching_; }
    // Sorts as a click on the header of column c (1-based) does.
    void columnClick(int c);
    void deleteSelected();
    void moveSelected();
    // Rows, top to bottom: a row's file name (column 5), its text in a 1-based column, and
    // selecting it as a click does.
    QStringList listedFiles() const;
    int rowCount() const;
    QString text(int row, int column) const;
    void selectRow(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // New rows in the list (a folder's, or search results from any folder), nothing selected.
    void showRows(std::vector<MessageListModel::Entry> entries, bool sent, bool withFolder);
    QString directoryOf(int row) const;
    void previewRow(int row);
    void afterRowRemoved(int index);
    void setMessageButtons(bool enabled, bool sent);
    void startDrag();
    bool previewShowsMessage() const;
    int currentRow() const;

    WebBrowser* preview_;
    MessageListModel* model_;
    QTimer* searchDelay_;
    std::unique_ptr<postling::MessageSearch> finder_;
    QString mainDir_;
    QString listed_;
    bool starting_ = false;
    bool searching_ = false;
    QPoint dragStart_;
};
