#pragma once

#include <QAbstractTableModel>

namespace postling {
class AddressBook;
}

// The grid's view of the open book: the book's row 0 is the header, its rows 1.. the rows of
// the grid. The current cell is painted yellow while the user works in the grid.
class AddressModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit AddressModel(postling::AddressBook& book, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The book changed underneath (loaded, sorted, rows added or removed).
    void reload();
    void setHighlight(const QModelIndex& index);

    // Book rows (1-based, row 0 the header) against grid rows.
    static int bookRow(const QModelIndex& index) { return index.row() + 1; }

private:
    postling::AddressBook& book_;
    QPersistentModelIndex highlight_;
};
