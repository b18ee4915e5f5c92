#include "AboutBox.h"

#include "Artwork.h"
#include "Dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

QStringList& AboutBox::systemInfoPrograms() {
    static QStringList programs = {"hardinfo", "kinfocenter", "gnome-system-monitor"};
    return programs;
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent), image_(new QLabel(this)) {
    setObjectName("frmAbout");
    setWindowTitle(tr("About Postling"));
    image_->setObjectName("Image2");
    image_->setPixmap(productPicture(320, 160));
    auto* version = new QLabel(tr("Version %1").arg(POSTLING_VERSION), this);
    auto* about = new QLabel(tr("Postling keeps your webmail close at hand: saved messages, "
                                "address books, templates and inbox tools beside Roundcube, "
                                "Yahoo! Mail and Hotmail."),
                             this);
    about->setWordWrap(true);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(tr("&System Info..."), this);
    sysInfo->setObjectName("cmdSysInfo");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(image_, 0, Qt::AlignHCenter);
    layout->addWidget(version);
    layout->addWidget(about);
    layout->addLayout(buttons);
    setFixedWidth(380);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, &AboutBox::showSystemInfo);
}

void AboutBox::showSystemInfo() {
    for (const QString& name : systemInfoPrograms()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return;
    }
    Dialogs::message(this, tr("System Information Is Unavailable At This Time"));
}
