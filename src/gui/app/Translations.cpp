#include "Translations.h"

#include "app/Language.h"
#include "text/UserText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>

// The catalogues are compiled into this static library; its resources are registered by hand.
static void initResources() {
    Q_INIT_RESOURCE(translations);
}

namespace {

QString g_language;

std::string translateCore(const char* context, const char* english) {
    return QCoreApplication::translate(context, english).toStdString();
}

// The languages of the catalogues built into the program: "de" of postling_de.qm.
std::vector<std::string> available() {
    initResources();
    std::vector<std::string> languages;
    for (const QString& file : QDir(":/i18n").entryList({"postling_*.qm"}))
        languages.push_back(QFileInfo(file).completeBaseName().section('_', 1, -1).toStdString());
    return languages;
}

} // namespace

QString Translations::install() {
    postling::setTranslator(&translateCore);
    g_language = QString::fromStdString(
        postling::desktopLanguage(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                  std::getenv("LC_MESSAGES"), std::getenv("LANG"), available()));
    if (g_language.isEmpty())
        return {};
    // Both live as long as the program.
    auto* own = new QTranslator(QCoreApplication::instance());
    if (own->load(":/i18n/postling_" + g_language + ".qm"))
        QCoreApplication::installTranslator(own);
    // Qt's own texts; a language without a catalogue of its own (Swedish) has the older whole one.
    const QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale locale(g_language);
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, "qtbase", "_", qtDir) || qt->load(locale, "qt", "_", qtDir))
        QCoreApplication::installTranslator(qt);
    return g_language;
}

QString Translations::language() {
    return g_language;
}
