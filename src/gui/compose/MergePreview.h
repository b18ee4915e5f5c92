#pragma once

#include "compose/Merge.h"

#include <QDialog>

class QLabel;
class QTreeWidget;

// "Merge Preview": every message a run would send, row by row, with the rows it would skip
// marked and every merge field that matches no column named. Nothing is sent from here.
class MergePreview : public QDialog {
    Q_OBJECT
public:
    MergePreview(const std::vector<postling::MergeMessage>& plan,
                 const std::vector<std::string>& unmatched, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }
    QLabel* notes() const { return notes_; }

private:
    QTreeWidget* list_;
    QLabel* notes_;
};
