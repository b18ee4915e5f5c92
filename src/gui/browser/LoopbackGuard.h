#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Keeps the views on this machine: requests to any host but the loopback ones (and local
// files) are blocked. Used by the tests and the offline demo (POSTLING_LOOPBACK_ONLY=1).
class LoopbackGuard : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
    static bool allowed(const QUrl& url);
};
