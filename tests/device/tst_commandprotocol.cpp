// The command sequences on the virtual mouse: which packets each change set
// sends, a full download of the demo installation, failures at every packet,
// and the status-thread hooks around a download.
#include "device/BasicSettings.h"
#include "device/ButtonEncoding.h"
#include "device/CommandProtocol.h"
#include "device/DeviceImage.h"
#include "device/DeviceTable.h"
#include "device/DpiStages.h"
#include "device/LightingEncoding.h"
#include "device/MacroEncoding.h"
#include "device/SendCommand.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "storage/MacroFiles.h"
#include "tests/support/DeviceSession.h"
#include <QtTest>

using Bytes = QVector<int>;
Q_DECLARE_METATYPE(QVector<Bytes>)

namespace {

// Opcode and bytes 4-5 of every command-collection write.
QVector<Bytes> heads(const VirtualMouse &mouse)
{
    QVector<Bytes> out;
    for (const WrittenReport &w : mouse.writeLog())
        out.append({uint8_t(w.bytes[3]), uint8_t(w.bytes[4]), uint8_t(w.bytes[5])});
    return out;
}

const Bytes kBegin = {0x46, 0, 0};
const Bytes kEnd = {0x46, 1, 0};
const QVector<Bytes> kRefresh = {{0x40, 0xF3, 0x04}, {0x40, 0xF3, 0x01}, {0x40, 0xF3, 0x02},
                                 {0x40, 0xF3, 0x08}, {0x40, 0xF3, 0x10}};

QVector<Bytes> group(uint8_t opcode, std::initializer_list<int> offsets)
{
    QVector<Bytes> out;
    for (int o : offsets)
        out.append({opcode, o & 0xFF, o >> 8});
    out.append({opcode, 0x7F, 0});
    return out;
}

QByteArray toBytes(const uint8_t *data, int size)
{
    return QByteArray(reinterpret_cast<const char *>(data), size);
}

void resetProtocolState()
{
    deviceMacroNames().clear();
    deviceKeyTable().fill(0);
    deviceMacroArea().fill(0);
    setDeviceModeByte(0);
}

// Five key presses without delays, and a recoil pattern with delays.
void writeDemoMacros()
{
    MacroFile burst;
    for (int j = 0; j < 5; ++j)
        burst.events.append({0x84, 0, uint8_t(4 + j)});
    QVERIFY(saveMacroFile(QStringLiteral("Burst"), burst));
    MacroFile recoil;
    for (int j = 0; j < 12; ++j) {
        recoil.events.append({0x02, 0, uint8_t(j % 3)});
        recoil.events.append({0x06, 0, 2});
    }
    QVERIFY(saveMacroFile(QStringLiteral("Recoil"), recoil));
}

// The macros and a changed stage go to profile slot, which is made active.
MouseSettings demoSettingsWithMacros(int slot = 0)
{
    MouseSettings s;
    loadSettings(s);
    s.profileId = uint8_t(slot);
    ProfileData &p = s.profiles[slot];
    assignMacroToButton(p.buttonInfo[1], QStringLiteral("Burst"), FunMacro);
    p.buttonInfo[1].loopNumber = 2;
    assignMacroToButton(p.buttonInfo[3], QStringLiteral("Recoil"), FunGunFile);
    p.buttonInfo[3].res1 = 1;
    assignMacroToButton(p.buttonInfo[4], QStringLiteral("Burst"), FunMacro);
    p.dpiInfo[2].x = 70;
    p.dpiInfo[2].y = 100;
    return s;
}

} // namespace

class TestCommandProtocol : public QObject
{
    Q_OBJECT
private slots:
    void init() { resetProtocolState(); }
    void cleanup() { resetProtocolState(); }
    void packetsForFlags_data();
    void packetsForFlags();
    void fullDownloadLandsInTheMouse_data();
    void fullDownloadLandsInTheMouse();
    void macrosWithoutButtonChangeUseTheKnownMap();
    void faultAtAnyPacketStopsTheDownload_data();
    void faultAtAnyPacketStopsTheDownload();
    void statusThreadStoppedBeforeAndStartedAfter();
    void noDeviceFailsWithoutRestart();
    void activeProfileAndRefresh();
};

void TestCommandProtocol::packetsForFlags_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<QVector<Bytes>>("expected");
    const QVector<Bytes> basic = group(0x01, {0});
    const QVector<Bytes> keys = group(0x03, {0, 2, 26, 50, 74, 98});
    const QVector<Bytes> dpi = group(0x02, {0, 1, 6, 11, 16, 21, 26, 31, 36});
    const QVector<Bytes> lighting = group(0x04, {0, 24, 48, 72});
    QTest::newRow("nothing changed") << 0 << QVector<Bytes>{kBegin, kEnd};
    QTest::newRow("lighting") << 8 << (QVector<Bytes>{kBegin} + lighting + kRefresh + QVector<Bytes>{kEnd});
    QTest::newRow("basic") << 1 << (QVector<Bytes>{kBegin} + basic + kRefresh + QVector<Bytes>{kEnd});
    QTest::newRow("dpi") << 2 << (QVector<Bytes>{kBegin} + dpi + kRefresh + QVector<Bytes>{kEnd});
    QTest::newRow("buttons") << 4 << (QVector<Bytes>{kBegin} + keys + kRefresh + QVector<Bytes>{kEnd});
    QTest::newRow("all, in group order")
        << 15 << (QVector<Bytes>{kBegin} + basic + keys + dpi + lighting + kRefresh + QVector<Bytes>{kEnd});
}

void TestCommandProtocol::packetsForFlags()
{
    QFETCH(int, flags);
    QFETCH(QVector<Bytes>, expected);
    ConnectedMouse m;
    MouseSettings s;
    loadSettings(s);
    QCOMPARE(applyAllSettings(s, flags), 0);
    QCOMPARE(heads(m.mouse()), expected);
    QVERIFY(!m.mouse().writeOpen());
    for (const WrittenReport &w : m.mouse().writeLog()) {
        QCOMPARE(w.collection, Collection::Command);
        QVERIFY(w.accepted);
    }
}

void TestCommandProtocol::fullDownloadLandsInTheMouse_data()
{
    QTest::addColumn<int>("slot");
    QTest::newRow("slot 1") << 0;
    QTest::newRow("slot 3") << 2;
}

void TestCommandProtocol::fullDownloadLandsInTheMouse()
{
    QFETCH(int, slot);
    ConnectedMouse m;
    writeDemoMacros();
    const MouseSettings s = demoSettingsWithMacros(slot);
    QCOMPARE(applyAllSettings(s, ChangeAll), 0);
    QVERIFY(!m.mouse().writeOpen());

    const BasicSettingsData basic = basicSettingsData(s);
    QCOMPARE(m.mouse().area(MemoryArea::Basic), toBytes(basic.data(), BASIC_SETTINGS_BYTES));

    QByteArray dpi;
    for (const Report &r : dpiStageReports(s.profiles[slot], dpiStageCount(), mouseSensor(), 0))
        if (r[7] != TagClosingWrite)
            dpi += toBytes(r.data() + 8, r[6]);
    QCOMPARE(m.mouse().area(MemoryArea::Dpi), dpi);
    QCOMPARE(m.mouse().dpiTable().count, uint8_t(effectiveDpiStageCount(dpiStageCount())));
    QCOMPARE(m.mouse().dpiTable().stages[2].registers, (std::array<uint8_t, 4>{90, 1, 111, 4})); // sensor 3327

    ProfileData active = s.profiles[slot];
    ButtonTableLayout layout;
    layout.buttonCount = buttonCount();
    std::copy(buttonMatrix(), buttonMatrix() + DESCRIPTION_BUTTON_COUNT, layout.matrix.begin());
    layout.scrollRev = scrollRev() == 1;
    layout.sensor = mouseSensor();
    KeyTable keys{};
    MacroNameMap names;
    encodeKeyTable(keys, active, layout, names);
    QCOMPARE(names.names(), (QStringList{"Burst", "Recoil"}));
    QCOMPARE(m.mouse().area(MemoryArea::Keys), toBytes(keys.data(), 98) + QByteArray(4, char(0xFF)));
    QCOMPARE(deviceImage().profiles[slot].buttonInfo[3].res4, uint8_t(1));

    // The lighting table is always profile 0's.
    const LightingTable lighting = buildLightingTable(s.profiles[0]);
    QCOMPARE(m.mouse().area(MemoryArea::Lighting), toBytes(lighting.data(), LIGHTING_TABLE_BYTES));

    MacroArea macros{};
    encodeMacroSlot(macros, 0, readMacroEvents(QStringLiteral("Burst")));
    encodeMacroSlot(macros, 1, readMacroEvents(QStringLiteral("Recoil")));
    QCOMPARE(m.mouse().area(MemoryArea::Macros), toBytes(macros.data(), 2 * MACRO_SLOT_BYTES));
    const QByteArray burst = m.mouse().macroSlot(0);
    QCOMPARE(burst.left(24), QByteArray::fromHex("840400840500840600840700060100840800060100000000"));

    for (MemoryArea area : {MemoryArea::Basic, MemoryArea::Dpi, MemoryArea::Keys, MemoryArea::Lighting,
                            MemoryArea::Macros})
        QCOMPARE(m.mouse().closingWrites(area), 1);
    // The only pauses are the ones after each report; reading the macro files waits for nothing.
    QCOMPARE(m.pauses.count(SEND_WRITE_PAUSE_MS), m.mouse().writeCount());
    QCOMPARE(m.pauses.pauses().size(), m.mouse().writeCount());
    QCOMPARE(deviceImage().profileNames[4], s.profileNames[4]);
}

void TestCommandProtocol::macrosWithoutButtonChangeUseTheKnownMap()
{
    ConnectedMouse m;
    writeDemoMacros();
    const MouseSettings s = demoSettingsWithMacros();
    QCOMPARE(applyAllSettings(s, 0), 0);
    QCOMPARE(m.mouse().writeCount(0x05), 0); // no map yet: no macros
    QCOMPARE(applyAllSettings(s, ChangeButtons), 0);
    m.mouse().resetCounters();
    QCOMPARE(applyAllSettings(s, 0), 0);
    QCOMPARE(m.mouse().writeCount(0x05), 2 * 10 + 1);
    QCOMPARE(m.mouse().writeCount(), 2 + 21);
}

void TestCommandProtocol::faultAtAnyPacketStopsTheDownload_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("code");
    QTest::newRow("write fails") << 0 << 4;
    QTest::newRow("echo never comes") << 1 << 2;
    QTest::newRow("echo data wrong") << 2 << 2;
}

void TestCommandProtocol::faultAtAnyPacketStopsTheDownload()
{
    QFETCH(int, fault);
    QFETCH(int, code);
    ConnectedMouse m;
    writeDemoMacros();
    const MouseSettings settings = demoSettingsWithMacros();
    QCOMPARE(applyAllSettings(settings, ChangeAll), 0);
    const QVector<Bytes> clean = heads(m.mouse());
    QCOMPARE(clean.size(), 1 + 2 + 7 + 10 + 5 + 5 + 21 + 1);

    int writes = 0;
    int armAt = -1;
    auto arm = [&] {
        if (fault == 0)
            m.mouse().failWrites(1);
        else if (fault == 1)
            m.mouse().dropReplies(1000);
        else
            m.mouse().corruptReplyData(3);
    };
    // Each write is followed by a 10 ms pause: arm the fault just before packet k goes out.
    PauseRecorder counter([&](int ms) {
        if (ms == SEND_WRITE_PAUSE_MS && ++writes == armAt)
            arm();
    });
    for (int k = 0; k < clean.size(); ++k) {
        const bool carriesData = clean[k][0] <= 0x05;
        if (fault == 2 && !carriesData)
            continue;
        resetProtocolState();
        int started = 0;
        DownloadLinks links;
        links.startStatusThread = [&] { ++started; };
        closeDevice();
        m.mouse().reset(Connection::Receiver);
        enumerateDevices();
        openDeviceByName(currentDeviceName());
        writes = 0;
        armAt = k;
        if (k == 0)
            arm();
        QCOMPARE(applyAllSettings(settings, ChangeAll, links), code);
        const QVector<Bytes> sent = heads(m.mouse());
        // Packets before k went out once; packet k was retried within its budget; nothing after it.
        QCOMPARE(sent.mid(0, k), clean.mid(0, k));
        for (int i = k; i < sent.size(); ++i)
            QCOMPARE(sent[i], clean[k]);
        QCOMPARE(sent.size() - k, fault == 0 ? 1 : 3);
        // The mouse stays in its write session unless the end write itself arrived.
        const bool reachedMouse = fault != 0;
        const bool beginArrived = k > 0 || reachedMouse;
        const bool endArrived = k == clean.size() - 1 && reachedMouse;
        QCOMPARE(m.mouse().writeOpen(), beginArrived && !endArrived);
        QCOMPARE(started, 0);
    }
}

void TestCommandProtocol::statusThreadStoppedBeforeAndStartedAfter()
{
    ConnectedMouse m;
    QVector<QString> calls;
    DownloadLinks links;
    links.stopStatusThread = [&] { calls.append(QStringLiteral("stop after %1 writes").arg(m.mouse().totalWrites())); };
    links.startStatusThread = [&] { calls.append(QStringLiteral("start after %1 writes").arg(m.mouse().totalWrites())); };
    MouseSettings s;
    loadSettings(s);
    QCOMPARE(applyAllSettings(s, ChangeBasic, links), 0);
    QCOMPARE(calls, (QVector<QString>{"stop after 0 writes", "start after 9 writes"}));
    calls.clear();
    m.mouse().failWrites(1);
    QCOMPARE(applyAllSettings(s, ChangeBasic, links), 4);
    QCOMPARE(calls, (QVector<QString>{QStringLiteral("stop after %1 writes").arg(9)}));
}

void TestCommandProtocol::noDeviceFailsWithoutRestart()
{
    ConnectedMouse m(Connection::None);
    int started = 0;
    DownloadLinks links;
    links.startStatusThread = [&] { ++started; };
    MouseSettings s;
    loadSettings(s);
    QCOMPARE(applyAllSettings(s, ChangeAll, links), 1);
    QCOMPARE(started, 0);
    QCOMPARE(deviceImage().profileNames[0], s.profileNames[0]); // the image is taken before sending
}

void TestCommandProtocol::activeProfileAndRefresh()
{
    ConnectedMouse m;
    QCOMPARE(setActiveProfile(3), 0);
    QCOMPARE(m.mouse().activeProfile(), 3);
    QCOMPARE(heads(m.mouse()), (QVector<Bytes>{{0x44, 3, 0}, {0x40, 0xF3, 0x01}}));
    QCOMPARE(m.mouse().readsDelivered(), 1); // only the control command is read back
    m.mouse().resetCounters();
    QCOMPARE(sendRefreshSequence(), 0);
    QCOMPARE(heads(m.mouse()), kRefresh);

    // The profile command is sent even when it fails, and so is the control that follows.
    m.mouse().resetCounters();
    m.mouse().failWrites(1);
    QCOMPARE(setActiveProfile(1), 4);
    QCOMPARE(m.mouse().writeCount(0x40), 1);

    // A refresh stops at its first failure.
    m.mouse().resetCounters();
    m.mouse().corruptReplyHeader(0);
    m.mouse().dropReplies(1000);
    QCOMPARE(sendRefreshSequence(), 2);
    QCOMPARE(m.mouse().writeCount(0x40), 3);
}

QTEST_GUILESS_MAIN(TestCommandProtocol)
#include "tst_commandprotocol.moc"
