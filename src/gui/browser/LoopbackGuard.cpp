#include "LoopbackGuard.h"

#include <QHostAddress>
#include <QUrl>

bool LoopbackGuard::allowed(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    if (scheme != "http" && scheme != "https" && scheme != "ws" && scheme != "wss" &&
        scheme != "ftp")
        return true; // file, data, blob, qrc, about: nothing leaves the machine
    const QString host = url.host().toLower();
    if (host == "localhost" || host.endsWith(".localhost"))
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

void LoopbackGuard::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (!allowed(info.requestUrl()))
        info.block(true);
}
