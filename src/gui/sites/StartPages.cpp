#include "StartPages.h"

#include "Artwork.h"
#include "QtText.h"

#include "app/Settings.h"
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
    QLineEdit* roundcube = choices_[2].text;
    roundcube->setPlaceholderText("https://mail.example.org/");
    connect(roundcube, &QLineEdit::textChanged, this, &StartPages::roundcubeChanged);
    roundcubeChanged();
}

void StartPages::roundcubeChanged() {
    const QString text = choices_[2].text->text().trimmed();
    choices_[2].action->setVisible(!text.isEmpty());
    sites_.roundcube = str(text);
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
    roundcubeChanged();
}

void StartPages::save(postling::Settings& settings) const {
    for (const Choice& c : choices_)
        if (c.option->isChecked())
            settings.smail = postling::smailValue(*c.site);
    settings.ystart = str(choices_[0].text->text());
    settings.hstart = str(choices_[1].text->text());
    settings.rstart = str(choices_[2].text->text().trimmed());
}

void StartPages::choose(const postling::Site& site, const QString& roundcubeAddress) {
    if (!roundcubeAddress.isEmpty())
        choices_[2].text->setText(roundcubeAddress);
    for (const Choice& c : choices_)
        if (c.site == &site)
            c.option->setChecked(true);
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
