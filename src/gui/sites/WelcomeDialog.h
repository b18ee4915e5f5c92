#pragma once

#include <QDialog>

namespace postling {
class Site;
}
class QLineEdit;
class QRadioButton;

// DialogWelcome: asked once, on the first run, where to start: Yahoo! Mail, Hotmail, or the
// user's own Roundcube at the address they type.
class WelcomeDialog : public QDialog {
    Q_OBJECT
public:
    explicit WelcomeDialog(QWidget* parent = nullptr);
    const postling::Site& chosenSite() const;
    QString roundcubeAddress() const;
    QRadioButton* yahooOption() const { return yahoo_; }
    QRadioButton* hotmailOption() const { return hotmail_; }
    QRadioButton* roundcubeOption() const { return roundcube_; }
    QLineEdit* roundcubeText() const { return roundcubeText_; }

private:
    QRadioButton* yahoo_;
    QRadioButton* hotmail_;
    QRadioButton* roundcube_;
    QLineEdit* roundcubeText_;
};
