// Desktop notices over a private session bus (a dbus-daemon of the test's
// own) with a stand-in notification service, and the window's low-battery
// warning: once when the battery runs low, again only after charging.
#include "device/MouseConnection.h"
#include "platform/DesktopNotifications.h"
#include "sim/VirtualMouse.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MessageWatcher.h"
#include "tests/support/VirtualMouseFixture.h"
#include "ui/main/LowBatteryWarning.h"
#include "ui/main/MousecfgWidget.h"
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QtTest>
#include <memory>

namespace {
struct Notice {
    QString app, icon, summary, body;
};
}

class FakeNotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QList<Notice> notices;

public slots:
    uint Notify(const QString &app, uint, const QString &icon, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &, int)
    {
        notices << Notice{app, icon, summary, body};
        return uint(notices.size());
    }
};

class TestDesktopNotifications : public QObject
{
    Q_OBJECT

private:
    QProcess m_daemon;
    QString m_address;
    FakeNotificationService m_service;

    static QDBusConnection serviceBus() { return QDBusConnection(QStringLiteral("fake-service")); }

    bool offerService(bool on)
    {
        QDBusConnection bus = serviceBus();
        if (!on) {
            bus.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
            return bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
        }
        return bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &m_service,
                                  QDBusConnection::ExportAllSlots)
            && bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }

    // The low-battery reading the status thread would report (raw = mV x 240 / 990).
    static void report(MousecfgWidget &window, int millivolts, quint8 charge)
    {
        const int raw = VirtualMouse::batteryRaw(millivolts);
        emit window.connection()->RefreshBatteryStatus(charge, quint8(raw & 0xFF), quint8(raw >> 8));
        QCoreApplication::processEvents();
    }

private slots:
    void initTestCase()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        QVERIFY2(m_daemon.waitForStarted(5000), "dbus-daemon did not start");
        QTRY_VERIFY(m_daemon.canReadLine());
        m_address = QString::fromLatin1(m_daemon.readLine()).trimmed();
        QVERIFY(!m_address.isEmpty());
        // The program's own session bus is the private one too.
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toLatin1());
        QVERIFY(QDBusConnection::connectToBus(m_address, QStringLiteral("fake-service")).isConnected());
        QVERIFY(QDBusConnection::sessionBus().isConnected());
    }

    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-service"));
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

    void init()
    {
        m_service.notices.clear();
    }

    void cleanup()
    {
        offerService(false);
    }

    void noticeReachesTheService()
    {
        QVERIFY(offerService(true));
        DesktopNotifications notifications(QDBusConnection::sessionBus());
        QSignalSpy shown(&notifications, &DesktopNotifications::shown);
        notifications.notify("Mouse battery low", "TREVIK has 20 % left.", "battery-caution");
        QTRY_COMPARE(shown.count(), 1);
        QCOMPARE(shown.first().first().toUInt(), 1u);
        QCOMPARE(m_service.notices.size(), 1);
        QCOMPARE(m_service.notices[0].summary, QString("Mouse battery low"));
        QCOMPARE(m_service.notices[0].body, QString("TREVIK has 20 % left."));
        QCOMPARE(m_service.notices[0].icon, QString("battery-caution"));
        QCOMPARE(m_service.notices[0].app, QCoreApplication::applicationName());
    }

    void noServiceIsToldNotWaitedFor()
    {
        DesktopNotifications notifications(QDBusConnection::sessionBus());
        QSignalSpy failed(&notifications, &DesktopNotifications::failed);
        notifications.notify("Mouse battery low", "body", "battery-caution");
        QTRY_COMPARE(failed.count(), 1);
        DesktopNotifications unconnected(QDBusConnection(QStringLiteral("no such bus")));
        QSignalSpy failedAtOnce(&unconnected, &DesktopNotifications::failed);
        unconnected.notify("summary", "body", "battery-caution");
        QCOMPARE(failedAtOnce.count(), 1);
    }

    void warningRule_data()
    {
        // Readings in order: percent, charging, cable, off; and the readings that warn.
        QTest::addColumn<QList<QVector<int>>>("readings");
        QTest::addColumn<QList<int>>("warnings");
        QTest::newRow("full stays quiet") << QList<QVector<int>>{{100, 0, 0, 0}, {90, 0, 0, 0}} << QList<int>{};
        QTest::newRow("once as it runs low") << QList<QVector<int>>{{30, 0, 0, 0}, {20, 0, 0, 0}, {10, 0, 0, 0}, {20, 0, 0, 0}}
                                          << QList<int>{1};
        QTest::newRow("jitter does not re-arm") << QList<QVector<int>>{{20, 0, 0, 0}, {30, 0, 0, 0}, {20, 0, 0, 0}}
                                             << QList<int>{0};
        QTest::newRow("charging re-arms") << QList<QVector<int>>{{20, 0, 0, 0}, {20, 1, 0, 0}, {10, 0, 0, 0}}
                                       << QList<int>{0, 2};
        QTest::newRow("cable re-arms") << QList<QVector<int>>{{10, 0, 0, 0}, {100, 0, 1, 0}, {10, 0, 0, 0}}
                                    << QList<int>{0, 2};
        QTest::newRow("low while charging is quiet") << QList<QVector<int>>{{10, 1, 0, 0}} << QList<int>{};
        QTest::newRow("asleep says nothing") << QList<QVector<int>>{{10, 0, 0, 1}, {10, 0, 0, 0}} << QList<int>{1};
    }

    void warningRule()
    {
        QFETCH(QList<QVector<int>>, readings);
        QFETCH(QList<int>, warnings);
        LowBatteryWarning rule;
        QList<int> warned;
        for (int i = 0; i < readings.size(); ++i) {
            const QVector<int> &r = readings[i];
            if (rule.report(r[0], r[1] != 0, r[2] != 0, r[3] != 0))
                warned << i;
        }
        QCOMPARE(warned, warnings);
    }

    void windowWarnsOnceAndTheTrayTells()
    {
        QVERIFY(offerService(true));
        AppDirFixture app(AppDirFixture::DemoData);
        QVERIFY(app.isValid());
        MessageWatcher messages;
        VirtualMouseFixture mouse(Connection::Receiver);
        virtualMouse().setBatteryMillivolts(3300); // 20 %, read by the status thread at once
        MousecfgWidget window;
        window.show();
        QTRY_COMPARE(m_service.notices.size(), 1);
        QVERIFY(m_service.notices[0].body.contains("20"));
        auto *tray = window.findChild<QSystemTrayIcon *>();
        QVERIFY(tray);
        QVERIFY2(tray->toolTip().contains("receiver") && tray->toolTip().contains("20 %"), qPrintable(tray->toolTip()));

        report(window, 3250, 0);
        report(window, 3100, 0);
        QTest::qWait(100);
        QCOMPARE(m_service.notices.size(), 1);
        report(window, 3300, 1); // charging
        QVERIFY(tray->toolTip().contains("charging"));
        report(window, 3100, 0);
        QTRY_COMPARE(m_service.notices.size(), 2);
        QVERIFY(m_service.notices[1].body.contains("10"));
        QVERIFY(messages.texts().isEmpty());
    }
};

QTEST_MAIN(TestDesktopNotifications)
#include "tst_desktopnotifications.moc"
