#include "WebPage.h"

#include "FormPostCapture.h"

#include <QFile>
#include <QWebChannel>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

// The page script is compiled into this static library; its resources must be registered by hand.
static void initResources() {
    Q_INIT_RESOURCE(gui);
}

namespace {

QString resourceText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Qt's web channel client followed by Postling's page script, for every document and frame.
QWebEngineScript pageScript() {
    initResources();
    static const QString source =
        resourceText(":/qtwebchannel/qwebchannel.js") + "\n" + resourceText(":/postling/page.js");
    QWebEngineScript script;
    script.setName("postling");
    script.setSourceCode(source);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setRunsOnSubFrames(true);
    return script;
}

} // namespace

WebPage::WebPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent), capture_(new FormPostCapture(this)),
      channel_(new QWebChannel(this)) {
    channel_->registerObject("postCapture", capture_);
    setWebChannel(channel_, QWebEngineScript::ApplicationWorld);
    scripts().insert(pageScript());
}

WebPage::~WebPage() {
    *alive_ = false;
}

bool WebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (type == NavigationTypeFormSubmitted)
        capture_->navigationRequested(this->url().toString(), url.toString());
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

void WebPage::recordDialog(const QString& text) {
    dialogTexts_ << text;
    emit pageDialog(text);
}

void WebPage::javaScriptAlert(const QUrl&, const QString& msg) {
    recordDialog(msg);
}

bool WebPage::javaScriptConfirm(const QUrl&, const QString& msg) {
    recordDialog(msg);
    return true;
}

bool WebPage::javaScriptPrompt(const QUrl&, const QString& msg, const QString& defaultValue,
                               QString* result) {
    recordDialog(msg);
    *result = defaultValue;
    return true;
}

QWebEnginePage* WebPage::createWindow(WebWindowType) {
    // Postling has no spare windows: a link that asks for one opens in this view.
    return this;
}
