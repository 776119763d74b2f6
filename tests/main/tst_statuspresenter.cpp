// The status rules without the window: battery reports on the virtual mouse,
// the on-screen notices, and reports held while the window is busy.
#include "storage/ConfigStorage.h"
#include "tests/support/DeviceSession.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/StatusPresenter.h"
#include <QSignalSpy>
#include <QtTest>

class TestStatusPresenter : public QObject
{
    Q_OBJECT

private slots:
    void battery_data()
    {
        QTest::addColumn<int>("attached");
        QTest::addColumn<int>("charge");
        QTest::addColumn<int>("raw");
        QTest::addColumn<bool>("off");
        QTest::addColumn<bool>("cable");
        QTest::addColumn<int>("percent");
        const int receiver = int(Connection::Receiver);
        QTest::newRow("no data") << receiver << 0 << 0 << true << false << 0;
        QTest::newRow("4100 mV") << receiver << 0 << 994 << false << false << 90;
        QTest::newRow("charging") << receiver << 1 << 993 << false << false << 80;
        QTest::newRow("cable") << int(Connection::Cable) << 1 << 994 << false << true << 90;
    }

    void battery()
    {
        QFETCH(int, attached);
        QFETCH(int, charge);
        QFETCH(int, raw);
        QFETCH(bool, off);
        QFETCH(bool, cable);
        QFETCH(int, percent);
        ConnectedMouse connected{Connection(attached)};
        StatusPresenter status([] { return false; });
        g_bDeviceSleeping = !off;
        const StatusPresenter::Battery battery = status.batteryReport(quint8(charge), quint8(raw & 0xFF), quint8(raw >> 8));
        QCOMPARE(battery.off, off);
        QCOMPARE(bool(g_bDeviceSleeping), off);
        QCOMPARE(battery.charging, !off && charge != 0);
        QCOMPARE(battery.cable, cable);
        QCOMPARE(battery.percent, percent);
        QCOMPARE(status.batteryPercent(), percent);
        // A changed percentage is what a restart shows.
        if (!off)
            QCOMPARE(batteryPercent(), percent);
        g_bDeviceSleeping = false;
    }

    void notices_data()
    {
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("expected");
        QTest::newRow("slot") << StatusPresenter::profileNotice(2) << "Profile 3";
        QTest::newRow("stage") << StatusPresenter::dpiNotice(1, 1600) << "DPI2:1600";
        QTest::newRow("125 Hz") << StatusPresenter::rateNotice(8) << "125 HZ";
        QTest::newRow("500 Hz") << StatusPresenter::rateNotice(2) << "500 HZ";
        QTest::newRow("1000 Hz") << StatusPresenter::rateNotice(1) << "1000 HZ";
        QTest::newRow("no such rate") << StatusPresenter::rateNotice(3) << "";
    }

    void notices()
    {
        QFETCH(QString, notice);
        QFETCH(QString, expected);
        QCOMPARE(notice, expected);
    }

    void heldReportsRunWhenFreeInOrder()
    {
        bool busy = true;
        StatusPresenter status([&busy] { return busy; });
        QStringList ran;
        QVERIFY(status.hold([&ran] { ran << "first"; }));
        QVERIFY(status.hold([&ran] { ran << "second"; }));
        QTest::qWait(3 * StatusPresenter::HOLD_POLL_MS);
        QVERIFY(ran.isEmpty());
        busy = false;
        QTRY_COMPARE(ran, QStringList({"first", "second"}));
        QVERIFY(!status.hold([&ran] { ran << "now"; }));
        QTest::qWait(3 * StatusPresenter::HOLD_POLL_MS);
        QCOMPARE(ran.size(), 2);
    }

    // A flood while a dialog is open keeps one report of each kind, the latest.
    void floodWhileHeldKeepsTheLatestOfEachKind()
    {
        bool busy = true;
        StatusPresenter status([&busy] { return busy; });
        QStringList ran;
        using Kind = StatusPresenter::HeldReport;
        for (int i = 0; i < 1000; ++i) {
            QVERIFY(status.hold(Kind::State, [&ran, i] { ran << QString("state %1").arg(i); }));
            QVERIFY(status.hold(Kind::LightMode, [&ran, i] { ran << QString("mode %1").arg(i); }));
            QVERIFY(status.heldCount() <= 2);
        }
        busy = false;
        QTRY_COMPARE(ran, QStringList({"state 999", "mode 999"}));
        QCOMPARE(status.heldCount(), 0);
    }

    // The same percentage again and again is stored once.
    void floodOfOneBatteryValueStoresOnce()
    {
        ConnectedMouse connected{Connection::Receiver};
        StatusPresenter status([] { return false; });
        QSignalSpy notSaved(&status, &StatusPresenter::notSaved);
        status.batteryReport(0, 994 & 0xFF, 994 >> 8);
        QCOMPARE(batteryPercent(), 90);
        QVERIFY(setBatteryPercent(7)); // any further write of 90 would show
        for (int i = 0; i < 1000; ++i)
            QCOMPARE(status.batteryReport(0, 994 & 0xFF, 994 >> 8).percent, 90);
        QCOMPARE(batteryPercent(), 7);
        status.batteryReport(0, 993 & 0xFF, 993 >> 8);
        QCOMPARE(batteryPercent(), 80);
        QCOMPARE(notSaved.count(), 0);
        g_bDeviceSleeping = false;
    }

    void noticeIsSignalled()
    {
        StatusPresenter status([] { return false; });
        QSignalSpy spy(&status, &StatusPresenter::osdText);
        status.showOsd(StatusPresenter::rateNotice(4));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QString("250 HZ"));
    }
};

QTEST_MAIN(TestStatusPresenter)
#include "tst_statuspresenter.moc"
