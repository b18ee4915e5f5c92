#include "NameDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

NameDialog::NameDialog(const QString& objectName, const QString& caption, const QString& label,
                       std::function<bool(const QString&)> create, QWidget* parent)
    : QDialog(parent), create_(std::move(create)), name_(new QLineEdit),
      ok_(new QPushButton(tr("OK"))) {
    setObjectName(objectName);
    setWindowTitle(caption);
    name_->setObjectName("TextName");
    ok_->setObjectName("OKButton");
    ok_->setDefault(true);
    ok_->setEnabled(false);
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName("CancelButton");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    auto* named = new QLabel(label);
    named->setBuddy(name_); // the field is named by its label
    layout->addWidget(named);
    layout->addWidget(name_);
    layout->addLayout(buttons);
    setMinimumWidth(320);

    connect(name_, &QLineEdit::textChanged, this,
            [this](const QString& text) { ok_->setEnabled(!text.isEmpty()); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (create_(name_->text()))
            accept();
    });
}
