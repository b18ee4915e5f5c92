#pragma once

#include <QList>
#include <QObject>
#include <string>

namespace postling {
class Site;
struct Settings;
} // namespace postling
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class Shell;
class StartPages;

// Browsing: where the views go. The toolbar's keys, the address bar, the progress bar, the start
// pages and the go-to-inbox option, the inbox view's navigation events (the inbox shortcut after
// login and the compose pre-load), the calendar tab and the status line of the views.
class BrowsingSubsystem : public QObject {
    Q_OBJECT
public:
    explicit BrowsingSubsystem(Shell& shell, QObject* parent = nullptr);

    // Controls MainForm places in the frame.
    QList<QAction*> toolbarActions() const { return toolbar_; }
    QComboBox* addressBar() const { return AddressCombo; }
    QAction* goAction() const { return go_; }
    QProgressBar* progressBar() const { return Progress1; }
    QGroupBox* startPageFrame() const;
    QCheckBox* gotoInboxBox() const { return CheckGotoInbox; }

    // Start-up: the welcome page while the splash shows; the options, the start pages; the
    // welcome dialog's choice; the start page itself.
    void showWelcomePage();
    void loadOptions(const postling::Settings& settings);
    void loadStartPages(const postling::Settings& settings);
    void chooseStartSite(const postling::Site& site, const QString& typedAddress);
    void goToStartPage();
    void saveSettings(postling::Settings& settings) const;

    // A long job's progress on the progress bar (page loads then leave the bar alone), and its
    // end.
    void showJobProgress(int value, int maximum, const QString& text);
    void endJobProgress();

    // A toolbar button by its key ("go", "back", ..., "help").
    void runToolbarKey(const QString& key);

signals:
    // The inbox view has reached a new address (its notices are stale now).
    void inboxNavigated();

private:
    void onInboxNavigateComplete(const QString& url);
    void onTabChanged(int tab);
    void navigateFromAddressBar(const QString& text);

    Shell& shell_;
    QList<QAction*> toolbar_;
    QAction* go_;
    QComboBox* AddressCombo;
    bool enterHandled_ = false;
    QProgressBar* Progress1;
    StartPages* startPages_;
    QCheckBox* CheckGotoInbox;
    bool job_ = false;
};
