#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QTimer;

// frmSplash: the product picture centred in its frame, shown modally at start-up until its
// 1.5 s timer ticks, a key is pressed or the frame is clicked.
class SplashWindow : public QDialog {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    QTimer* timer() const { return timer_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QFrame* frame_;
    QLabel* image_;
    QTimer* timer_;
};
