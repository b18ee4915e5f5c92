#pragma once

#include "app/InstanceLock.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QStringList>
#include <memory>

namespace postling {
struct Settings;
}
class AddressBookSubsystem;
class BrowsingSubsystem;
class ComposeSubsystem;
class InboxSubsystem;
class QWebEngineProfile;
class SettingsPanel;
class Shell;
class StoreSubsystem;
class WebBrowser;

// The main window. It builds the frame (menus, toolbars, tabs, status line, the four views),
// creates the subsystems that own everything else, wires them to each other, and runs start-up
// and shutdown, calling each subsystem's steps in the order Postling has always taken them.
class MainForm : public QMainWindow {
    Q_OBJECT
public:
    // `instance` is the lock of this settings file when the caller took it already.
    explicit MainForm(const QStringList& arguments = QCoreApplication::arguments(),
                      std::unique_ptr<postling::InstanceLock> instance = nullptr,
                      QWidget* parent = nullptr);
    ~MainForm() override;

    // Runs shutdown once; closing the window, a signal or the end of the session lead here.
    void Form_Unload();

    Shell& shell() const { return *shell_; }
    BrowsingSubsystem& browsing() const { return *browsing_; }
    StoreSubsystem& store() const { return *store_; }
    AddressBookSubsystem& addressBook() const { return *addressBook_; }
    ComposeSubsystem& compose() const { return *compose_; }
    InboxSubsystem& inbox() const { return *inbox_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr const char* APP_NAME = QT_TR_NOOP("Postling");

    // The frame, then the subsystems placed in it and wired together.
    void buildFrame();
    void buildSubsystems();
    void placeControls();
    void buildMenus();
    void connectSubsystems();
    void placeWaitOverlay();

    // Start-up and shutdown.
    void Form_Load(const QStringList& arguments);
    void applyStartGeometry(const postling::Settings& settings);
    void startCompanion() const;
    int removeStaleTemporaries() const; // how many went

    QWebEngineProfile* profile_;
    WebBrowser* views_[4] = {};
    QWidget* viewArea_ = nullptr;
    QWidget* rightSide_ = nullptr;
    QWidget* tools_ = nullptr;
    SettingsPanel* settingsPanel_ = nullptr;
    Shell* shell_ = nullptr;
    BrowsingSubsystem* browsing_ = nullptr;
    StoreSubsystem* store_ = nullptr;
    AddressBookSubsystem* addressBook_ = nullptr;
    ComposeSubsystem* compose_ = nullptr;
    InboxSubsystem* inbox_ = nullptr;
    bool shutDown_ = false;
    bool bookGivenUp_ = false; // the person closed without the book that could not be saved
    std::unique_ptr<postling::InstanceLock> instance_;
};
