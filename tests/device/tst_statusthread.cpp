// The status thread on the virtual mouse: what each reply turns into, how
// often it queries, and that stopping waits for its loop.
#include "device/CommandProtocol.h"
#include "device/DeviceImage.h"
#include "device/DeviceTable.h"
#include "device/HidSeam.h"
#include "device/KestGetBatteryThread.h"
#include "storage/ConfigStorage.h"
#include "platform/Sleep.h"
#include "tests/support/DeviceSession.h"
#include <QSignalSpy>
#include <QtTest>
#include <atomic>
#include <chrono>
#include <thread>

using Args = QList<QVariant>;

namespace {

Args args(std::initializer_list<int> values)
{
    Args out;
    for (int v : values)
        out.append(QVariant::fromValue(quint8(v)));
    return out;
}

// Runs a status thread until it has waited out `cycles` listening reads; the
// hook runs on the thread at each pause (the pause itself is not waited for).
void runCycles(KestGetBatteryThread &thread, int cycles, std::function<void(int ms)> hook = {})
{
    std::atomic_int listens{0};
    PauseRecorder recorder([&](int ms) {
        if (hook)
            hook(ms);
        // A listen waits out what its read left of the time-out: a read that
        // took real time (a loaded machine) leaves a shorter pause, not no cycle.
        if (ms > STATUS_BATCH_PAUSE_MS && ms <= std::max(STATUS_LISTEN_TIMEOUT_MS, STATUS_FAILED_READ_PAUSE_MS)
            && ++listens >= cycles)
            thread.stop();
    });
    thread.start();
    QVERIFY(thread.wait(60000));
}

// What the status thread sends and reads, as the HID trace sees it.
std::atomic_int g_queries{0};
std::atomic_int g_replies{0};
void countStatusTraffic(char direction, const unsigned char *data, size_t length)
{
    if (length > 3 && data[3] == 0x48)
        ++(direction == '>' ? g_queries : g_replies);
}

} // namespace

class TestStatusThread : public QObject
{
    Q_OBJECT
private slots:
    void stateChangeReport();
    void statusReplies_data();
    void statusReplies();
    void silentMouse();
    void noOffFromAQueryWithoutItsChance_data();
    void noOffFromAQueryWithoutItsChance();
    void queryEvery56Cycles_data();
    void queryEvery56Cycles();
    void stopWaitsForTheLoop();
    void noHandleEndsAtOnce();
    void downloadStopsAndRestartsTheThread();
    // Real time-outs from here on: the reads block on the virtual mouse.
    void firstQueryAfterAFullQueue_data();
    void firstQueryAfterAFullQueue();
    void movingMouseLosesNoReply();
    void requestedQueryIsAnswered();
};

void TestStatusThread::stateChangeReport()
{
    ConnectedMouse m;
    m.mouse().setDeviceMode(3);
    KestGetBatteryThread thread;
    QSignalSpy status(&thread, SIGNAL(RefreshStatus(quint8, quint8, quint8, quint8)));
    bool pressed = false;
    runCycles(thread, 4, [&](int ms) {
        if (ms == STATUS_WRITE_PAUSE_MS && !pressed) {
            pressed = true;
            m.mouse().pressProfileButton();
            m.mouse().pressProfileButton();
            m.mouse().pressDpiButton();
        }
    });
    QCOMPARE(status.size(), 3);
    QCOMPARE(status.at(0), args({1, 0, 1, 3}));
    QCOMPARE(status.at(2), args({2, 1, 1, 3}));
}

void TestStatusThread::statusReplies_data()
{
    QTest::addColumn<int>("charge");
    QTest::addColumn<bool>("sleeping");
    QTest::addColumn<int>("writeStatus");
    QTest::addColumn<Args>("battery");
    QTest::addColumn<bool>("writeStatusSent");
    QTest::addColumn<bool>("lostWhileMoving");
    const int raw = VirtualMouse::batteryRaw(4100);
    QTest::newRow("on battery") << 0 << false << -1 << args({0, raw & 0xFF, raw >> 8}) << true << false;
    QTest::newRow("charging, write status 1") << 80 << false << 1 << args({80, raw & 0xFF, raw >> 8}) << true << false;
    QTest::newRow("write status 0") << 0 << false << 0 << args({0, raw & 0xFF, raw >> 8}) << true << false;
    QTest::newRow("asleep: all zero") << 0 << true << -1 << args({0, 0, 0}) << false << false;
    // The movement skipped while waiting in vain leaves nothing behind.
    QTest::newRow("reply lost while moving: all zero") << 0 << false << -1 << args({0, 0, 0}) << false << true;
}

void TestStatusThread::statusReplies()
{
    QFETCH(int, charge);
    QFETCH(bool, sleeping);
    QFETCH(int, writeStatus);
    QFETCH(Args, battery);
    QFETCH(bool, writeStatusSent);
    QFETCH(bool, lostWhileMoving);
    ConnectedMouse m(Connection::Cable);
    if (lostWhileMoving) {
        m.mouse().setMotionRate(1000);
        m.mouse().dropReplies(1);
        QTest::qWait(40); // movement queued ahead of the query
    }
    m.mouse().setCharge(uint8_t(charge));
    m.mouse().setSleeping(sleeping);
    m.mouse().setWriteStatus(writeStatus);
    m.mouse().setDeviceMode(8);
    setDeviceModeByte(0);
    KestGetBatteryThread thread;
    QSignalSpy batterySpy(&thread, SIGNAL(RefreshBatteryStatus(quint8, quint8, quint8)));
    QSignalSpy writeSpy(&thread, SIGNAL(RefreshWriteStatus(quint8)));
    QSignalSpy statusSpy(&thread, SIGNAL(RefreshStatus(quint8, quint8, quint8, quint8)));
    runCycles(thread, 3);
    QCOMPARE(batterySpy.size(), 1);
    QCOMPARE(batterySpy.at(0), battery);
    if (writeStatusSent) {
        QCOMPARE(writeSpy.size(), 1);
        QCOMPARE(writeSpy.at(0), args({writeStatus < 0 ? 1 : writeStatus}));
    } else {
        QCOMPARE(writeSpy.size(), 0);
    }
    QCOMPARE(statusSpy.size(), 0);
    QCOMPARE(int(deviceModeByte()), lostWhileMoving ? 0 : 8);
    // The cable's command collection was queried.
    QCOMPARE(m.mouse().writeLog().at(0).connection, Connection::Cable);
    QCOMPARE(m.mouse().writeLog().at(0).bytes.left(4), QByteArray::fromHex("0524fa48"));
}

void TestStatusThread::silentMouse()
{
    ConnectedMouse m;
    m.mouse().dropReplies(1000);
    KestGetBatteryThread thread;
    QSignalSpy batterySpy(&thread, SIGNAL(RefreshBatteryStatus(quint8, quint8, quint8)));
    QVector<int> pauses;
    runCycles(thread, 5, [&](int ms) { pauses.append(ms); });
    QCOMPARE(batterySpy.size(), 1);
    QCOMPARE(batterySpy.at(0), args({0, 0, 0}));
    // The pause after the query, then each listening read waited out.
    QCOMPARE(pauses, (QVector<int>{10, 450, 450, 450, 450, 450}));
}

// A query that never went out, or whose wait a stop overtook, must not call
// the mouse off: that would arrive after the next thread has found it awake.
void TestStatusThread::noOffFromAQueryWithoutItsChance_data()
{
    QTest::addColumn<bool>("failWrites");
    QTest::newRow("query not sent") << true;
    QTest::newRow("stopped while waiting for the reply") << false;
}

void TestStatusThread::noOffFromAQueryWithoutItsChance()
{
    QFETCH(bool, failWrites);
    ConnectedMouse m;
    m.mouse().setFailAllWrites(failWrites);
    m.mouse().dropReplies(1000);
    KestGetBatteryThread thread;
    QSignalSpy batterySpy(&thread, SIGNAL(RefreshBatteryStatus(quint8, quint8, quint8)));
    runCycles(thread, 2, [&](int ms) {
        if (!failWrites && ms == STATUS_WRITE_PAUSE_MS)
            thread.stop();
    });
    QCOMPARE(m.mouse().writeCount(0x48), 1);
    QCOMPARE(batterySpy.size(), 0);
}

void TestStatusThread::queryEvery56Cycles_data()
{
    QTest::addColumn<int>("cycles");
    QTest::addColumn<int>("queries");
    QTest::newRow("first cycle") << 1 << 1;
    QTest::newRow("56 cycles") << 56 << 1;
    QTest::newRow("57 cycles") << 57 << 2;
    QTest::newRow("112 cycles") << 112 << 2;
    QTest::newRow("113 cycles") << 113 << 3;
}

void TestStatusThread::queryEvery56Cycles()
{
    QFETCH(int, cycles);
    QFETCH(int, queries);
    ConnectedMouse m;
    KestGetBatteryThread thread;
    QSignalSpy batterySpy(&thread, SIGNAL(RefreshBatteryStatus(quint8, quint8, quint8)));
    QVector<int> pauses;
    runCycles(thread, cycles, [&](int ms) { pauses.append(ms); });
    QCOMPARE(m.mouse().writeCount(0x48), queries);
    QCOMPARE(batterySpy.size(), queries);
    QCOMPARE(int(std::count(pauses.begin(), pauses.end(), STATUS_WRITE_PAUSE_MS)), queries);
}

void TestStatusThread::stopWaitsForTheLoop()
{
    ConnectedMouse m;
    auto *thread = new KestGetBatteryThread;
    std::atomic_bool inPause{false};
    std::atomic_bool released{false};
    PauseRecorder recorder([&](int) {
        if (QThread::currentThread() != thread)
            return;
        inPause = true;
        // Hold the loop in its pause until the other side lets it go.
        while (!released)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    thread->start();
    while (!inPause)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        released = true;
    });
    thread->stopAndWait();
    const bool releasedBeforeReturn = released;
    releaser.join();
    QVERIFY(releasedBeforeReturn);
    QVERIFY(thread->isFinished());
    const int reads = m.mouse().readCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    QCOMPARE(m.mouse().readCount(), reads);
    delete thread;
}

void TestStatusThread::noHandleEndsAtOnce()
{
    ConnectedMouse m(Connection::None);
    KestGetBatteryThread thread;
    QSignalSpy batterySpy(&thread, SIGNAL(RefreshBatteryStatus(quint8, quint8, quint8)));
    thread.start();
    QVERIFY(thread.wait(10000));
    QCOMPARE(batterySpy.size(), 0);
    QCOMPARE(m.mouse().totalWrites(), 0);
}

void TestStatusThread::downloadStopsAndRestartsTheThread()
{
    ConnectedMouse m;
    KestGetBatteryThread *thread = nullptr;
    QVector<KestGetBatteryThread *> finished;
    bool downloading = false;
    int downloadPauses = 0;
    bool runningDuringDownload = false;
    // Status-thread pauses yield briefly instead of spinning; every pause of
    // the download checks that the stopped thread has really ended.
    PauseRecorder recorder([&](int) {
        if (QThread::currentThread() != QCoreApplication::instance()->thread()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            return;
        }
        if (!downloading)
            return;
        ++downloadPauses;
        for (KestGetBatteryThread *t : finished)
            runningDuringDownload = runningDuringDownload || !t->isFinished();
        runningDuringDownload = runningDuringDownload || thread;
    });
    auto start = [&] {
        downloading = false;
        thread = new KestGetBatteryThread;
        thread->start();
    };
    DownloadLinks links;
    links.stopStatusThread = [&] {
        if (thread) {
            thread->stopAndWait();
            finished.append(thread);
            thread = nullptr;
        }
        downloading = true;
    };
    links.startStatusThread = start;
    struct Cleanup {
        KestGetBatteryThread *&running;
        QVector<KestGetBatteryThread *> &ended;
        ~Cleanup()
        {
            delete running;
            qDeleteAll(ended);
            ended.clear();
        }
    } cleanup{thread, finished};
    start();
    MouseSettings s;
    loadSettings(s);
    QCOMPARE(applyAllSettings(s, ChangeLighting, links), 0);
    QVERIFY(downloadPauses >= 12);
    QVERIFY(!runningDuringDownload);
    QCOMPARE(finished.size(), 1);
    QVERIFY(finished[0]->isFinished());
    QVERIFY(thread);
    QVERIFY(thread->isRunning());

    m.mouse().failWrites(1);
    QCOMPARE(applyAllSettings(s, ChangeLighting, links), 4);
    QVERIFY(!runningDuringDownload);
    QCOMPARE(finished.size(), 2);
    QVERIFY(!thread); // a failed download leaves the thread stopped
}

void TestStatusThread::firstQueryAfterAFullQueue_data()
{
    QTest::addColumn<int>("hz");
    QTest::addColumn<bool>("pressed");
    QTest::newRow("still") << 0 << false;
    QTest::newRow("moving at 1000 Hz") << SIM_MAX_MOTION_HZ << false;
    QTest::newRow("moving, a profile press queued first") << SIM_MAX_MOTION_HZ << true;
}

// A thread started after nobody read the node for a while (start-up, a
// download): its first query still gets its answer.
void TestStatusThread::firstQueryAfterAFullQueue()
{
    QFETCH(int, hz);
    QFETCH(bool, pressed);
    ConnectedMouse m;
    setSleepHook({});
    m.mouse().setInstantTimeouts(false);
    m.mouse().setMotionRate(hz);
    if (pressed)
        m.mouse().pressProfileButton();
    QTest::qWait(150); // more than a queue holds
    KestGetBatteryThread thread;
    QSignalSpy battery(&thread, SIGNAL(RefreshBatteryStatus(quint8, quint8, quint8)));
    QSignalSpy status(&thread, SIGNAL(RefreshStatus(quint8, quint8, quint8, quint8)));
    thread.start();
    QTRY_VERIFY(!battery.isEmpty());
    thread.stopAndWait();
    QCOMPARE(m.mouse().droppedReports() > 0, hz > 0); // the queue was full when the thread began
    const int raw = VirtualMouse::batteryRaw(4100);
    QCOMPARE(battery.at(0), args({0, raw & 0xFF, raw >> 8}));
    QCOMPARE(status.size(), pressed ? 1 : 0);
    QCOMPARE(m.mouse().writeCount(0x48), 1);
}

// A query every 50 ms and a profile press every 100 ms for a second and a
// half, the mouse moving at 1000 Hz: every query answered, every press seen.
void TestStatusThread::movingMouseLosesNoReply()
{
    ConnectedMouse m;
    setSleepHook({});
    m.mouse().setInstantTimeouts(false);
    m.mouse().setReplyDelayMs(1);
    m.mouse().setMotionRate(SIM_MAX_MOTION_HZ);
    g_queries = g_replies = 0;
    installHidTrace(countStatusTraffic);
    StatusTiming fast;
    fast.queryIntervalMs = 50;
    KestGetBatteryThread thread(fast);
    QSignalSpy battery(&thread, SIGNAL(RefreshBatteryStatus(quint8, quint8, quint8)));
    QSignalSpy status(&thread, SIGNAL(RefreshStatus(quint8, quint8, quint8, quint8)));
    thread.start();
    int presses = 0;
    QTimer press;
    connect(&press, &QTimer::timeout, [&] {
        m.mouse().pressProfileButton();
        ++presses;
    });
    press.start(100);
    QTest::qWait(1500);
    press.stop();
    QTest::qWait(100);
    thread.stopAndWait();
    removeHidTrace();
    QVERIFY(g_queries >= 10);
    QCOMPARE(int(g_replies), int(g_queries));
    QCOMPARE(battery.size(), int(g_queries));
    for (const Args &a : battery)
        QVERIFY(a != args({0, 0, 0}));
    QCOMPARE(status.size(), presses);
    QCOMPARE(status.last().at(0).toInt(), presses % 5);
}

void TestStatusThread::requestedQueryIsAnswered()
{
    ConnectedMouse m;
    setSleepHook({});
    m.mouse().setInstantTimeouts(false);
    KestGetBatteryThread thread;
    QSignalSpy battery(&thread, SIGNAL(RefreshBatteryStatus(quint8, quint8, quint8)));
    thread.start();
    QTRY_COMPARE(battery.size(), 1);
    m.mouse().setBatteryMillivolts(3700);
    thread.requestQuery(); // answered within a listening read, not 25 s later
    QTRY_COMPARE_WITH_TIMEOUT(battery.size(), 2, 2000);
    thread.stopAndWait();
    const int raw = VirtualMouse::batteryRaw(3700);
    QCOMPARE(battery.at(1), args({0, raw & 0xFF, raw >> 8}));
}

QTEST_GUILESS_MAIN(TestStatusThread)
#include "tst_statusthread.moc"
