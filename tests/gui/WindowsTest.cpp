// The small windows: the splash and the help viewer.
#include "SplashWindow.h"
#include "Testkit.h"

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Dialogs::showForReal(); }

    void splashClosesAfterItsTimerOrAtOnceOnAKeyOrAClick() {
        enum Way { Key, Click, Timer };
        for (Way way : {Key, Click, Timer}) {
            SplashWindow splash;
            auto* image = splash.findChild<QLabel*>("Image2");
            auto* frame = splash.findChild<QWidget*>("Frame1");
            QVERIFY(image && frame);
            if (way != Timer)
                QTimer::singleShot(100, &splash, [&] {
                    // The picture is centred in its frame once shown.
                    QCOMPARE(image->x(), (frame->width() - image->width()) / 2);
                    QVERIFY(image->isVisible());
                    if (way == Key)
                        QTest::keyClick(&splash, Qt::Key_Space);
                    else
                        QTest::mouseClick(&splash, Qt::LeftButton);
                });
            QCOMPARE(splash.exec(), int(QDialog::Accepted));
            QVERIFY2(splash.timer()->isActive() == (way != Timer),
                     "a key or a click ends it before its time");
        }
    }

    void helpOpensTheAnchorOfATopic() {
        QTemporaryDir dir;
        QByteArray html = "<html><body><a name=\"contents\"></a><h1>Contents</h1>";
        for (int i = 0; i < 80; ++i)
            html += "<p>filler paragraph</p>";
        html += "<a name=\"5002\"></a><h2>Mailto</h2><p>xdg-mime default</p></body></html>";
        QVERIFY(testkit::writeFile(dir.filePath("webmail.hlp"), html));

        HelpWindow help("proc1");
        help.resize(300, 200);
        help.setHelpFile(dir.filePath("webmail.hlp"));
        help.showTopic(5002);
        QCOMPARE(help.currentAnchor(), QString("5002"));
        QVERIFY(help.isVisible());
        QTRY_VERIFY(help.browser()->verticalScrollBar()->value() > 0);
        help.showTopic(0);
        QCOMPARE(help.currentAnchor(), QString("contents"));

        HelpWindow missing("HelpWindow");
        missing.setHelpFile(dir.filePath("nothing.hlp"));
        missing.showTopic(6000);
        QVERIFY(missing.browser()->toPlainText().contains("was not found"));
    }
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
