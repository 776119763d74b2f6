// "--tray": the window's first show stays off the screen and is undone, and
// the window shows normally afterwards (tray icon, mouse plugged in).
#include "app/TrayStart.h"
#include <QWindow>
#include <QtTest>

class TestTrayStart : public QObject
{
    Q_OBJECT

private slots:
    void trayArgument_data();
    void trayArgument();
    void firstShowStaysInTray();
    void windowWithoutTrayStartShows();
};

void TestTrayStart::trayArgument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("tray");
    QTest::newRow("no option") << QStringList{"mousecfg"} << false;
    QTest::newRow("--tray") << QStringList{"mousecfg", "--tray"} << true;
    QTest::newRow("after other arguments") << QStringList{"mousecfg", "-style", "fusion", "--tray"} << true;
    QTest::newRow("program named --tray") << QStringList{"--tray"} << false;
    QTest::newRow("similar option") << QStringList{"mousecfg", "--tray=no", "-tray"} << false;
}

void TestTrayStart::trayArgument()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, tray);
    QCOMPARE(startsInTray(arguments), tray);
}

void TestTrayStart::firstShowStaysInTray()
{
    QWidget window;
    keepFirstShowInTray(&window);
    QCOMPARE(window.children().size(), 1);

    window.show(); // the start-up check's show
    QVERIFY(!window.windowHandle() || !window.windowHandle()->isVisible());
    QTRY_VERIFY(window.isHidden());
    QVERIFY(!window.testAttribute(Qt::WA_DontShowOnScreen));
    QTRY_VERIFY(window.children().isEmpty());

    window.show(); // the tray icon
    QVERIFY(window.isVisible());
    QVERIFY(window.windowHandle() && window.windowHandle()->isVisible());
    QTest::qWait(50);
    QVERIFY(window.isVisible());
}

void TestTrayStart::windowWithoutTrayStartShows()
{
    QWidget window;
    window.show();
    QVERIFY(window.windowHandle() && window.windowHandle()->isVisible());
    QTest::qWait(50);
    QVERIFY(window.isVisible());
}

QTEST_MAIN(TestTrayStart)
#include "tst_traystart.moc"
