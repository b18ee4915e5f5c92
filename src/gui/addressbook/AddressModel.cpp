#include "AddressModel.h"

#include "addressbook/AddressBook.h"

#include <QColor>

AddressModel::AddressModel(postling::AddressBook& book, QObject* parent)
    : QAbstractTableModel(parent), book_(book) {}

int AddressModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, book_.table.rowCount() - 1);
}

int AddressModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : book_.table.columnCount();
}

QVariant AddressModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return QString::fromStdString(book_.table.cell(bookRow(index), index.column()));
    if (role == Qt::BackgroundRole && index == highlight_)
        return QColor(255, 255, 0);
    return {};
}

bool AddressModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    book_.table.setCell(bookRow(index), index.column(), value.toString().toStdString());
    emit dataChanged(index, index);
    return true;
}

QVariant AddressModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return QString::fromStdString(book_.table.cell(0, section));
    return section + 1;
}

Qt::ItemFlags AddressModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void AddressModel::reload() {
    beginResetModel();
    highlight_ = QPersistentModelIndex();
    endResetModel();
}

void AddressModel::setHighlight(const QModelIndex& index) {
    const QModelIndex old = highlight_;
    highlight_ = index;
    if (old.isValid())
        emit dataChanged(old, old, {Qt::BackgroundRole});
    if (index.isValid())
        emit dataChanged(index, index, {Qt::BackgroundRole});
}
