#include "AddressDialogs.h"

#include "QtText.h"

#include "addressbook/AddressBook.h"
#include "fs/AtomicFile.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

FindDialog::FindDialog(QWidget* parent)
    : QDialog(parent), columns_(new QComboBox), text_(new QLineEdit) {
    setObjectName("DialogFind");
    setWindowTitle(tr("Find Address"));
    setModal(false);
    columns_->setObjectName("ComboColumn");
    text_->setObjectName("TextFind");
    auto* layout = new QHBoxLayout(this);
    auto* label = new QLabel(tr("Find:"));
    label->setBuddy(text_); // the field is named by its label
    layout->addWidget(label);
    layout->addWidget(columns_);
    layout->addWidget(text_, 1);
    setMinimumWidth(360);
    connect(columns_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (loading_ || index < 0)
            return;
        emit columnChosen(index);
        text_->setFocus();
    });
    connect(text_, &QLineEdit::textChanged, this, &FindDialog::searched);
}

void FindDialog::load(const postling::AddressBook& book, int& column) {
    loading_ = true;
    columns_->clear();
    for (int c = 0; c < book.table.columnCount(); ++c)
        columns_->addItem(QString::fromStdString(book.plainHeader(c)));
    if (column >= columns_->count())
        column = 0;
    columns_->setCurrentIndex(column);
    loading_ = false;
}

void FindDialog::closeEvent(QCloseEvent* event) {
    QDialog::closeEvent(event);
    emit closedByUser();
}

void FindDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    emit closedByUser();
}

ImportDialog::ImportDialog(const postling::AddressBook& book, const QString& file, QWidget* parent)
    : QDialog(parent), dataGrid_(new QTableWidget), targetGrid_(new QTableWidget),
      positions_(new QComboBox), move_(new QPushButton(tr("Move Selected Column to Postion:"))),
      finish_(new QPushButton(tr("Finish Import"))) {
    setObjectName("DialogImport");
    setWindowTitle(tr("Import Data"));
    dataGrid_->setObjectName("MSFlexGrid1");
    targetGrid_->setObjectName("MSFlexGrid2");
    positions_->setObjectName("Combo1");
    move_->setObjectName("Command1");
    finish_->setObjectName("OKButton");
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName("CancelButton");

    // The book's columns, numbered.
    const int columns = book.table.columnCount();
    targetGrid_->setColumnCount(columns);
    targetGrid_->setRowCount(0);
    QStringList targets;
    for (int k = 0; k < columns; ++k) {
        targets << QString::number(k + 1) + "-" + QString::fromStdString(book.plainHeader(k));
        positions_->addItem(" " + QString::number(k + 1));
    }
    targetGrid_->setHorizontalHeaderLabels(targets);
    targetGrid_->setColumnHidden(columns - 1, true);
    targetGrid_->setMaximumHeight(targetGrid_->horizontalHeader()->sizeHint().height() + 6);
    positions_->setCurrentIndex(0);

    // The file, read as a book is read, in the order of the main book.
    const std::string path = file.toStdString();
    postling::ColumnRoles roles;
    data_ = postling::readBookText(postling::readFile(path).value_or(""),
                                   postling::isTabDelimited(path), roles);
    // Real exports name their columns their own way: what Postling proposes is said, and the
    // user can move the columns still.
    QString proposal;
    if (postling::proposeImportRoles(data_, roles)) {
        QStringList named;
        const std::pair<int, const char*> roleNames[] = {{roles.first, QT_TR_NOOP("first name")},
                                                         {roles.last, QT_TR_NOOP("last name")},
                                                         {roles.email, QT_TR_NOOP("e-mail")}};
        for (const auto& [column, what] : roleNames)
            if (column >= 0)
                //: A column of the book filled from a column of the file: first name from
                //: "Vorname".
                named << tr("%1 from \"%2\"").arg(tr(what), qs(data_.cell(0, column)));
        proposal = tr("Proposed: %1.").arg(named.join(", "));
    }
    postling::arrangeImportColumns(data_, roles);
    showData();

    auto* frame = new QGroupBox(tr("Line up Columns"));
    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->addWidget(move_);
    frameLayout->addWidget(positions_);
    frameLayout->addStretch();
    auto* note = new QLabel(
        tr("Before clicking the Finish Import button, you must insure that the fields (columns) "
           "line up properly. Use the controls below to  move columns in the data file you are "
           "importing. It is NOT necessary to line up columns which are completely blank or "
           "which contain information you don't care about."));
    note->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(finish_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    if (!proposal.isEmpty()) {
        auto* proposed = new QLabel(proposal);
        proposed->setObjectName("LabelProposal");
        proposed->setWordWrap(true);
        layout->addWidget(proposed);
    }
    // Each grid is named by the caption above it, for a screen reader too.
    auto* dataCaption = new QLabel(tr("Data being Imported:"));
    dataCaption->setBuddy(dataGrid_);
    dataGrid_->setAccessibleName(dataCaption->text()); // a table does not ask its buddy
    auto* targetCaption =
        new QLabel(tr("Import To (The data being imported must line up with these colums):"));
    targetCaption->setBuddy(targetGrid_);
    targetGrid_->setAccessibleName(targetCaption->text());
    layout->addWidget(dataCaption);
    layout->addWidget(dataGrid_, 1);
    layout->addWidget(targetCaption);
    layout->addWidget(targetGrid_);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    resize(760, 520);

    connect(move_, &QPushButton::clicked, this, &ImportDialog::moveSelectedColumn);
    connect(dataGrid_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { chosenColumn_ = column; });
    connect(finish_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ImportDialog::showData() {
    dataGrid_->clear();
    dataGrid_->setColumnCount(data_.columnCount());
    dataGrid_->setRowCount(std::max(0, data_.rowCount() - 1));
    QStringList headers;
    for (int k = 0; k < data_.columnCount(); ++k)
        headers << QString::fromStdString(data_.cell(0, k));
    dataGrid_->setHorizontalHeaderLabels(headers);
    for (int r = 1; r < data_.rowCount(); ++r)
        for (int k = 0; k < data_.columnCount(); ++k)
            dataGrid_->setItem(r - 1, k,
                               new QTableWidgetItem(QString::fromStdString(data_.cell(r, k))));
    for (int k = 0; k < data_.columnCount(); ++k)
        dataGrid_->setColumnHidden(k, k == data_.columnCount() - 1);
}

void ImportDialog::moveSelectedColumn() {
    const int to = positions_->currentIndex();
    // A file of a header line only has no cell to be current: its chosen header counts.
    const int from = dataGrid_->currentColumn() >= 0 ? dataGrid_->currentColumn() : chosenColumn_;
    if (to < 0 || from < 0 || to >= data_.columnCount())
        return;
    data_.moveColumn(from, to);
    showData();
    dataGrid_->setCurrentCell(0, to);
    chosenColumn_ = to;
}
