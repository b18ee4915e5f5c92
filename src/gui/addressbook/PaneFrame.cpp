#include "PaneFrame.h"

#include "AddressPane.h"

#include "app/Twips.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
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

PaneFrame::PaneFrame(postling::AddressBook& book, QWidget* window, QWidget* parent)
    : QWidget(parent), window_(window), TabStrip1(new AddressPane(book)), strip_(new QWidget),
      CommandTo(new QPushButton(tr("To"))), imgSplitter(new QFrame), picSplitter(new QFrame) {
    setObjectName("PaneFrame");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(TabStrip1);

    // While the pane is hidden, a narrow strip offers to show it again.
    strip_->setObjectName("HiddenPaneStrip");
    auto* stripLayout = new QVBoxLayout(strip_);
    stripLayout->setContentsMargins(1, 2, 1, 2);
    CommandTo->setObjectName("CommandTo");
    CommandTo->setToolTip(tr("Show Email Address Palette"));
    QStringList marks;
    for (int i = 0; i < 16; ++i)
        marks << ">";
    CommandShowAddress = new WrapButton(marks.join(' '));
    CommandShowAddress->setObjectName("CommandShowAddress");
    CommandShowAddress->setToolTip(tr("Show Address Book Panel"));
    CommandShowAddress->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    for (QPushButton* b : {CommandTo, CommandShowAddress})
        b->setFixedWidth(22);
    stripLayout->addWidget(CommandTo);
    stripLayout->addWidget(CommandShowAddress, 1);
    strip_->hide();
    row->addWidget(strip_);

    imgSplitter->setObjectName("imgSplitter");
    imgSplitter->setFixedWidth(5);
    imgSplitter->setCursor(Qt::SplitHCursor);
    imgSplitter->setFrameStyle(QFrame::VLine | QFrame::Raised);
    imgSplitter->installEventFilter(this);
    row->addWidget(imgSplitter);

    // The bar is drawn over the whole window while the splitter is dragged.
    picSplitter->setObjectName("picSplitter");
    picSplitter->setParent(window_);
    picSplitter->setStyleSheet("background: #808080;");
    picSplitter->hide();

    connect(TabStrip1->CommandHide, &QPushButton::clicked, this, &PaneFrame::hidePane);
    connect(CommandShowAddress, &QPushButton::clicked, this, &PaneFrame::showPane);
    SizeControls(postling::PaneLayout::kShownWidth);
}

double PaneFrame::windowWidthTwips() const {
    return postling::pixelsToTwips(window_->frameGeometry().width(), dpiOf(this));
}

void PaneFrame::setPaneWidth(double twips) {
    TabStrip1->setFixedWidth(postling::twipsToPixels(twips, dpiOf(this)));
}

void PaneFrame::SizeControls(double x) {
    const double twips = layout_.sizeControls(x, windowWidthTwips());
    if (!layout_.hidden())
        setPaneWidth(twips);
}

void PaneFrame::hidePane() {
    layout_.hide(windowWidthTwips());
    TabStrip1->hide();
    strip_->show();
    emit paneChanged();
}

void PaneFrame::showPane() {
    layout_.show(windowWidthTwips());
    strip_->hide();
    TabStrip1->show();
    SizeControls(postling::PaneLayout::kShownWidth);
    emit paneChanged();
}

void PaneFrame::toggleExpandPane() {
    if (layout_.hidden())
        return;
    const double inner = postling::pixelsToTwips(window_->width(), dpiOf(this));
    setPaneWidth(layout_.toggleExpand(inner, windowWidthTwips()));
    TabStrip1->Toolbar2->findChild<QAction*>("expand")->setToolTip(
        layout_.expanded() ? tr("Contract Address Book") : tr("Expand Address Book"));
    emit paneChanged();
}

bool PaneFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched != imgSplitter)
        return QWidget::eventFilter(watched, event);
    const double d = dpiOf(this);
    if (event->type() == QEvent::MouseButtonPress) {
        const QPoint at = imgSplitter->mapTo(window_, QPoint(0, 0));
        picSplitter->setGeometry(at.x(), at.y(), std::max(2, imgSplitter->width() / 2),
                                 imgSplitter->height());
        picSplitter->show();
        picSplitter->raise();
        return true;
    }
    if (event->type() == QEvent::MouseMove && picSplitter->isVisible()) {
        const int x = imgSplitter->mapTo(window_, QPoint(0, 0)).x() +
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
    return QWidget::eventFilter(watched, event);
}
