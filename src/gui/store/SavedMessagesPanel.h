#pragma once

#include <QWidget>

class FolderDropList;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class WebBrowser;

// The "Saved Message Folders (local)" tab: the folder list, the message list of the selected
// folder (rebuilt from the file names on every selection), the preview, and the buttons that
// delete, move, answer and forward the selected message.
class SavedMessagesPanel : public QWidget {
    Q_OBJECT
public:
    SavedMessagesPanel(WebBrowser* preview, QWidget* parent = nullptr);

    void setMainDir(const QString& mainDir) { mainDir_ = mainDir; }
    // While start-up fills the lists, selections list nothing.
    void setStarting(bool starting) { starting_ = starting; }

    // The folder pane (Picture3): folder list and folder buttons.
    QWidget* Picture3;
    FolderDropList* ComboFolders2;
    QPushButton* CommandAddFolder;
    QPushButton* RemoveFolder;
    // The list of messages; columns 5 and 6 (file name, date key) are hidden.
    QTreeWidget* ListMsg;
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

    QString listedFolder() const;
    QString folderDirectory() const;
    // Lists the selected folder again (ComboFolders2_Click).
    void listFolder();
    // Sorts as a click on the header of column c (1-based) does.
    void columnClick(int c);
    void deleteSelected();
    void moveSelected();
    // The file names of the rows, top to bottom (column 5).
    QStringList listedFiles() const;

signals:
    void messageShown(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void previewItem(QTreeWidgetItem* item);
    void afterRowRemoved(int index);
    void setMessageButtons(bool enabled);
    void startDrag();
    bool previewShowsMessage() const;

    WebBrowser* preview_;
    QString mainDir_;
    bool starting_ = false;
    int sortColumn_ = 5; // 0-based: the hidden date key
    Qt::SortOrder sortOrder_ = Qt::DescendingOrder;
    QPoint dragStart_;
};
