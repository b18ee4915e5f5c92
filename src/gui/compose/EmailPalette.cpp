#include "EmailPalette.h"

#include "app/Twips.h"

#include <QComboBox>
#include <QVBoxLayout>

EmailPalette::EmailPalette(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), Combo1(new QComboBox) {
    setObjectName("FormEmail");
    setWindowTitle(tr("Email Addresses"));
    Combo1->setObjectName("Combo1");
    Combo1->setMinimumContentsLength(24);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Combo1);
    connect(Combo1, &QComboBox::activated, this, [this] {
        if (loading_ != 1)
            emit chosen();
    });
}

void EmailPalette::load(const QStringList& addresses) {
    loading_ = 1;
    Combo1->clear();
    Combo1->addItems(addresses);
    loading_ = 0;
}

void EmailPalette::placeBelow(const QWidget* view) {
    const QPoint corner = view->mapToGlobal(QPoint(0, 0));
    // By its inside, so the place does not depend on whether the frame is known yet.
    setGeometry(
        QRect(QPoint(corner.x(), corner.y() + postling::twipsToPixels(800, view->logicalDpiY())),
              size()));
}
