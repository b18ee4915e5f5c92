#pragma once

#include <QObject>

namespace postling {
struct SavedMessage;
struct Settings;
} // namespace postling
class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;
class SavedMessagesPanel;
class Shell;

// The local message store: the "Save Messages Locally" controls and the capture of the message
// on screen, the writer of saved files, the four folder lists, new folders, and the saved-messages
// tab with its list and preview.
class StoreSubsystem : public QObject {
    Q_OBJECT
public:
    explicit StoreSubsystem(Shell& shell, QObject* parent = nullptr);

    // Controls MainForm places in the frame.
    QComboBox* folderChooser() const { return ComboFolders; }
    QToolButton* newFolderButton() const { return Command6; }
    QPushButton* saveButton() const { return GetBody; }
    QLabel* savedLabel() const { return LabelSaved; }
    QAction* saveAction() const { return savemsg_; }
    QComboBox* defaultFolderList() const { return ComboFolders3; }
    SavedMessagesPanel* panel() const { return SavedMessages; }

    // Start-up creates "savedmgs" with "Sent" and "Saved" and fills the lists; shutdown keeps
    // the default folder.
    void createFolders();
    void loadFolders(const postling::Settings& settings);
    void startupDone();
    void saveSettings(postling::Settings& settings) const;

    // "&Save Msg <<": the message on screen into the chosen folder.
    void GetBody_Click();
    // Writes a message: an incoming one into the chosen folder, a sent one into "Sent".
    void SaveMessage(const postling::SavedMessage& message);
    void CommandAddFolder_Click();
    void RemoveFolder_Click();
    // Fills the four folder lists; `select` (ignoring case) is chosen in the capture and browser
    // lists, and in the settings list too when `inSettingsToo`.
    void fillFolderLists(const QString& select, bool inSettingsToo = true);

    // The "Message Saved" notice goes when the inbox view moves on or the tab changes.
    void hideSavedNotice();

signals:
    // A button of the saved-messages tab asks for an answer: a ReplyOrForward code.
    void answerRequested(int code);

private:
    void onTabChanged(int tab);

    Shell& shell_;
    QComboBox* ComboFolders; // the folder "&Save Msg <<" saves into
    QToolButton* Command6;
    QPushButton* GetBody;
    QLabel* LabelSaved;
    QAction* savemsg_;
    QComboBox* ComboFolders3; // the default folder, on the Settings tab
    SavedMessagesPanel* SavedMessages;
};
