#pragma once

#include <QList>
#include <QObject>

#include "sites/Site.h"

namespace postling {
struct Settings;
}
class QAction;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// The sites' start pages: the Settings tab's "Start Page" frame (one choice and address per
// site) and the toolbar button of each site, Roundcube's shown while it has an address.
class StartPages : public QObject {
    Q_OBJECT
public:
    explicit StartPages(QObject* parent = nullptr);

    QGroupBox* frame() const { return frame_; }
    QList<QAction*> toolbarActions() const { return actions_; }

    void load(const postling::Settings& settings);
    void save(postling::Settings& settings) const;
    // The welcome dialog's choice (with the address typed there for it).
    void choose(const postling::Site& site, const QString& typedAddress);

    // The chosen start page, every start address (for the address bar's list), one site's.
    QString start() const;
    QStringList addresses() const;
    QString address(const QString& siteKey) const;
    // The user's site addresses as they stand now.
    postling::SiteAddresses siteAddresses() const { return sites_; }

signals:
    // A site's toolbar button: go to its start page.
    void goRequested(const QString& address);
    void siteAddressesChanged(const postling::SiteAddresses& sites);

private:
    struct Choice {
        const postling::Site* site;
        QRadioButton* option;
        QLineEdit* text;
        QAction* action;
    };
    void ownAddressesChanged();

    QGroupBox* frame_;
    QList<Choice> choices_;
    QList<QAction*> actions_;
    postling::SiteAddresses sites_;
};
