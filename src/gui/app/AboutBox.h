#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// frmAbout: the product picture centred, "Version 1.1", a line about the program, OK and
// "&System Info...".
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    // The programs tried for "&System Info...", in order; a test may replace them.
    static QStringList& systemInfoPrograms();

private:
    void showSystemInfo();

    QLabel* image_;
};
