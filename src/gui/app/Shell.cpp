#include "Shell.h"

#include "Announce.h"
#include "HelpWindow.h"
#include "QtText.h"
#include "Translations.h"
#include "WebBrowser.h"

#include "app/IniFile.h"
#include "app/Language.h"

#include <QLabel>
#include <QTabBar>

Shell::Shell(const Frame& frame, QObject* parent) : QObject(parent), frame_(frame) {
    connect(frame_.tabs, &QTabBar::currentChanged, this, &Shell::onTabChanged);
}

void Shell::setLocations(const QString& iniFile, const QString& mainDir) {
    iniFile_ = iniFile;
    mainDir_ = mainDir;
}

QString Shell::GetIni(const QString& section, const QString& item, const QString& def) const {
    const postling::IniFile ini(iniFile_.toStdString());
    return QString::fromStdString(
        ini.get(section.toStdString(), item.toStdString(), def.toStdString()));
}

bool Shell::SetIni(const QString& section, const QString& item, const QString& value) const {
    return static_cast<bool>(
        postling::IniFile(iniFile_.toStdString())
            .set(section.toStdString(), item.toStdString(), value.toStdString()));
}

QString Shell::TakeIni(const QString& section, const QString& item) const {
    return QString::fromStdString(
        postling::IniFile(iniFile_.toStdString()).take(section.toStdString(), item.toStdString()));
}

const postling::Site& Shell::site() const {
    return siteOf(frame_.inbox->LocationURL());
}

const postling::Site& Shell::siteOf(const QString& address) const {
    return postling::siteFor(address.toStdString(), sites_);
}

int Shell::currentTab() const {
    return frame_.tabs->currentIndex() + 1;
}

void Shell::selectTab(int tab) {
    if (tab < InboxTab || tab > SettingsTab)
        return;
    if (currentTab() == tab)
        onTabChanged(tab - 1);
    else
        frame_.tabs->setCurrentIndex(tab - 1);
}

void Shell::setTabWidgets(int tab, QList<QWidget*> widgets) {
    tabWidgets_[tab] = std::move(widgets);
}

void Shell::onTabChanged(int zeroBased) {
    const int tab = zeroBased + 1;
    emit tabLeaving();
    setPanelText(2, "");
    for (int t = InboxTab; t <= SettingsTab; ++t)
        if (t != tab)
            for (QWidget* w : tabWidgets_[t])
                w->hide();
    for (QWidget* w : tabWidgets_[tab])
        w->show();
    emit tabChanged(tab);
}

QString Shell::panelText(int panel) const {
    return panel >= 1 && panel <= frame_.panels.size() ? frame_.panels[panel - 1]->text()
                                                       : QString();
}

void Shell::setPanelText(int panel, const QString& text) {
    if (panel < 1 || panel > frame_.panels.size())
        return;
    QLabel* label = frame_.panels[panel - 1];
    label->setText(text);
    announce(label);
}

void Shell::ShowHelp(int topic, bool secondary) {
    QPointer<HelpWindow>& window = secondary ? helpProc1_ : help_;
    if (!window) {
        window = new HelpWindow(secondary ? "proc1" : "HelpWindow", frame_.window);
        // The small window stands at the right of the main window, clear of the toolbar.
        if (secondary) {
            const QRect main = frame_.window->geometry();
            window->move(main.right() - window->width() - 20, main.top() + 120);
        }
    }
    window->setHelpFile(qs(postling::helpFile(str(mainDir_), str(Translations::language()))));
    window->showTopic(topic);
}
