// The main window driven against the virtual mouse: start-up, status display,
// Apply, failures and hot-plug.
#include "device/DeviceTable.h"
#include "device/HidSeam.h"
#include "device/MouseConnection.h"
#include "device/SendCommand.h"
#include "platform/SingleInstance.h"
#include "platform/Sleep.h"
#include "sim/VirtualMouse.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MessageWatcher.h"
#include "tests/support/VirtualMouseFixture.h"
#include "ui/kit/KestLabel.h"
#include "ui/kit/KestMessageBox.h"
#include "ui/kit/KestProcessbar.h"
#include "ui/kit/KestPushButton.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/buttons/KestBtnWindow.h"
#include "ui/panels/KestColorWindow.h"
#include "ui/panels/KestDPIWindow.h"
#include "ui/panels/KestReportRate.h"
#include "ui/panels/KestSingleDPI.h"
#include "ui/panels/KestTwoBarSlider.h"
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <mutex>

namespace {
// The status queries and replies in the order they pass the HID seam: q, r.
std::mutex g_trafficMutex;
QString g_statusTraffic;
void recordStatusTraffic(char direction, const unsigned char *data, size_t length)
{
    if (length > 3 && data[3] == 0x48) {
        std::lock_guard<std::mutex> lock(g_trafficMutex);
        g_statusTraffic += direction == '>' ? 'q' : 'r';
    }
}

// Plugs or unplugs, with the notifications a system sends for it.
void attach(MousecfgWidget &window, Connection which, bool on)
{
    const QMetaObject::Connection c = QObject::connect(&virtualMouse(), &VirtualMouse::interfaceChanged, &window,
                                                       &MousecfgWidget::handleDeviceChange);
    if (on)
        virtualMouse().plug(which);
    else
        virtualMouse().unplug(which);
    QObject::disconnect(c);
}
}

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppDirFixture> m_app;
    std::unique_ptr<VirtualMouseFixture> m_mouse;
    std::unique_ptr<MessageWatcher> m_messages;

    std::unique_ptr<MousecfgWidget> openWindow(Connection attached)
    {
        m_mouse = std::make_unique<VirtualMouseFixture>(attached);
        auto window = std::make_unique<MousecfgWidget>();
        window->show();
        return window;
    }

private slots:
    void init()
    {
        m_app = std::make_unique<AppDirFixture>(AppDirFixture::DemoData);
        QVERIFY(m_app->isValid());
        m_messages = std::make_unique<MessageWatcher>();
    }

    void cleanup()
    {
        m_messages.reset();
        m_mouse.reset();
        m_app.reset();
    }

    void startsWithReceiverAndShowsBattery()
    {
        auto window = openWindow(Connection::Receiver);
        QCOMPARE(window->mouseCount(), 1);
        QCOMPARE(window->connectMode(), 2);
        QVERIFY(window->receiverIcon()->isVisibleTo(window.get()));
        QVERIFY(window->batteryBar()->isVisibleTo(window.get()));
        // The status thread queries at once: 4100 mV is raw 994, 90 %.
        QTRY_COMPARE(window->batteryPercent(), 90);
        QCOMPARE(batteryPercent(), 90);

        window->slotRefreshBatteryStatus(0, 993 & 0xFF, 993 >> 8);
        QCOMPARE(window->batteryPercent(), 80);
        QCOMPARE(window->batteryBar()->value(), 80);
        window->slotRefreshBatteryStatus(1, 994 & 0xFF, 994 >> 8);
        QCOMPARE(window->batteryPercent(), 90);
        QVERIFY(window->chargingIcon()->isVisibleTo(window.get()));
        QVERIFY(m_messages->texts().isEmpty());
    }

    void applyWithoutChangesSendsNothing()
    {
        auto window = openWindow(Connection::Receiver);
        virtualMouse().resetCounters();
        window->apply();
        QCOMPARE(virtualMouse().writeCount(0x46), 0);
        QCOMPARE(virtualMouse().writeCount(0x01), 0);
        QVERIFY(m_messages->texts().isEmpty());
        QVERIFY(window->applyNotice()->isVisible());
        QCOMPARE(window->applyNotice()->text(), QString("Nothing to send"));
    }

    void appliedChangeReachesTheMouse()
    {
        auto window = openWindow(Connection::Receiver);
        window->workingSettings().profiles[0].pollrate = 2;
        window->workingSettings().profiles[0].scrollSpeed = 3;
        window->apply();
        const BasicSettingsView basic = virtualMouse().basicSettings();
        QCOMPARE(int(basic.pollRate[0]), 2);
        QCOMPARE(int(basic.scrollSpeed[0]), 3);
        QVERIFY(!virtualMouse().writeOpen());
        QCOMPARE(readDiffFlag(), 0);
        QCOMPARE(int(window->appliedSettings().profiles[0].pollrate), 2);
        QCOMPARE(window->applyNotice()->text(), QString("Sent: rate and speeds"));
        // A successful download starts the status thread again.
        QTRY_VERIFY(window->statusThreadRunning());
        QVERIFY(m_messages->texts().isEmpty());
    }

    void failedWriteForcesTheNextApply()
    {
        auto window = openWindow(Connection::Receiver);
        window->workingSettings().profiles[0].pollrate = 4;
        virtualMouse().setFailAllWrites(true);
        window->apply();
        QCOMPARE(m_messages->texts(), QStringList{"Send data failed, please try again."});
        QCOMPARE(readDiffFlag(), 1);

        virtualMouse().setFailAllWrites(false);
        // The status query that failed with the writes, or a restart cut
        // short, calls the mouse neither off now nor during the next Apply.
        window->stopStatusThread();
        QCoreApplication::processEvents();
        window->startStatusThread();
        QTRY_VERIFY(window->batteryBar()->overlayText().isEmpty());
        virtualMouse().resetCounters();
        window->apply(); // nothing changed since, but every group goes out
        for (int opcode : {0x01, 0x02, 0x03, 0x04, 0x40})
            QVERIFY2(virtualMouse().writeCount(opcode) > 0, qPrintable(QString::number(opcode, 16)));
        QCOMPARE(int(virtualMouse().basicSettings().pollRate[0]), 4);
        QCOMPARE(readDiffFlag(), 0);
        QCOMPARE(m_messages->texts().size(), 1);
        QCoreApplication::processEvents();
        QVERIFY(window->batteryBar()->overlayText().isEmpty());
    }

    void sleepingMouseRefusesWrites()
    {
        auto window = openWindow(Connection::Receiver);
        virtualMouse().setSleeping(true);
        window->stopStatusThread();
        window->startStatusThread(); // queries at once
        QTRY_COMPARE(window->batteryBar()->overlayText(), QString("MOUSE OFF"));
        window->workingSettings().profiles[0].pollrate = 8;
        virtualMouse().resetCounters();
        window->apply();
        QCOMPARE(m_messages->texts(), QStringList{"Mouse is sleeping or not connected."});
        QCOMPARE(virtualMouse().writeCount(0x46), 0);
    }

    // A receiver whose node this user may not open is told once, with the node
    // and what to do; the window claims no mouse and Apply says the same. Once
    // the node may be opened, a plug connects as usual.
    void refusedOpenIsToldOnceAndNotConnected()
    {
        m_mouse = std::make_unique<VirtualMouseFixture>(Connection::Receiver);
        virtualMouse().setDenyOpens(true);
        const QString node = virtualMouse().devicePath(Connection::Receiver, Collection::Interface);
        auto window = std::make_unique<MousecfgWidget>();
        window->show();
        QTRY_COMPARE(m_messages->texts().size(), 1);
        const QString told = m_messages->texts().first();
        for (const QString &part : {"at " + node + ",", QString("permission denied"), QString("udev rule")})
            QVERIFY2(told.contains(part), qPrintable(told));
        QCOMPARE(window->mouseCount(), 0);
        QVERIFY(!window->receiverIcon()->isVisibleTo(window.get()));
        QVERIFY(!window->statusThreadRunning());
        // The same node announced again is not told again, and no "Dongle Disconnect!" follows.
        window->handleDeviceChange(virtualMouse().notificationNames(Connection::Receiver).first(), true);
        QTest::qWait(600);
        QCOMPARE(m_messages->texts().size(), 1);

        window->workingSettings().profiles[0].pollrate = 4;
        window->apply();
        QCOMPARE(m_messages->texts(), (QStringList{told, told}));
        QCOMPARE(virtualMouse().totalWrites(), 0);

        virtualMouse().setDenyOpens(false);
        attach(*window, Connection::Receiver, false);
        attach(*window, Connection::Receiver, true);
        QTRY_COMPARE(window->mouseCount(), 1);
        QTRY_VERIFY(window->statusThreadRunning());
        QVERIFY(window->receiverIcon()->isVisibleTo(window.get()));
        QTRY_COMPARE(window->batteryPercent(), 90);
        // Back before any box could say it was gone: nothing more is told.
        QTest::qWait(300);
        QCOMPARE(m_messages->texts().size(), 2);
        QCOMPARE(virtualMouse().handleFaults(), 0);
    }

    void cableArrivalIsTakenAtOnce()
    {
        // One notification of the node is enough: what is attached is enumerated anew.
        auto window = openWindow(Connection::Receiver);
        virtualMouse().plug(Connection::Cable);
        window->handleDeviceChange(virtualMouse().notificationNames(Connection::Cable).first(), true);
        QCOMPARE(window->connectMode(), 1);
        QVERIFY(collectionFound(4));
        QCOMPARE(readDiffFlag(), 1); // a newly attached mouse forces the next apply
        QCOMPARE(virtualMouse().handleFaults(), 0);
    }

    void cableOnlyHidesTheBatteryBar()
    {
        auto window = openWindow(Connection::Cable);
        QCOMPARE(window->connectMode(), 0);
        QVERIFY(!window->batteryBar()->isVisibleTo(window.get()));
        QVERIFY(!window->receiverIcon()->isVisibleTo(window.get()));
        QVERIFY(window->cableIcon()->isVisibleTo(window.get()));
        window->slotRefreshBatteryStatus(0, 900 & 0xFF, 900 >> 8);
        QCOMPARE(window->batteryBar()->value(), 100);
    }

    void trayOffersTheWindowAndTheSlots()
    {
        auto window = openWindow(Connection::Cable);
        auto *tray = window->findChild<QSystemTrayIcon *>();
        QVERIFY(tray && tray->contextMenu());
        QVERIFY2(tray->toolTip().contains("by cable"), qPrintable(tray->toolTip()));
        QStringList texts;
        QList<QAction *> entries;
        for (QAction *action : tray->contextMenu()->actions()) {
            if (!action->isSeparator()) {
                texts << action->text();
                entries << action;
            }
        }
        QCOMPARE(texts, QStringList({"&Load Config", "Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5", "&Quit"}));
        QVERIFY(entries[1 + window->workingSettings().profileId]->isChecked());
        entries[3]->trigger();
        QCOMPARE(int(window->workingSettings().profileId), 2);
        QVERIFY(entries[3]->isChecked());
        QVERIFY(!entries[1]->isChecked());
        window->hide();
        entries[0]->trigger();
        QTRY_VERIFY(window->isVisible());
        QVERIFY(m_messages->texts().isEmpty());
    }

    void losingTheLastMouseWarnsUntilItReturns()
    {
        auto window = openWindow(Connection::Receiver);
        QString seen;
        m_messages->hold(true);
        QTimer::singleShot(200, [&] { attach(*window, Connection::Receiver, false); });
        // While the box is open its message is read, then the receiver comes back.
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (seen.isEmpty() && !MessageWatcher::openMessage().isEmpty()) {
                seen = MessageWatcher::openMessage();
                attach(*window, Connection::Receiver, true);
            }
        });
        poll.start(20);
        QTRY_COMPARE_WITH_TIMEOUT(seen, QString("Dongle Disconnect!"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!g_bWarnVisible, 5000);
        QVERIFY(MessageWatcher::openMessage().isEmpty());
        QCOMPARE(window->mouseCount(), 1);
        QVERIFY(window->isVisible());
        QTRY_VERIFY(window->statusThreadRunning());
    }

    void twoMiceOfferTheSelectionMenu()
    {
        auto window = openWindow(Connection::Receiver);
        QVERIFY(!window->mouseSelectButton()->isVisibleTo(window.get()));
        SupportedModel other = supportedModel(0);
        other.deviceName = "OTHER";
        QVERIFY(addSupportedModel(other));
        window->handleDeviceChange(virtualMouse().notificationNames(Connection::Receiver).last(), true);
        QCOMPARE(window->mouseCount(), 2);
        QVERIFY(window->mouseSelectButton()->isVisibleTo(window.get()));
        QCOMPARE(window->mouseMenu()->actions().size(), 2);
        QCOMPARE(currentProductName(), QString("TREVIK"));
        QCOMPARE(window->mouseSelectButton()->text(), QString("TREVIK"));
    }

    // The notice is the profile's, and the new slot's DPI stages and key
    // table reach the mouse; its stage is the slot's, not the old one's.
    void mouseProfileButtonSwitchesTheSlot()
    {
        auto window = openWindow(Connection::Receiver);
        QCOMPARE(int(window->workingSettings().profileId), 0);
        window->workingSettings().profiles[1].dpiInfo[0].used = 1;
        window->workingSettings().profiles[1].dpi = 3;
        QTRY_COMPARE(window->batteryPercent(), 90);
        virtualMouse().resetCounters();
        QSignalSpy osd(window.get(), &MousecfgWidget::osdText);
        virtualMouse().pressProfileButton(); // reports stage 0
        QTRY_COMPARE_WITH_TIMEOUT(int(window->workingSettings().profileId), 1, 5000);
        QTRY_VERIFY(virtualMouse().writeCount(0x03) > 0 && !virtualMouse().writeOpen());
        QTest::qWait(200);
        QCOMPARE(osd.size(), 1);
        QCOMPARE(osd.at(0).at(0).toString(), QString("Profile 2"));
        QVERIFY(virtualMouse().writeCount(0x02) > 0);
        QCOMPARE(int(virtualMouse().dpiTable().stages[0].used), 1);
        QCOMPARE(int(window->workingSettings().profiles[1].dpi), 3);
        QCOMPARE(virtualMouse().writeCount(0x44), 0); // the mouse chose the slot itself
        QCOMPARE(virtualMouse().activeProfile(), 1);
        QSettings config(configFilePath(), QSettings::IniFormat);
        QCOMPARE(config.value("Config/ProfileID").toInt(), 1);
        QVERIFY(m_messages->texts().isEmpty());
    }

    void unwritableConfigIsReportedAndNothingSent()
    {
        auto window = openWindow(Connection::Receiver);
        // A folder that is a file cannot be written, not even by root.
        QVERIFY(QFileInfo(m_app->filePath("Configs/Config.ini")).isFile());
        QVERIFY(QDir(m_app->filePath("Configs")).removeRecursively());
        QVERIFY(writeFileBytes(m_app->path() + "/Configs", "not a folder"));
        window->workingSettings().profiles[0].pollrate = 2;
        virtualMouse().resetCounters();
        window->apply();
        QVERIFY(m_messages->texts().filter("Nothing was sent to the mouse.").size() == 1);
        QCOMPARE(virtualMouse().writeCount(0x46), 0);
    }

    // ---- journeys on the strict virtual mouse ----

    void trayStartWithoutMouseThenReceiver()
    {
        m_mouse = std::make_unique<VirtualMouseFixture>(Connection::None);
        MousecfgWidget window; // as in the tray: never shown
        window.setStartedInTray(true);
        QTest::qWait(400); // past the start-up check: no "Dongle Disconnect!" box for a tray start
        QVERIFY(m_messages->texts().isEmpty());
        QVERIFY(window.isHidden());
        attach(window, Connection::Receiver, true);
        QTRY_VERIFY(window.warnCanClose());
        window.workingSettings().profiles[0].pollrate = 2;
        window.apply();
        QCOMPARE(int(virtualMouse().basicSettings().pollRate[0]), 2);
        QVERIFY(!m_messages->texts().contains("Send data failed, please try again."));
        QCOMPARE(virtualMouse().handleFaults(), 0);
        QCOMPARE(virtualMouse().refusedCommands(), 0);
    }

    void receiverCableReceiverWhileRunning()
    {
        auto window = openWindow(Connection::Receiver);
        const struct { Connection which; bool on; int mode; } steps[] = {
            {Connection::Cable, true, 1}, {Connection::Receiver, false, 0},
            {Connection::Receiver, true, 1}, {Connection::Cable, false, 2},
        };
        for (const auto &step : steps) {
            attach(*window, step.which, step.on);
            QCOMPARE(window->connectMode(), step.mode);
            QTRY_VERIFY(window->statusThreadRunning());
            window->workingSettings().profiles[0].scrollSpeed = uint8_t(window->connectMode() + 1);
            window->apply();
            QCOMPARE(int(virtualMouse().basicSettings().scrollSpeed[0]), window->connectMode() + 1);
        }
        QCOMPARE(virtualMouse().writeLog().last().connection, Connection::Receiver);
        QVERIFY(m_messages->texts().isEmpty());
        QCOMPARE(virtualMouse().handleFaults(), 0);
    }

    void unplugDuringDownloadThenReplug()
    {
        auto window = openWindow(Connection::Receiver);
        // The receiver goes away at the fifth packet of the download.
        std::atomic_int packets{0};
        setSleepHook([&](int ms) {
            if (ms == SEND_WRITE_PAUSE_MS && ++packets == 5)
                virtualMouse().unplug(Connection::Receiver);
        });
        const QMetaObject::Connection c = connect(&virtualMouse(), &VirtualMouse::interfaceChanged, window.get(),
                                                  &MousecfgWidget::handleDeviceChange);
        window->runWrite(true);
        setSleepHook({});
        QCOMPARE(m_messages->texts().value(0), QString("Send data failed, please try again."));
        QTRY_COMPARE(window->mouseCount(), 0);
        QTRY_VERIFY(m_messages->texts().contains("Dongle Disconnect!"));
        QCOMPARE(readDiffFlag(), 1);

        virtualMouse().plug(Connection::Receiver);
        disconnect(c);
        QTRY_VERIFY(window->warnCanClose());
        virtualMouse().resetCounters();
        window->apply(); // nothing edited, yet everything goes out
        for (int opcode : {0x01, 0x02, 0x03, 0x04, 0x40})
            QVERIFY2(virtualMouse().writeCount(opcode) > 0, qPrintable(QString::number(opcode, 16)));
        QVERIFY(!virtualMouse().writeOpen());
        QCOMPARE(virtualMouse().handleFaults(), 0);
    }

    void movingMouseKeepsApplyAndStatus()
    {
        auto window = openWindow(Connection::Receiver);
        virtualMouse().setInstantTimeouts(false);
        virtualMouse().setReplyDelayMs(1);
        window->runWrite(true);
        const QString still = virtualMouse().dumpJson();
        const int stillWrites = virtualMouse().writeCount();

        virtualMouse().setMotionRate(SIM_MAX_MOTION_HZ);
        virtualMouse().resetCounters();
        window->runWrite(true);
        QCOMPARE(virtualMouse().dumpJson(), still); // the same bytes, and nothing refused
        // Each packet at most once more (a reply lost behind a full queue on a busy machine).
        QVERIFY(virtualMouse().writeCount() <= 2 * stillWrites);

        // The mouse's own profile button, and the battery, while it moves.
        QTRY_VERIFY(window->statusThreadRunning());
        virtualMouse().pressProfileButton();
        QTRY_COMPARE_WITH_TIMEOUT(int(window->workingSettings().profileId), 1, 1000);
        virtualMouse().setBatteryMillivolts(3700);
        window->stopStatusThread();
        window->startStatusThread();
        QTRY_VERIFY_WITH_TIMEOUT(window->batteryPercent() < 90, 2000);
        QVERIFY(m_messages->texts().isEmpty());
        QCOMPARE(virtualMouse().handleFaults(), 0);
    }

    // Apply while the mouse moves at 1000 Hz, then status at twenty times the
    // pace (a query every 50 ms for three seconds, the queries of an hour):
    // never "MOUSE OFF", every query followed by its reply.
    void applyWhileMovingThenStatusStaysOn()
    {
        auto window = openWindow(Connection::Receiver);
        virtualMouse().setInstantTimeouts(false);
        virtualMouse().setReplyDelayMs(1);
        StatusTiming fast;
        fast.queryIntervalMs = 50;
        window->connection()->setStatusTiming(fast);
        window->stopStatusThread();
        virtualMouse().setMotionRate(SIM_MAX_MOTION_HZ);
        QTest::qWait(100); // the queues are full before anything reads them
        g_statusTraffic.clear();
        installHidTrace(recordStatusTraffic);
        QSignalSpy battery(window->connection(), SIGNAL(RefreshBatteryStatus(quint8, quint8, quint8)));
        window->startStatusThread();
        window->workingSettings().profiles[0].pollrate = 2;
        window->apply();
        QTest::qWait(3000);
        window->stopStatusThread();
        removeHidTrace();
        QCoreApplication::processEvents();
        QCOMPARE(int(virtualMouse().basicSettings().pollRate[0]), 2);
        const int queries = int(g_statusTraffic.count('q'));
        QVERIFY2(queries >= 30, qPrintable(g_statusTraffic));
        QCOMPARE(g_statusTraffic, QString("qr").repeated(queries));
        QVERIFY(!battery.isEmpty());
        for (const QList<QVariant> &report : battery)
            QVERIFY(report.at(0).toInt() + report.at(1).toInt() + report.at(2).toInt() > 0);
        QVERIFY(window->batteryBar()->overlayText().isEmpty());
        QVERIFY(m_messages->texts().isEmpty());
        QCOMPARE(virtualMouse().refusedCommands(), 0);
    }

    // The slot menu while the receiver takes no reports for a while: the
    // window keeps handling events during the stall, and the slot goes out.
    void stalledWriteLeavesTheWindowResponsive()
    {
        auto window = openWindow(Connection::Receiver);
        QTRY_COMPARE(window->batteryPercent(), 90); // the first query is answered
        virtualMouse().stallWrites(1, 1500);
        int ticksWhileStalled = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, [&] { ticksWhileStalled += virtualMouse().writesStalling() > 0; });
        tick.start(20);
        window->chooseSlot(2);
        QVERIFY(ticksWhileStalled > 0);
        QCOMPARE(virtualMouse().activeProfile(), 2);
        QVERIFY(virtualMouse().writeCount(0x03) > 0);
        QVERIFY(m_messages->texts().isEmpty());
        QCOMPARE(virtualMouse().handleFaults(), 0);
    }

    void failedDownloadKeepsTheStatusThread()
    {
        auto window = openWindow(Connection::Receiver);
        window->workingSettings().profiles[0].pollrate = 4;
        virtualMouse().failWrites(1); // the begin write
        window->apply();
        QCOMPARE(m_messages->texts(), QStringList{"Send data failed, please try again."});
        QTRY_VERIFY(window->statusThreadRunning());
        virtualMouse().pressProfileButton();
        QTRY_COMPARE_WITH_TIMEOUT(int(window->workingSettings().profileId), 1, 2000);
        QCOMPARE(virtualMouse().handleFaults(), 0);
    }

    void closingWithoutATrayKeepsTheWindowReachable()
    {
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable()); // as on a desktop without a tray
        auto window = openWindow(Connection::Receiver);
        window->button("closeButton")->click();
        QVERIFY(window->isVisible());
        QVERIFY(window->isMinimized());
        window->bringToFront(); // what a second start asks for
        QVERIFY(window->isVisible());
        QVERIFY(!window->isMinimized());
    }

    void lightingModeFromTheMouseShowsOnItsPage()
    {
        auto window = openWindow(Connection::Receiver);
        auto *lighting = window->findChild<KestColorWindow *>();
        const QString before = lighting->effectButton()->text();
        window->slotRefreshLightMode(3);
        QCOMPARE(int(window->workingSettings().profiles[0].ledMode), 3);
        QVERIFY(lighting->effectButton()->text() != before);
        window->slotRefreshLightMode(LED_MODE_COUNT); // garbled: ignored
        QCOMPARE(int(window->workingSettings().profiles[0].ledMode), 3);
        QCOMPARE(diffSettings(window->workingSettings(), window->appliedSettings()) & ChangeLighting, 0);
    }

    // With the window open, what mousectl set stores shows on the pages at
    // once; the mouse's contents are unknown since, so Apply sends everything.
    void shellSettingsShowOnThePages()
    {
        QTemporaryDir runtime; // where the window listens, shared with mousectl
        const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        auto window = openWindow(Connection::Receiver);
        ActivationListener listener;
        connect(&listener, &ActivationListener::settingsChanged, window.get(), &MousecfgWidget::reloadStoredSettings);
        QVERIFY(listener.listen(SingleInstanceLock(instanceMutexName(descriptionProductName())).activationSocketPath()));

        QProcess ctl;
        QSignalSpy finished(&ctl, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
        ctl.start(qEnvironmentVariable("MOUSECFG_APPDIR") + QStringLiteral("/mousectl"),
                  {QStringLiteral("--app-dir"), m_app->path(), QStringLiteral("set"), QStringLiteral("rate"),
                   QStringLiteral("500"), QStringLiteral("lift-off"), QStringLiteral("1"), QStringLiteral("dpi.2.y"),
                   QStringLiteral("2000"), QStringLiteral("scroll-speed"), QStringLiteral("7"),
                   QStringLiteral("light.effect"), QStringLiteral("BREATHING"), QStringLiteral("button.2"),
                   QStringLiteral("Mute")});
        QVERIFY(finished.wait(60000));
        if (runtimeBefore.isNull())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", runtimeBefore);
        QCOMPARE(ctl.exitCode(), 0);

        window->selectPage(2);
        QTRY_COMPARE(window->findChild<KestReportRate *>()->rateText(), QStringLiteral("500 HZ"));
        auto *rate = window->findChild<KestReportRate *>();
        QVERIFY(rate->liftButton(0)->isChecked()); // 1 mm
        QCOMPARE(window->findChild<KestSingleDPI *>(QStringLiteral("dpiStage1"))->valueLabel()->text(),
                 QStringLiteral("DPI : 2000"));
        QCOMPARE(window->findChild<QSpinBox *>(QStringLiteral("scrollSpeedSpinBox"))->value(), 7);
        QCOMPARE(window->findChild<KestColorWindow *>()->effectButton()->text(), QStringLiteral("BREATHING"));
        int muteLabels = 0;
        for (const KestPushButton *button : window->findChild<KestBtnWindow *>()->findChildren<KestPushButton *>())
            muteLabels += button->text() == QStringLiteral("Mute");
        QCOMPARE(muteLabels, 1);

        window->apply();
        QCOMPARE(int(virtualMouse().basicSettings().pollRate[0]), 2);
        for (int opcode : {0x01, 0x02, 0x03, 0x04})
            QVERIFY(virtualMouse().writeCount(opcode) > 0);
        QCOMPARE(readDiffFlag(), 0);
    }

    // mousectl stores while the window holds an edit not yet applied: the
    // window takes what was stored in its own folder and keeps the edit; a
    // command that stored nothing, or stored in another folder, leaves it be.
    void storedSettingsKeepTheUnappliedEdits_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("otherFolder");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("reloaded");
        QTest::newRow("stored here") << "set rate 500" << false << 0 << true;
        QTest::newRow("failed") << "import /nonexistent/settings.conf" << false << 74 << false;
        QTest::newRow("stored in another folder") << "set rate 500" << true << 0 << false;
    }
    void storedSettingsKeepTheUnappliedEdits()
    {
        QFETCH(QString, command);
        QFETCH(bool, otherFolder);
        QFETCH(int, exitCode);
        QFETCH(bool, reloaded);
        QTemporaryDir other;
        for (const char *file : {"DefaultProfile.bin", "Configs/Config.ini"})
            QVERIFY(writeFileBytes(other.filePath(file), readFileBytes(m_app->filePath(file))));
        QTemporaryDir runtime; // where the window listens, shared with mousectl
        const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        auto window = openWindow(Connection::Receiver);
        ActivationListener listener;
        QSignalSpy changed(&listener, &ActivationListener::settingsChanged);
        connect(&listener, &ActivationListener::settingsChanged, window.get(), &MousecfgWidget::reloadStoredSettings);
        QVERIFY(listener.listen(SingleInstanceLock(instanceMutexName(descriptionProductName())).activationSocketPath()));
        const ProfileData before = window->workingSettings().profiles[0];
        window->selectPage(2);
        const QString rateBefore = window->findChild<KestReportRate *>()->rateText();
        window->findChild<KestDPIWindow *>()->row(1)->slider()->linkedSlider()->setValue(40);

        QProcess ctl;
        QSignalSpy finished(&ctl, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
        ctl.start(qEnvironmentVariable("MOUSECFG_APPDIR") + QStringLiteral("/mousectl"),
                  QStringList{QStringLiteral("--app-dir"), otherFolder ? other.path() : m_app->path()}
                      + command.split(QLatin1Char(' ')));
        QVERIFY(finished.wait(60000));
        runtimeBefore.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", runtimeBefore);
        QCOMPARE(ctl.exitCode(), exitCode);
        // The sender waits until the window has read the message.
        QCOMPARE(changed.size(), reloaded ? 1 : 0);

        QCOMPARE(window->findChild<KestReportRate *>()->rateText(), reloaded ? QStringLiteral("500 HZ") : rateBefore);
        window->apply();
        QCOMPARE(int(window->appliedSettings().profiles[0].pollrate), reloaded ? 2 : int(before.pollrate));
        QCOMPARE(window->appliedSettings().profiles[0].dpiInfo[1].x, 40u);
    }

    void slotMenuSendsTheSlotsTablesAtOnce()
    {
        auto window = openWindow(Connection::Receiver);
        window->workingSettings().profiles[2].dpiInfo[0].used = 1;
        window->workingSettings().profiles[2].dpi = 0;
        virtualMouse().resetCounters();
        window->chooseSlot(2);
        QCOMPARE(virtualMouse().activeProfile(), 2);
        QVERIFY(virtualMouse().writeCount(0x02) > 0);
        QVERIFY(virtualMouse().writeCount(0x03) > 0);
        QCOMPARE(int(virtualMouse().dpiTable().stages[0].used), 1);
    }

    void unwritableSettingsAreToldOnce()
    {
        auto window = openWindow(Connection::Receiver);
        QVERIFY(QFileInfo(m_app->filePath("Configs/Config.ini")).isFile());
        QVERIFY(QDir(m_app->filePath("Configs")).removeRecursively());
        QVERIFY(writeFileBytes(m_app->path() + "/Configs", "not a folder"));
        // The mouse says its memory is not what was written: "Config/Diff" cannot record it.
        window->slotRefreshWriteStatus(0);
        window->slotRefreshWriteStatus(0);
        QTRY_VERIFY(!m_messages->texts().isEmpty());
        QTest::qWait(100);
        QCOMPARE(m_messages->texts().size(), 1);
        QVERIFY(m_messages->texts().first().startsWith("The settings could not be saved in"));
    }

    void escOnTheBusyDialogStillReportsTheOutcome()
    {
        auto window = openWindow(Connection::Receiver);
        // The first packet takes long enough to press Esc; everything after it fails.
        std::atomic_bool slowed{false};
        setSleepHook([&](int ms) {
            if (ms == SEND_WRITE_PAUSE_MS && !slowed.exchange(true)) {
                QThread::msleep(800);
                virtualMouse().setFailAllWrites(true);
            }
        });
        QTimer esc;
        connect(&esc, &QTimer::timeout, [&] {
            if (QWidget *busy = QApplication::activeModalWidget()) {
                QTest::keyClick(busy, Qt::Key_Escape);
                esc.stop();
            }
        });
        esc.start(50);
        window->runWrite(true);
        setSleepHook({});
        QCOMPARE(m_messages->texts(), QStringList{"Send data failed, please try again."});
        QCOMPARE(readDiffFlag(), 1);
    }

    // An edit made with the keyboard on the DPI page is marked until it is
    // applied, and what would throw it away asks first: apply, discard, cancel.
    void unappliedEditIsMarkedAndAskedAbout_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<bool>("edit");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("goesOn");  // the slot changed, the program may end
        QTest::addColumn<bool>("sent");    // the edit reached the mouse
        QTest::addColumn<bool>("waiting"); // still marked afterwards
        const int apply = KestMessageBox::ApplyAnswer, discard = KestMessageBox::DiscardAnswer,
                  cancel = KestMessageBox::CancelAnswer;
        QTest::newRow("slot change, nothing waiting") << "slot" << false << apply << true << false << false;
        QTest::newRow("slot change, apply") << "slot" << true << apply << true << true << false;
        QTest::newRow("slot change, discard") << "slot" << true << discard << true << false << false;
        QTest::newRow("slot change, cancel") << "slot" << true << cancel << false << false << true;
        QTest::newRow("quit, nothing waiting") << "quit" << false << cancel << true << false << false;
        QTest::newRow("quit, apply") << "quit" << true << apply << true << true << false;
        QTest::newRow("quit, discard") << "quit" << true << discard << true << false << false;
        QTest::newRow("quit, cancel") << "quit" << true << cancel << false << false << true;
        QTest::newRow("reload, apply") << "reload" << true << apply << true << true << false;
        QTest::newRow("reload, discard") << "reload" << true << discard << true << false << false;
        QTest::newRow("reload, cancel") << "reload" << true << cancel << true << false << true;
    }
    void unappliedEditIsMarkedAndAskedAbout()
    {
        QFETCH(QString, trigger);
        QFETCH(bool, edit);
        QFETCH(int, answer);
        QFETCH(bool, goesOn);
        QFETCH(bool, sent);
        QFETCH(bool, waiting);
        const QString prompt = "Some changes have not been applied to the mouse yet.";
        auto window = openWindow(Connection::Receiver);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(window->currentPage(), 2);
        QCOMPARE(window->button("applyButton")->text(), QString("Apply"));
        QVERIFY(!window->isWindowModified());

        KestTwoBarSlider *sliders = window->findChild<KestDPIWindow *>()->row(1)->slider();
        QSlider *slider = sliders->isLinked() ? sliders->linkedSlider() : sliders->xSlider();
        const uint before = window->workingSettings().profiles[0].dpiInfo[1].x;
        if (edit) {
            QTest::keyClick(slider, before < uint(slider->maximum()) ? Qt::Key_Right : Qt::Key_Left);
            QTRY_COMPARE(window->button("applyButton")->text(), QString("Apply *"));
            QVERIFY(window->isWindowModified());
            QVERIFY(window->findChild<QSystemTrayIcon *>()->toolTip().endsWith(" *"));
        }
        const uint edited = uint(slider->value());

        m_messages->answerWith(answer);
        QSignalSpy quit(window.get(), &MousecfgWidget::quitAccepted);
        bool wentOn = false;
        if (trigger == "slot") {
            window->chooseSlot(1);
            wentOn = window->workingSettings().profileId == 1;
        } else if (trigger == "quit") {
            window->findChild<QAction *>("quitAction")->trigger();
            wentOn = quit.count() == 1;
        } else {
            // What mousectl does: store, then tell the window.
            MouseSettings stored;
            QVERIFY(loadSettings(stored));
            stored.profiles[0].pollrate = 2;
            QVERIFY(saveSettings(stored));
            window->reloadStoredSettings();
            QTRY_VERIFY(!m_messages->texts().isEmpty());
            wentOn = window->workingSettings().profiles[0].pollrate == 2;
        }
        QCOMPARE(m_messages->texts(), edit ? QStringList{prompt} : QStringList());
        QCOMPARE(wentOn, goesOn);
        QCOMPARE(window->appliedSettings().profiles[0].dpiInfo[1].x == edited, sent || !edit);
        if (sent)
            QVERIFY(window->applyNotice()->text().startsWith("Sent: DPI"));
        if (edit && !sent && !waiting)
            QCOMPARE(window->workingSettings().profiles[0].dpiInfo[1].x, before);
        QCOMPARE(window->hasUnappliedEdits(), waiting);
        QTRY_COMPARE(window->button("applyButton")->text(), QString(waiting ? "Apply *" : "Apply"));
    }

    // Tab goes along the window: the tabs, the page shown, the profile row,
    // the action rows, the header.
    void tabGoesAlongTheWindow_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("expected");
        const QStringList tabs{"tabButton0", "tabButton1", "tabButton2", "tabButton3", "pageArea"};
        const QStringList rest{"slotButton", "profileNameEdit", "savedProfileButton", "exportButton", "importButton",
                               "resetButton", "addButton", "deleteButton", "copyButton", "resetAllButton",
                               "loadButton", "saveButton", "okButton", "cancelButton", "applyButton",
                               "firmwareButton", "languageButton", "minButton", "closeButton"};
        QTest::newRow("LIGHTING") << 0 << tabs + rest;
        QTest::newRow("CUSTOMIZE") << 1 << tabs + QStringList{"frontPicture", "frontButton", "sideButton"} + rest;
        QTest::newRow("DPI") << 2 << tabs + rest;
        QTest::newRow("MACRO") << 3 << tabs + rest;
    }
    void tabGoesAlongTheWindow()
    {
        QFETCH(int, page);
        QFETCH(QStringList, expected);
        auto window = openWindow(Connection::Receiver);
        window->selectPage(page);
        window->button("tabButton0")->setFocus();
        QStringList seen;
        for (int i = 0; i < 2000; ++i) {
            QWidget *top = window->focusWidget();
            QVERIFY(top);
            QWidget *focus = top;
            while (top->parentWidget() != window.get())
                top = top->parentWidget();
            if (seen.isEmpty() || seen.last() != top->objectName()) {
                if (!seen.isEmpty() && top->objectName() == expected.first())
                    break;
                seen << top->objectName();
            }
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(seen, expected);
    }

    // Every button whose picture says nothing has a tooltip; Apply and the
    // tabs name their shortcuts.
    void shortcutsAndTooltips()
    {
        auto window = openWindow(Connection::Receiver);
        for (const char *name : {"exportButton", "importButton", "savedProfileButton", "slotButton", "closeButton",
                                 "minButton", "languageButton"})
            QVERIFY2(!window->button(name)->toolTip().isEmpty(), name);
        QVERIFY(window->button("applyButton")->toolTip().endsWith("(Ctrl+S)"));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        for (int page : {1, 3, 0, 2}) {
            QCOMPARE(window->button(QString("tabButton%1").arg(page))->toolTip(), QString("Ctrl+%1").arg(page + 1));
            QTest::keyClick(window.get(), Qt::Key(Qt::Key_1 + page), Qt::ControlModifier);
            QCOMPARE(window->currentPage(), page);
        }
        window->workingSettings().profiles[0].pollrate = 2;
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(int(virtualMouse().basicSettings().pollRate[0]), 2);
        QVERIFY(m_messages->texts().isEmpty());
    }

    void mouseSideChangesWaitForAnOpenDialog()
    {
        auto window = openWindow(Connection::Receiver);
        QTRY_VERIFY(window->statusThreadRunning());
        QDialog dialog(window.get());
        dialog.setModal(true);
        dialog.show();
        QTRY_VERIFY(QApplication::activeModalWidget() == &dialog);
        virtualMouse().pressProfileButton();
        QTest::qWait(1200); // seen by the status thread, held by the window
        QCOMPARE(int(window->workingSettings().profileId), 0);
        dialog.close();
        QTRY_COMPARE_WITH_TIMEOUT(int(window->workingSettings().profileId), 1, 2000);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
