#pragma once

#include <QFrame>

class QPushButton;

// PictureWait: "Please wait..." with "Cancel", shown over the browser while a fill waits for the
// compose page.
class WaitOverlay : public QFrame {
    Q_OBJECT
public:
    explicit WaitOverlay(QWidget* parent = nullptr);
    QPushButton* cancelButton() const { return cancel_; }

signals:
    void cancelled();

private:
    QPushButton* cancel_;
};
