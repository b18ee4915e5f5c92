#include "WelcomeDialog.h"

#include "sites/GenericSite.h"
#include "sites/OldSites.h"
#include "sites/RoundcubeSite.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

WelcomeDialog::WelcomeDialog(QWidget* parent)
    : QDialog(parent), yahoo_(new QRadioButton(tr("&Yahoo Mail"))),
      hotmail_(new QRadioButton(tr("&MSN Hotmail"))),
      roundcube_(new QRadioButton(tr("&Roundcube:"))), roundcubeText_(new QLineEdit),
      other_(new QRadioButton(tr("&Other webmail:"))), otherText_(new QLineEdit) {
    setObjectName("DialogWelcome");
    setWindowTitle(tr("Welcome!"));
    yahoo_->setObjectName("OptionYahoo");
    hotmail_->setObjectName("OptionHotmail");
    roundcube_->setObjectName("OptionRoundcube");
    roundcubeText_->setObjectName("TextWelcomeRoundcube");
    roundcubeText_->setPlaceholderText("https://mail.example.org/");
    roundcubeText_->setAccessibleName(tr("Roundcube address"));
    other_->setObjectName("OptionOther");
    otherText_->setObjectName("TextWelcomeOther");
    otherText_->setPlaceholderText("https://mail.example.org/");
    otherText_->setAccessibleName(tr("Other webmail address"));
    yahoo_->setChecked(true);
    // Typing an address means starting there.
    for (auto [option, text] :
         {std::pair{roundcube_, roundcubeText_}, std::pair{other_, otherText_}})
        connect(text, &QLineEdit::textEdited, this, [option](const QString& typed) {
            if (!typed.trimmed().isEmpty())
                option->setChecked(true);
        });

    auto* title = new QLabel(tr("Welcome to Postling!"));
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    title->setFont(big);
    auto* ask = new QLabel(tr("Please indicate whether you would prefer to begin at Yahoo! Mail, "
                              "Hotmail, your own Roundcube or another webmail when you first "
                              "start Postling."));
    ask->setWordWrap(true);
    auto* frame = new QGroupBox(tr("Select your Start Page"));
    auto* options = new QGridLayout(frame);
    options->addWidget(yahoo_, 0, 0, 1, 2);
    options->addWidget(hotmail_, 1, 0, 1, 2);
    options->addWidget(roundcube_, 2, 0);
    options->addWidget(roundcubeText_, 2, 1);
    options->addWidget(other_, 3, 0);
    options->addWidget(otherText_, 3, 1);
    auto* hint = new QLabel(tr("Just choose the mail provider you use most often. You can still "
                               "easily access the others from the toolbar or change the "
                               "default in the settings tab."));
    hint->setWordWrap(true);
    auto* ok = new QPushButton(tr("OK"));
    ok->setObjectName("OKButton");
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(ask);
    layout->addWidget(frame);
    layout->addWidget(hint);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setFixedWidth(440);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

const postling::Site& WelcomeDialog::chosenSite() const {
    // A site without an address would start nowhere: the first site then.
    if (roundcube_->isChecked() && !typedAddress().isEmpty())
        return postling::roundcubeSite();
    if (other_->isChecked() && !typedAddress().isEmpty())
        return postling::genericSite();
    return hotmail_->isChecked() ? postling::hotmailSite() : postling::yahooSite();
}

QString WelcomeDialog::typedAddress() const {
    return (other_->isChecked() ? otherText_ : roundcubeText_)->text().trimmed();
}
