#pragma once

#include "addressbook/AddressTable.h"

#include <QDialog>
#include <functional>

namespace postling {
class AddressBook;
}
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

// DialogFind: finds as the user types, in the chosen column, the first row that begins with
// the text. It does not block the main window.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    FindDialog(QWidget* parent = nullptr);
    // Fills the column list from the book's headers (without sort marks) and selects `column`.
    void load(const postling::AddressBook& book, int& column);
    QComboBox* columns() const { return columns_; }
    QLineEdit* textBox() const { return text_; }

signals:
    void columnChosen(int column);
    void searched(const QString& text);
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QComboBox* columns_;
    QLineEdit* text_;
    bool loading_ = false;
};

// DialogImport: the file being imported beside the book's columns; the user moves the file's
// columns until they line up, then the rows are appended to the book.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(const postling::AddressBook& book, const QString& file, QWidget* parent = nullptr);

    const postling::AddressTable& data() const { return data_; }
    QTableWidget* dataGrid() const { return dataGrid_; }
    QTableWidget* targetGrid() const { return targetGrid_; }
    QComboBox* positions() const { return positions_; }
    QPushButton* moveButton() const { return move_; }
    QPushButton* finishButton() const { return finish_; }
    // Moves the data grid's current column to the chosen position.
    void moveSelectedColumn();

private:
    void showData();

    postling::AddressTable data_;
    int chosenColumn_ = -1;
    QTableWidget* dataGrid_;
    QTableWidget* targetGrid_;
    QComboBox* positions_;
    QPushButton* move_;
    QPushButton* finish_;
};
