#pragma once

#include <QDialog>

namespace postling {
class Site;
}
class QLineEdit;
class QRadioButton;

// DialogWelcome: asked once, on the first run, where to start: Yahoo! Mail, Hotmail, the
// user's own Roundcube or another webmail, at the address they type.
class WelcomeDialog : public QDialog {
    Q_OBJECT
public:
    explicit WelcomeDialog(QWidget* parent = nullptr);
    const postling::Site& chosenSite() const;
    // The address typed for the chosen site (Roundcube or another webmail).
    QString typedAddress() const;
    QRadioButton* yahooOption() const { return yahoo_; }
    QRadioButton* hotmailOption() const { return hotmail_; }
    QRadioButton* roundcubeOption() const { return roundcube_; }
    QLineEdit* roundcubeText() const { return roundcubeText_; }
    QRadioButton* otherOption() const { return other_; }
    QLineEdit* otherText() const { return otherText_; }

private:
    QRadioButton* yahoo_;
    QRadioButton* hotmail_;
    QRadioButton* roundcube_;
    QLineEdit* roundcubeText_;
    QRadioButton* other_;
    QLineEdit* otherText_;
};
