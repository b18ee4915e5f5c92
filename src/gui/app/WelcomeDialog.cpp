#include "WelcomeDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

WelcomeDialog::WelcomeDialog(QWidget* parent)
    : QDialog(parent), yahoo_(new QRadioButton("&Yahoo Mail")),
      hotmail_(new QRadioButton("&MSN Hotmail")) {
    setObjectName("DialogWelcome");
    setWindowTitle("Welcome!");
    yahoo_->setObjectName("OptionYahoo");
    hotmail_->setObjectName("OptionHotmail");
    yahoo_->setChecked(true);

    auto* title = new QLabel("Welcome to Postling!");
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    title->setFont(big);
    auto* ask = new QLabel("Please indicate whether you would prefer to begin at Yahoo! Mail or "
                           "Hotmail when you first start Postling.");
    ask->setWordWrap(true);
    auto* frame = new QGroupBox("Select your Start Page");
    auto* options = new QVBoxLayout(frame);
    options->addWidget(yahoo_);
    options->addWidget(hotmail_);
    auto* hint = new QLabel("Just choose the mail provider you use most often. You can still "
                            "easily access either Yahoo or Hotmail from the toolbar or change the "
                            "default in the settings tab.");
    hint->setWordWrap(true);
    auto* ok = new QPushButton("OK");
    ok->setObjectName("OKButton");
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(ask);
    layout->addWidget(frame);
    layout->addWidget(hint);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setFixedWidth(420);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

bool WelcomeDialog::yahooChosen() const {
    return yahoo_->isChecked();
}
