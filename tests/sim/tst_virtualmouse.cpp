// The virtual mouse as the device layer meets it: only through the HID seam table.
#include "device/HidSeam.h"
#include "sim/VirtualHidApi.h"
#include "sim/VirtualMouse.h"
#include "tests/support/VirtualMouseFixture.h"
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QtTest>
#include <thread>

Q_DECLARE_METATYPE(Connection)

namespace {

struct Reply {
    int result = 0;
    QByteArray bytes;
};

struct Enumerated {
    QString path;
    unsigned short productId;
    unsigned short release;
    unsigned short usagePage;
    unsigned short usage;
};

QVector<Enumerated> enumerateAll()
{
    QVector<Enumerated> found;
    hid_device_info *devices = hid().enumerate(0, 0);
    for (hid_device_info *d = devices; d; d = d->next)
        found.append({QString::fromLatin1(d->path), d->product_id, d->release_number, d->usage_page, d->usage});
    hid().free_enumeration(devices);
    return found;
}

hid_device *openCollection(Connection which, Collection collection)
{
    return hid().open_path(VirtualMouse::interfacePath(which, collection).toLatin1().constData());
}

int send(hid_device *device, const QByteArray &report)
{
    return hid().write(device, reinterpret_cast<const unsigned char *>(report.constData()), size_t(report.size()));
}

Reply receive(hid_device *device, int milliseconds = 150)
{
    unsigned char buffer[64] = {};
    Reply reply;
    reply.result = hid().read_timeout(device, buffer, SIM_REPORT_SIZE, milliseconds);
    if (reply.result > 0)
        reply.bytes = QByteArray(reinterpret_cast<const char *>(buffer), reply.result);
    return reply;
}

const QByteArray kStatusQuery = QByteArray::fromHex("0524fa48") + QByteArray(29, '\0');

QStringList g_trace;
void collectTrace(char direction, const unsigned char *data, size_t length)
{
    g_trace << QString(QLatin1Char(direction)) + QByteArray(reinterpret_cast<const char *>(data), int(length)).toHex();
}

enum class Fault { Drop, Zero, CorruptHeader, CorruptData };

// Most cases look at one collection at a time, as systems with a handle per collection show them.
struct PerCollectionMouse : VirtualMouseFixture {
    explicit PerCollectionMouse(Connection attached) : VirtualMouseFixture(attached, Topology::PerCollection) {}
};

// Opens a write session, so that area writes are taken.
void beginSession(hid_device *device)
{
    send(device, simCommand(0x46, 0, 0, 0));
    receive(device);
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class TstVirtualMouse : public QObject
{
    Q_OBJECT
private slots:
    void enumeration_data();
    void enumeration();
    void openNeedsAttachedConnection();
    void areaWriteIsEchoedAndStored();
    void closingWriteIsEchoedNotStored();
    void statusReply_data();
    void statusReply();
    void malformedCommandsAreIgnored_data();
    void malformedCommandsAreIgnored();
    void controlCommands();
    void replyFaults_data();
    void replyFaults();
    void failedWrites();
    void unplugMidSession();
    void mouseButtons();
    void blockedReadWakesOnReportAndUnplug();
    void replyDelay();
    void counters();
    void decodedViews();
    void jsonDump();
    void traceLayer();
    void hidrawNode();
};

void TstVirtualMouse::enumeration_data()
{
    QTest::addColumn<Connection>("attached");
    QTest::addColumn<QList<int>>("products");
    QTest::newRow("none") << Connection::None << QList<int>{};
    QTest::newRow("receiver") << Connection::Receiver << QList<int>{0xFA02};
    QTest::newRow("cable") << Connection::Cable << QList<int>{0xFB01};
    QTest::newRow("both") << Connection::Both << QList<int>{0xFA02, 0xFB01};
}

void TstVirtualMouse::enumeration()
{
    QFETCH(Connection, attached);
    QFETCH(QList<int>, products);
    PerCollectionMouse fixture(attached);
    fixture.mouse().setReleaseNumber(Connection::Cable, 0x0203);

    const QRegularExpression mousePattern(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col01"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression commandPattern(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col04"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QVector<Enumerated> found = enumerateAll();
    QList<int> seenMouse, seenCommand;
    for (const Enumerated &e : found) {
        const bool isMouse = e.usagePage == 1 && e.usage == 2;
        const bool isCommand = e.usagePage == 1 && e.usage == 0;
        if (!isMouse && !isCommand)
            continue;
        const QRegularExpressionMatch match = (isMouse ? mousePattern : commandPattern).match(e.path);
        QVERIFY2(match.hasMatch(), qPrintable(e.path));
        QCOMPARE(match.captured(QStringLiteral("vid")).toInt(nullptr, 16), 0x248A);
        QCOMPARE(match.captured(QStringLiteral("pid")).toInt(nullptr, 16), int(e.productId));
        if (isCommand)
            QVERIFY(e.path.contains(QLatin1String("col04")));
        QCOMPARE(int(e.release), e.productId == 0xFB01 ? 0x0203 : 0x0100);
        (isMouse ? seenMouse : seenCommand).append(e.productId);
    }
    QCOMPARE(seenMouse, products);
    QCOMPARE(seenCommand, products);
    hid_device_info *cableOnly = hid().enumerate(0x248A, 0xFB01);
    QCOMPARE(cableOnly != nullptr, products.contains(0xFB01));
    for (hid_device_info *d = cableOnly; d; d = d->next)
        QCOMPARE(d->product_id, static_cast<unsigned short>(0xFB01));
    hid().free_enumeration(cableOnly);
}

void TstVirtualMouse::openNeedsAttachedConnection()
{
    PerCollectionMouse fixture(Connection::Receiver);
    hid_device *receiver = openCollection(Connection::Receiver, Collection::Command);
    QVERIFY(receiver);
    QVERIFY(!openCollection(Connection::Cable, Collection::Command));
    QVERIFY(!hid().open_path("\\\\?\\hid#vid_248a&pid_fa02&col09#unknown"));
    hid().close(receiver);
}

void TstVirtualMouse::areaWriteIsEchoedAndStored()
{
    PerCollectionMouse fixture(Connection::Cable);
    hid_device *device = openCollection(Connection::Cable, Collection::Command);
    beginSession(device);
    const QByteArray data = QByteArray::fromHex("0102030405060708090a0b0c0d0e0f101112131415161718");
    const QByteArray report = simCommand(0x03, 26, 24, 0xD1, data);
    QCOMPARE(send(device, report), SIM_REPORT_SIZE);
    const Reply echo = receive(device);
    QCOMPARE(echo.result, SIM_REPORT_SIZE);
    QCOMPARE(echo.bytes, report);

    const QByteArray keys = fixture.mouse().area(MemoryArea::Keys);
    QCOMPARE(keys.size(), 50);
    QCOMPARE(keys.left(26), QByteArray(26, '\0'));
    QCOMPARE(keys.mid(26), data);
    QCOMPARE(receive(device).result, 0);
    hid().close(device);
}

void TstVirtualMouse::closingWriteIsEchoedNotStored()
{
    PerCollectionMouse fixture(Connection::Receiver);
    hid_device *device = openCollection(Connection::Receiver, Collection::Command);
    beginSession(device);
    const QByteArray firstKeys = simCommand(0x03, 0, 1, 0xD1, QByteArray(1, 0x0A));
    const QByteArray firstMacros = simCommand(0x05, 0, 1, 0xD1, QByteArray(1, 0x06));
    const QByteArray closeKeys = simCommand(0x03, 0x007F, 1, 0xD3, QByteArray(1, 0x1A));
    const QByteArray closeMacros = simCommand(0x05, 0x0FFF, 1, 0xD3, QByteArray(1, 0x1A));
    for (const QByteArray &report : {firstKeys, firstMacros, closeKeys, closeMacros}) {
        QCOMPARE(send(device, report), SIM_REPORT_SIZE);
        QCOMPARE(receive(device).bytes, report);
    }
    QCOMPARE(fixture.mouse().area(MemoryArea::Keys).size(), 1);
    QCOMPARE(fixture.mouse().area(MemoryArea::Macros).size(), 1);
    QCOMPARE(fixture.mouse().closingWrites(MemoryArea::Keys), 1);
    QCOMPARE(fixture.mouse().closingWrites(MemoryArea::Macros), 1);
    QCOMPARE(fixture.mouse().refusedCommands(), 0);
    hid().close(device);
}

void TstVirtualMouse::statusReply_data()
{
    QTest::addColumn<int>("millivolts");
    QTest::addColumn<int>("charge");
    QTest::addColumn<bool>("sleeping");
    QTest::addColumn<bool>("writeOpen");
    QTest::addColumn<QByteArray>("bytes4to7");
    // 4100 mV * 240 / 990 = 993.9 -> 994 = 0x03E2; 3700 mV -> 897 = 0x0381
    QTest::newRow("4100 mV idle") << 4100 << 0 << false << false << QByteArray::fromHex("e2030001");
    QTest::newRow("3700 mV charging") << 3700 << 1 << false << false << QByteArray::fromHex("81030101");
    QTest::newRow("write open") << 4100 << 0 << false << true << QByteArray::fromHex("e2030000");
    QTest::newRow("sleeping") << 4100 << 1 << true << false << QByteArray::fromHex("00000000");
}

void TstVirtualMouse::statusReply()
{
    QFETCH(int, millivolts);
    QFETCH(int, charge);
    QFETCH(bool, sleeping);
    QFETCH(bool, writeOpen);
    QFETCH(QByteArray, bytes4to7);
    PerCollectionMouse fixture(Connection::Receiver);
    VirtualMouse &mouse = fixture.mouse();
    mouse.setBatteryMillivolts(millivolts);
    mouse.setCharge(uint8_t(charge));
    mouse.setDeviceMode(8);
    hid_device *device = openCollection(Connection::Receiver, Collection::Command);
    if (writeOpen) {
        send(device, simCommand(0x46, 0, 0, 0));
        receive(device);
    }
    mouse.setSleeping(sleeping);
    const MouseState before = mouse.state();

    QCOMPARE(send(device, kStatusQuery), SIM_REPORT_SIZE);
    const Reply reply = receive(device, 50);
    QCOMPARE(reply.result, SIM_REPORT_SIZE);
    QCOMPARE(uint8_t(reply.bytes[0]), uint8_t(5));
    QCOMPARE(uint8_t(reply.bytes[3]), uint8_t(0x48));
    QCOMPARE(reply.bytes.mid(4, 4), bytes4to7);
    QCOMPARE(uint8_t(reply.bytes[10]), uint8_t(8));
    QCOMPARE(mouse.state().activeProfile, before.activeProfile);
    QCOMPARE(mouse.state().writeOpen, before.writeOpen);
    hid().close(device);
}

void TstVirtualMouse::malformedCommandsAreIgnored_data()
{
    QTest::addColumn<QByteArray>("report");
    QByteArray badChecksum = simCommand(0x01, 0, 2, 0xD1, QByteArray::fromHex("0102"));
    badChecksum[1] = char(badChecksum[1] ^ 0x01);
    QByteArray badMagic = simCommand(0x01, 0, 2, 0xD1, QByteArray::fromHex("0102"));
    badMagic[2] = char(0xFB);
    badMagic[1] = char(simChecksum(reinterpret_cast<const uint8_t *>(badMagic.constData())));
    QByteArray wrongReportId = simCommand(0x01, 0, 2, 0xD1, QByteArray::fromHex("0102"));
    wrongReportId[0] = 4;
    QTest::newRow("bad checksum") << badChecksum;
    QTest::newRow("bad magic") << badMagic;
    QTest::newRow("wrong report id") << wrongReportId;
    QTest::newRow("length beyond report") << simCommand(0x01, 0, 26, 0xD1, QByteArray(25, 7));
    QTest::newRow("unknown opcode") << simCommand(0x07, 0, 1, 0xD1, QByteArray(1, 7));
    QTest::newRow("short report") << QByteArray::fromHex("0524fa");
}

void TstVirtualMouse::malformedCommandsAreIgnored()
{
    QFETCH(QByteArray, report);
    PerCollectionMouse fixture(Connection::Receiver);
    hid_device *device = openCollection(Connection::Receiver, Collection::Command);
    QCOMPARE(send(device, report), report.size());
    QCOMPARE(receive(device).result, 0);
    QVERIFY(fixture.mouse().area(MemoryArea::Basic).isEmpty());
    hid().close(device);
}

void TstVirtualMouse::controlCommands()
{
    PerCollectionMouse fixture(Connection::Receiver);
    VirtualMouse &mouse = fixture.mouse();
    hid_device *device = openCollection(Connection::Receiver, Collection::Command);

    const QByteArray begin = simCommand(0x46, 0x0000, 0, 0);
    QCOMPARE(send(device, begin), SIM_REPORT_SIZE);
    QCOMPARE(receive(device).bytes, begin);
    QVERIFY(mouse.writeOpen());

    const QByteArray control = simCommand(0x40, 0x04F3, 0, 0);
    send(device, control);
    QCOMPARE(receive(device).bytes, control);

    send(device, simCommand(0x44, 3, 0, 0));
    QCOMPARE(receive(device).result, 0);
    QCOMPARE(mouse.activeProfile(), 3);
    send(device, simCommand(0x44, 7, 0, 0));
    QCOMPARE(mouse.activeProfile(), 3);

    const QByteArray end = simCommand(0x46, 0x0001, 0, 0);
    send(device, end);
    QCOMPARE(receive(device).bytes, end);
    QVERIFY(!mouse.writeOpen());

    mouse.setSleeping(true);
    send(device, simCommand(0x44, 1, 0, 0));
    send(device, begin);
    QCOMPARE(receive(device).result, 0);
    QCOMPARE(mouse.activeProfile(), 3);
    QVERIFY(!mouse.writeOpen());
    hid().close(device);
}

void TstVirtualMouse::replyFaults_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("count");
    for (int count : {1, 2}) {
        const QByteArray suffix = " x" + QByteArray::number(count);
        QTest::newRow("drop" + suffix) << Fault::Drop << count;
        QTest::newRow("all zero" + suffix) << Fault::Zero << count;
        QTest::newRow("header byte" + suffix) << Fault::CorruptHeader << count;
        QTest::newRow("data byte" + suffix) << Fault::CorruptData << count;
    }
}

void TstVirtualMouse::replyFaults()
{
    QFETCH(Fault, fault);
    QFETCH(int, count);
    PerCollectionMouse fixture(Connection::Receiver);
    VirtualMouse &mouse = fixture.mouse();
    switch (fault) {
    case Fault::Drop: mouse.dropReplies(count); break;
    case Fault::Zero: mouse.zeroReplies(count); break;
    case Fault::CorruptHeader: mouse.corruptReplyHeader(count); break;
    case Fault::CorruptData: mouse.corruptReplyData(count); break;
    }
    hid_device *device = openCollection(Connection::Receiver, Collection::Command);
    mouse.clearFaults();
    beginSession(device);
    switch (fault) {
    case Fault::Drop: mouse.dropReplies(count); break;
    case Fault::Zero: mouse.zeroReplies(count); break;
    case Fault::CorruptHeader: mouse.corruptReplyHeader(count); break;
    case Fault::CorruptData: mouse.corruptReplyData(count); break;
    }
    for (int i = 0; i <= count; ++i) {
        const QByteArray report = simCommand(0x02, uint16_t(1 + 5 * i), 5, i ? 0xD2 : 0xD1, QByteArray::fromHex("0102030405"));
        QCOMPARE(send(device, report), SIM_REPORT_SIZE);
        const Reply reply = receive(device);
        if (i == count) {
            QCOMPARE(reply.bytes, report);
            continue;
        }
        QByteArray expected = report;
        switch (fault) {
        case Fault::Drop: expected.clear(); break;
        case Fault::Zero: expected.fill('\0'); break;
        case Fault::CorruptHeader: expected[4] = char(~expected[4]); break;
        case Fault::CorruptData: expected[8] = char(~expected[8]); break;
        }
        QCOMPARE(reply.bytes, expected);
    }
    // The mouse stored every write whatever became of its reply.
    QCOMPARE(mouse.dpiTable().stages[count].used, uint8_t(1));
    hid().close(device);
}

void TstVirtualMouse::failedWrites()
{
    PerCollectionMouse fixture(Connection::Receiver);
    VirtualMouse &mouse = fixture.mouse();
    hid_device *device = openCollection(Connection::Receiver, Collection::Command);
    beginSession(device);
    const QByteArray report = simCommand(0x01, 0, 1, 0xD1, QByteArray(1, 9));

    mouse.failWrites(2);
    QCOMPARE(send(device, report), -1);
    QCOMPARE(send(device, report), -1);
    QCOMPARE(receive(device).result, 0);
    QVERIFY(mouse.area(MemoryArea::Basic).isEmpty());
    QCOMPARE(send(device, report), SIM_REPORT_SIZE);
    QCOMPARE(receive(device).bytes, report);

    mouse.setFailAllWrites(true);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(send(device, report), -1);
    mouse.setFailAllWrites(false);
    QCOMPARE(send(device, report), SIM_REPORT_SIZE);
    QCOMPARE(mouse.writeCount(0x01), 9);

    // A stalled write blocks until its time is up; an unplug ends it, failed.
    mouse.stallWrites(1, 60000);
    int stalled = 0;
    std::thread writer([&] { stalled = send(device, report); });
    while (mouse.writesStalling() < 1)
        std::this_thread::yield();
    QCOMPARE(mouse.writeCount(0x01), 9);
    mouse.unplug(Connection::Receiver);
    writer.join();
    QCOMPARE(stalled, -1);
    QCOMPARE(mouse.writesStalling(), 0);
    hid().close(device);
}

void TstVirtualMouse::unplugMidSession()
{
    PerCollectionMouse fixture(Connection::Both);
    VirtualMouse &mouse = fixture.mouse();
    hid_device *receiver = openCollection(Connection::Receiver, Collection::Command);
    hid_device *cable = openCollection(Connection::Cable, Collection::Command);
    QCOMPARE(send(receiver, kStatusQuery), SIM_REPORT_SIZE);

    mouse.unplug(Connection::Receiver);
    QCOMPARE(receive(receiver).result, -1);
    QCOMPARE(send(receiver, kStatusQuery), -1);
    QVERIFY(!openCollection(Connection::Receiver, Collection::Command));
    QCOMPARE(send(cable, kStatusQuery), SIM_REPORT_SIZE);
    QCOMPARE(receive(cable).result, SIM_REPORT_SIZE);
    QCOMPARE(enumerateAll().size(), 4);

    mouse.plug(Connection::Receiver);
    QCOMPARE(send(receiver, kStatusQuery), -1);
    hid_device *again = openCollection(Connection::Receiver, Collection::Command);
    QVERIFY(again);
    QCOMPARE(send(again, kStatusQuery), SIM_REPORT_SIZE);
    QCOMPARE(receive(again).result, SIM_REPORT_SIZE);
    for (hid_device *device : {receiver, cable, again})
        hid().close(device);
}

void TstVirtualMouse::mouseButtons()
{
    PerCollectionMouse fixture(Connection::Both);
    VirtualMouse &mouse = fixture.mouse();
    hid_device *receiver = openCollection(Connection::Receiver, Collection::Command);
    hid_device *cable = openCollection(Connection::Cable, Collection::Command);
    hid_device *pointer = openCollection(Connection::Cable, Collection::Mouse);
    // Three DPI stages declared: the DPI button wraps after the third.
    beginSession(cable);
    send(cable, simCommand(0x02, 0, 1, 0xD1, QByteArray(1, 3)));
    receive(cable);
    mouse.setDeviceMode(2);

    struct Press {
        void (VirtualMouse::*button)();
        const char *state;  // profile, stage, rate, mode
    };
    const Press presses[] = {
        {&VirtualMouse::pressProfileButton, "01000102"}, {&VirtualMouse::pressDpiButton, "01010102"},
        {&VirtualMouse::pressDpiButton, "01020102"},     {&VirtualMouse::pressDpiButton, "01000102"},
        {&VirtualMouse::pressRateButton, "01000802"},    {&VirtualMouse::pressRateButton, "01000402"},
    };
    for (const Press &press : presses) {
        (mouse.*press.button)();
        for (hid_device *device : {receiver, cable}) {
            const Reply report = receive(device);
            QCOMPARE(report.result, SIM_REPORT_SIZE);
            QCOMPARE(uint8_t(report.bytes[3]), uint8_t(0x49));
            QCOMPARE(report.bytes.mid(4, 4).toHex(), QByteArray(press.state));
        }
    }
    QCOMPARE(receive(pointer).result, 0);
    for (int i = 0; i < 4; ++i)
        mouse.pressProfileButton();
    QCOMPARE(mouse.activeProfile(), 0);

    mouse.setSleeping(true);
    mouse.pressRateButton();
    QVERIFY(!mouse.sleeping());
    for (hid_device *device : {receiver, cable, pointer})
        hid().close(device);
}

void TstVirtualMouse::blockedReadWakesOnReportAndUnplug()
{
    PerCollectionMouse fixture(Connection::Receiver);
    VirtualMouse &mouse = fixture.mouse();
    mouse.setInstantTimeouts(false);
    hid_device *device = openCollection(Connection::Receiver, Collection::Command);

    Reply woken;
    std::thread listener([&] { woken = receive(device, 60000); });
    while (mouse.readCount() < 1)
        std::this_thread::yield();
    mouse.pressProfileButton();
    listener.join();
    QCOMPARE(woken.result, SIM_REPORT_SIZE);
    QCOMPARE(uint8_t(woken.bytes[3]), uint8_t(0x49));

    std::thread orphan([&] { woken = receive(device, 60000); });
    while (mouse.readCount() < 2)
        std::this_thread::yield();
    mouse.unplug(Connection::Receiver);
    orphan.join();
    QCOMPARE(woken.result, -1);
    hid().close(device);
}

void TstVirtualMouse::replyDelay()
{
    PerCollectionMouse fixture(Connection::Receiver);
    VirtualMouse &mouse = fixture.mouse();
    mouse.setReplyDelayMs(300);
    hid_device *device = openCollection(Connection::Receiver, Collection::Command);
    send(device, kStatusQuery);
    QCOMPARE(receive(device, 0).result, 0);
    QCOMPARE(receive(device, 5000).result, SIM_REPORT_SIZE);

    mouse.setInstantTimeouts(false);
    mouse.setReplyDelayMs(0);
    QCOMPARE(receive(device, 20).result, 0);
    hid().close(device);
}

void TstVirtualMouse::counters()
{
    PerCollectionMouse fixture(Connection::Receiver);
    VirtualMouse &mouse = fixture.mouse();
    hid_device *device = openCollection(Connection::Receiver, Collection::Command);
    hid_device *pointer = openCollection(Connection::Receiver, Collection::Mouse);
    send(device, simCommand(0x46, 0, 0, 0));
    send(device, simCommand(0x40, 0x01F3, 0, 0));
    send(device, simCommand(0x40, 0x02F3, 0, 0));
    send(pointer, QByteArray(8, '\0'));
    for (int i = 0; i < 4; ++i)
        receive(device);

    QCOMPARE(mouse.writeCount(0x46), 1);
    QCOMPARE(mouse.writeCount(0x40), 2);
    QCOMPARE(mouse.writeCount(), 3);
    QCOMPARE(mouse.totalWrites(), 4);
    QCOMPARE(mouse.readCount(), 4);
    QCOMPARE(mouse.readsDelivered(), 3);
    const QVector<WrittenReport> log = mouse.writeLog();
    QCOMPARE(log.size(), 4);
    QCOMPARE(log[1].bytes, simCommand(0x40, 0x01F3, 0, 0));
    QVERIFY(log[1].accepted);
    QCOMPARE(log[3].collection, Collection::Mouse);
    mouse.resetCounters();
    QCOMPARE(mouse.totalWrites(), 0);
    QVERIFY(mouse.writeLog().isEmpty());
    hid().close(device);
    hid().close(pointer);
}

void TstVirtualMouse::decodedViews()
{
    PerCollectionMouse fixture(Connection::Cable);
    VirtualMouse &mouse = fixture.mouse();
    hid_device *device = openCollection(Connection::Cable, Collection::Command);
    beginSession(device);
    QSet<uint8_t> begun;
    const auto write = [&](uint8_t opcode, uint16_t offset, const char *hex) {
        const QByteArray data = QByteArray::fromHex(hex);
        const uint8_t tag = begun.contains(opcode) ? 0xD2 : 0xD1;
        begun.insert(opcode);
        send(device, simCommand(opcode, offset, uint8_t(data.size()), tag, data));
        receive(device);
    };
    write(0x01, 0, "0102030405" "00" "020304" "0101" "0804020108" "1f" "02" "07");
    write(0x02, 0, "04");
    write(0x02, 6, "0132003201");
    write(0x03, 0, "0a00");
    write(0x03, 6, "8f011b00");
    write(0x04, 8, "80112233010002ff");
    write(0x05, 200 * 19 + 196, "06010000");

    const BasicSettingsView basic = mouse.basicSettings();
    QCOMPARE(basic.scrollSpeed, (std::array<uint8_t, 5>{1, 2, 3, 4, 5}));
    QCOMPARE(basic.profileId, uint8_t(2));
    QCOMPARE(basic.ledMoveOff, uint8_t(3));
    QCOMPARE(basic.ledSleepTime, uint8_t(4));
    QCOMPARE(basic.pollRate, (std::array<uint8_t, 5>{8, 4, 2, 1, 8}));
    QCOMPARE(basic.activeDpiStage, uint8_t(2));
    QCOMPARE(basic.effectNumber, uint8_t(7));

    const DpiTableView dpi = mouse.dpiTable();
    QCOMPARE(dpi.count, uint8_t(4));
    QCOMPARE(dpi.stages[1].used, uint8_t(1));
    QCOMPARE(dpi.stages[1].registers, (std::array<uint8_t, 4>{0x32, 0, 0x32, 1}));
    QCOMPARE(dpi.stages[0].used, uint8_t(0));

    QCOMPARE(mouse.keyEntries()[1], (KeyEntryView{0x8F, 0x01, 0x1B, 0x00}));
    QCOMPARE(mouse.keyEntries()[0], (KeyEntryView{}));
    QCOMPARE(mouse.lightingRecords()[1], (LightingRecordView{0x80, 0x11, 0x22, 0x33, 1, 0, 2, 0xFF}));
    QCOMPARE(mouse.macroSlot(19).right(4), QByteArray::fromHex("06010000"));
    QCOMPARE(mouse.macroSlot(19).size(), 200);
    QCOMPARE(mouse.area(MemoryArea::Macros).size(), 4000);
    hid().close(device);
}

void TstVirtualMouse::jsonDump()
{
    PerCollectionMouse fixture(Connection::Receiver);
    VirtualMouse &mouse = fixture.mouse();
    QCOMPARE(mouse.dumpJson(),
             QStringLiteral("{\"activeProfile\": 0, \"writeOpen\": false, \"areas\": "
                            "{\"1\": \"\", \"2\": \"\", \"3\": \"\", \"4\": \"\", \"5\": \"\"}, "
                            "\"refused\": 0, \"handleFaults\": 0}"));
    hid_device *device = openCollection(Connection::Receiver, Collection::Command);
    send(device, simCommand(0x46, 0, 0, 0));
    send(device, simCommand(0x44, 4, 0, 0));
    send(device, simCommand(0x01, 2, 2, 0xD1, QByteArray::fromHex("AB0C")));
    send(device, simCommand(0x04, 0, 1, 0xD1, QByteArray::fromHex("80")));
    send(device, simCommand(0x02, 1, 1, 0xD2, QByteArray::fromHex("01"))); // refused: no first chunk
    QCOMPARE(mouse.dumpJson(),
             QStringLiteral("{\"activeProfile\": 4, \"writeOpen\": true, \"areas\": "
                            "{\"1\": \"0000ab0c\", \"2\": \"\", \"3\": \"\", \"4\": \"80\", \"5\": \"\"}, "
                            "\"refused\": 1, \"handleFaults\": 0}"));
    hid().close(device);
}

void TstVirtualMouse::traceLayer()
{
    PerCollectionMouse fixture(Connection::Receiver);
    g_trace.clear();
    installHidTrace(collectTrace);
    installHidTrace(collectTrace);
    hid_device *device = openCollection(Connection::Receiver, Collection::Command);
    QVERIFY(device);
    send(device, kStatusQuery);
    const Reply reply = receive(device);
    QCOMPARE(receive(device).result, 0);
    fixture.mouse().failWrites(1);
    QCOMPARE(send(device, kStatusQuery), -1);
    removeHidTrace();
    send(device, kStatusQuery);
    receive(device);
    QCOMPARE(g_trace, (QStringList{QLatin1Char('>') + kStatusQuery.toHex(), QLatin1Char('<') + reply.bytes.toHex(),
                                   QLatin1Char('>') + kStatusQuery.toHex()}));

    hid().close(device);

    // A backend installed while tracing goes beneath the trace layer.
    setHidApi(nullptr);
    g_trace.clear();
    installHidTrace(collectTrace);
    setHidApi(&virtualHidApi());
    device = openCollection(Connection::Receiver, Collection::Command);
    QVERIFY(device);
    QCOMPARE(send(device, kStatusQuery), SIM_REPORT_SIZE);
    QCOMPARE(g_trace.size(), 1);
    hid().close(device);
    removeHidTrace();
    QCOMPARE(&hid(), &virtualHidApi());
}

void TstVirtualMouse::hidrawNode()
{
    VirtualMouseFixture fixture(Connection::Receiver);
    VirtualMouse &mouse = fixture.mouse();
    // One node, listed once per collection under the same path.
    const QString node = mouse.devicePath(Connection::Receiver, Collection::Interface);
    QVERIFY(node.startsWith(QLatin1String("/dev/hidraw")));
    const QVector<Enumerated> found = enumerateAll();
    QCOMPARE(found.size(), 4);
    for (const Enumerated &e : found)
        QCOMPARE(e.path, node);
    QCOMPARE(mouse.notificationNames(Connection::Receiver).first(),
             "HID#VID_248A&PID_FA02&col01#" + node.mid(5));

    // Every handle of the node gets every input report; a full queue drops the newer ones.
    hid_device *first = hid().open_path(node.toLatin1().constData());
    hid_device *second = hid().open_path(node.toLatin1().constData());
    mouse.setMotionRate(SIM_MAX_MOTION_HZ);
    QTest::qWait(2 * SIM_QUEUE_CAPACITY);
    QCOMPARE(send(first, kStatusQuery), SIM_REPORT_SIZE);
    for (hid_device *device : {first, second}) {
        int movement = 0, replies = 0;
        for (Reply r; (r = receive(device, 0)).result > 0;)
            (r.bytes.at(0) == 5 ? replies : movement) += 1;
        QVERIFY(movement >= SIM_QUEUE_CAPACITY); // and what moved while reading
        QCOMPARE(replies, 0);
    }
    QVERIFY(mouse.droppedReports() > 0);
    QCOMPARE(send(first, kStatusQuery), SIM_REPORT_SIZE);
    bool replied = false;
    for (Reply r; !replied && (r = receive(first, 0)).result > 0;)
        replied = r.bytes.at(0) == 5 && uint8_t(r.bytes[3]) == 0x48;
    QVERIFY(replied);

    // A replugged receiver is another node; closed handles are gone.
    mouse.unplug(Connection::Receiver);
    QCOMPARE(receive(first).result, -1);
    hid().close(first);
    hid().close(second);
    mouse.plug(Connection::Receiver);
    QVERIFY(mouse.devicePath(Connection::Receiver, Collection::Interface) != node);
    QVERIFY(!hid().open_path(node.toLatin1().constData()));
    QCOMPARE(mouse.handleFaults(), 0);
    QCOMPARE(receive(first).result, -1);
    QCOMPARE(mouse.handleFaults(), 1);
}

QTEST_GUILESS_MAIN(TstVirtualMouse)
#include "tst_virtualmouse.moc"
