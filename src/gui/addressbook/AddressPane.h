#pragma once

#include <QWidget>

namespace postling {
class AddressBook;
}
class AddressModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolBar;

// TabStrip1, the address book pane: the book's name, its toolbar, the grid and the one-line
// editor under it. Every keystroke in the editor goes straight into the current cell.
class AddressPane : public QWidget {
    Q_OBJECT
public:
    explicit AddressPane(postling::AddressBook& book, QWidget* parent = nullptr);

    QLabel* LabelBkName;
    QToolBar* Toolbar2;
    QTableView* MSFlexGrid1;
    QLabel* LabelEdit;
    QLineEdit* TextEdit;
    QPushButton* CommandHide;
    AddressModel* model;
    bool find_active = false;

    // After the book was loaded or changed as a whole.
    void bookLoaded(const QString& bookLabel);
    void refresh();
    // The current cell in book rows (1-based); -1 when there is none.
    int currentRow() const;
    int currentColumn() const;
    // The other end of the row selection (the current row when one row is selected).
    int selectionEndRow() const;
    // Makes a cell current and shows it; `top` also makes its row the first visible one.
    void setCurrentCell(int row, int column, bool top = false);
    // Start editing: the cell's text into the editor, highlighted, the editor focused.
    void startEditing();

signals:
    void toolbarKey(const QString& key);
    void insertTo();        // a double click on the grid
    void addBlankAddress(); // Enter or Down in the last row

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void leaveGrid(bool forward);

private:
    void cellEntered();
    void applyWidths();
    bool editorKey(int key, Qt::KeyboardModifiers modifiers);

    postling::AddressBook& book_;
};
