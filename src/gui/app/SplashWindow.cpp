#include "SplashWindow.h"

#include "Artwork.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>

SplashWindow::SplashWindow(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint), frame_(new QFrame(this)),
      image_(new QLabel(frame_)), timer_(new QTimer(this)) {
    setObjectName("frmSplash");
    frame_->setObjectName("Frame1");
    image_->setObjectName("Image2");
    timer_->setObjectName("Timer1");
    setFixedSize(440, 260);
    frame_->setGeometry(10, 10, 420, 240);
    frame_->setFrameStyle(QFrame::Box | QFrame::Plain);
    image_->setPixmap(productPicture(380, 190));
    image_->adjustSize();
    image_->hide();
    timer_->setInterval(1500);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &QDialog::accept);
}

void SplashWindow::showEvent(QShowEvent* event) {
    // The picture is centred in the frame, then shown.
    image_->move((frame_->width() - image_->width()) / 2,
                 (frame_->height() - image_->height()) / 2);
    image_->show();
    timer_->start();
    QDialog::showEvent(event);
}

void SplashWindow::keyPressEvent(QKeyEvent*) {
    accept();
}

void SplashWindow::mousePressEvent(QMouseEvent*) {
    accept();
}
