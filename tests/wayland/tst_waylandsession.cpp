// The window on the virtual mouse under a real Wayland compositor (weston's
// headless back end, started by run-under-weston.sh): it starts, every page
// shows, a drag asks the compositor to move the window, the OSD notice shows,
// and the tray icon where the session has a tray. Weston's headless back end
// has no seat, so no real pointer reaches the windows: the events here are
// Qt's own, and the compositor declines the move.
#include "helpers/osd/OsdWindow.h"
#include "platform/OsdChannel.h"
#include "platform/RasterOnlyWindows.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/VirtualMouseFixture.h"
#include "ui/kit/KestPushButton.h"
#include "ui/main/MousecfgWidget.h"
#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QWindow>
#include <QtTest>
#include <cstdio>
#include <memory>

namespace {
// Distinct colours in a grab: a page that did not paint is one flat colour.
int colourCount(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    return colours.size();
}
}

class TestWaylandSession : public QObject
{
    Q_OBJECT

    std::unique_ptr<AppDirFixture> m_app;
    std::unique_ptr<VirtualMouseFixture> m_mouse;
    std::unique_ptr<MousecfgWidget> m_window;

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        m_app = std::make_unique<AppDirFixture>(AppDirFixture::DemoData);
        QVERIFY(m_app->isValid());
        m_mouse = std::make_unique<VirtualMouseFixture>(Connection::Receiver);
        m_window = std::make_unique<MousecfgWidget>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanupTestCase()
    {
        m_window.reset();
        m_mouse.reset();
        m_app.reset();
    }

    void startsWithoutOpenGL()
    {
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        for (const char *driver : {"libEGL_mesa", "_dri.so", "libLLVM"})
            QVERIFY2(!mapped.contains(driver), driver);
    }

    void everyPageShows_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("LIGHTING") << 0;
        QTest::newRow("CUSTOMIZE") << 1;
        QTest::newRow("DPI") << 2;
        QTest::newRow("MACRO") << 3;
    }

    void everyPageShows()
    {
        QFETCH(int, page);
        KestPushButton *tab = m_window->button(QStringLiteral("tabButton%1").arg(page));
        QVERIFY(tab);
        QTest::mouseClick(tab, Qt::LeftButton);
        QTRY_COMPARE(m_window->currentPage(), page);
        auto *stack = m_window->findChild<QStackedWidget *>(QStringLiteral("pageArea"));
        QVERIFY(stack && stack->currentWidget()->isVisible());
        QVERIFY(m_window->windowHandle()->isExposed());
        QVERIFY(colourCount(m_window->grab().toImage()) > 20);
    }

    void dragAsksTheCompositorToMove()
    {
        QWindow *handle = m_window->windowHandle();
        const QSize size = m_window->size();
        QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(300, 20));
        QTest::mouseMove(handle, QPoint(340, 60));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(340, 60));
        // Without a seat the compositor has no grab to start; the window stays whole and in use.
        QVERIFY(!handle->startSystemMove());
        QVERIFY(handle->isExposed());
        QCOMPARE(m_window->size(), size);
        QTest::mouseClick(m_window->button(QStringLiteral("tabButton0")), Qt::LeftButton);
        QTRY_COMPARE(m_window->currentPage(), 0);
    }

    void osdNoticeShowsAndGoes()
    {
        OsdWindow osd;
        osd.showMessage(osdNotice(QStringLiteral("DPI2:1600"), QColor(255, 0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(&osd));
        QCOMPARE(osd.text(), QStringLiteral("DPI2:1600"));
        QVERIFY(colourCount(osd.grab().toImage()) > 2);
        QTRY_VERIFY_WITH_TIMEOUT(!osd.isVisible(), OsdWindow::kMaxDurationMs + 2 * OsdWindow::kFadeMs);
    }

    void trayWhereAvailable()
    {
        if (!QSystemTrayIcon::isSystemTrayAvailable())
            QSKIP("this session has no tray host (weston offers none)");
        QSystemTrayIcon tray(m_window->windowIcon());
        tray.show();
        QTRY_VERIFY(tray.isVisible());
    }
};

int main(int argc, char **argv)
{
    const QString plugin = QLibraryInfo::location(QLibraryInfo::PluginsPath) + "/platforms/libqwayland-generic.so";
    if (!QFile::exists(plugin)) {
        std::printf("SKIP: the Qt Wayland plugin is not installed (%s; tools/install-deps.sh installs it)\n",
                    qPrintable(plugin));
        return 77;
    }
    useRasterOnlyWindows();
    QApplication app(argc, argv);
    TestWaylandSession test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_waylandsession.moc"
