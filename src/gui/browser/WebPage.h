#pragma once

#include <QStringList>
#include <QWebEnginePage>
#include <memory>

class FormPostCapture;
class QWebChannel;

// A page that shows the site's alert, confirm and prompt boxes to the user (a bounded number of
// them), opens new windows in place, and reports form posts.
class WebPage : public QWebEnginePage {
    Q_OBJECT
public:
    WebPage(QWebEngineProfile* profile, QObject* parent = nullptr);

    ~WebPage() override;

    FormPostCapture* postCapture() const { return capture_; }
    // False once the page is being destroyed: the engine then calls every pending script
    // callback, and none of them may touch the views that are going away.
    std::shared_ptr<const bool> alive() const { return alive_; }
    // The preview: only files under `dir` are shown; a link the user clicks goes to the
    // desktop's browser, and nothing else (a refresh, a form, a frame) navigates.
    void showOnlyFilesUnder(const QString& dir) { filesUnder_ = dir; }

    // A page may raise this many alert, confirm and prompt boxes while it is shown; later ones
    // are answered as if cancelled, unseen.
    static constexpr int kMaxPageBoxes = 3;

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
    bool mayShowBox();

    FormPostCapture* capture_;
    QWebChannel* channel_;
    QString filesUnder_;
    int boxesShown_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
