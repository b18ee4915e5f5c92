#pragma once

#include "store/MessageList.h"

#include <QAbstractTableModel>
#include <vector>

// The rows of ListMsg, made from the file names of saved messages: the six columns of the old
// list (file name and date key hidden) and, for search results, the folder. Sorting orders the
// rows themselves, so a refill keeps the order chosen.
class MessageListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { From, Subject, To, Date, FileName, DateKey, Folder, ColumnCount };
    struct Entry {
        std::string folder;
        postling::MessageRow row;
    };

    using QAbstractTableModel::QAbstractTableModel;

    // `sentFolder`: the headers read "Sent To" and "From" for the first and third columns.
    void setEntries(std::vector<Entry> entries, bool sentFolder);
    const Entry& entry(int row) const { return entries_[static_cast<std::size_t>(row)]; }
    void removeEntry(int row);
    // Sorts by a 0-based column, and keeps that order for later fills.
    void sortBy(int column, Qt::SortOrder order);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const std::string& text(const Entry& entry, int column) const;
    void sortEntries();

    std::vector<Entry> entries_;
    bool sent_ = false;
    int sortColumn_ = DateKey;
    Qt::SortOrder order_ = Qt::DescendingOrder;
};
