#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// PictureSettings, the Settings tab: the user's options. Its controls have no handlers of their
// own; other parts of Postling read them when they need them.
class SettingsPanel : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPanel(QWidget* parent = nullptr);

    QRadioButton* OptionY;
    QLineEdit* TextYahoo;
    QRadioButton* OptionH;
    QLineEdit* TextHotmail;
    QPushButton* CommandDefBrowser;
    QCheckBox* CheckEmail;
    QCheckBox* CheckGotoInbox;
    QComboBox* ComboFolders3; // default folder for saving messages
    // Inbox Management/Spam Settings.
    QComboBox* ComboUnread;
    QCheckBox* CheckSpamUnread;
    QCheckBox* CheckNonEnglish;
    QPushButton* Command7;    // "Edit Spam &Keywords"
    QPlainTextEdit* TextSpam; // the keyword text, shown while editing
    QPushButton* SpamClose;
    void closeSpamEditor();

    // Where later options (default lists, inbox settings) take their place.
    QGridLayout* optionsLayout() const { return options_; }
    QVBoxLayout* framesLayout() const { return frames_; }

private:
    QGridLayout* options_;
    QVBoxLayout* frames_;
};
