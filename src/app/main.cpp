// Postling: a desktop companion for web-based e-mail.
#include "Dialogs.h"
#include "MainForm.h"
#include "ShutdownSignals.h"
#include "Translations.h"

#include "app/IniFile.h"
#include "app/InstanceLock.h"
#include "app/Locations.h"
#include "compose/Mailto.h"
#include "fs/Directory.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* const kUsage =
    "Usage: postling [--ini PATH] [mailto:ADDRESS?subject=...]\n"
    "A desktop companion for web-based e-mail.\n"
    "\n"
    "  --ini PATH     the settings file (default $XDG_CONFIG_HOME/postling/postling.ini)\n"
    "  mailto:LINK    open the compose form filled from the link; a Postling already running\n"
    "                 with the same settings file takes the link and this one ends\n"
    "  --help         show this text\n"
    "  --version      show the version\n";

// The mailto link among the arguments, as the desktop passes it (Exec=postling %u).
QString mailtoArgument(const QStringList& arguments) {
    for (const QString& a : arguments.mid(1))
        if (a.startsWith("mailto:", Qt::CaseInsensitive))
            return a;
    return {};
}

} // namespace

int main(int argc, char** argv) {
    // Answered before any window system is needed.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("postling %s\n", POSTLING_VERSION);
            return 0;
        }
    }

    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    // The browser keeps its cookies under $XDG_DATA_HOME/postling, beside the default main
    // directory's data, rather than in a folder of its own.
    QApplication::setApplicationName("postling");
    QApplication::setDesktopFileName("postling");
    // The desktop's language, for every window from the first.
    Translations::install();

    // Being killed or logged out closes the window, and shutdown keeps the user's settings;
    // a signal during start-up dismisses its dialogs and shuts down as soon as it is done.
    MainForm* window = nullptr;
    ShutdownSignals stopSignals;
    QObject::connect(&stopSignals, &ShutdownSignals::received, [&window] {
        Dialogs::setTerminating();
        if (window) {
            window->close();
            QApplication::quit();
        }
    });

    // One Postling to a settings file: a second one hands its mailto link to the first.
    std::vector<std::string> args;
    for (const QString& a : QApplication::arguments())
        args.push_back(a.toStdString());
    const std::string ini =
        postling::iniLocation(args, std::getenv("POSTLING_INI"), std::getenv("XDG_CONFIG_HOME"),
                              QDir::homePath().toStdString());
    if (!postling::makeDirectories(
            QFileInfo(QString::fromStdString(ini)).absolutePath().toStdString()))
        std::fprintf(stderr, "postling: cannot create the folder of %s\n", ini.c_str());
    const QString link = mailtoArgument(QApplication::arguments());
    // Handed over through the ini's "mailto" key: the running Postling polls it, and a new one
    // reads it once it is signed in.
    const auto handOver = [&] {
        const auto written = postling::IniFile(ini).set(
            "Settings", "mailto", postling::mailtoHandOver(link.toStdString()));
        if (!written)
            std::fprintf(stderr, "postling: cannot write %s: %s\n", ini.c_str(),
                         written.error.c_str());
        return bool(written);
    };
    auto instance = std::make_unique<postling::InstanceLock>(ini);
    if (instance->takenByAnother()) {
        if (!link.isEmpty())
            return handOver() ? 0 : 1;
        std::fprintf(stderr, "Postling is already running with %s.\n", ini.c_str());
        return 0;
    }
    if (!link.isEmpty())
        handOver();

    MainForm form(QApplication::arguments(), std::move(instance));
    if (Dialogs::terminating()) {
        form.close();
        return 0;
    }
    window = &form;
    form.show();
    return QApplication::exec();
}
