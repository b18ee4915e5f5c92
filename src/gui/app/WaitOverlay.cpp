#include "WaitOverlay.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

WaitOverlay::WaitOverlay(QWidget* parent) : QFrame(parent), cancel_(new QPushButton(tr("Cancel"))) {
    setObjectName("PictureWait");
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    cancel_->setObjectName("CommandCancelWait");
    auto* text = new QLabel(tr("Please wait..."));
    QFont f = text->font();
    f.setPointSize(f.pointSize() + 3);
    f.setBold(true);
    text->setFont(f);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(cancel_);
    adjustSize();
    hide();
    connect(cancel_, &QPushButton::clicked, this, [this] {
        hide();
        emit cancelled();
    });
}
