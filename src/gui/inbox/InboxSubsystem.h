#pragma once

#include <QList>
#include <QObject>

namespace postling {
struct Settings;
}
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class Shell;

// The inbox tools: Check Spam, Check Unread, Check Group and Uncheck All tick the boxes of the
// webmail inbox list, each reading the page in one script call and ticking in one more. The
// spam keywords are kept in "spamkeys.txt"; the options live on the Settings tab.
class InboxSubsystem : public QObject {
    Q_OBJECT
public:
    enum class Command { Spam, Unread, Group, Uncheck };

    explicit InboxSubsystem(Shell& shell, QObject* parent = nullptr);

    // What MainForm places: the "Inbox Management" buttons, the Tools menu's four items, and
    // the "Inbox Management/Spam Settings" frame of the Settings tab.
    QGroupBox* buttonsFrame() const { return buttons_; }
    QList<QAction*> menuActions() const { return actions_; }
    QGroupBox* settingsFrame() const { return settings_; }

    // Start-up sets the options and loads the keywords; shutdown writes both back.
    void loadOptions(const postling::Settings& settings);
    // Why spamkeys.txt could not be read, or empty. A file that is no text keeps its bytes: the
    // default keywords are shown, and the file is written only once the person changes them.
    QString loadKeywords();
    // An error text naming the file and the reason, or empty.
    std::string saveKeywords() const;
    void saveSettings(postling::Settings& settings) const;

    void run(Command command);
    void Command2_Click() { run(Command::Spam); }
    void Command1_Click() { run(Command::Unread); }
    void CheckGroup() { run(Command::Group); }
    void UncheckAll() { run(Command::Uncheck); }
    void closeSpamEditor();

signals:
    // A command has ticked (or unticked) its boxes; the summary is on the status line.
    void commandFinished(const QString& summary);

private:
    Shell& shell_;
    QString spam_keys;
    QString unreadKeywords_; // shown in place of a file that could not be read
    QGroupBox* buttons_;
    QGroupBox* settings_;
    QList<QAction*> actions_;
    QComboBox* ComboUnread;
    QCheckBox* CheckSpamUnread;
    QCheckBox* CheckNonEnglish;
    QPushButton* Command7;    // "Edit Spam &Keywords"
    QPlainTextEdit* TextSpam; // the keyword text, shown while editing
    QPushButton* SpamClose;
};
