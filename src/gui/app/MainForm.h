#pragma once

#include "addressbook/AddressBook.h"
#include "app/IniFile.h"
#include "app/InstanceLock.h"
#include "app/PaneLayout.h"
#include "app/Settings.h"
#include "compose/ReplyText.h"
#include "store/SavedMessage.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>
#include <memory>
#include <optional>

class AddressPane;
class EmailPalette;
class QCheckBox;
class QTimer;
class FindDialog;
class HelpWindow;
class QFrame;
class QAction;
class QComboBox;
class QGridLayout;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QToolButton;
class SavedMessagesPanel;
class QTabBar;
class QToolBar;
class QWebEngineProfile;
class SettingsPanel;
class WaitOverlay;
class WebBrowser;

// The main window: it owns the views, the controls and the state every part of Postling
// shares, and wires the controls to the core. Start-up runs when it is created, shutdown
// when it closes by any means.
class MainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* APP_NAME = "Postling";
    enum Tab { InboxTab = 1, ComposeTab = 2, SavedTab = 3, CalendarTab = 4, SettingsTab = 5 };

    explicit MainForm(const QStringList& arguments = QCoreApplication::arguments(),
                      QWidget* parent = nullptr);
    ~MainForm() override;

    // Settings, as the old private-profile functions offered them.
    QString GetIni(const QString& section, const QString& item, const QString& def) const;
    void SetIni(const QString& section, const QString& item, const QString& value) const;

    // The selected tab of TabStrip2, 1-based; selecting runs the tab's action.
    int currentTab() const;
    void selectTab(int index);

    // The help viewer: topic 0 is the contents; `secondary` opens the small window "proc1".
    void ShowHelp(int topic, bool secondary = false);

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);

    // Runs shutdown once; closing the window, a signal or the end of the session lead here.
    void Form_Unload();

    // The message store: "&Save Msg <<" and the writer behind it.
    void GetBody_Click();
    void SaveMessage(const postling::SavedMessage& message);
    // Fills the four folder lists from "savedmgs"; selects `select` (ignoring case) in the
    // capture, browser and settings lists, or in those named by `where`.
    void fillFolderLists(const QString& select, bool inSettingsToo = true);
    void CommandAddFolder_Click();
    void RemoveFolder_Click();

    // Address books.
    void Open_CSV();
    void SaveAddressBook();
    void NewAddressBook();
    void DeleteSelectedAddresses();
    void AddBlankAddress();
    void ShowFindAddress();
    void AddAddressFromMessage();
    void ImportAddressList();
    QString open_address_book() const { return QString::fromStdString(book.path); }
    // The pane: its width in twips (clamped), hide, show, expand.
    void SizeControls(double x);
    void hidePane();
    void showPane();
    void toggleExpandPane();

    // Compose assistance.
    void Web_InsertField(int which);
    void ClearComposeForm();
    void ReplyOrForward(int code);
    void CheckMailto();
    void showPalette();
    void closePalette();
    // A form post from the compose page: keeps a copy in the Sent folder.
    void captureSent(const QByteArray& postData);

    // Inbox tools: each reads the inbox in one script call and ticks in one more.
    enum class InboxCommand { Spam, Unread, Group, Uncheck };
    void runInboxCommand(InboxCommand command);
    void Command2_Click() { runInboxCommand(InboxCommand::Spam); }
    void Command1_Click() { runInboxCommand(InboxCommand::Unread); }
    void CheckGroup() { runInboxCommand(InboxCommand::Group); }
    void UncheckAll() { runInboxCommand(InboxCommand::Uncheck); }
    QString spam_keys;

    // State shared by every part (the old program's module-level variables).
    QString ini_file;
    QString main_dir;
    QString webmail;
    bool doing_init = false;
    bool started_by_mailto = false;
    bool did_insert = false;
    bool user_clicked_cancel = false;
    bool compose_complete = false;
    int lang = 0;                // the language of the last message page read
    int num_lang = 8;            // languages searched
    postling::Settings settings; // values read at start-up and written back at shutdown
    postling::AddressBook book;  // the open address book, as the grid shows it
    postling::PaneLayout pane;
    QString open_book; // a book to open without asking
    int find_col = 0;
    bool to_retry = false;
    int to_retry_which = 0;
    bool mailto_retry = false;
    QString mailto_address;
    bool doing_merge = false;
    bool insert_template = false;
    QString template_subj;
    QString template_body;

    // Controls, named as the tests and the rest of the program know them.
    WebBrowser* WebBrowser1; // inbox view
    WebBrowser* WebBrowser2; // saved-message preview
    WebBrowser* WebBrowser3; // compose view
    WebBrowser* WebBrowser4; // calendar view
    QTabBar* TabStrip2;
    QToolBar* Toolbar1;
    QComboBox* AddressCombo;
    QProgressBar* Progress1;
    SettingsPanel* PictureSettings;
    WaitOverlay* PictureWait;
    SavedMessagesPanel* SavedMessages; // tab 3: ComboFolders2, ListMsg, Picture2, Picture3
    QComboBox* ComboFolders;           // "Save Messages Locally": the folder to save into
    QPushButton* GetBody;
    QLabel* LabelSaved;
    QToolButton* Command6;
    AddressPane* TabStrip1; // the address book pane
    QFrame* imgSplitter;
    QFrame* picSplitter;
    QPushButton* CommandShowAddress;
    QPushButton* CommandTo;
    FindDialog* DialogFind = nullptr;
    QCheckBox* CheckSaveSent;
    QTimer* Timer2;
    EmailPalette* FormEmail = nullptr;

    QMenu* fileMenu;
    QMenu* addressBookMenu;
    QMenu* toolsMenu;
    QMenu* helpMenu;

signals:
    // An inbox command has ticked (or unticked) its boxes; the summary is on the status line.
    void inboxCommandFinished(const QString& summary);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction
    void buildMenus();
    void buildToolbar();
    void buildViews();
    void buildStatusBar();
    void buildMessageTools();
    void buildAddressPane(QWidget* central);
    void buildAddressMenus();
    void buildCompose();
    void buildInbox();
    void writeBug(const char* marker) const;
    // The wait for the compose form of a fill, driven by page loads and a timer.
    struct Fill {
        int code = 0;
        QPointer<WebBrowser> target;
        postling::ComposeFill text;
        int attempts = 0;
    };
    void waitForComposeForm(Fill fill);
    void attemptFill();
    void fillComposeForm(const QVariantMap& current);
    double windowWidthTwips() const;
    QAction* addAction(QMenu* menu, const QString& name, const QString& caption);

    // Start-up
    void Form_Load(const QStringList& arguments);
    void applyStartGeometry();
    void createDataFolders();

    // Browsing
    void onInboxNavigateComplete(const QString& url);
    void onTabChanged(int index);
    void runToolbarKey(const QString& key);
    void navigateFromAddressBar(const QString& text);
    void connectStatus(WebBrowser* view);
    void placeWaitOverlay();

    QWebEngineProfile* profile_;
    QList<QWidget*> tabViews_[6]; // the views each tab shows (index 1..5)
    QWidget* viewArea_;
    QLabel* panels_[3];
    HelpWindow* help_ = nullptr;
    HelpWindow* helpProc1_ = nullptr;
    bool shutDown_ = false;
    std::optional<Fill> fill_;
    QTimer* fillTimer_ = nullptr;
    std::unique_ptr<postling::InstanceLock> instance_;
};
