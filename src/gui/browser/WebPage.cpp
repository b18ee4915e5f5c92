#include "WebPage.h"

#include "Dialogs.h"
#include "FormPostCapture.h"

#include "sites/Site.h"

#include <QDir>
#include <QFile>
#include <QWebEngineView>

#include <QFile>
#include <QWebChannel>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

// The page script is compiled into this static library; its resources must be registered by hand.
static void initResources() {
    Q_INIT_RESOURCE(sites);
}

namespace {

QString resourceText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Qt's web channel client followed by the shared page script and every site's module, for every
// document and frame.
QWebEngineScript pageScript() {
    initResources();
    static const QString source = [] {
        QString text = resourceText(":/qtwebchannel/qwebchannel.js") + "\n" +
                       resourceText(":/postling/common.js");
        // A site's module may have a compose half beside it ("<key>-compose.js").
        for (const postling::Site* site : postling::allSites())
            for (const char* part : {"%1.js", "%1-compose.js"}) {
                const QString name =
                    QString(":/postling/") +
                    QString(part).arg(QString::fromUtf8(site->key().data(), site->key().size()));
                if (QFile::exists(name))
                    text += "\n" + resourceText(name);
            }
        return text;
    }();
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
    // Each page shown gets its own allowance of boxes.
    connect(this, &QWebEnginePage::loadStarted, this, [this] { boxesShown_ = 0; });
}

WebPage::~WebPage() {
    *alive_ = false;
}

bool WebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (!filesUnder_.isEmpty()) {
        if (type == NavigationTypeLinkClicked && !url.isLocalFile()) {
            Dialogs::openExternally(url);
            return false;
        }
        if (isMainFrame && type == NavigationTypeTyped && url.scheme() == "data")
            return true; // a notice Postling itself puts in place of a file
        return isMainFrame && url.isLocalFile() &&
               QDir::cleanPath(url.toLocalFile()).startsWith(QDir::cleanPath(filesUnder_) + "/") &&
               (type == NavigationTypeTyped || type == NavigationTypeLinkClicked);
    }
    if (type == NavigationTypeFormSubmitted)
        capture_->navigationRequested(this->url().toString(), url.toString());
    else if (!isMainFrame)
        capture_->frameNavigationRequested(this->url().toString(), url.toString());
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

bool WebPage::mayShowBox() {
    return boxesShown_++ < kMaxPageBoxes;
}

void WebPage::javaScriptAlert(const QUrl& origin, const QString& msg) {
    if (mayShowBox())
        Dialogs::pageBox(QWebEngineView::forPage(this), Dialogs::PageBox::Alert, origin.host(),
                         msg);
}

bool WebPage::javaScriptConfirm(const QUrl& origin, const QString& msg) {
    return mayShowBox() && Dialogs::pageBox(QWebEngineView::forPage(this),
                                            Dialogs::PageBox::Confirm, origin.host(), msg);
}

bool WebPage::javaScriptPrompt(const QUrl& origin, const QString& msg, const QString& defaultValue,
                               QString* result) {
    return mayShowBox() && Dialogs::pageBox(QWebEngineView::forPage(this), Dialogs::PageBox::Prompt,
                                            origin.host(), msg, defaultValue, result);
}

QWebEnginePage* WebPage::createWindow(WebWindowType) {
    // Postling has no spare windows: a link that asks for one opens in this view.
    return this;
}
