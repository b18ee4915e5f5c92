#include "HelpWindow.h"

#include "Logging.h"

#include "fs/AtomicFile.h"
#include "text/Encoding.h"

#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString& name, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(name);
    setWindowTitle(tr("Postling Help"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(name == "proc1" ? QSize(420, 360) : QSize(640, 560));
}

void HelpWindow::showTopic(int topic) {
    const auto bytes = postling::readFile(helpFile_.toStdString());
    if (bytes) {
        browser_->setHtml(QString::fromStdString(postling::toUtf8(*bytes)));
    } else {
        browser_->setHtml(
            "<p>" + tr("The help file %1 was not found.").arg(helpFile_.toHtmlEscaped()) + "</p>");
    }
    anchor_ = topic == 0 ? QString("contents") : QString::number(topic);
    qCInfo(lcPages).noquote() << "help" << helpFile_ << "#" + anchor_
                              << (bytes ? "shown" : "missing");
    browser_->scrollToAnchor(anchor_);
    show();
    raise();
    activateWindow();
}
