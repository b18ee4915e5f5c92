#pragma once

#include "addressbook/AddressBook.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

namespace postling {
struct Settings;
}
class AddressPane;
class FindDialog;
class PaneFrame;
class QAction;
class QPushButton;
class Shell;

// The address books: the open book and the pane that shows it, the splitter and the pane's
// width, the book commands (new, open, import, add, delete, find), and capture of a message's
// sender. Others read the book through the queries below.
class AddressBookSubsystem : public QObject {
    Q_OBJECT
public:
    explicit AddressBookSubsystem(Shell& shell, QObject* parent = nullptr);

    // What MainForm places: the left side of the window, and the menus' items in order.
    PaneFrame* frame() const { return frame_; }
    QList<QAction*> fileActions() const { return fileActions_; }
    QList<QAction*> editActions() const { return editActions_; }
    QList<QAction*> findActions() const { return findActions_; }
    QList<QAction*> paneActions() const { return paneActions_; }

    // Start-up opens the remembered book and hides the pane when asked; shutdown saves both.
    void openRemembered(const postling::Settings& settings);
    void loadPaneSetting(const postling::Settings& settings);
    void saveSettings(postling::Settings& settings) const;

    // Queries for the other subsystems.
    const postling::AddressBook& book() const { return book_; }
    QString open_address_book() const { return QString::fromStdString(book_.path); }
    // The e-mail cells of the selected rows, top to bottom, whichever way the user dragged.
    QStringList chosenAddresses() const;
    // The e-mail cells of every row (empty ones too), for the palette.
    QStringList emailColumn() const;
    // The two ends of the row selection, the smaller first.
    std::pair<int, int> selectedRows() const;

    // The commands.
    void Open_CSV();
    // Writes the open book back when it changed; false (said to the person, the edits kept)
    // when it could not be written.
    bool SaveAddressBook();
    void NewAddressBook();
    void DeleteSelectedAddresses();
    void AddBlankAddress();
    void ShowFindAddress();
    void AddAddressFromMessage();
    void ImportAddressList();
    // Opens a book without asking (what the old `open_book` did).
    void openBook(const QString& path);

signals:
    // The open book is about to be replaced, and has been: a palette listing it follows.
    void bookClosing();
    void bookOpened();
    // A row was added from a message.
    void bookEdited();
    // The pane was hidden, shown, expanded or contracted.
    void paneChanged();
    // Insert the selected addresses into To (0), Cc (1) or Bcc (2).
    void insertRequested(int which);
    void paletteRequested();

private:
    void runPaneKey(const QString& key);
    void updatePaneActions();
    AddressPane* pane() const;

    Shell& shell_;
    postling::AddressBook book_; // what the grid shows: `open_address_book`, `email_col`, ...
    QString open_book;           // a book to open without asking
    int find_col = 0;
    PaneFrame* frame_;
    QPointer<FindDialog> DialogFind;
    QList<QAction*> fileActions_, editActions_, findActions_, paneActions_;
};
