#pragma once

#include <QStringList>
#include <QWebEnginePage>
#include <memory>

class FormPostCapture;
class QWebChannel;

// A page that answers the site's alert, confirm and prompt boxes itself (a modal box would
// block every script call), opens new windows in place, and reports form posts.
class WebPage : public QWebEnginePage {
    Q_OBJECT
public:
    WebPage(QWebEngineProfile* profile, QObject* parent = nullptr);

    ~WebPage() override;

    FormPostCapture* postCapture() const { return capture_; }
    // False once the page is being destroyed: the engine then calls every pending script
    // callback, and none of them may touch the views that are going away.
    std::shared_ptr<const bool> alive() const { return alive_; }
    const QStringList& dialogTexts() const { return dialogTexts_; }

signals:
    void pageDialog(const QString& text);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl& origin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& msg, const QString& defaultValue,
                          QString* result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                  const QString&) override {}
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    void recordDialog(const QString& text);

    FormPostCapture* capture_;
    QWebChannel* channel_;
    QStringList dialogTexts_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
