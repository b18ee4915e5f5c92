#include "AddressPane.h"

#include "AddressModel.h"

#include "addressbook/AddressBook.h"
#include "app/Twips.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

AddressPane::AddressPane(postling::AddressBook& book, QWidget* parent)
    : QWidget(parent), LabelBkName(new QLabel), Toolbar2(new QToolBar), MSFlexGrid1(new QTableView),
      LabelEdit(new QLabel), TextEdit(new QLineEdit),
      //: The small button that hides the address book pane.
      CommandHide(new QPushButton(tr("X"))), model(new AddressModel(book, this)), book_(book) {
    setObjectName("TabStrip1");
    LabelBkName->setObjectName("LabelBkName");
    Toolbar2->setObjectName("Toolbar2");
    Toolbar2->setAccessibleName(tr("Address book tools"));
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    LabelEdit->setObjectName("LabelEdit");
    TextEdit->setObjectName("TextEdit");
    MSFlexGrid1->setAccessibleName(tr("Address book"));
    TextEdit->setAccessibleName(tr("The selected cell"));
    CommandHide->setObjectName("CommandHide");
    CommandHide->setFixedSize(22, 20);
    CommandHide->setToolTip(tr("Hide Address Book Pane"));

    struct Key {
        const char* key;
        const char* tip;
        QStyle::StandardPixmap icon;
    };
    const Key keys[] = {
        {"new", QT_TR_NOOP("New Address Book"), QStyle::SP_FileIcon},
        {"open", QT_TR_NOOP("Open Address Book/List"), QStyle::SP_DialogOpenButton},
        {"add", QT_TR_NOOP("Add blank address"), QStyle::SP_FileDialogNewFolder},
        {"remove", QT_TR_NOOP("Remove address"), QStyle::SP_TrashIcon},
        {"find", QT_TR_NOOP("Find in address book"), QStyle::SP_FileDialogContentsView},
        {"addmsg", QT_TR_NOOP("Add address from current message"), QStyle::SP_ArrowDown},
        {"setto", QT_TR_NOOP("Insert address into To field"), QStyle::SP_ArrowRight},
        {"setcc", QT_TR_NOOP("Insert address into Cc field"), QStyle::SP_MediaSeekForward},
        {"setbcc", QT_TR_NOOP("Insert address into Bcc field"), QStyle::SP_MediaSkipForward},
        {"expand", QT_TR_NOOP("Expand Address Book"), QStyle::SP_TitleBarMaxButton},
    };
    Toolbar2->setIconSize(QSize(16, 16));
    for (const Key& k : keys) {
        QAction* action = Toolbar2->addAction(style()->standardIcon(k.icon), tr(k.tip));
        action->setObjectName(k.key);
        action->setToolTip(tr(k.tip));
        connect(action, &QAction::triggered, this,
                [this, key = QString(k.key)] { emit toolbarKey(key); });
    }

    MSFlexGrid1->setModel(model);
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(20);
    MSFlexGrid1->horizontalHeader()->setSectionsClickable(true);
    MSFlexGrid1->horizontalHeader()->setHighlightSections(false);
    MSFlexGrid1->installEventFilter(this);
    TextEdit->installEventFilter(this);

    auto* top = new QHBoxLayout;
    top->addWidget(LabelBkName, 1);
    top->addWidget(CommandHide);
    auto* edit = new QHBoxLayout;
    edit->addWidget(LabelEdit);
    edit->addWidget(TextEdit, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 2);
    layout->setSpacing(2);
    layout->addLayout(top);
    layout->addWidget(Toolbar2);
    layout->addWidget(MSFlexGrid1, 1);
    layout->addLayout(edit);

    connect(MSFlexGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    cellEntered();
            });
    connect(MSFlexGrid1, &QTableView::clicked, this, [this] { startEditing(); });
    connect(MSFlexGrid1, &QTableView::doubleClicked, this, [this] { emit insertTo(); });
    connect(MSFlexGrid1->horizontalHeader(), &QHeaderView::sectionPressed, this,
            [this](int column) {
                model->setHighlight({});
                const int row = currentRow();
                book_.headerClick(column);
                refresh();
                setCurrentCell(std::max(1, row), column);
            });
    // Every keystroke is stored at once, cut before a line break or TAB.
    connect(TextEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QModelIndex current = MSFlexGrid1->currentIndex();
        if (!current.isValid())
            return;
        QString value = text.section('\r', 0, 0).section('\n', 0, 0).section('\t', 0, 0);
        model->setData(current, value, Qt::EditRole);
    });
}

void AddressPane::bookLoaded(const QString& bookLabel) {
    LabelBkName->setText(tr(" Address Book:  %1").arg(bookLabel));
    TextEdit->clear();
    refresh();
}

void AddressPane::refresh() {
    model->reload();
    applyWidths();
}

void AddressPane::applyWidths() {
    const int columns = book_.table.columnCount();
    for (int c = 0; c < columns; ++c) {
        const int twips = c < static_cast<int>(book_.widthsTwips.size())
                              ? book_.widthsTwips[static_cast<std::size_t>(c)]
                              : -1;
        MSFlexGrid1->setColumnHidden(c, twips == 0 || c == columns - 1);
        if (twips > 0)
            MSFlexGrid1->setColumnWidth(c, postling::twipsToPixels(twips));
    }
}

int AddressPane::currentRow() const {
    const QModelIndex i = MSFlexGrid1->currentIndex();
    return i.isValid() ? AddressModel::bookRow(i) : -1;
}

int AddressPane::currentColumn() const {
    const QModelIndex i = MSFlexGrid1->currentIndex();
    return i.isValid() ? i.column() : -1;
}

int AddressPane::selectionEndRow() const {
    const int current = currentRow();
    int lo = current, hi = current;
    // Any selected cell counts: a row selection may leave the hidden column out.
    for (const QModelIndex& i : MSFlexGrid1->selectionModel()->selectedIndexes()) {
        lo = std::min(lo, AddressModel::bookRow(i));
        hi = std::max(hi, AddressModel::bookRow(i));
    }
    return current == lo ? hi : lo;
}

void AddressPane::setCurrentCell(int row, int column, bool top) {
    const QModelIndex index = model->index(row - 1, std::max(0, column));
    if (!index.isValid())
        return;
    MSFlexGrid1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                              QItemSelectionModel::Rows);
    MSFlexGrid1->scrollTo(index, top ? QAbstractItemView::PositionAtTop
                                     : QAbstractItemView::EnsureVisible);
    // Sideways, the names stay in view while at least half the current column shows beside
    // them (the editor above shows the whole cell), so a narrow pane never shows an address
    // without whose it is, and going back to a name column scrolls back.
    const QHeaderView* columns = MSFlexGrid1->horizontalHeader();
    if (columns->sectionPosition(index.column()) + columns->sectionSize(index.column()) / 2 <=
        MSFlexGrid1->viewport()->width())
        MSFlexGrid1->horizontalScrollBar()->setValue(0);
}

void AddressPane::cellEntered() {
    const QModelIndex current = MSFlexGrid1->currentIndex();
    TextEdit->setText(current.data().toString());
    QString header = QString::fromStdString(book_.table.cell(0, current.column())) + " ";
    if (header.startsWith("v ") || header.startsWith("^ "))
        header = header.mid(2);
    LabelEdit->setText(header + ":");
    model->setHighlight(current);
    if (!find_active) {
        TextEdit->setFocus();
        TextEdit->end(false);
    }
}

void AddressPane::startEditing() {
    const QModelIndex current = MSFlexGrid1->currentIndex();
    TextEdit->setText(current.data().toString());
    model->setHighlight(current);
    TextEdit->setFocus();
}

bool AddressPane::editorKey(int key, Qt::KeyboardModifiers modifiers) {
    const int row = currentRow();
    const int column = currentColumn();
    const int lastColumn = std::max(0, book_.table.columnCount() - 2); // not the hidden one
    const bool shift = modifiers & Qt::ShiftModifier;
    // Tab goes on past the last cell of a row, and Shift+Tab back past the first, to the
    // window's other controls: the keyboard is never held in the pane.
    if (key == Qt::Key_Tab && !shift && column >= lastColumn) {
        leaveGrid(true);
        return true;
    }
    if ((key == Qt::Key_Backtab || (key == Qt::Key_Tab && shift)) && column <= 0) {
        leaveGrid(false);
        return true;
    }
    if (key == Qt::Key_Right || (key == Qt::Key_Tab && !shift)) {
        MSFlexGrid1->setFocus();
        if (column < lastColumn)
            setCurrentCell(row, column + 1);
        return true;
    }
    if (key == Qt::Key_Left) {
        MSFlexGrid1->setFocus();
        if (column > 0)
            setCurrentCell(row, column - 1);
        return true;
    }
    if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && shift)) {
        MSFlexGrid1->setFocus();
        if (column > 0) {
            setCurrentCell(row, column - 1);
            startEditing();
        }
        return true;
    }
    if (key == Qt::Key_Up) {
        if (row <= 1)
            return false;
        setCurrentCell(row - 1, column);
        startEditing();
        return true;
    }
    if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (row >= book_.table.rowCount() - 1)
            emit addBlankAddress();
        else {
            setCurrentCell(row + 1, column);
            startEditing();
        }
        return true;
    }
    return false;
}

// The grid and its editor keep Tab for moving between the cells of a row; Ctrl+Tab
// (Ctrl+Shift+Tab) leaves them at once for the window's next (previous) control.
void AddressPane::leaveGrid(bool forward) {
    QWidget* w = MSFlexGrid1;
    for (int i = 0; i < 1000; ++i) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == MSFlexGrid1)
            return;
        if (!isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

bool AddressPane::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == TextEdit || watched == MSFlexGrid1) && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            (key->modifiers() & Qt::ControlModifier)) {
            leaveGrid(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    if (watched == TextEdit && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (MSFlexGrid1->currentIndex().isValid() && editorKey(key->key(), key->modifiers()))
            return true;
    }
    if (watched == MSFlexGrid1 && event->type() == QEvent::FocusIn)
        model->setHighlight(MSFlexGrid1->currentIndex());
    return QWidget::eventFilter(watched, event);
}
