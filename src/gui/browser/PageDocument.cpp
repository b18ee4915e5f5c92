#include "PageDocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEnginePage>
#include <QWebEngineScript>

void PageDocument::call(const QString& function, const QVariantList& args, Result done) const {
    if (!page_) {
        if (done)
            done({{"error", "nodocument"}});
        return;
    }
    const QString json = QString::fromUtf8(
        QJsonDocument(QJsonArray::fromVariantList(args)).toJson(QJsonDocument::Compact));
    // The function is a path below postling ("pageText", "sites.<key>.inboxRows").
    const QString path =
        QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(function.split('.')))
                              .toJson(QJsonDocument::Compact));
    const QString script =
        QString("(function () { var f = window.postling, o = null; %1.forEach(function (k) "
                "{ o = f; f = f && f[k]; }); if (typeof f !== 'function') return "
                "{error: 'nodocument'}; try { return f.apply(o, %2); "
                "} catch (e) { return {error: 'script', message: String(e)}; } })()")
            .arg(path, json);
    page_->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                         [done = std::move(done), alive = alive_](const QVariant& value) {
                             if (!done || (alive && !*alive))
                                 return; // the page is going away: nobody waits any more
                             if (value.typeId() == QMetaType::QVariantMap)
                                 done(value.toMap());
                             else
                                 done({{"error", "nodocument"}});
                         });
}
