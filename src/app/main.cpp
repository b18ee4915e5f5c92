// Postling: a desktop companion for web-based e-mail.
#include "MainForm.h"
#include "ShutdownSignals.h"

#include <QApplication>

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Postling");
    QApplication::setOrganizationName("Postling");

    MainForm form(QApplication::arguments());
    // Being killed or logged out closes the window, and shutdown keeps the user's settings.
    ShutdownSignals stopSignals;
    QObject::connect(&stopSignals, &ShutdownSignals::received, &form, &QWidget::close);
    form.show();
    return QApplication::exec();
}
