#include "StartPages.h"

#include "Artwork.h"
#include "QtText.h"

#include "app/Settings.h"
#include "sites/GenericSite.h"
#include "sites/OldSites.h"
#include "sites/RoundcubeSite.h"

#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

StartPages::StartPages(QObject* parent) : QObject(parent), frame_(new QGroupBox(tr("Start Page"))) {
    frame_->setObjectName("FrameStart");
    struct Spec {
        const postling::Site* site;
        const char* option;
        const char* optionName;
        const char* textName;
        const char* caption;
        const char* tip;
        QIcon icon;
    };
    const Spec specs[] = {
        {&postling::yahooSite(), QT_TR_NOOP("&Yahoo Mail:"), "OptionY", "TextYahoo",
         QT_TR_NOOP("Yahoo! Mail"), QT_TR_NOOP("Go to Yahoo Mail"),
         letterIcon("Y!", QColor("#6633cc"))},
        {&postling::hotmailSite(), QT_TR_NOOP("MSN H&otmail"), "OptionH", "TextHotmail",
         QT_TR_NOOP("Hotmail"), QT_TR_NOOP("Go to Hotmail"), letterIcon("H", QColor("#003399"))},
        {&postling::roundcubeSite(), QT_TR_NOOP("Round&cube:"), "OptionR", "TextRoundcube",
         QT_TR_NOOP("Roundcube"), QT_TR_NOOP("Go to your Roundcube"),
         letterIcon("R", QColor("#37beff"))},
        {&postling::genericSite(), QT_TR_NOOP("Other &webmail:"), "OptionO", "TextOther",
         QT_TR_NOOP("Other webmail"), QT_TR_NOOP("Go to your other webmail"),
         letterIcon("@", QColor("#2e7d32"))},
    };
    auto* group = new QButtonGroup(frame_);
    auto* layout = new QGridLayout(frame_);
    for (const Spec& s : specs) {
        Choice c{s.site, new QRadioButton(tr(s.option)), new QLineEdit,
                 new QAction(s.icon, tr(s.caption), this)};
        c.option->setObjectName(s.optionName);
        c.text->setObjectName(s.textName);
        c.text->setAccessibleName(tr("%1 start page").arg(tr(s.caption)));
        const QString key = QString::fromUtf8(s.site->key().data(), s.site->key().size());
        c.action->setObjectName(key);
        c.action->setToolTip(tr(s.tip));
        connect(c.action, &QAction::triggered, this,
                [this, key] { emit goRequested(address(key)); });
        group->addButton(c.option);
        layout->addWidget(c.option, static_cast<int>(choices_.size()), 0);
        layout->addWidget(c.text, static_cast<int>(choices_.size()), 1);
        actions_ << c.action;
        choices_ << c;
    }
    layout->setColumnStretch(1, 1);
    choices_[0].option->setChecked(true);
    // The sites with no fixed home have a button once they have an address.
    for (int own : {2, 3}) {
        choices_[own].text->setPlaceholderText("https://mail.example.org/");
        connect(choices_[own].text, &QLineEdit::textChanged, this,
                &StartPages::ownAddressesChanged);
    }
    ownAddressesChanged();
}

void StartPages::ownAddressesChanged() {
    for (int own : {2, 3})
        choices_[own].action->setVisible(!choices_[own].text->text().trimmed().isEmpty());
    sites_.roundcube = str(choices_[2].text->text().trimmed());
    sites_.other = str(choices_[3].text->text().trimmed());
    emit siteAddressesChanged(sites_);
}

void StartPages::load(const postling::Settings& settings) {
    const postling::Site& chosen = postling::startSite(settings.smail);
    for (const Choice& c : choices_) {
        c.text->setText(qs(postling::startAddress(settings, *c.site)));
        if (c.site == &chosen)
            c.option->setChecked(true);
    }
    sites_ = postling::siteAddresses(settings);
    ownAddressesChanged();
}

void StartPages::save(postling::Settings& settings) const {
    for (const Choice& c : choices_)
        if (c.option->isChecked())
            settings.smail = postling::smailValue(*c.site);
    settings.ystart = str(choices_[0].text->text());
    settings.hstart = str(choices_[1].text->text());
    settings.rstart = str(choices_[2].text->text().trimmed());
    settings.ostart = str(choices_[3].text->text().trimmed());
}

void StartPages::choose(const postling::Site& site, const QString& typedAddress) {
    for (const Choice& c : choices_)
        if (c.site == &site) {
            if (!typedAddress.isEmpty())
                c.text->setText(typedAddress);
            c.option->setChecked(true);
        }
}

QString StartPages::start() const {
    for (const Choice& c : choices_)
        if (c.option->isChecked())
            return c.text->text();
    return choices_[0].text->text();
}

QStringList StartPages::addresses() const {
    QStringList list;
    for (const Choice& c : choices_)
        if (!c.text->text().isEmpty())
            list << c.text->text();
    return list;
}

QString StartPages::address(const QString& siteKey) const {
    for (const Choice& c : choices_)
        if (c.site->key() == siteKey.toStdString())
            return c.text->text();
    return {};
}
