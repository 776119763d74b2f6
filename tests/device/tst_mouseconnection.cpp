// The connection's owner without any window: plugging, replugging under a new
// node, downloads that hold the connection, and the status it passes on.
#include "device/DeviceTable.h"
#include "device/CommandProtocol.h"
#include "device/MouseConnection.h"
#include "storage/ConfigStorage.h"
#include "tests/support/DeviceSession.h"
#include <QSignalSpy>
#include <QtTest>

class TestMouseConnection : public QObject
{
    Q_OBJECT
private slots:
    void followsPlugging_data();
    void followsPlugging();
    void heldChangesWaitForTheDownload();
    void downloadThroughItsLinks();
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
    QCOMPARE(states.size(), 1);
    QVERIFY(!connection.statusThreadRunning()); // started from the connection's own thread
    QTRY_VERIFY(connection.statusThreadRunning());
    QCOMPARE(fixture.mouse().handleFaults(), 0);
}

QTEST_GUILESS_MAIN(TestMouseConnection)
#include "tst_mouseconnection.moc"
