#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;
class Shell;

// "Set Postling as your Default E-mail Program": asks, registers a desktop entry of this
// Postling as the desktop's handler of mailto links through xdg-mime, and says whether that
// worked. The help topic on doing it by hand opens when the user declines or it fails.
class DefaultMailer {
    Q_DECLARE_TR_FUNCTIONS(DefaultMailer)
public:
    static void offer(QWidget* parent, Shell& shell);

    // The desktop entry that hands links to this Postling: the installed "postling.desktop"
    // when it runs with the usual settings file; otherwise one written for its settings file
    // into the user's applications folder, so the demo's Postling, say, receives the links.
    static QString desktopEntry(const QString& iniFile, QString* error);
};
