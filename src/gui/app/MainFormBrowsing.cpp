// The main window's browsing: tabs, toolbar, address bar, status line and the inbox view's
// navigation events.
#include "MainForm.h"

#include "SavedMessagesPanel.h"
#include "SettingsPanel.h"
#include "WaitOverlay.h"
#include "WebBrowser.h"

#include "app/Navigation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTreeWidget>

namespace {

std::string str(const QString& s) {
    return s.toStdString();
}
QString qstr(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

int MainForm::currentTab() const {
    return TabStrip2->currentIndex() + 1;
}

void MainForm::selectTab(int index) {
    if (index < InboxTab || index > SettingsTab)
        return;
    if (currentTab() == index)
        onTabChanged(index - 1); // selecting the shown tab runs its action again
    else
        TabStrip2->setCurrentIndex(index - 1);
}

void MainForm::onTabChanged(int zeroBased) {
    const int tab = zeroBased + 1;
    LabelSaved->hide();
    setPanelText(2, "");
    PictureSettings->closeSpamEditor();
    for (int t = InboxTab; t <= SettingsTab; ++t)
        if (t != tab)
            for (QWidget* w : tabViews_[t])
                w->hide();
    for (QWidget* w : tabViews_[tab])
        w->show();

    switch (tab) {
    case ComposeTab:
        if (postling::composeReloadNeeded(did_insert, str(WebBrowser3->LocationURL())))
            if (const auto address = postling::composeAddress(str(WebBrowser1->LocationURL())))
                WebBrowser3->Navigate(qstr(*address));
        ClearComposeForm();
        break;
    case SavedTab:
        SavedMessages->listFolder();
        if (!WebBrowser2->LocationURL().toLower().contains("blankmsg.htm"))
            SavedMessages->ListMsg->setFocus();
        break;
    case CalendarTab:
        if (const auto target = postling::calendarTarget(str(WebBrowser4->LocationURL()),
                                                         str(WebBrowser1->LocationURL()),
                                                         settings.ycalendar, settings.hcalendar))
            WebBrowser4->Navigate(qstr(*target));
        break;
    default:
        break;
    }
}

void MainForm::onInboxNavigateComplete(const QString& url) {
    AddressCombo->setEditText(url);
    LabelSaved->hide();
    setPanelText(2, "");

    if (PictureSettings->CheckGotoInbox->isChecked()) {
        const postling::InboxShortcut shortcut = postling::goToInbox(str(url));
        if (shortcut.handled) {
            WebBrowser1->Navigate(qstr(shortcut.target));
            return;
        }
    }
    if (const auto target = postling::composePreload(str(url), str(WebBrowser3->LocationURL())))
        WebBrowser3->Navigate(qstr(*target));
}

void MainForm::runToolbarKey(const QString& key) {
    auto goToStart = [this](const QString& address) {
        AddressCombo->setEditText(address);
        WebBrowser1->Navigate(address);
        if (currentTab() != InboxTab)
            selectTab(InboxTab);
    };
    if (key == "go") {
        goToStart(AddressCombo->currentText());
    } else if (key == "back") {
        WebBrowser1->GoBack();
    } else if (key == "forward") {
        WebBrowser1->GoForward();
    } else if (key == "refresh") {
        WebBrowser1->Refresh();
        WebBrowser3->Refresh();
    } else if (key == "stop") {
        WebBrowser1->Stop();
        WebBrowser3->Stop();
    } else if (key == "yahoo") {
        goToStart(PictureSettings->TextYahoo->text());
    } else if (key == "hotmail") {
        goToStart(PictureSettings->TextHotmail->text());
    } else if (key == "help") {
        ShowHelp(0);
    }
}

void MainForm::navigateFromAddressBar(const QString& text) {
    if (!text.trimmed().isEmpty())
        WebBrowser1->Navigate(text);
}

void MainForm::connectStatus(WebBrowser* view) {
    // A hidden view's status text never reaches the status line.
    connect(view, &WebBrowser::StatusTextChange, this, [this, view](const QString& text) {
        if (view->isVisible())
            setPanelText(3, text);
    });
}

void MainForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Tab)
        return; // the window itself takes no TAB characters
    QMainWindow::keyPressEvent(event);
}

void MainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeWaitOverlay();
}

void MainForm::placeWaitOverlay() {
    PictureWait->adjustSize();
    PictureWait->move((viewArea_->width() - PictureWait->width()) / 2,
                      std::max(0, viewArea_->height() / 3 - PictureWait->height() / 2));
    PictureWait->raise();
}
