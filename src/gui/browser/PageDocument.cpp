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
    const QString script =
        QString("(function () { if (!window.postling || !postling.%1) return "
                "{error: 'nodocument'}; try { return postling.%1.apply(null, %2); "
                "} catch (e) { return {error: 'script', message: String(e)}; } })()")
            .arg(function, json);
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
