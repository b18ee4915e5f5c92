#pragma once

#include <QDialog>

class QRadioButton;

// DialogWelcome: asked once, on the first run, whether to start at Yahoo! Mail or Hotmail.
class WelcomeDialog : public QDialog {
    Q_OBJECT
public:
    explicit WelcomeDialog(QWidget* parent = nullptr);
    bool yahooChosen() const;
    QRadioButton* yahooOption() const { return yahoo_; }
    QRadioButton* hotmailOption() const { return hotmail_; }

private:
    QRadioButton* yahoo_;
    QRadioButton* hotmail_;
};
