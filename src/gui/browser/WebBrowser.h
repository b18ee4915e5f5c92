#pragma once

#include "PageDocument.h"

#include <QWebEngineView>

class WebPage;
class QWebEngineProfile;

// One of the four browser views, offering the events and operations Postling relies on:
// NavigateComplete2 (the new address is known), DocumentComplete (the page is ready, whether
// or not it loaded cleanly), ProgressChange, StatusTextChange and BeforeNavigate2 (a form is
// being posted, with the exact bytes).
class WebBrowser : public QWebEngineView {
    Q_OBJECT
public:
    WebBrowser(const QString& name, QWebEngineProfile* profile, QWidget* parent = nullptr);

    void Navigate(const QString& address);
    QString LocationURL() const;
    bool Busy() const { return busy_; }
    // The last page loaded without a network or server failure.
    bool LoadOk() const { return loadOk_; }
    void GoBack() { back(); }
    void GoForward() { forward(); }
    void Refresh() { reload(); }
    void Stop() { stop(); }

    const PageDocument& document() const { return document_; }
    WebPage* webPage() const { return page_; }

signals:
    void NavigateComplete2(const QString& url);
    void DocumentComplete(const QString& url);
    void ProgressChange(int progress, int progressMax);
    void StatusTextChange(const QString& text);
    void BeforeNavigate2(const QString& currentUrl, const QString& targetUrl,
                         const QByteArray& postData);
    // The site said on its page that it did something ("confirmation") or could not ("error").
    void SiteMessage(const QString& kind, const QString& text, const QVariantMap& message);

private:
    WebPage* page_;
    PageDocument document_;
    bool busy_ = false;
    bool loadOk_ = true;
};
