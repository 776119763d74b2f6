#include "device/DeviceTable.h"
#include "device/HidSeam.h"
#include "device/InputReports.h"
#include "device/NodeAccess.h"
#include "storage/ConfigStorage.h"
#include <QDebug>
#include <QRegularExpression>
#include <atomic>
#include <cerrno>
#include <vector>

namespace {

std::vector<SupportedModel> g_models;
QString g_currentDeviceName;
std::atomic<uint16_t> g_lastRelease{0};

std::atomic<hid_device *> g_mouseA{nullptr};
std::atomic<hid_device *> g_commandA{nullptr};
std::atomic<hid_device *> g_mouseB{nullptr};
std::atomic<hid_device *> g_commandB{nullptr};

const SupportedModel &emptyModel()
{
    static const SupportedModel model;
    return model;
}

SupportedModel receiverAndCable()
{
    SupportedModel m;
    m.vendorIdA = 0x248A;
    m.vendorIdB = 0x248A;
    m.productIdA = 0xFA02;
    m.productIdB = 0xFB01;
    m.usage1 = 2;
    m.usagePage1 = 1;
    m.usage2 = 0;
    m.usagePage2 = 1;
    m.usage3 = 2;
    m.usagePage3 = 1;
    m.usage4 = 0;
    m.usagePage4 = 1;
    return m;
}

bool releaseInRange(int release, int minimum, int maximum)
{
    return maximum == 0 || (minimum <= release && release <= maximum);
}

QByteArray cutPath(const char *path)
{
    return QByteArray(path ? path : "").left(COLLECTION_PATH_MAX);
}

int32_t *foundFlag(SupportedModel &m, int collection)
{
    switch (collection) {
    case 1: return &m.found1;
    case 2: return &m.found2;
    case 3: return &m.found3;
    case 4: return &m.found4;
    default: return nullptr;
    }
}

void matchRecord(SupportedModel &m, const hid_device_info &d)
{
    const int release = d.release_number;
    const bool isA = d.vendor_id == m.vendorIdA && d.product_id == m.productIdA
                     && releaseInRange(release, m.releaseMinA, m.releaseMaxA);
    const bool isB = d.vendor_id == m.vendorIdB && d.product_id == m.productIdB
                     && releaseInRange(release, m.releaseMinB, m.releaseMaxB);
    if (isA && d.usage == m.usage1 && d.usage_page == m.usagePage1) {
        m.path1 = cutPath(d.path);
        qDebug("1 %s\n", m.path1.constData());
        m.found1 = 1;
    }
    if (isA && d.usage == m.usage2 && d.usage_page == m.usagePage2
        && isCommandCollectionPath(QByteArray(d.path ? d.path : ""))) {
        m.path2 = cutPath(d.path);
        qDebug("2 %s\n", m.path2.constData());
        m.found2 = 1;
    }
    if (isB && d.usage == m.usage3 && d.usage_page == m.usagePage3) {
        m.path3 = cutPath(d.path);
        qDebug("3 %s\n", m.path3.constData());
        m.found3 = 1;
    }
    if (isB && d.usage == m.usage4 && d.usage_page == m.usagePage4) {
        m.path4 = cutPath(d.path);
        qDebug("4 %s\n", m.path4.constData());
        m.found4 = 1;
        g_lastRelease = d.release_number;
    }
}

// Opens path into slot, closing what the slot held so no handle is lost.
hid_device *openInto(std::atomic<hid_device *> &slot, const QByteArray &path)
{
    if (hid_device *old = slot.exchange(nullptr))
        hid().close(old);
    errno = 0;
    slot = hid().open_path(path.constData());
    return slot;
}

void closeSlot(std::atomic<hid_device *> &slot)
{
    if (hid_device *device = slot.exchange(nullptr))
        hid().close(device);
}

// A product is only there for the rest of the program when its command
// collection opens; one that cannot be opened is not claimed as attached, and
// why is kept for the message.
void openProduct(SupportedModel &m, bool cable, QList<RefusedNode> &refused)
{
    const QByteArray &mousePath = cable ? m.path3 : m.path1;
    const QByteArray &commandPath = cable ? m.path4 : m.path2;
    std::atomic<hid_device *> &mouseSlot = cable ? g_mouseB : g_mouseA;
    std::atomic<hid_device *> &commandSlot = cable ? g_commandB : g_commandA;
    openInto(mouseSlot, mousePath);
    if (openInto(commandSlot, commandPath))
        return;
    refused << explainOpenFailure(commandPath, errno);
    closeSlot(mouseSlot);
    *foundFlag(m, cable ? 3 : 1) = 0;
    *foundFlag(m, cable ? 4 : 2) = 0;
}

// Interface names compare without the "\\?\" prefix and without case.
QByteArray normalisedPath(QByteArray path)
{
    if (path.startsWith("\\\\?\\"))
        path.remove(0, 4);
    return path.toLower();
}

} // namespace

void loadDeviceTable()
{
    g_models.clear();
    g_models.reserve(MODEL_TABLE_CAPACITY);
    g_models.push_back(receiverAndCable());
    g_currentDeviceName = deviceListName();
    g_models[0].deviceName = g_currentDeviceName.toLatin1().left(DEVICE_NAME_MAX);
    qDebug("%s", g_models[0].deviceName.constData());
}

bool addSupportedModel(const SupportedModel &model)
{
    if (g_models.size() >= size_t(MODEL_TABLE_CAPACITY))
        return false;
    g_models.push_back(model);
    g_models.back().deviceName = model.deviceName.left(DEVICE_NAME_MAX);
    return true;
}

int enumerateDevices()
{
    if (hid().init() != 0)
        return -1;
    hid_device_info *devices = hid().enumerate(0, 0);
    for (hid_device_info *d = devices; d; d = d->next) {
        if (d->vendor_id == 0x04D9) {
            const QString serial = d->serial_number ? QString::fromWCharArray(d->serial_number) : QString();
            qDebug("Device Found\n  type: %x %x\n  path: %s\n  serial_number: %s\n usge %x uu %x",
                   d->vendor_id, d->product_id, d->path ? d->path : "", qUtf8Printable(serial),
                   d->usage, d->usage_page);
        }
        for (SupportedModel &m : g_models)
            matchRecord(m, *d);
    }
    hid().free_enumeration(devices);
    return 0;
}

void forgetCollections()
{
    for (SupportedModel &m : g_models) {
        m.path1.clear();
        m.path2.clear();
        m.path3.clear();
        m.path4.clear();
        m.found1 = m.found2 = m.found3 = m.found4 = 0;
    }
}

void openDeviceByName(const QString &name)
{
    const CommandHandleLock owner(commandHandleMutex());
    if (hid().init() != 0 || g_models.empty())
        return;
    const QByteArray wanted = name.toLatin1().left(DEVICE_NAME_MAX);
    QList<RefusedNode> refused;
    for (SupportedModel &m : g_models) {
        if (m.deviceName != wanted)
            continue;
        if (m.found1 && m.found2)
            openProduct(m, false, refused);
        if (m.found3 && m.found4)
            openProduct(m, true, refused);
    }
    setRefusedNodes(refused);
}

void closeDevice()
{
    // A send of another thread finishes with its handle first.
    const CommandHandleLock owner(commandHandleMutex());
    closeSlot(g_mouseA);
    closeSlot(g_commandA);
    closeSlot(g_mouseB);
    closeSlot(g_commandB);
}

void shutdownHid()
{
    hid().exit();
}

int supportedModelCount()
{
    return static_cast<int>(g_models.size());
}

const SupportedModel &supportedModel(int index)
{
    if (index < 0 || index >= supportedModelCount())
        return emptyModel();
    return g_models[static_cast<size_t>(index)];
}

QString currentDeviceName()
{
    return g_currentDeviceName;
}

bool isSupportedDevice(int vendorId, int productId)
{
    for (const SupportedModel &m : g_models) {
        if ((vendorId == m.vendorIdA && productId == m.productIdA)
            || (vendorId == m.vendorIdB && productId == m.productIdB))
            return true;
    }
    return false;
}

bool collectionFound(int collection, int entry)
{
    if (entry < 0 || entry >= supportedModelCount())
        return false;
    const int32_t *flag = foundFlag(g_models[static_cast<size_t>(entry)], collection);
    return flag && *flag != 0;
}

void setCollectionFound(int collection, bool found, int entry)
{
    if (entry < 0 || entry >= supportedModelCount())
        return;
    if (int32_t *flag = foundFlag(g_models[static_cast<size_t>(entry)], collection))
        *flag = found ? 1 : 0;
}

QByteArray collectionPath(int collection, int entry)
{
    const SupportedModel &m = supportedModel(entry);
    switch (collection) {
    case 1: return m.path1;
    case 2: return m.path2;
    case 3: return m.path3;
    case 4: return m.path4;
    default: return QByteArray();
    }
}

bool isCommandCollectionPath(const QByteArray &path)
{
    static const QRegularExpression namesCollection(QStringLiteral("col\\d\\d"),
                                                    QRegularExpression::CaseInsensitiveOption);
    if (path.contains("col04"))
        return true;
    return !namesCollection.match(QString::fromLocal8Bit(path)).hasMatch();
}

unsigned deviceReleaseNumber(const QByteArray &path)
{
    const QByteArray wanted = normalisedPath(path);
    // A hot-plug interface name "...#hidrawN" stands for the node /dev/hidrawN.
    static const QRegularExpression hidrawNode(QStringLiteral("#(hidraw\\d+)$"));
    const QRegularExpressionMatch node = hidrawNode.match(QString::fromLatin1(wanted));
    const QByteArray nodePath = node.hasMatch() ? "/dev/" + node.captured(1).toLatin1() : QByteArray();

    hid_device_info *devices = hid().enumerate(0, 0);
    unsigned release = 0;
    bool exact = false;
    for (hid_device_info *d = devices; d && !exact; d = d->next) {
        const QByteArray candidate = normalisedPath(QByteArray(d->path ? d->path : ""));
        if (candidate == wanted) {
            release = d->release_number;
            exact = true;
        } else if (!nodePath.isEmpty() && candidate == nodePath && release == 0) {
            release = d->release_number;
        }
    }
    hid().free_enumeration(devices);
    return release;
}

uint16_t lastReleaseNumber()
{
    return g_lastRelease;
}

hid_device *mouseHandleA() { return g_mouseA; }
hid_device *commandHandleA() { return g_commandA; }
hid_device *mouseHandleB() { return g_mouseB; }
hid_device *commandHandleB() { return g_commandB; }

hid_device *commandHandle()
{
    if (hid_device *b = g_commandB.load())
        return b;
    return g_commandA;
}
