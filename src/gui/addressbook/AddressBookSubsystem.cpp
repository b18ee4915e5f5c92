#include "AddressBookSubsystem.h"

#include "AddressDialogs.h"
#include "AddressPane.h"
#include "Dialogs.h"
#include "NameDialog.h"
#include "NamedAction.h"
#include "PaneFrame.h"
#include "QtText.h"
#include "Shell.h"
#include "WebBrowser.h"

#include "app/Settings.h"
#include "fs/AtomicFile.h"
#include "fs/Directory.h"
#include "store/MessageCapture.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QToolBar>

AddressBookSubsystem::AddressBookSubsystem(Shell& shell, QObject* parent)
    : QObject(parent), shell_(shell), frame_(new PaneFrame(book_, shell.window())) {
    using Self = AddressBookSubsystem;
    fileActions_ = {
        namedAction(this, "FileNewProject", tr("&New Address Book"), &Self::NewAddressBook),
        namedAction(this, "OpenProject", tr("&Open Address Book"), &Self::Open_CSV),
        namedAction(this, "Import", tr("&Import Addresses"), &Self::ImportAddressList)};
    editActions_ = {
        namedAction(this, "newaddress", tr("&Add New Address"), &Self::AddBlankAddress),
        namedAction(this, "deleteadd", tr("&Delete Address"), &Self::DeleteSelectedAddresses),
        namedAction(this, "addfrommsg", tr("Add Address from &Message"),
                    &Self::AddAddressFromMessage)};
    findActions_ = {
        namedAction(this, "findaddress", tr("&Find Address..."), &Self::ShowFindAddress)};
    paneActions_ = {namedAction(this, "expandpane", tr("&Expand Address Book for Editing"),
                                [this] { runPaneKey("expand"); }),
                    namedAction(this, "hidepane", tr("&Hide Address Book Pane"), [this] {
                        frame_->layout().hidden() ? frame_->showPane() : frame_->hidePane();
                    })};
    paneActions_[0]->setCheckable(true);

    connect(pane(), &AddressPane::addBlankAddress, this, &AddressBookSubsystem::AddBlankAddress);
    connect(pane(), &AddressPane::insertTo, this, [this] { emit insertRequested(0); });
    connect(pane(), &AddressPane::toolbarKey, this, &AddressBookSubsystem::runPaneKey);
    connect(frame_->paletteButton(), &QPushButton::clicked, this,
            &AddressBookSubsystem::paletteRequested);
    connect(frame_, &PaneFrame::paneChanged, this, [this] {
        updatePaneActions();
        emit paneChanged();
    });
}

AddressPane* AddressBookSubsystem::pane() const {
    return frame_->pane();
}

void AddressBookSubsystem::runPaneKey(const QString& key) {
    if (key == "new")
        NewAddressBook();
    else if (key == "open")
        Open_CSV();
    else if (key == "add")
        AddBlankAddress();
    else if (key == "remove")
        DeleteSelectedAddresses();
    else if (key == "find")
        ShowFindAddress();
    else if (key == "addmsg")
        AddAddressFromMessage();
    else if (key == "expand")
        frame_->toggleExpandPane();
    else if (key == "setto")
        emit insertRequested(0);
    else if (key == "setcc")
        emit insertRequested(1);
    else if (key == "setbcc")
        emit insertRequested(2);
    updatePaneActions();
}

// The menu shows the pane as it is, whatever was chosen.
void AddressBookSubsystem::updatePaneActions() {
    paneActions_[0]->setChecked(frame_->layout().expanded());
    paneActions_[1]->setText(frame_->layout().hidden() ? tr("Show Address Book Pane")
                                                       : tr("Hide Address Book Pane"));
}

void AddressBookSubsystem::openRemembered(const postling::Settings& settings) {
    openBook(settings.lastaddressbk.empty() ? shell_.main_dir() + "addrbooks/myaddrbk.csv"
                                            : QString::fromStdString(settings.lastaddressbk));
}

void AddressBookSubsystem::loadPaneSetting(const postling::Settings& settings) {
    if (settings.hideaddr)
        frame_->hidePane();
}

void AddressBookSubsystem::saveSettings(postling::Settings& settings) const {
    settings.lastaddressbk = book_.path;
    settings.hideaddr = frame_->layout().hidden();
}

QStringList AddressBookSubsystem::chosenAddresses() const {
    QStringList addresses;
    const auto [first, last] = selectedRows();
    for (int r = first; r >= 1 && r <= last; ++r)
        addresses << QString::fromStdString(book_.table.cell(r, book_.email_col));
    return addresses;
}

QStringList AddressBookSubsystem::emailColumn() const {
    QStringList addresses;
    for (int r = 1; r < book_.table.rowCount(); ++r)
        addresses << QString::fromStdString(book_.table.cell(r, book_.email_col));
    return addresses;
}

std::pair<int, int> AddressBookSubsystem::selectedRows() const {
    const int a = pane()->currentRow();
    const int b = pane()->selectionEndRow();
    return {std::min(a, b), std::max(a, b)};
}

void AddressBookSubsystem::openBook(const QString& path) {
    open_book = path;
    Open_CSV();
    open_book.clear();
}

void AddressBookSubsystem::Open_CSV() {
    if (!SaveAddressBook())
        return; // another book would drop the edits of this one
    emit bookClosing();
    QString path = open_book;
    if (path.isEmpty())
        path = Dialogs::openFile(shell_.window(), tr("Open Address List"),
                                 QDir(shell_.main_dir() + "addrbooks").absolutePath(),
                                 tr("Address Book (*.csv);;Tab Delimited Text File (*.txt)"));
    if (path.isEmpty() || path.contains('*'))
        return;
    const postling::AddressBook::OpenResult opened = book_.open(path.toStdString());
    pane()->bookLoaded(QFileInfo(path).fileName());
    if (!opened.read) // the file is left as it is
        Dialogs::message(shell_.window(),
                         tr("The address book could not be read.\n%1\nNothing was changed.")
                             .arg(qs(opened.problem)));
    if (opened.read && book_.table.rowCount() > 1)
        pane()->setCurrentCell(1, 0);
    if (opened.noAddresses)
        Dialogs::message(shell_.window(), tr("Warning: Your address book does not appear to "
                                             "contain any email addresses."));
    emit bookOpened();
}

bool AddressBookSubsystem::SaveAddressBook() {
    const std::string error = book_.save();
    if (error.empty())
        return true;
    // The edits stay open in the grid; the next save tries again.
    Dialogs::message(shell_.window(),
                     tr("The address book could not be saved.\n%1\nYour changes are still "
                        "open: once the disk has room (or the folder can be written), try again.")
                         .arg(qs(error)));
    return false;
}

void AddressBookSubsystem::NewAddressBook() {
    if (!SaveAddressBook())
        return;
    NameDialog dialog(
        "DialogNewAddrBook", tr("New Address Book"), tr("Address Book Name:"),
        [this](const QString& typed) {
            const QString name = typed.trimmed();
            QString path = shell_.main_dir() + "addrbooks/" + name;
            if (path.right(4).toLower() != ".csv")
                path += ".csv";
            if (QFileInfo::exists(path) &&
                !Dialogs::question(shell_.window(),
                                   tr("An address book with this name already exists. Do you "
                                      "want to overwrite it?"),
                                   Dialogs::Answer::No))
                return false;
            const auto blank = postling::readFile((shell_.main_dir() + "blank.dat").toStdString());
            postling::makeDirectory((shell_.main_dir() + "addrbooks").toStdString());
            if (blank)
                postling::writeFileAtomically(path.toStdString(), *blank);
            openBook(path);
            return true;
        },
        shell_.window());
    Dialogs::exec(dialog);
}

void AddressBookSubsystem::DeleteSelectedAddresses() {
    const int current = pane()->currentRow();
    if (current < 1)
        return;
    const int end = pane()->selectionEndRow();
    if (current != end && !Dialogs::question(shell_.window(), tr("Delete the selected addresses?")))
        return;
    const int column = std::max(0, pane()->currentColumn());
    const int row = book_.deleteRows(current, end);
    pane()->refresh();
    pane()->setCurrentCell(row, column, true);
    pane()->startEditing();
}

void AddressBookSubsystem::AddBlankAddress() {
    const int column = std::max(0, pane()->currentColumn());
    const int row = book_.addBlankRow();
    pane()->refresh();
    pane()->setCurrentCell(row, column, true);
    pane()->startEditing();
}

void AddressBookSubsystem::ShowFindAddress() {
    if (!DialogFind) {
        DialogFind = new FindDialog(shell_.window());
        connect(DialogFind, &FindDialog::columnChosen, this, [this](int c) { find_col = c; });
        connect(DialogFind, &FindDialog::closedByUser, this,
                [this] { pane()->find_active = false; });
        connect(DialogFind, &FindDialog::searched, this, [this](const QString& text) {
            pane()->find_active = true;
            const int row = book_.find(find_col, text.toStdString());
            if (row > 0)
                pane()->setCurrentCell(row, find_col, true);
        });
    }
    DialogFind->load(book_, find_col);
    DialogFind->move(shell_.WebBrowser1()->mapToGlobal(QPoint(40, 40)));
    DialogFind->show();
    DialogFind->raise();
}

void AddressBookSubsystem::AddAddressFromMessage() {
    if (shell_.currentTab() != Shell::InboxTab)
        shell_.selectTab(Shell::InboxTab);
    shell_.setPanelText(2, "");
    QPointer<AddressBookSubsystem> self(this);
    shell_.WebBrowser1()->document().pageText([self](const QVariantMap& page) {
        if (!self)
            return;
        Shell& shell = self->shell_;
        const auto line =
            PageDocument::failed(page)
                ? std::nullopt
                : shell.site().senderLine(page.value("text").toString().toStdString(), shell.lang);
        const postling::SenderRow sender =
            line ? postling::splitSender(*line) : postling::SenderRow{};
        if (!sender.ok) {
            Dialogs::message(shell.window(), tr("Unable to locate address. Are you sure a "
                                                "message is displayed?"));
        } else {
            const int row = self->book_.appendAddress(sender.first, sender.last, sender.address);
            self->pane()->refresh();
            self->pane()->setCurrentCell(row, 2, true);
            shell.setPanelText(2, tr("Addr Added"));
        }
        self->pane()->startEditing();
        emit self->bookEdited();
    });
}

void AddressBookSubsystem::ImportAddressList() {
    SaveAddressBook();
    // Exports are somewhere of the user's: start where the last import came from.
    QString from = shell_.GetIni("Settings", "importdir", "");
    if (from.isEmpty() || !QFileInfo(from).isDir())
        from = QDir::homePath();
    const QString file =
        Dialogs::openFile(shell_.window(), tr("Import Address List"), from,
                          tr("Address Book (*.csv);;Tab Delimited Text File (*.txt)"));
    if (file.isEmpty())
        return;
    shell_.SetIni("Settings", "importdir", QFileInfo(file).absolutePath());
    ImportDialog dialog(book_, file, shell_.window());
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return;
    book_.appendImported(dialog.data());
    pane()->refresh();
    Dialogs::message(shell_.window(),
                     tr("The new data has been appended to the bottom of your address book."));
}
