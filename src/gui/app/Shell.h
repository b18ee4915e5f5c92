#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "sites/Site.h"

class HelpWindow;
class QLabel;
class QTabBar;
class QWidget;
class WebBrowser;

// What every part of the window needs and nothing more: the settings file, the main directory,
// the four browser views, the tabs, the status line, the help viewer and the language of the
// last message page read. MainForm makes one and hands it to each subsystem at construction.
class Shell : public QObject {
    Q_OBJECT
public:
    enum Tab { InboxTab = 1, ComposeTab = 2, SavedTab = 3, CalendarTab = 4, SettingsTab = 5 };

    struct Frame {
        QWidget* window;
        QTabBar* tabs;
        WebBrowser* inbox;    // WebBrowser1
        WebBrowser* preview;  // WebBrowser2
        WebBrowser* compose;  // WebBrowser3
        WebBrowser* calendar; // WebBrowser4
        QList<QLabel*> panels;
    };
    explicit Shell(const Frame& frame, QObject* parent = nullptr);

    // The top-level window: the parent of every box and dialog.
    QWidget* window() const { return frame_.window; }

    // Settings, as the old private-profile functions offered them; the file is read afresh.
    void setLocations(const QString& iniFile, const QString& mainDir);
    const QString& ini_file() const { return iniFile_; }
    const QString& main_dir() const { return mainDir_; }
    QString GetIni(const QString& section, const QString& item, const QString& def) const;
    bool SetIni(const QString& section, const QString& item, const QString& value) const;
    // Reads a key and empties it in one step (another program may be writing it).
    QString TakeIni(const QString& section, const QString& item) const;

    WebBrowser* WebBrowser1() const { return frame_.inbox; }
    WebBrowser* WebBrowser2() const { return frame_.preview; }
    WebBrowser* WebBrowser3() const { return frame_.compose; }
    WebBrowser* WebBrowser4() const { return frame_.calendar; }
    // The profile of the site the inbox view shows now, and of any address.
    const postling::Site& site() const;
    const postling::Site& siteOf(const QString& address) const;
    // The user's own site addresses (their Roundcube, the calendars).
    const postling::SiteAddresses& siteAddresses() const { return sites_; }
    void setSiteAddresses(postling::SiteAddresses sites) { sites_ = std::move(sites); }

    // TabStrip2, 1-based. Selecting the tab on show runs its action again.
    int currentTab() const;
    void selectTab(int tab);
    // The widgets a tab shows; all others are hidden while it is selected.
    void setTabWidgets(int tab, QList<QWidget*> widgets);

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);

    // The help viewer: topic 0 is the contents; `secondary` opens the small window "proc1".
    void ShowHelp(int topic, bool secondary = false);

    // The header-label language of the last message page read (shared by both captures).
    int lang = 0;
    int num_lang = 8;
    // True from the first step of start-up until the first tab has been selected.
    bool doing_init = false;

signals:
    // A tab is about to show: notices of the last one go.
    void tabLeaving();
    // The tab's views are shown; its further action runs in whoever owns it.
    void tabChanged(int tab);

private:
    void onTabChanged(int zeroBased);

    Frame frame_;
    QString iniFile_;
    QString mainDir_;
    postling::SiteAddresses sites_;
    QList<QWidget*> tabWidgets_[SettingsTab + 1];
    QPointer<HelpWindow> help_;
    QPointer<HelpWindow> helpProc1_;
};
