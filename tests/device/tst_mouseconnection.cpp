// The connection's owner without any window: plugging, replugging under a new
// node, downloads that hold the connection, and the status it passes on.
#include "device/DeviceTable.h"
#include "device/CommandProtocol.h"
#include "device/MouseConnection.h"
#include "storage/ConfigStorage.h"
#include "tests/support/DeviceSession.h"
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

class TestMouseConnection : public QObject
{
    Q_OBJECT
private slots:
    void followsPlugging_data();
    void followsPlugging();
    void heldChangesWaitForTheDownload();
    void downloadThroughItsLinks();
    void floodReachesTheWindowOnce_data();
    void floodReachesTheWindowOnce();
};

void TestMouseConnection::followsPlugging_data()
{
    // Each step: plug (+) or unplug (-) a connection; then mice present and handles open.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("mice");
    QTest::newRow("receiver arrives") << QStringList{"+R"} << QList<int>{1};
    QTest::newRow("receiver, cable, receiver away, back")
        << QStringList{"+R", "+C", "-R", "+R"} << QList<int>{1, 1, 1, 1};
    QTest::newRow("replugged under a new node") << QStringList{"+R", "-R", "+R"} << QList<int>{1, 0, 1};
}

void TestMouseConnection::followsPlugging()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, mice);
    DemoInstallation installation;
    VirtualMouseFixture fixture(Connection::None);
    MouseConnection connection;
    connect(&fixture.mouse(), &VirtualMouse::interfaceChanged, &connection, &MouseConnection::handleDeviceChange);
    QSignalSpy changes(&connection, &MouseConnection::connectionChanged);
    QSignalSpy battery(&connection, &MouseConnection::RefreshBatteryStatus);
    connection.start();
    QCOMPARE(connection.presentCount(), 0);
    QVERIFY(!connection.statusThreadRunning());
    writeDiffFlag(0);
    for (int i = 0; i < steps.size(); ++i) {
        const Connection which = steps[i].endsWith('R') ? Connection::Receiver : Connection::Cable;
        if (steps[i].startsWith('+'))
            fixture.mouse().plug(which);
        else
            fixture.mouse().unplug(which);
        QCOMPARE(connection.presentCount(), mice[i]);
        QCOMPARE(connection.commandHandleOpen(), mice[i] > 0);
        QCOMPARE(connection.statusThreadRunning(), mice[i] > 0);
        QVERIFY(!changes.isEmpty());
    }
    // Whatever came and went, the status thread talks to the mouse that is there now.
    QTRY_VERIFY(!battery.isEmpty() && battery.last().at(1).toInt() != 0);
    QCOMPARE(readDiffFlag(), 1); // the mouse that arrived may hold anything
    QCOMPARE(fixture.mouse().handleFaults(), 0);
}

void TestMouseConnection::heldChangesWaitForTheDownload()
{
    DemoInstallation installation;
    VirtualMouseFixture fixture(Connection::Receiver);
    MouseConnection connection;
    connection.start();
    hid_device *before = commandHandle();
    connection.hold();
    connection.stopStatusThread(); // as a download does
    fixture.mouse().plug(Connection::Cable);
    connection.handleDeviceChange(fixture.mouse().notificationNames(Connection::Cable).first(), true);
    QCOMPARE(commandHandle(), before); // nothing is reopened under a download
    connection.startStatusThread();
    QVERIFY(!connection.statusThreadRunning());
    connection.release();
    QCOMPARE(commandHandle(), commandHandleB());
    QVERIFY(connection.statusThreadRunning()); // also after a failed download
    QCOMPARE(fixture.mouse().handleFaults(), 0);
}

// A download run with the connection's links stops its status thread, passes
// on what its sends read, and starts the thread again once it succeeded.
void TestMouseConnection::downloadThroughItsLinks()
{
    DemoInstallation installation;
    VirtualMouseFixture fixture(Connection::Receiver);
    MouseConnection connection;
    connection.start();
    QVERIFY(connection.statusThreadRunning());
    QSignalSpy states(&connection, &MouseConnection::RefreshStatus);
    const DownloadLinks links = connection.downloadLinks();
    bool stoppedBeforeFirstReport = false;
    DownloadLinks watched = links;
    watched.stopStatusThread = [&] {
        links.stopStatusThread();
        stoppedBeforeFirstReport = !connection.statusThreadRunning() && fixture.mouse().writeCount(0x46) == 0;
        fixture.mouse().pressDpiButton(); // queued ahead of the first reply: read by the send
    };
    MouseSettings settings;
    QVERIFY(loadSettings(settings));
    QCOMPARE(applyAllSettings(settings, ChangeBasic, watched), 0);
    QVERIFY(stoppedBeforeFirstReport);
    QVERIFY(!connection.statusThreadRunning()); // started from the connection's own thread
    QTRY_COMPARE(states.size(), 1); // passed on by a queued call
    QTRY_VERIFY(connection.statusThreadRunning());
    QCOMPARE(fixture.mouse().handleFaults(), 0);
}

using Press = void (VirtualMouse::*)();
Q_DECLARE_METATYPE(Press)

void TestMouseConnection::floodReachesTheWindowOnce_data()
{
    QTest::addColumn<Press>("press");
    QTest::addColumn<int>("presses");
    QTest::newRow("DPI button 1000 times") << Press(&VirtualMouse::pressDpiButton) << 1000;
    QTest::newRow("profile button 999 times") << Press(&VirtualMouse::pressProfileButton) << 999;
    QTest::newRow("rate button 1001 times") << Press(&VirtualMouse::pressRateButton) << 1001;
}

// The status thread reads every state change while this thread's events
// wait: the window then gets one report of each kind, the last one sent.
void TestMouseConnection::floodReachesTheWindowOnce()
{
    QFETCH(Press, press);
    QFETCH(int, presses);
    DemoInstallation installation;
    VirtualMouseFixture fixture(Connection::Receiver);
    MouseConnection connection;
    QSignalSpy states(&connection, &MouseConnection::RefreshStatus);
    QSignalSpy battery(&connection, &MouseConnection::RefreshBatteryStatus);
    QSignalSpy writeStatus(&connection, &MouseConnection::RefreshWriteStatus);
    connection.start();
    QVERIFY(connection.statusThreadRunning());
    QElapsedTimer stuck;
    stuck.start();
    // In bursts the handle's queue holds, so no report is lost on the way.
    for (int pressed = 0; pressed < presses;) {
        const int burst = std::min(SIM_QUEUE_CAPACITY / 2, presses - pressed);
        const int readBefore = fixture.mouse().readsDelivered();
        for (int i = 0; i < burst; ++i)
            (fixture.mouse().*press)();
        pressed += burst;
        while (fixture.mouse().readsDelivered() - readBefore < burst) {
            QVERIFY2(stuck.elapsed() < 120000, "the status thread stopped reading");
            QThread::msleep(1);
        }
    }
    QTRY_VERIFY(!states.isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(states.size(), 1);
    QVERIFY(battery.size() <= 1);
    QVERIFY(writeStatus.size() <= 1);
    const MouseState last = fixture.mouse().state();
    const QList<int> shown{states[0][0].toInt(), states[0][1].toInt(), states[0][2].toInt(), states[0][3].toInt()};
    QCOMPARE(shown, QList<int>({last.activeProfile, last.dpiStage, last.rateCode, last.deviceMode}));
    QCOMPARE(fixture.mouse().handleFaults(), 0);
}

QTEST_GUILESS_MAIN(TestMouseConnection)
#include "tst_mouseconnection.moc"
