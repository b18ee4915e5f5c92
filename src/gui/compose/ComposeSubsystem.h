#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include "EmailPalette.h"

namespace postling {
class Site;
struct SavedMessage;
struct Settings;
} // namespace postling
class AddressBookSubsystem;
class MailMerge;
class ComposeFiller;
class QAction;
class QCheckBox;
class QPushButton;
class QTimer;
class SentCopies;
class WebBrowser;
class Shell;
class TemplateCommands;
class WaitOverlay;

// Compose assistance: addresses into the compose form (with the wait for a compose page and the
// palette), the compose tab's reload and clearing, the fills of ReplyOrForward, the copy of every
// sent message, and the mailto poll.
class ComposeSubsystem : public QObject {
    Q_OBJECT
public:
    // The address book is asked for the chosen addresses; nothing of it is changed here.
    ComposeSubsystem(Shell& shell, const AddressBookSubsystem& addresses,
                     QObject* parent = nullptr);

    // What MainForm places.
    QList<QAction*> insertActions() const { return inserts_; }
    QAction* paletteAction() const { return emailaddress_; }
    QCheckBox* saveSentBox() const { return CheckSaveSent; }
    QCheckBox* paletteAtStartBox() const { return CheckEmail; }
    WaitOverlay* waitOverlay() const;
    // The "Compose" frame's merge button, the default template list, and the Tools menu's
    // template and merge items.
    QPushButton* mergeButton() const { return Command5; }
    QWidget* defaultTemplateList() const;
    QAction* templateAction() const;
    QAction* mergeAction() const { return mailmerge_; }
    TemplateCommands& templates() const { return *templates_; }
    MailMerge& merge() const { return *merge_; }

    // Start-up: the command line, the options, the palette, the mailto poll; shutdown.
    void setCommandLine(const QStringList& arguments);
    void loadOptions(const postling::Settings& settings);
    void loadTemplates(const postling::Settings& settings);
    void openPaletteIfWanted();
    void startMailtoPoll();
    void saveSettings(postling::Settings& settings) const;
    // Shutdown: whatever waits stops.
    void cancelLongOperations();

    void Web_InsertField(int which);
    void ClearComposeForm();
    void ReplyOrForward(int code);
    void CheckMailto();
    void showPalette();
    void closePalette() {
        if (FormEmail)
            FormEmail->close();
    }
    // What tests and the window may ask.
    bool insertionPending() const { return to_retry; }
    int pendingField() const { return to_retry_which; }
    bool mailtoPending() const { return started_by_mailto || mailto_retry; }
    bool fillWaiting() const;
    EmailPalette* palette() const { return FormEmail; }

signals:
    // A sent message to keep in the Sent folder.
    void sentMessage(const postling::SavedMessage& message);
    // A merge's progress for the main window's progress bar, and its end.
    void jobProgress(int value, int maximum, const QString& text);
    void jobDone();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onTabChanged(int tab);
    // Opens the site's compose page in the Compose tab's view, afresh.
    // Whether a page was asked for (a site whose compose page is not known keeps its own).
    bool openFreshCompose();

    Shell& shell_;
    const AddressBookSubsystem& addresses_;
    ComposeFiller* filler_;
    TemplateCommands* templates_;
    MailMerge* merge_;
    SentCopies* sentCopies_;
    QPushButton* Command5; // "&Mail Merge..."
    QAction* mailmerge_;
    bool paletteBeforeDialog_ = false;
    bool captureWaiting_ = false;
    QList<QAction*> inserts_;
    QAction* emailaddress_;
    QCheckBox* CheckSaveSent;
    QCheckBox* CheckEmail;
    QTimer* Timer2;
    QPointer<EmailPalette> FormEmail;
    bool paletteWasOpen_ = false;

    bool to_retry = false;
    int to_retry_which = 0;
    bool did_insert = false;
    bool compose_loading_ = false; // the last switch to the Compose tab asked for a page
    bool started_by_mailto = false;
    bool mailto_retry = false;
    QString mailto_address;
    QString template_subj;
    QString template_body;
};
