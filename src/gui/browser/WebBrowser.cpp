#include "WebBrowser.h"

#include "FormPostCapture.h"
#include "WebPage.h"

#include "Logging.h"

#include <QDir>

WebBrowser::WebBrowser(const QString& name, QWebEngineProfile* profile, QWidget* parent)
    : QWebEngineView(parent), page_(new WebPage(profile, this)), document_(page_, page_->alive()) {
    setObjectName(name);
    setPage(page_);
    connect(this, &QWebEngineView::urlChanged, this,
            [this](const QUrl& url) { emit NavigateComplete2(url.toString()); });
    connect(this, &QWebEngineView::loadStarted, this, [this] {
        busy_ = true;
        emit StatusTextChange(tr("Opening page %1...").arg(url().toString()));
    });
    connect(this, &QWebEngineView::loadProgress, this,
            [this](int progress) { emit ProgressChange(progress, 100); });
    // A page that reports failure may still have loaded: it counts as complete all the same.
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        busy_ = false;
        loadOk_ = ok;
        emit StatusTextChange(tr("Done"));
        emit DocumentComplete(url().toString());
    });
    connect(page_, &QWebEnginePage::linkHovered, this,
            [this](const QString& link) { emit StatusTextChange(link); });
    connect(page_->postCapture(), &FormPostCapture::posted, this, &WebBrowser::BeforeNavigate2);
    connect(page_->postCapture(), &FormPostCapture::siteSaid, this, &WebBrowser::SiteMessage);
}

void WebBrowser::Navigate(const QString& address) {
    const QString trimmed = address.trimmed();
    // Local pages of the main directory are given as paths.
    const QUrl url = trimmed.startsWith('/') ? QUrl::fromLocalFile(QDir::cleanPath(trimmed))
                                             : QUrl::fromUserInput(trimmed);
    qCInfo(lcPages).noquote() << objectName() << url.toString();
    setUrl(url);
}

QString WebBrowser::LocationURL() const {
    return url().toString();
}
