#include "MergePreview.h"

#include "QtText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString skipText(postling::MergeMessage::Skip skip) {
    switch (skip) {
    case postling::MergeMessage::Skip::NoAddress:
        return MergePreview::tr("skipped: no address");
    case postling::MergeMessage::Skip::SentBefore:
        return MergePreview::tr("skipped: sent by an earlier run");
    case postling::MergeMessage::Skip::Uncertain:
        return MergePreview::tr("skipped: was being sent when a run stopped");
    case postling::MergeMessage::Skip::No:
        break;
    }
    return {};
}

} // namespace

MergePreview::MergePreview(const std::vector<postling::MergeMessage>& plan,
                           const std::vector<std::string>& unmatched, QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget), notes_(new QLabel) {
    setObjectName("MergePreview");
    setWindowTitle(tr("Merge Preview"));
    list_->setObjectName("ListPreview");
    list_->setHeaderLabels({tr("Row"), tr("To"), tr("Subject"), tr("Start of the body")});
    list_->setRootIsDecorated(false);
    int sending = 0;
    for (const postling::MergeMessage& m : plan) {
        const bool skipped = m.skip != postling::MergeMessage::Skip::No;
        sending += skipped ? 0 : 1;
        QString start = qs(m.body.substr(0, 200)).simplified();
        if (start.size() > 60)
            start = start.left(60) + "...";
        auto* item =
            new QTreeWidgetItem({QString::number(m.row), skipped ? skipText(m.skip) : qs(m.address),
                                 skipped ? QString() : qs(m.subject), skipped ? QString() : start});
        if (skipped)
            item->setForeground(1, Qt::gray);
        list_->addTopLevelItem(item);
    }
    for (int c = 0; c < 3; ++c)
        list_->resizeColumnToContents(c);

    QStringList lines{
        tr("%1 of %n rows will be sent.", nullptr, static_cast<int>(plan.size())).arg(sending)};
    for (const std::string& field : unmatched)
        lines << tr("%1 matches no column and is sent as it is written.").arg(qs(field));
    notes_->setObjectName("LabelPreviewNotes");
    notes_->setText(lines.join("\n"));
    notes_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notes_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(720, 420);
}
