#include "MessageListModel.h"

#include <algorithm>

void MessageListModel::setEntries(std::vector<Entry> entries, bool sentFolder) {
    beginResetModel();
    entries_ = std::move(entries);
    sent_ = sentFolder;
    sortEntries();
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, From, To);
}

void MessageListModel::removeEntry(int row) {
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    entries_.erase(entries_.begin() + row);
    endRemoveRows();
}

void MessageListModel::sortBy(int column, Qt::SortOrder order) {
    emit layoutAboutToBeChanged();
    sortColumn_ = column;
    order_ = order;
    sortEntries();
    emit layoutChanged();
}

// Each row's key is made once; equal keys keep their order.
void MessageListModel::sortEntries() {
    std::vector<std::pair<postling::RowKey, std::size_t>> keys;
    keys.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i)
        keys.emplace_back(postling::rowKey(text(entries_[i], sortColumn_)), i);
    std::stable_sort(keys.begin(), keys.end(), [this](const auto& a, const auto& b) {
        return order_ == Qt::AscendingOrder ? a.first < b.first : b.first < a.first;
    });
    std::vector<Entry> sorted;
    sorted.reserve(entries_.size());
    for (const auto& [key, i] : keys)
        sorted.push_back(std::move(entries_[i]));
    entries_ = std::move(sorted);
}

const std::string& MessageListModel::text(const Entry& e, int column) const {
    switch (column) {
    case From:
        return e.row.first;
    case Subject:
        return e.row.subject;
    case To:
        return e.row.fourth;
    case Date:
        return e.row.date;
    case FileName:
        return e.row.fileName;
    case DateKey:
        return e.row.sortKey;
    default:
        return e.folder;
    }
}

int MessageListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int MessageListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MessageListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return QString::fromStdString(text(entry(index.row()), index.column()));
}

QVariant MessageListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case From:
        return sent_ ? tr("Sent To") : tr("From");
    case Subject:
        return tr("Subject");
    case To:
        return sent_ ? tr("From") : tr("To");
    case Date:
        return tr("Date");
    case Folder:
        return tr("Folder");
    default:
        return " ";
    }
}
