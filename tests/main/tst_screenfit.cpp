// The window on a HiDPI desktop: at a scale factor of 2 the offscreen
// screen (800 x 600 pixels) leaves 400 x 300 device-independent pixels, far
// less than the window's 999 x 640 at scale 1.
#include "tests/support/AppDirFixture.h"
#include "tests/support/MessageWatcher.h"
#include "tests/support/VirtualMouseFixture.h"
#include "ui/kit/KestPushButton.h"
#include "ui/kit/UiScale.h"
#include "ui/main/MousecfgWidget.h"
#include <QApplication>
#include <QScreen>
#include <QtTest>
#include <memory>

class TestScreenFit : public QObject
{
    Q_OBJECT

private slots:
    void windowFitsTheScreenAndCannotBeMaximised()
    {
        AppDirFixture app(AppDirFixture::DemoData);
        QVERIFY(app.isValid());
        MessageWatcher messages;
        VirtualMouseFixture mouse(Connection::Receiver);
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        MousecfgWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY2(screen.contains(window.frameGeometry()),
                 qPrintable(QString("%1x%2 on %3x%4").arg(window.width()).arg(window.height()).arg(screen.width()).arg(screen.height())));
        QVERIFY(uiScale() < 1.0);
        for (const char *name : {"applyButton", "okButton", "cancelButton", "closeButton"}) {
            KestPushButton *b = window.button(name);
            QVERIFY(b);
            QVERIFY2(screen.contains(QRect(b->mapToGlobal(QPoint(0, 0)), b->size())), name);
        }
        // A fixed size the window manager cannot stretch, and no maximise button.
        QCOMPARE(window.minimumSize(), window.size());
        QCOMPARE(window.maximumSize(), window.size());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestScreenFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screenfit.moc"
