// Postling: a desktop companion for web-based e-mail.
#include "Dialogs.h"
#include "MainForm.h"
#include "ShutdownSignals.h"

#include "app/IniFile.h"
#include "app/IniLocation.h"
#include "app/InstanceLock.h"
#include "compose/Mailto.h"
#include "fs/Directory.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Postling");
    QApplication::setOrganizationName("Postling");

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
    const std::string ini = postling::iniLocation(
        args, std::getenv("POSTLING_INI"), std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    postling::makeDirectories(QFileInfo(QString::fromStdString(ini)).absolutePath().toStdString());
    auto instance = std::make_unique<postling::InstanceLock>(ini);
    if (instance->takenByAnother()) {
        for (const QString& a : QApplication::arguments().mid(1))
            if (a.startsWith("mailto:", Qt::CaseInsensitive)) {
                postling::IniFile(ini).set("Settings", "mailto",
                                           postling::mailtoHandOver(a.toStdString()));
                return 0;
            }
        std::fprintf(stderr, "Postling is already running with %s.\n", ini.c_str());
        return 0;
    }

    MainForm form(QApplication::arguments(), std::move(instance));
    if (Dialogs::terminating()) {
        form.close();
        return 0;
    }
    window = &form;
    form.show();
    return QApplication::exec();
}
