// The main window's side of the address books: the pane beside the browser, its commands,
// and the splitter that sizes it.
#include "MainForm.h"

#include "AddressDialogs.h"
#include "AddressModel.h"
#include "AddressPane.h"
#include "Dialogs.h"
#include "EmailPalette.h"
#include "NameDialog.h"
#include "WebBrowser.h"

#include "app/Navigation.h"
#include "app/Twips.h"
#include "fs/AtomicFile.h"
#include "fs/Directory.h"
#include "store/MessageCapture.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// A tall, narrow button whose caption wraps, one word a line.
class WrapButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        style()->drawControl(QStyle::CE_PushButton, &option, &p, this);
        p.drawText(rect().adjusted(2, 4, -2, -4),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text());
    }
};

double dpiOf(const QWidget* w) {
    return w->logicalDpiX() > 0 ? w->logicalDpiX() : 96.0;
}

} // namespace

void MainForm::buildAddressPane(QWidget* central) {
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    TabStrip1 = new AddressPane(book);
    row->addWidget(TabStrip1);

    // While the pane is hidden, a narrow strip offers to show it again.
    auto* strip = new QWidget;
    strip->setObjectName("HiddenPaneStrip");
    auto* stripLayout = new QVBoxLayout(strip);
    stripLayout->setContentsMargins(1, 2, 1, 2);
    CommandTo = new QPushButton("To");
    CommandTo->setObjectName("CommandTo");
    CommandTo->setToolTip("Show Email Address Palette");
    QStringList marks;
    for (int i = 0; i < 16; ++i)
        marks << ">";
    CommandShowAddress = new WrapButton(marks.join(' '));
    CommandShowAddress->setObjectName("CommandShowAddress");
    CommandShowAddress->setToolTip("Show Address Book Panel");
    CommandShowAddress->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    for (QPushButton* b : {CommandTo, CommandShowAddress})
        b->setFixedWidth(22);
    stripLayout->addWidget(CommandTo);
    stripLayout->addWidget(CommandShowAddress, 1);
    strip->hide();
    CommandTo->hide();
    CommandShowAddress->hide();
    row->addWidget(strip);

    imgSplitter = new QFrame;
    imgSplitter->setObjectName("imgSplitter");
    imgSplitter->setFixedWidth(5);
    imgSplitter->setCursor(Qt::SplitHCursor);
    imgSplitter->setFrameStyle(QFrame::VLine | QFrame::Raised);
    imgSplitter->installEventFilter(this);
    row->addWidget(imgSplitter);

    picSplitter = new QFrame(central);
    picSplitter->setObjectName("picSplitter");
    picSplitter->setStyleSheet("background: #808080;");
    picSplitter->hide();

    connect(TabStrip1->CommandHide, &QPushButton::clicked, this, &MainForm::hidePane);
    connect(CommandShowAddress, &QPushButton::clicked, this, &MainForm::showPane);
    connect(TabStrip1, &AddressPane::addBlankAddress, this, &MainForm::AddBlankAddress);
    connect(TabStrip1, &AddressPane::toolbarKey, this, [this](const QString& key) {
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
            toggleExpandPane();
    });
    SizeControls(postling::PaneLayout::kShownWidth);
}

void MainForm::buildAddressMenus() {
    connect(addAction(fileMenu, "FileNewProject", "&New Address Book"), &QAction::triggered, this,
            &MainForm::NewAddressBook);
    fileMenu->addSeparator();
    connect(addAction(fileMenu, "OpenProject", "&Open Address Book"), &QAction::triggered, this,
            &MainForm::Open_CSV);
    fileMenu->addSeparator();
    connect(addAction(fileMenu, "Import", "&Import Addresses"), &QAction::triggered, this,
            &MainForm::ImportAddressList);
    fileMenu->addSeparator();

    connect(addAction(addressBookMenu, "newaddress", "&Add New Address"), &QAction::triggered, this,
            &MainForm::AddBlankAddress);
    connect(addAction(addressBookMenu, "deleteadd", "&Delete Address"), &QAction::triggered, this,
            &MainForm::DeleteSelectedAddresses);
    connect(addAction(addressBookMenu, "addfrommsg", "Add Address from &Message"),
            &QAction::triggered, this, &MainForm::AddAddressFromMessage);
    addressBookMenu->addSeparator();
    connect(addAction(addressBookMenu, "findaddress", "&Find Address..."), &QAction::triggered,
            this, &MainForm::ShowFindAddress);
    addressBookMenu->addSeparator();
    QAction* expand = addAction(addressBookMenu, "expandpane", "&Expand Address Book for Editing");
    expand->setCheckable(true);
    connect(expand, &QAction::triggered, this, [this] { toggleExpandPane(); });
    connect(addAction(addressBookMenu, "hidepane", "&Hide Address Book Pane"), &QAction::triggered,
            this, [this] { pane.hidden() ? showPane() : hidePane(); });
}

double MainForm::windowWidthTwips() const {
    return postling::pixelsToTwips(frameGeometry().width(), dpiOf(this));
}

void MainForm::SizeControls(double x) {
    const double twips = pane.sizeControls(x, windowWidthTwips());
    if (!pane.hidden())
        TabStrip1->setFixedWidth(postling::twipsToPixels(twips, dpiOf(this)));
}

void MainForm::hidePane() {
    pane.hide(windowWidthTwips());
    TabStrip1->hide();
    for (QWidget* w : {static_cast<QWidget*>(CommandShowAddress), static_cast<QWidget*>(CommandTo),
                       CommandShowAddress->parentWidget()})
        w->show();
    findChild<QAction*>("hidepane")->setText("Show Address Book Pane");
    findChild<QAction*>("expandpane")->setChecked(false);
}

void MainForm::showPane() {
    pane.show(windowWidthTwips());
    for (QWidget* w : {static_cast<QWidget*>(CommandShowAddress), static_cast<QWidget*>(CommandTo),
                       CommandShowAddress->parentWidget()})
        w->hide();
    TabStrip1->show();
    SizeControls(postling::PaneLayout::kShownWidth);
    findChild<QAction*>("hidepane")->setText("Hide Address Book Pane");
    findChild<QAction*>("expandpane")->setChecked(false);
}

void MainForm::toggleExpandPane() {
    if (pane.hidden())
        return;
    const double inner = postling::pixelsToTwips(width(), dpiOf(this));
    const double twips = pane.toggleExpand(inner, windowWidthTwips());
    TabStrip1->setFixedWidth(postling::twipsToPixels(twips, dpiOf(this)));
    findChild<QAction*>("expandpane")->setChecked(pane.expanded());
    TabStrip1->Toolbar2->findChild<QAction*>("expand")->setToolTip(
        pane.expanded() ? "Contract Address Book" : "Expand Address Book");
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched != imgSplitter)
        return QMainWindow::eventFilter(watched, event);
    QWidget* central = centralWidget();
    const double d = dpiOf(this);
    if (event->type() == QEvent::MouseButtonPress) {
        const QPoint at = imgSplitter->mapTo(central, QPoint(0, 0));
        picSplitter->setGeometry(at.x(), at.y(), std::max(2, imgSplitter->width() / 2),
                                 imgSplitter->height());
        picSplitter->show();
        picSplitter->raise();
        return true;
    }
    if (event->type() == QEvent::MouseMove && picSplitter->isVisible()) {
        const int x = imgSplitter->mapTo(central, QPoint(0, 0)).x() +
                      static_cast<QMouseEvent*>(event)->position().toPoint().x();
        const double bar =
            postling::PaneLayout::barLeft(postling::pixelsToTwips(x, d), windowWidthTwips());
        picSplitter->move(postling::twipsToPixels(bar, d), picSplitter->y());
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && picSplitter->isVisible()) {
        SizeControls(postling::pixelsToTwips(picSplitter->x(), d));
        picSplitter->hide();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::Open_CSV() {
    SaveAddressBook();
    // An open palette lists the book: it is closed now and opened again on the new book.
    const bool paletteOpen = FormEmail && FormEmail->isVisible();
    closePalette();
    QString path = open_book;
    if (path.isEmpty())
        path = Dialogs::openFile(this, "Open Address List", main_dir + "addrbooks",
                                 "Address Book (*.csv);;Tab Delimited Text File (*.txt)");
    if (path.isEmpty() || path.contains('*'))
        return;
    const postling::AddressBook::OpenResult opened = book.open(path.toStdString());
    TabStrip1->bookLoaded(QFileInfo(path).fileName());
    if (opened.read && book.table.rowCount() > 1)
        TabStrip1->setCurrentCell(1, 0);
    if (opened.noAddresses)
        Dialogs::message(this, "Warning: Your address book does not appear to contain any email "
                               "addresses.");
    if (paletteOpen)
        showPalette();
}

void MainForm::SaveAddressBook() {
    book.save();
} // a failed write is given up silently

void MainForm::NewAddressBook() {
    SaveAddressBook();
    NameDialog dialog(
        "DialogNewAddrBook", "New Address Book", "Address Book Name:",
        [this](const QString& typed) {
            const QString name = typed.trimmed();
            QString path = main_dir + "addrbooks/" + name;
            if (path.right(4).toLower() != ".csv")
                path += ".csv";
            if (QFileInfo::exists(path) &&
                !Dialogs::question(this, "An address book with this name already exists. Do you "
                                         "want to overwrite it?"))
                return false;
            const auto blank = postling::readFile((main_dir + "blank.dat").toStdString());
            postling::makeDirectory((main_dir + "addrbooks").toStdString());
            if (blank)
                postling::writeFileAtomically(path.toStdString(), *blank);
            open_book = path;
            Open_CSV();
            open_book.clear();
            return true;
        },
        this);
    Dialogs::exec(dialog);
}

void MainForm::DeleteSelectedAddresses() {
    const int current = TabStrip1->currentRow();
    if (current < 1)
        return;
    const int end = TabStrip1->selectionEndRow();
    if (current != end && !Dialogs::question(this, "Delete the selected addresses?"))
        return;
    const int column = std::max(0, TabStrip1->currentColumn());
    const int row = book.deleteRows(current, end);
    TabStrip1->refresh();
    TabStrip1->setCurrentCell(row, column, true);
    TabStrip1->startEditing();
}

void MainForm::AddBlankAddress() {
    const int column = std::max(0, TabStrip1->currentColumn());
    const int row = book.addBlankRow();
    TabStrip1->refresh();
    TabStrip1->setCurrentCell(row, column, true);
    TabStrip1->startEditing();
}

void MainForm::ShowFindAddress() {
    if (!DialogFind) {
        DialogFind = new FindDialog(this);
        connect(DialogFind, &FindDialog::columnChosen, this, [this](int c) { find_col = c; });
        connect(DialogFind, &FindDialog::closedByUser, this,
                [this] { TabStrip1->find_active = false; });
        connect(DialogFind, &FindDialog::searched, this, [this](const QString& text) {
            TabStrip1->find_active = true;
            const int row = book.find(find_col, text.toStdString());
            if (row > 0)
                TabStrip1->setCurrentCell(row, find_col, true);
        });
    }
    DialogFind->load(book, find_col);
    DialogFind->move(WebBrowser1->mapToGlobal(QPoint(40, 40)));
    DialogFind->show();
    DialogFind->raise();
}

void MainForm::AddAddressFromMessage() {
    if (currentTab() != InboxTab)
        selectTab(InboxTab);
    setPanelText(2, "");
    QPointer<MainForm> self(this);
    WebBrowser1->document().pageText([self](const QVariantMap& page) {
        if (!self)
            return;
        self->webmail = QString::fromStdString(
            postling::provider(self->WebBrowser1->LocationURL().toStdString()));
        const auto line =
            PageDocument::failed(page)
                ? std::nullopt
                : postling::senderLine(self->webmail == "yahoo",
                                       page.value("text").toString().toStdString(), self->lang);
        const postling::SenderRow sender =
            line ? postling::splitSender(*line) : postling::SenderRow{};
        if (!sender.ok) {
            Dialogs::message(self,
                             "Unable to locate address. Are you sure a message is displayed?");
        } else {
            const int row = self->book.appendAddress(sender.first, sender.last, sender.address);
            self->TabStrip1->refresh();
            self->TabStrip1->setCurrentCell(row, 2, true);
            self->setPanelText(2, "Addr Added");
        }
        self->TabStrip1->startEditing();
        if (self->FormEmail && self->FormEmail->isVisible()) {
            self->closePalette();
            self->showPalette();
        }
    });
}

void MainForm::ImportAddressList() {
    SaveAddressBook();
    const QString file = Dialogs::openFile(this, "Import Address List", QString(),
                                           "Address Book (*.csv);;Tab Delimited Text File (*.txt)");
    if (file.isEmpty())
        return;
    ImportDialog dialog(book, file, this);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return;
    book.appendImported(dialog.data());
    TabStrip1->refresh();
    Dialogs::message(this, "The new data has been appended to the bottom of your address book.");
}
