#pragma once

#include <QListWidget>
#include <functional>

// The folder list of the saved-messages tab. A message dragged over it selects the folder under
// the pointer; dropping it there is accepted and changes no file.
class FolderDropList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderDropList(QWidget* parent = nullptr);

    static constexpr const char* kMimeType = "application/x-postling-saved-message";

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
