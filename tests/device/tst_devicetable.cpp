// Discovery: the model table, enumeration rules, opening by name, handle
// choice, the release number of a path and the notification path patterns.
#include "device/DeviceTable.h"
#include "device/HidSeam.h"
#include "device/InterfacePath.h"
#include "device/NodeAccess.h"
#include "tests/support/DeviceSession.h"
#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct FakeRecord {
    QByteArray path;
    unsigned short vendorId;
    unsigned short productId;
    unsigned short usagePage;
    unsigned short usage;
    unsigned short release;
};

// A HID bus made of hand-written enumeration records (hidraw-style paths).
class FakeBus
{
public:
    explicit FakeBus(QVector<FakeRecord> records, bool initFails = false)
    {
        s_records = std::move(records);
        s_initFails = initFails;
        setHidApi(&kTable);
    }
    ~FakeBus()
    {
        closeDevice();
        setHidApi(nullptr);
    }

private:
    static hid_device_info *enumerate(unsigned short, unsigned short)
    {
        hid_device_info *first = nullptr;
        hid_device_info **link = &first;
        for (const FakeRecord &r : s_records) {
            auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
            info->path = strdup(r.path.constData());
            info->vendor_id = r.vendorId;
            info->product_id = r.productId;
            info->usage_page = r.usagePage;
            info->usage = r.usage;
            info->release_number = r.release;
            *link = info;
            link = &info->next;
        }
        return first;
    }
    static void freeAll(hid_device_info *d)
    {
        while (d) {
            hid_device_info *next = d->next;
            std::free(d->path);
            std::free(d);
            d = next;
        }
    }
    static QVector<FakeRecord> s_records;
    static bool s_initFails;
    static int s_handle;
    static const HidApi kTable;
};
QVector<FakeRecord> FakeBus::s_records;
bool FakeBus::s_initFails = false;
int FakeBus::s_handle = 0;
const HidApi FakeBus::kTable = {
    [] { return s_initFails ? -1 : 0; },
    [] { return 0; },
    &FakeBus::enumerate,
    &FakeBus::freeAll,
    [](const char *) { return reinterpret_cast<hid_device *>(&s_handle); },
    [](hid_device *) {},
    [](hid_device *, const unsigned char *, size_t length) { return int(length); },
    [](hid_device *, unsigned char *, size_t, int) { return 0; },
};

// The virtual mouse behind the seam; handles opened on it are closed before it goes.
class VirtualBus : public VirtualMouseFixture
{
public:
    explicit VirtualBus(Connection attached) : VirtualMouseFixture(attached) {}
    ~VirtualBus() { closeDevice(); }
};

// Runs how in a child as the user nobody when this is root (permissions do not
// bind root), else here; the fault it finds.
NodeFault asUser(const std::function<NodeFault()> &how)
{
    if (::geteuid() != 0)
        return how();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(100);
        ::_exit(int(how()));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? NodeFault(WEXITSTATUS(status)) : NodeFault(-1);
}

constexpr unsigned short VID = 0x248A;
constexpr unsigned short RECEIVER = 0xFA02;
constexpr unsigned short CABLE = 0xFB01;

} // namespace

class TestDeviceTable : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tableHoldsReceiverAndCable();
    void enumerationFindsVirtualCollections_data();
    void enumerationFindsVirtualCollections();
    void commandCollectionPathRule_data();
    void commandCollectionPathRule();
    void cableCommandCollectionNeedsNoCol04();
    void laterRecordOverwritesPath();
    void longPathIsCut();
    void failedInitLeavesTableUntouched();
    void openByNameOpensFoundPairs();
    void unopenablePairIsNotFound();
    void openFailureIsExplained_data();
    void openFailureIsExplained();
    void clearedFlagKeepsPairClosed();
    void closeNullsEveryHandle();
    void reopenWithoutCloseKeepsOneHandle();
    void releaseNumberOfPath_data();
    void releaseNumberOfPath();
    void classifiesNotificationPaths_data();
    void classifiesNotificationPaths();
    void supportedIds();

private:
    DemoInstallation *m_installation = nullptr;
};

void TestDeviceTable::init()
{
    m_installation = new DemoInstallation;
    QVERIFY(m_installation->isValid());
}

void TestDeviceTable::cleanup()
{
    closeDevice();
    delete m_installation;
    m_installation = nullptr;
}

void TestDeviceTable::tableHoldsReceiverAndCable()
{
    loadDeviceTable();
    QCOMPARE(supportedModelCount(), 1);
    const SupportedModel &m = supportedModel(0);
    QCOMPARE(m.vendorIdA, 0x248A);
    QCOMPARE(m.vendorIdB, 0x248A);
    QCOMPARE(m.productIdA, 0xFA02);
    QCOMPARE(m.productIdB, 0xFB01);
    QCOMPARE(m.releaseMaxA, 0);
    QCOMPARE(m.releaseMaxB, 0);
    QCOMPARE(m.usage1, 2);
    QCOMPARE(m.usagePage1, 1);
    QCOMPARE(m.usage2, 0);
    QCOMPARE(m.usagePage2, 1);
    QCOMPARE(m.usage3, 2);
    QCOMPARE(m.usage4, 0);
    QCOMPARE(m.deviceName, QByteArray("TREVIK"));
    QCOMPARE(currentDeviceName(), QString("TREVIK"));
    for (int c = 1; c <= 4; ++c)
        QVERIFY(!collectionFound(c));
}

void TestDeviceTable::enumerationFindsVirtualCollections_data()
{
    QTest::addColumn<int>("attached");
    QTest::addColumn<QVector<bool>>("found");
    QTest::addColumn<int>("topology");
    for (Topology t : {Topology::Hidraw, Topology::PerCollection}) {
        const char *name = t == Topology::Hidraw ? "hidraw" : "per collection";
        QTest::addRow("%s, receiver", name) << int(Connection::Receiver) << QVector<bool>{true, true, false, false} << int(t);
        QTest::addRow("%s, cable", name) << int(Connection::Cable) << QVector<bool>{false, false, true, true} << int(t);
        QTest::addRow("%s, both", name) << int(Connection::Both) << QVector<bool>{true, true, true, true} << int(t);
        QTest::addRow("%s, none", name) << int(Connection::None) << QVector<bool>{false, false, false, false} << int(t);
    }
}

void TestDeviceTable::enumerationFindsVirtualCollections()
{
    QFETCH(int, attached);
    QFETCH(QVector<bool>, found);
    QFETCH(int, topology);
    VirtualBus fixture(static_cast<Connection>(attached));
    fixture.mouse().reset(static_cast<Connection>(attached), static_cast<Topology>(topology));
    fixture.mouse().setReleaseNumber(Connection::Cable, 0x0203);
    loadDeviceTable();
    QCOMPARE(enumerateDevices(), 0);
    for (int c = 1; c <= 4; ++c)
        QCOMPARE(collectionFound(c), found[c - 1]);
    if (found[1])
        QCOMPARE(collectionPath(2), fixture.mouse().devicePath(Connection::Receiver, Collection::Command).toLatin1());
    if (found[3]) {
        QCOMPARE(collectionPath(3), fixture.mouse().devicePath(Connection::Cable, Collection::Mouse).toLatin1());
        QCOMPARE(lastReleaseNumber(), uint16_t(0x0203));
    }
}

void TestDeviceTable::commandCollectionPathRule_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<bool>("found");
    QTest::newRow("hidraw node names no collection") << QByteArray("/dev/hidraw3") << true;
    QTest::newRow("fourth collection") << QByteArray("\\\\?\\hid#vid_248a&pid_fa02&col04#x") << true;
    QTest::newRow("another collection") << QByteArray("\\\\?\\hid#vid_248a&pid_fa02&col02#x") << false;
    QTest::newRow("upper-case COL04 is another spelling") << QByteArray("\\\\?\\HID#VID_248A&PID_FA02&COL04#x") << false;
}

void TestDeviceTable::commandCollectionPathRule()
{
    QFETCH(QByteArray, path);
    QFETCH(bool, found);
    FakeBus bus({{path, VID, RECEIVER, 1, 0, 0x100}});
    loadDeviceTable();
    QCOMPARE(enumerateDevices(), 0);
    QCOMPARE(collectionFound(2), found);
    QCOMPARE(isCommandCollectionPath(path), found);
    QVERIFY(!collectionFound(1));
}

void TestDeviceTable::cableCommandCollectionNeedsNoCol04()
{
    FakeBus bus({{"\\\\?\\hid#vid_248a&pid_fb01&col02#x", VID, CABLE, 1, 0, 0x0150},
                 {"/dev/hidraw7", VID, CABLE, 1, 2, 0x0150}});
    loadDeviceTable();
    QCOMPARE(enumerateDevices(), 0);
    QVERIFY(collectionFound(4));
    QVERIFY(collectionFound(3));
    QCOMPARE(collectionPath(3), QByteArray("/dev/hidraw7"));
    QCOMPARE(lastReleaseNumber(), uint16_t(0x0150));
}

void TestDeviceTable::laterRecordOverwritesPath()
{
    FakeBus bus({{"/dev/hidraw1", VID, RECEIVER, 1, 2, 1},
                 {"/dev/hidraw2", VID, RECEIVER, 1, 2, 1},
                 {"/dev/hidraw9", 0x1234, RECEIVER, 1, 2, 1}});
    loadDeviceTable();
    enumerateDevices();
    QCOMPARE(collectionPath(1), QByteArray("/dev/hidraw2"));
}

void TestDeviceTable::longPathIsCut()
{
    const QByteArray longPath = "/dev/" + QByteArray(400, 'p');
    FakeBus bus({{longPath, VID, RECEIVER, 1, 2, 1}});
    loadDeviceTable();
    enumerateDevices();
    QCOMPARE(collectionPath(1), longPath.left(COLLECTION_PATH_MAX));
}

void TestDeviceTable::failedInitLeavesTableUntouched()
{
    FakeBus bus({{"/dev/hidraw1", VID, RECEIVER, 1, 2, 1}}, true);
    loadDeviceTable();
    QCOMPARE(enumerateDevices(), -1);
    QVERIFY(!collectionFound(1));
    setCollectionFound(1, true);
    setCollectionFound(2, true);
    openDeviceByName(currentDeviceName());
    QVERIFY(!mouseHandleA());
    QVERIFY(!commandHandle());
}

// The node may not be opened: no handle, the pair no longer counts as found,
// and the node is kept with the reason; a later open that works forgets it.
void TestDeviceTable::unopenablePairIsNotFound()
{
    VirtualBus fixture(Connection::Both);
    loadDeviceTable();
    enumerateDevices();
    fixture.mouse().setDenyOpens(true);
    openDeviceByName(currentDeviceName());
    QVERIFY(!commandHandle() && !mouseHandleA() && !mouseHandleB());
    for (int collection = 1; collection <= 4; ++collection)
        QVERIFY(!collectionFound(collection));
    const QList<RefusedNode> refused = refusedNodes();
    QCOMPARE(refused.size(), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(refused[i].fault, NodeFault::Permission);
        QCOMPARE(refused[i].error, EACCES);
    }
    QCOMPARE(refused[0].path, fixture.mouse().devicePath(Connection::Receiver, Collection::Interface).toLatin1());
    QVERIFY(refusedNodesText().contains(QString::fromLatin1(refused[0].path + ", " + refused[1].path)));

    fixture.mouse().setDenyOpens(false);
    forgetCollections();
    enumerateDevices();
    openDeviceByName(currentDeviceName());
    QVERIFY(commandHandleB() && commandHandleA());
    QVERIFY(refusedNodes().isEmpty() && refusedNodesText().isEmpty());
    QCOMPARE(fixture.mouse().handleFaults(), 0);
}

// The real path: hid_open_path gives only null; errno, or else access(2) on
// the node, tells permission from absence. Run as a user the modes bind.
void TestDeviceTable::openFailureIsExplained_data()
{
    QTest::addColumn<int>("mode");        // of the node; -1: no node
    QTest::addColumn<int>("savedErrno");  // -1: what the real hid_open_path leaves
    QTest::addColumn<int>("fault");
    QTest::newRow("errno says permission") << 0600 << EACCES << int(NodeFault::Permission);
    QTest::newRow("errno lost, the node refuses") << 0600 << 0 << int(NodeFault::Permission);
    QTest::newRow("errno lost, the node is open to all") << 0666 << EIO << int(NodeFault::Other);
    QTest::newRow("errno lost, no node") << -1 << 0 << int(NodeFault::Gone);
    QTest::newRow("real hidapi, node of another user") << 0600 << -1 << int(NodeFault::Permission);
    QTest::newRow("real hidapi, no node") << -1 << -1 << int(NodeFault::Gone);
}

void TestDeviceTable::openFailureIsExplained()
{
    QFETCH(int, mode);
    QFETCH(int, savedErrno);
    QFETCH(int, fault);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
    const QByteArray node = QFile::encodeName(dir.filePath(QStringLiteral("hidraw9")));
    if (mode >= 0) {
        QFile file(QString::fromLocal8Bit(node));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        // Owned by this user: mode 0 refuses the owner too, 0600 refuses nobody.
        QVERIFY(::chmod(node.constData(), ::geteuid() == 0 ? mode : (mode == 0600 ? 0 : mode)) == 0);
    }
    const NodeFault found = asUser([&] {
        if (savedErrno >= 0)
            return explainOpenFailure(node, savedErrno).fault;
        errno = 0;
        if (hid_device *device = realHidApi().open_path(node.constData())) {
            realHidApi().close(device);
            return NodeFault(-2);
        }
        return explainOpenFailure(node, errno).fault;
    });
    QCOMPARE(int(found), fault);
}

void TestDeviceTable::openByNameOpensFoundPairs()
{
    VirtualBus fixture(Connection::Both);
    loadDeviceTable();
    enumerateDevices();
    openDeviceByName(QStringLiteral("OTHER"));
    QVERIFY(!commandHandle());
    openDeviceByName(currentDeviceName());
    QVERIFY(mouseHandleA());
    QVERIFY(commandHandleA());
    QVERIFY(mouseHandleB());
    QVERIFY(commandHandleB());
    QCOMPARE(commandHandle(), commandHandleB());
}

void TestDeviceTable::clearedFlagKeepsPairClosed()
{
    VirtualBus fixture(Connection::Both);
    loadDeviceTable();
    enumerateDevices();
    setCollectionFound(4, false); // the cable's command collection went away
    QVERIFY(!collectionFound(4));
    openDeviceByName(currentDeviceName());
    QVERIFY(!mouseHandleB());
    QVERIFY(!commandHandleB());
    QCOMPARE(commandHandle(), commandHandleA());
    QVERIFY(commandHandleA());
}

void TestDeviceTable::closeNullsEveryHandle()
{
    VirtualBus fixture(Connection::Both);
    loadDeviceTable();
    enumerateDevices();
    openDeviceByName(currentDeviceName());
    hid_device *command = commandHandleB();
    closeDevice();
    QVERIFY(!mouseHandleA() && !commandHandleA() && !mouseHandleB() && !commandHandleB());
    QVERIFY(!commandHandle());
    const unsigned char report[33] = {5};
    QCOMPARE(fixture.mouse().write(command, report, 33), -1); // the virtual handle is closed
}

void TestDeviceTable::reopenWithoutCloseKeepsOneHandle()
{
    VirtualBus fixture(Connection::Receiver);
    loadDeviceTable();
    enumerateDevices();
    openDeviceByName(currentDeviceName());
    hid_device *first = commandHandleA();
    openDeviceByName(currentDeviceName());
    QVERIFY(commandHandleA());
    QVERIFY(commandHandleA() != first);
    const unsigned char report[33] = {5};
    QCOMPARE(fixture.mouse().write(first, report, 33), -1); // the earlier handle was closed, not lost
    QCOMPARE(fixture.mouse().handleFaults(), 1);           // and is recognised as closed
}

void TestDeviceTable::releaseNumberOfPath_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<unsigned>("release");
    QTest::newRow("as enumerated") << QByteArray("/dev/hidraw4") << 0x0111u;
    QTest::newRow("prefixed and upper case")
        << QByteArray("\\\\?\\HID#VID_248A&PID_FB01&COL04#7&AB&0&0003") << 0x0222u;
    QTest::newRow("hot-plug name of a node") << QByteArray("\\\\?\\HID#VID_248A&PID_FA02&col04#hidraw4") << 0x0111u;
    QTest::newRow("unknown") << QByteArray("/dev/hidraw99") << 0u;
}

void TestDeviceTable::releaseNumberOfPath()
{
    QFETCH(QByteArray, path);
    QFETCH(unsigned, release);
    FakeBus bus({{"/dev/hidraw4", VID, RECEIVER, 1, 0, 0x0111},
                 {"\\\\?\\hid#vid_248a&pid_fb01&col04#7&ab&0&0003", VID, CABLE, 1, 0, 0x0222}});
    QCOMPARE(deviceReleaseNumber(path), release);
}

void TestDeviceTable::classifiesNotificationPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("matched");
    QTest::addColumn<int>("collection");
    QTest::addColumn<bool>("composite");
    QTest::addColumn<int>("vid");
    QTest::addColumn<int>("pid");
    QTest::newRow("col01") << "\\\\?\\HID#VID_248A&PID_FA02&Col01#7&1&0&0000#{guid}" << true << 1 << false << 0x248A << 0xFA02;
    QTest::newRow("col04 lower case") << "\\\\?\\hid#vid_248a&pid_fb01&col04#7&1&0&0003" << true << 4 << false << 0x248A << 0xFB01;
    QTest::newRow("composite col01") << "HID#VID_248A&PID_FA02&MI_00&col01#8&2" << true << 1 << true << 0x248A << 0xFA02;
    QTest::newRow("composite col04") << "hid#vid_1234&pid_abcd&mi_00&COL04#8&2" << true << 4 << true << 0x1234 << 0xABCD;
    QTest::newRow("hot-plug name") << "HID#VID_248A&PID_FA02&col04#hidraw3" << true << 4 << false << 0x248A << 0xFA02;
    QTest::newRow("other collection") << "HID#VID_248A&PID_FA02&col02#x" << false << 0 << false << 0 << 0;
    QTest::newRow("other interface") << "HID#VID_248A&PID_FA02&MI_01&col01#x" << false << 0 << false << 0 << 0;
    QTest::newRow("not hid") << "USB#VID_248A&PID_FA02#5&1" << false << 0 << false << 0 << 0;
}

void TestDeviceTable::classifiesNotificationPaths()
{
    QFETCH(QString, path);
    QFETCH(bool, matched);
    QFETCH(int, collection);
    QFETCH(bool, composite);
    QFETCH(int, vid);
    QFETCH(int, pid);
    const InterfacePathMatch m = classifyInterfacePath(path);
    QCOMPARE(m.matched, matched);
    QCOMPARE(m.collection, collection);
    QCOMPARE(m.composite, composite);
    QCOMPARE(m.vendorId, vid);
    QCOMPARE(m.productId, pid);
}

void TestDeviceTable::supportedIds()
{
    loadDeviceTable();
    QVERIFY(isSupportedDevice(0x248A, 0xFA02));
    QVERIFY(isSupportedDevice(0x248A, 0xFB01));
    QVERIFY(!isSupportedDevice(0x248A, 0xFA01));
    QVERIFY(!isSupportedDevice(0x04D9, 0xFA02));
}

QTEST_GUILESS_MAIN(TestDeviceTable)
#include "tst_devicetable.moc"
