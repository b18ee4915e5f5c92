#include "FolderDropList.h"

#include <QDragMoveEvent>
#include <QMimeData>

FolderDropList::FolderDropList(QWidget* parent) : QListWidget(parent) {
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void FolderDropList::dragEnterEvent(QDragEnterEvent* event) {
    if (!event->mimeData()->hasFormat(kMimeType))
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void FolderDropList::dragMoveEvent(QDragMoveEvent* event) {
    if (!event->mimeData()->hasFormat(kMimeType))
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (QListWidgetItem* item = itemAt(event->position().toPoint()))
        setCurrentItem(item);
}

void FolderDropList::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasFormat(kMimeType))
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}
