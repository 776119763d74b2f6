// The running program as other programs meet it: what it sees while it
// starts, and the mouse it serves on a private session bus to mousectl,
// which runs as a process of its own.
#include "app/DeviceNotices.h"
#include "app/MouseBusService.h"
#include "app/Startup.h"
#include "device/CommandProtocol.h"
#include "device/DeviceTable.h"
#include "device/HidSeam.h"
#include "device/MouseConnection.h"
#include "sim/VirtualHidApi.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MessageWatcher.h"
#include "tests/support/VirtualMouseFixture.h"
#include "ui/main/MousecfgWidget.h"
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace {

// The mouse moves while the window starts: a plug or a pull right after the
// window's first enumeration has looked.
Connection g_afterFirstLook = Connection::None;
bool g_plugAfterFirstLook = true;
HidApi g_racingTable;

hid_device_info *enumerateThenChange(unsigned short vendorId, unsigned short productId)
{
    hid_device_info *found = virtualHidApi().enumerate(vendorId, productId);
    if (g_afterFirstLook != Connection::None) {
        const Connection which = std::exchange(g_afterFirstLook, Connection::None);
        if (g_plugAfterFirstLook)
            virtualMouse().plug(which);
        else
            virtualMouse().unplug(which);
    }
    return found;
}

struct CtlRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs mousectl while this process's event loop serves the bus.
CtlRun runCtl(const QStringList &arguments)
{
    QProcess process;
    process.start(qEnvironmentVariable("MOUSECFG_APPDIR") + QStringLiteral("/mousectl"), arguments);
    QSignalSpy finished(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
    CtlRun run;
    if (!finished.wait(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// Every area the mouse keeps, in one piece.
QByteArray mouseAreas()
{
    QByteArray all;
    for (int area = 1; area <= MEMORY_AREA_COUNT; ++area)
        all += virtualMouse().area(MemoryArea(area));
    return all;
}

bool copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() ? !copyFolder(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

} // namespace

class TestRunningInstance : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppDirFixture> m_app;
    std::unique_ptr<VirtualMouseFixture> m_mouse;
    std::unique_ptr<MessageWatcher> m_messages;
    std::unique_ptr<MousecfgWidget> m_window;

    // The window with its service on the bus, as the program starts it.
    void startInstance(Connection attached)
    {
        m_mouse = std::make_unique<VirtualMouseFixture>(attached);
        DeviceNotices notices;
        m_window.reset(createWindow(notices));
        auto *service = new MouseBusService(*m_window);
        QVERIFY(service->publish(descriptionProductName()));
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QProcess::ExitStatus>();
    }

    void init()
    {
        m_app = std::make_unique<AppDirFixture>(AppDirFixture::DemoData);
        QVERIFY(m_app->isValid());
        m_messages = std::make_unique<MessageWatcher>();
    }

    void cleanup()
    {
        m_window.reset();
        setHidApi(nullptr);
        m_messages.reset();
        m_mouse.reset();
        m_app.reset();
    }

    void changeWhileStartingIsSeen_data()
    {
        QTest::addColumn<int>("attached");
        QTest::addColumn<int>("changed");
        QTest::addColumn<bool>("plug");
        QTest::addColumn<int>("mice");
        QTest::newRow("receiver plugged") << int(Connection::None) << int(Connection::Receiver) << true << 1;
        QTest::newRow("cable plugged") << int(Connection::None) << int(Connection::Cable) << true << 1;
        QTest::newRow("receiver pulled") << int(Connection::Receiver) << int(Connection::Receiver) << false << 0;
    }
    void changeWhileStartingIsSeen()
    {
        QFETCH(int, attached);
        QFETCH(int, changed);
        QFETCH(bool, plug);
        QFETCH(int, mice);
        m_mouse = std::make_unique<VirtualMouseFixture>(Connection(attached));
        g_racingTable = virtualHidApi();
        g_racingTable.enumerate = enumerateThenChange;
        setHidApi(&g_racingTable);
        g_afterFirstLook = Connection(changed);
        g_plugAfterFirstLook = plug;

        DeviceNotices notices;
        QObject::connect(&virtualMouse(), &VirtualMouse::interfaceChanged, &notices, &DeviceNotices::notice);
        m_window.reset(createWindow(notices));
        // The first look saw the mouse as it was (a pulled one fails to open at once);
        // the notice waits for the event loop.
        if (plug)
            QCOMPARE(m_window->mouseCount(), 0);
        QVERIFY(notices.waiting() > 0);
        QTRY_COMPARE(m_window->mouseCount(), mice);
        QCOMPARE(m_window->connection()->commandHandleOpen(), mice == 1);
        QTRY_COMPARE(m_window->statusThreadRunning(), mice == 1);
        m_window.reset();
    }

    // The shell's commands through the running window print and exit as they
    // do on a mouse of their own (a virtual one in a copy of the folder).
    void shellAnswersAsOnItsOwn_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("status") << QStringList{"status"};
        QTest::newRow("status --json") << QStringList{"status", "--json"};
        QTest::newRow("apply all") << QStringList{"apply", "all"};
        QTest::newRow("apply dpi,buttons") << QStringList{"apply", "dpi,buttons"};
        QTest::newRow("profile 3") << QStringList{"profile", "3"};
        QTest::newRow("set --apply") << QStringList{"set", "dpi.2.x", "3200", "--apply"};
    }
    void shellAnswersAsOnItsOwn()
    {
        QFETCH(QStringList, command);
        QVERIFY2(sessionBusConfigured(), "needs a session bus: run under dbus-run-session");
        QTemporaryDir twin;
        QVERIFY(copyFolder(m_app->path(), twin.path()));
        startInstance(Connection::Receiver);

        const CtlRun alone = runCtl(QStringList{"--app-dir", twin.path(), "--virtual"} + command);
        const CtlRun through = runCtl(QStringList{"--app-dir", m_app->path(), "--trace"} + command);
        QCOMPARE(through.exitCode, alone.exitCode);
        QCOMPARE(through.err, alone.err);
        // Nothing traced: mousectl wrote and read no report of its own.
        QCOMPARE(through.out, alone.out);
        QCOMPARE(virtualMouse().refusedCommands(), 0);
        QCOMPARE(virtualMouse().handleFaults(), 0);
        QCOMPARE(readDiffFlag(), 0);
    }

    void shellWithoutMouseIsTold()
    {
        QVERIFY2(sessionBusConfigured(), "needs a session bus: run under dbus-run-session");
        startInstance(Connection::None);
        const CtlRun run = runCtl({"--app-dir", m_app->path(), "--trace", "apply", "all"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QByteArray("mousectl: apply: no mouse found\n"));
        QCOMPARE(run.out, QByteArray());
    }

    // While the window runs, set --apply leaves the window's mouse with what
    // a full apply of the stored settings sends, and the window shows it.
    void setApplyReachesTheWindowsMouse()
    {
        QVERIFY2(sessionBusConfigured(), "needs a session bus: run under dbus-run-session");
        startInstance(Connection::Receiver);
        // The mouse holds the files' settings, as after an Apply in the window.
        bool diffSaved = false;
        QCOMPARE(m_window->applyStored(ChangeAll, diffSaved), 0);
        QVERIFY(diffSaved);
        virtualMouse().resetCounters();

        const CtlRun run = runCtl({"--app-dir", m_app->path(), "--trace", "set", "dpi.2.x", "3200", "light.effect",
                                   "BREATHING", "--apply"});
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(virtualMouse().refusedCommands(), 0);
        QVERIFY(virtualMouse().writeCount(0x02) > 0);
        const QByteArray held = mouseAreas();
        MouseSettings stored;
        QVERIFY(loadSettings(stored));
        QCOMPARE(m_window->appliedSettings().profiles[activeSlot(stored)].dpiInfo[1].x,
                 stored.profiles[activeSlot(stored)].dpiInfo[1].x);
        QCOMPARE(readDiffFlag(), 0);
        m_window.reset();

        // What a full apply sends to a fresh mouse.
        virtualMouse().reset(Connection::Receiver);
        loadDeviceTable();
        enumerateDevices();
        openDeviceByName(currentProductName());
        QCOMPARE(applyAllSettings(stored, ChangeAll), 0);
        closeDevice();
        QCOMPARE(held, mouseAreas());
    }
};

QTEST_MAIN(TestRunningInstance)
#include "tst_runninginstance.moc"
