// Postling: a desktop companion for web-based e-mail.
#include "Dialogs.h"
#include "MainForm.h"
#include "ShutdownSignals.h"

#include <QApplication>

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

    MainForm form(QApplication::arguments());
    if (Dialogs::terminating()) {
        form.close();
        return 0;
    }
    window = &form;
    form.show();
    return QApplication::exec();
}
