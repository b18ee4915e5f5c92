#include "SettingsPanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

SettingsPanel::SettingsPanel(QWidget* parent)
    : QWidget(parent), options_(new QGroupBox(tr("Options"))), optionsLayout_(new QGridLayout),
      frames_(new QVBoxLayout(this)) {
    setObjectName("PictureSettings");
    options_->setObjectName("FrameOptions");
    options_->setLayout(optionsLayout_);
    optionsLayout_->setColumnStretch(1, 1);
    frames_->addStretch();
}

void SettingsPanel::addFrame(QWidget* frame) {
    frames_->insertWidget(frames_->count() - 1, frame);
}

void SettingsPanel::addOption(QWidget* control, const QString& label) {
    const int row = rows_++;
    if (label.isEmpty()) {
        optionsLayout_->addWidget(control, row, 0, 1, 2, Qt::AlignLeft);
    } else {
        optionsLayout_->addWidget(new QLabel(label), row, 0);
        optionsLayout_->addWidget(control, row, 1, Qt::AlignLeft);
    }
}
