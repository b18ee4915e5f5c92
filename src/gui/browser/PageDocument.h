#pragma once

#include <QPointer>
#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <string_view>

class QWebEnginePage;

// The page-document interface: every command gathers what it needs in one script call that
// returns plain data, decides in the core, and applies its changes in one more call. The
// scripts live in the site layer (sites/*.js) and run in the application world. A result that is
// not a map (no document, no script in it) comes back as {"error": "nodocument"}.
class PageDocument {
public:
    using Result = std::function<void(const QVariantMap&)>;

    PageDocument(QWebEnginePage* page, std::shared_ptr<const bool> alive)
        : page_(page), alive_(std::move(alive)) {}

    void call(const QString& function, const QVariantList& args, Result done) const;
    // A function of a site's page module (sites/<key>.js).
    void callSite(std::string_view site, const QString& function, const QVariantList& args,
                  Result done) const {
        call("sites." + QString::fromUtf8(site.data(), static_cast<qsizetype>(site.size())) + "." +
                 function,
             args, std::move(done));
    }

    // Convenience wrappers over the shared page script.
    void pageText(Result done) const { call("pageText", {}, std::move(done)); }
    // The same, saying whether the site's compose form is still on show ("compose"), when its
    // page module can tell.
    void pageText(std::string_view site, Result done) const {
        call("pageText", {QString::fromUtf8(site.data(), static_cast<qsizetype>(site.size()))},
             std::move(done));
    }
    // A compose form's fields, read and written as the site's page module knows them.
    void formFields(std::string_view site, const QString& form, const QStringList& names,
                    Result done) const {
        callSite(site, "formFields", {form, names}, std::move(done));
    }
    void setFormFields(std::string_view site, const QString& form, const QVariantMap& values,
                       Result done) const {
        callSite(site, "setFormFields", {form, values}, std::move(done));
    }
    void submitForm(const QString& form, const QString& actionSuffix, Result done) const {
        call("submitForm", {form, actionSuffix}, std::move(done));
    }
    void element(const QString& id, Result done) const { call("element", {id}, std::move(done)); }

    static bool failed(const QVariantMap& result) { return result.contains("error"); }

private:
    QPointer<QWebEnginePage> page_;
    std::shared_ptr<const bool> alive_;
};
