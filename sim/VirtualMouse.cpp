#include "sim/VirtualMouse.h"
#include "platform/HidHotplugMonitor.h"
#include <hidapi/hidapi.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <deque>

namespace {

using Clock = std::chrono::steady_clock;

constexpr uint8_t kReportId = 5;
constexpr uint8_t kMagic = 0xFA;
constexpr uint8_t kChecksumMask = 0x66;
constexpr uint8_t kTagFirst = 0xD1;
constexpr uint8_t kTagNext = 0xD2;
constexpr uint8_t kTagClosing = 0xD3;
constexpr uint8_t kControlPrefix = 0xF3;
constexpr int kMaxData = SIM_REPORT_SIZE - 8;
constexpr int kSettingsAreaSize = 128;
constexpr int kMacroAreaSize = MACRO_SLOT_COUNT * MACRO_SLOT_SIZE;
constexpr int kSettingsClosingOffset = 0x007F;
constexpr int kMacroClosingOffset = 0x0FFF;
constexpr int kProfileCount = 5;
constexpr int kStageCount = 8;

enum Opcode : uint8_t {
    OpFirstArea = 0x01,
    OpLastArea = 0x05,
    OpControl = 0x40,
    OpSetProfile = 0x44,
    OpWriteSession = 0x46,
    OpStatus = 0x48,
    OpStateChange = 0x49,
};

struct CollectionInfo {
    Collection collection;
    int number;  // the colNN of the path
    unsigned short usagePage;
    unsigned short usage;
};

// What each connection exposes, in enumeration order.
const CollectionInfo kCollections[] = {
    {Collection::Mouse, 1, 0x01, 0x02},
    {Collection::Consumer, 2, 0x0C, 0x01},
    {Collection::Keyboard, 3, 0x01, 0x06},
    {Collection::Command, 4, 0x01, 0x00},
};

struct ConnectionInfo {
    Connection connection;
    uint16_t productId;
    const char *instance;
    const wchar_t *product;
};

const ConnectionInfo kConnections[] = {
    {Connection::Receiver, VirtualMouse::RECEIVER_PRODUCT_ID, "7&2d1f6a3b&0", L"Wireless Mouse Receiver"},
    {Connection::Cable, VirtualMouse::CABLE_PRODUCT_ID, "7&19c0a8e2&0", L"Wireless Mouse"},
};

const wchar_t kManufacturer[] = L"Kest";

// 125, 250, 500, 1000 Hz as the mouse's rate button steps through them.
const int kRateCycle[] = {8, 4, 2, 1};

int connectionIndex(Connection which)
{
    return which == Connection::Cable ? 1 : 0;
}

uint8_t checksumOf(const uint8_t *report)
{
    unsigned sum = 0;
    for (int i = 2; i <= 7; ++i)
        sum += report[i];
    return static_cast<uint8_t>((sum & 0xFF) ^ kChecksumMask);
}

SimReport deviceReport(uint8_t opcode)
{
    SimReport report{};
    report[0] = kReportId;
    report[2] = kMagic;
    report[3] = opcode;
    return report;
}

wchar_t *copyWide(const wchar_t *text)
{
    const size_t size = (std::wcslen(text) + 1) * sizeof(wchar_t);
    auto *copy = static_cast<wchar_t *>(std::malloc(size));
    std::memcpy(copy, text, size);
    return copy;
}

} // namespace

struct VirtualMouse::Handle {
    struct Pending {
        Clock::time_point readyAt;
        QByteArray bytes;
    };
    Connection connection = Connection::None;
    Collection collection = Collection::Command;
    bool dead = false;      // its connection was unplugged: calls fail
    int inUse = 0;          // calls in progress
    std::deque<Pending> pending;   // on their way, not yet readable
    std::deque<QByteArray> queue;  // readable, at most SIM_QUEUE_CAPACITY
    long long nextMotion = 0;      // index of the next movement report it gets
};

VirtualMouse::VirtualMouse() = default;

VirtualMouse::~VirtualMouse() = default;

void VirtualMouse::reset(Connection attached, Topology topology)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto &entry : m_handles)
            entry.second->dead = true;
        m_handles.clear();
        m_memory.clear();
        m_state = MouseState();
        m_closingWrites.fill(0);
        m_areaPhase.fill(0);
        m_attached = 0;
        m_topology = topology;
        for (const ConnectionInfo &info : kConnections)
            if (static_cast<int>(attached) & static_cast<int>(info.connection))
                m_node[connectionIndex(info.connection)] = m_nextNode++;
        m_attached = static_cast<int>(attached);
        m_release[0] = m_release[1] = 0x0100;
        m_millivolts = 4100;
        m_charge = 0;
        m_sleeping = false;
        m_writeStatus = -1;
        m_instantTimeouts = true;
        m_replyDelayMs = 0;
        m_motionHz = 0;
        m_faults = Faults();
        m_writesByOpcode.clear();
        m_totalWrites = m_reads = m_readsDelivered = 0;
        m_handleFaults = m_refused = m_dropped = 0;
        m_lastRefusal.clear();
        m_log.clear();
    }
    m_arrived.notify_all();
    notifyChanged();
}

// ---- attachment -------------------------------------------------------------

void VirtualMouse::plug(Connection which)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const ConnectionInfo &info : kConnections) {
            const int bit = static_cast<int>(info.connection);
            if (!(static_cast<int>(which) & bit) || (m_attached & bit))
                continue;
            m_node[connectionIndex(info.connection)] = m_nextNode++;
            m_attached |= bit;
        }
    }
    notifyChanged();
    for (const ConnectionInfo &info : kConnections)
        if (static_cast<int>(which) & static_cast<int>(info.connection))
            announce(notificationNames(info.connection), true);
}

void VirtualMouse::unplug(Connection which)
{
    // The names of the nodes that go away, taken while they are still there.
    QStringList names;
    for (const ConnectionInfo &info : kConnections)
        if (static_cast<int>(which) & static_cast<int>(info.connection))
            names += notificationNames(info.connection);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_attached &= ~static_cast<int>(which);
        for (auto &entry : m_handles)
            if (static_cast<int>(entry.second->connection) & static_cast<int>(which))
                entry.second->dead = true;
    }
    m_arrived.notify_all();
    notifyChanged();
    announce(names, false);
}

void VirtualMouse::announce(const QStringList &names, bool arrival)
{
    for (const QString &name : names)
        emit interfaceChanged(name, arrival);
}

Connection VirtualMouse::attached() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<Connection>(m_attached);
}

Topology VirtualMouse::topology() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_topology;
}

void VirtualMouse::setReleaseNumber(Connection which, uint16_t bcd)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const ConnectionInfo &info : kConnections)
        if (static_cast<int>(info.connection) & static_cast<int>(which))
            m_release[connectionIndex(info.connection)] = bcd;
}

uint16_t VirtualMouse::releaseNumber(Connection which) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_release[connectionIndex(which)];
}

QString VirtualMouse::interfacePath(Connection which, Collection collection)
{
    const ConnectionInfo &connection = kConnections[connectionIndex(which)];
    const CollectionInfo *info = std::find_if(std::begin(kCollections), std::end(kCollections),
                                              [collection](const CollectionInfo &c) { return c.collection == collection; });
    if (info == std::end(kCollections))
        info = &kCollections[3];
    return QStringLiteral("\\\\?\\hid#vid_%1&pid_%2&col%3#%4&%5#{4d1e55b2-f16f-11cf-88cb-001111000030}")
        .arg(VENDOR_ID, 4, 16, QLatin1Char('0'))
        .arg(connection.productId, 4, 16, QLatin1Char('0'))
        .arg(info->number, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(connection.instance))
        .arg(info->number - 1, 4, 10, QLatin1Char('0'));
}

QString VirtualMouse::devicePath(Connection which, Collection collection) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!(m_attached & static_cast<int>(which)))
        return QString();
    if (m_topology == Topology::PerCollection)
        return interfacePath(which, collection);
    return QStringLiteral("/dev/hidraw%1").arg(m_node[connectionIndex(which)]);
}

QStringList VirtualMouse::notificationNames(Connection which) const
{
    if (!(static_cast<int>(attached()) & static_cast<int>(which)))
        return {};
    if (topology() == Topology::PerCollection) {
        QStringList names;
        for (Collection c : {Collection::Mouse, Collection::Command})
            names << interfacePath(which, c).mid(4); // without "\\?\"
        return names;
    }
    const QString node = devicePath(which, Collection::Interface);
    // As the hot-plug monitor names a hidraw node from its sysfs path.
    const ConnectionInfo &connection = kConnections[connectionIndex(which)];
    const QString sysPath = QStringLiteral("/sys/devices/virtual/0003:%1:%2.0001/hidraw/%3")
                                .arg(QString::number(VENDOR_ID, 16).toUpper(),
                                     QString::number(connection.productId, 16).toUpper(), node.mid(5));
    return HidHotplugMonitor::interfaceNamesForSysPath(sysPath);
}

// ---- firmware settings ------------------------------------------------------

void VirtualMouse::setBatteryMillivolts(int millivolts)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_millivolts = millivolts;
    }
    notifyChanged();
}

int VirtualMouse::batteryMillivolts() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_millivolts;
}

int VirtualMouse::batteryRaw(int millivolts)
{
    const long long scaled = std::max(0LL, static_cast<long long>(millivolts) * 240);
    return static_cast<int>(std::min(0xFFFFLL, (scaled + 495) / 990));
}

void VirtualMouse::setCharge(uint8_t charge)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_charge = charge;
    }
    notifyChanged();
}

void VirtualMouse::setSleeping(bool sleeping)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_sleeping = sleeping;
    }
    notifyChanged();
}

bool VirtualMouse::sleeping() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_sleeping;
}

void VirtualMouse::setDeviceMode(int mode)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_state.deviceMode = mode;
    }
    notifyChanged();
}

void VirtualMouse::setWriteStatus(int status)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writeStatus = status;
}

void VirtualMouse::setInstantTimeouts(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_instantTimeouts = on;
}

void VirtualMouse::setReplyDelayMs(int ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_replyDelayMs = std::max(0, ms);
}

void VirtualMouse::setMotionRate(int hz)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const Clock::time_point now = Clock::now();
        // What moved so far stays queued; the new stream starts now.
        for (auto &entry : m_handles)
            catchUp(*entry.second, now);
        m_motionHz = std::clamp(hz, 0, SIM_MAX_MOTION_HZ);
        m_motionStart = now;
        for (auto &entry : m_handles)
            entry.second->nextMotion = 1;
    }
    m_arrived.notify_all();
    notifyChanged();
}

int VirtualMouse::motionRate() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_motionHz;
}

// ---- mouse-side buttons -----------------------------------------------------

// A press wakes a sleeping mouse, as moving it would.
void VirtualMouse::pressProfileButton()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_sleeping = false;
        m_state.activeProfile = (m_state.activeProfile + 1) % kProfileCount;
        queueStateChange();
    }
    m_arrived.notify_all();
    notifyChanged();
}

void VirtualMouse::pressDpiButton()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_sleeping = false;
        int count = m_memory.dpiTable().count;
        if (count < 1 || count > kStageCount)
            count = kStageCount;
        m_state.dpiStage = (m_state.dpiStage + 1) % count;
        queueStateChange();
    }
    m_arrived.notify_all();
    notifyChanged();
}

void VirtualMouse::pressRateButton()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_sleeping = false;
        const int *current = std::find(std::begin(kRateCycle), std::end(kRateCycle), m_state.rateCode);
        const int *next = current == std::end(kRateCycle) || current + 1 == std::end(kRateCycle)
                              ? std::begin(kRateCycle)
                              : current + 1;
        m_state.rateCode = *next;
        queueStateChange();
    }
    m_arrived.notify_all();
    notifyChanged();
}

// ---- fault injection --------------------------------------------------------

void VirtualMouse::dropReplies(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.drop = std::max(0, count);
}

void VirtualMouse::zeroReplies(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.zero = std::max(0, count);
}

void VirtualMouse::corruptReplyHeader(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.corruptHeader = std::max(0, count);
}

void VirtualMouse::corruptReplyData(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.corruptData = std::max(0, count);
}

void VirtualMouse::failWrites(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.failWrites = std::max(0, count);
}

void VirtualMouse::setFailAllWrites(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.failAll = on;
}

void VirtualMouse::setDenyOpens(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.denyOpen = on;
}

bool VirtualMouse::deniesOpens() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_faults.denyOpen;
}

void VirtualMouse::stallWrites(int count, int ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.stalls = std::max(0, count);
    m_faults.stallMs = std::max(0, ms);
}

int VirtualMouse::writesStalling() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_stalling;
}

void VirtualMouse::clearFaults()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults = Faults();
}

// ---- counters and log -------------------------------------------------------

int VirtualMouse::writeCount(int opcode) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (opcode >= 0) {
        const auto found = m_writesByOpcode.find(opcode);
        return found == m_writesByOpcode.end() ? 0 : found->second;
    }
    int sum = 0;
    for (const auto &entry : m_writesByOpcode)
        sum += entry.second;
    return sum;
}

int VirtualMouse::totalWrites() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_totalWrites;
}

int VirtualMouse::readCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_reads;
}

int VirtualMouse::readsDelivered() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_readsDelivered;
}

QVector<WrittenReport> VirtualMouse::writeLog() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_log;
}

int VirtualMouse::handleFaults() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_handleFaults;
}

int VirtualMouse::refusedCommands() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_refused;
}

QString VirtualMouse::lastRefusal() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lastRefusal;
}

int VirtualMouse::droppedReports() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_dropped;
}

void VirtualMouse::resetCounters()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writesByOpcode.clear();
    m_totalWrites = m_reads = m_readsDelivered = 0;
    m_handleFaults = m_refused = m_dropped = 0;
    m_lastRefusal.clear();
    m_log.clear();
}

// ---- decoded view -----------------------------------------------------------

MouseState VirtualMouse::state() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

int VirtualMouse::activeProfile() const
{
    return state().activeProfile;
}

bool VirtualMouse::writeOpen() const
{
    return state().writeOpen;
}

MouseMemory VirtualMouse::memory() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_memory;
}

QByteArray VirtualMouse::area(MemoryArea which) const
{
    return memory().area(which);
}

BasicSettingsView VirtualMouse::basicSettings() const
{
    return memory().basicSettings();
}

DpiTableView VirtualMouse::dpiTable() const
{
    return memory().dpiTable();
}

std::array<KeyEntryView, KEY_ENTRY_COUNT> VirtualMouse::keyEntries() const
{
    return memory().keyEntries();
}

std::array<LightingRecordView, LIGHTING_RECORD_COUNT> VirtualMouse::lightingRecords() const
{
    return memory().lightingRecords();
}

QByteArray VirtualMouse::macroSlot(int slot) const
{
    return memory().macroSlot(slot);
}

int VirtualMouse::closingWrites(MemoryArea which) const
{
    const int index = static_cast<int>(which) - 1;
    std::lock_guard<std::mutex> lock(m_mutex);
    return index >= 0 && index < MEMORY_AREA_COUNT ? m_closingWrites[index] : 0;
}

QString VirtualMouse::dumpJson() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_memory.toJson(m_state.activeProfile, m_state.writeOpen, m_refused, m_handleFaults);
}

// ---- the hidapi side --------------------------------------------------------

hid_device_info *VirtualMouse::enumerate(unsigned short vendorId, unsigned short productId) const
{
    int attachedNow;
    uint16_t release[2];
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        attachedNow = m_attached;
        release[0] = m_release[0];
        release[1] = m_release[1];
    }
    hid_device_info *first = nullptr;
    hid_device_info **link = &first;
    for (const ConnectionInfo &connection : kConnections) {
        if (!(attachedNow & static_cast<int>(connection.connection)))
            continue;
        if ((vendorId && vendorId != VENDOR_ID) || (productId && productId != connection.productId))
            continue;
        // A hidraw node is listed once per top-level collection, under one path.
        for (const CollectionInfo &collection : kCollections) {
            auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
            info->path = strdup(devicePath(connection.connection, collection.collection).toLatin1().constData());
            info->vendor_id = VENDOR_ID;
            info->product_id = connection.productId;
            info->serial_number = copyWide(L"");
            info->release_number = release[connectionIndex(connection.connection)];
            info->manufacturer_string = copyWide(kManufacturer);
            info->product_string = copyWide(connection.product);
            info->usage_page = collection.usagePage;
            info->usage = collection.usage;
            info->interface_number = 0;
            info->bus_type = HID_API_BUS_USB;
            *link = info;
            link = &info->next;
        }
    }
    return first;
}

void VirtualMouse::freeEnumeration(hid_device_info *devices)
{
    while (devices) {
        hid_device_info *next = devices->next;
        std::free(devices->path);
        std::free(devices->serial_number);
        std::free(devices->manufacturer_string);
        std::free(devices->product_string);
        std::free(devices);
        devices = next;
    }
}

hid_device *VirtualMouse::open(const char *path)
{
    if (!path) {
        errno = EINVAL;
        return nullptr;
    }
    const QString wanted = QString::fromLatin1(path);
    Connection connection = Connection::None;
    Collection collection = Collection::Interface;
    for (const ConnectionInfo &info : kConnections) {
        if (topology() == Topology::Hidraw) {
            if (wanted == devicePath(info.connection, Collection::Interface))
                connection = info.connection;
            continue;
        }
        for (const CollectionInfo &c : kCollections) {
            if (!devicePath(info.connection, c.collection).isEmpty()
                && wanted.compare(interfacePath(info.connection, c.collection), Qt::CaseInsensitive) == 0) {
                connection = info.connection;
                collection = c.collection;
            }
        }
    }
    // As open(2) under hid_open_path: errno says why there is no handle.
    if (connection == Connection::None) {
        errno = ENOENT;
        return nullptr;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_faults.denyOpen) {
        errno = EACCES;
        return nullptr;
    }
    auto handle = std::make_shared<Handle>();
    handle->connection = connection;
    handle->collection = collection;
    handle->nextMotion = firstMotionAfter(Clock::now());
    // Handles are tokens that are never used twice, so a stale one is always recognised.
    auto *device = reinterpret_cast<hid_device *>(0x10000 + 0x10 * m_nextToken++);
    m_handles[device] = std::move(handle);
    return device;
}

VirtualMouse::Handle *VirtualMouse::liveHandle(hid_device *device)
{
    const auto found = m_handles.find(device);
    if (found == m_handles.end()) {
        ++m_handleFaults;
        return nullptr;
    }
    return found->second.get();
}

void VirtualMouse::close(hid_device *device)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        Handle *handle = liveHandle(device);
        if (!handle)
            return;
        // Closing under a read or write of another thread frees what that call uses.
        if (handle->inUse > 0)
            ++m_handleFaults;
        handle->dead = true;
        m_handles.erase(device);
    }
    m_arrived.notify_all();
}

int VirtualMouse::write(hid_device *device, const unsigned char *data, size_t length)
{
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        Handle *found = liveHandle(device);
        if (!found || !data)
            return -1;
        const std::shared_ptr<Handle> held = m_handles[device]; // a close while stalled is a fault, not a crash
        Handle &handle = *held;
        if (m_faults.stalls > 0) {
            --m_faults.stalls;
            ++handle.inUse;
            ++m_stalling;
            const Clock::time_point until = Clock::now() + std::chrono::milliseconds(m_faults.stallMs);
            m_arrived.wait_until(lock, until, [&] { return handle.dead; });
            --m_stalling;
            --handle.inUse;
        }
        ++m_totalWrites;
        const bool command = (handle.collection == Collection::Command || handle.collection == Collection::Interface)
                             && length > 3 && data[0] == kReportId;
        if (command)
            ++m_writesByOpcode[data[3]];

        WrittenReport logged;
        logged.connection = handle.connection;
        logged.collection = handle.collection == Collection::Interface ? Collection::Command : handle.collection;
        logged.bytes = QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(length));
        bool fail = handle.dead || m_faults.failAll;
        if (!fail && m_faults.failWrites > 0) {
            --m_faults.failWrites;
            fail = true;
        }
        logged.accepted = !fail;
        m_log.append(logged);
        if (fail)
            return -1;
        if (command && length >= 8) {
            SimReport report{};
            std::copy_n(data, std::min(length, report.size()), report.begin());
            handleCommand(handle.connection, report);
        }
    }
    m_arrived.notify_all();
    notifyChanged();
    return static_cast<int>(length);
}

int VirtualMouse::read(hid_device *device, unsigned char *data, size_t length, int milliseconds)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    Handle *found = liveHandle(device);
    if (!found || !data)
        return -1;
    const std::shared_ptr<Handle> handle = m_handles[device]; // a close while waiting is a fault, not a crash
    ++m_reads;
    ++handle->inUse;
    struct Release {
        Handle &h;
        ~Release() { --h.inUse; }
    } release{*handle};
    const bool waitsForever = milliseconds < 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(0, milliseconds));
    for (;;) {
        if (handle->dead)
            return -1;
        const Clock::time_point now = Clock::now();
        catchUp(*handle, now);
        if (!handle->queue.empty()) {
            const QByteArray bytes = handle->queue.front();
            handle->queue.pop_front();
            ++m_readsDelivered;
            const size_t count = std::min(length, static_cast<size_t>(bytes.size()));
            std::copy_n(reinterpret_cast<const uint8_t *>(bytes.constData()), count, data);
            return static_cast<int>(count);
        }
        // The next report on its way: a reply, or the next movement report.
        Clock::time_point next = Clock::time_point::max();
        if (!handle->pending.empty())
            next = handle->pending.front().readyAt;
        const bool replyInTime = next != Clock::time_point::max() && (waitsForever || next <= deadline);
        if (carriesMotion(*handle))
            next = std::min(next, motionTime(handle->nextMotion));
        if (m_instantTimeouts && !replyInTime)
            return 0;
        if (!waitsForever && now >= deadline)
            return 0;
        const Clock::time_point until = waitsForever ? next : std::min(next, deadline);
        if (until == Clock::time_point::max())
            m_arrived.wait(lock);
        else
            m_arrived.wait_until(lock, until);
    }
}

// ---- input reports ----------------------------------------------------------

bool VirtualMouse::carriesMotion(const Handle &handle) const
{
    if (m_motionHz <= 0 || handle.dead)
        return false;
    if (m_topology == Topology::PerCollection && handle.collection != Collection::Mouse)
        return false;
    // With both attached the mouse reports over its cable.
    const bool cable = m_attached & static_cast<int>(Connection::Cable);
    return handle.connection == (cable ? Connection::Cable : Connection::Receiver);
}

Clock::time_point VirtualMouse::motionTime(long long index) const
{
    const long long micros = index * 1000000LL / std::max(1, m_motionHz);
    return m_motionStart + std::chrono::microseconds(micros);
}

long long VirtualMouse::firstMotionAfter(Clock::time_point t) const
{
    if (m_motionHz <= 0 || t < m_motionStart)
        return 1;
    const long long micros = std::chrono::duration_cast<std::chrono::microseconds>(t - m_motionStart).count();
    return micros * m_motionHz / 1000000LL + 1;
}

// Movement reports carry any byte values, the firmware's magic and opcodes included.
QByteArray VirtualMouse::motionReport(long long index) const
{
    constexpr int kKeyboardEvery = 50;
    if (index % kKeyboardEvery == 0) {
        QByteArray keyboard(9, '\0');
        keyboard[0] = 2;                                  // keyboard collection
        keyboard[3] = static_cast<char>(index % 2 ? 0x48 : 0x49);
        return keyboard;
    }
    QByteArray motion(8, '\0');
    motion[0] = 1;                                        // mouse collection
    motion[1] = static_cast<char>(index % 3 == 0 ? 0x05 : 0);
    motion[2] = static_cast<char>(index % 4 == 0 ? kMagic : (index * 7) & 0xFF);
    motion[3] = static_cast<char>(index % 2 ? OpStatus : OpStateChange);
    motion[4] = static_cast<char>(index & 0xFF);
    motion[5] = static_cast<char>((index >> 8) & 0xFF);
    motion[6] = static_cast<char>(-(index & 0x0F));
    return motion;
}

// Moves what has arrived by now into the handle's queue in the order it
// arrived; once the queue is full, the rest is lost.
void VirtualMouse::catchUp(Handle &handle, Clock::time_point now)
{
    const bool motion = carriesMotion(handle);
    for (;;) {
        const bool replyDue = !handle.pending.empty() && handle.pending.front().readyAt <= now;
        const bool motionDue = motion && motionTime(handle.nextMotion) <= now;
        if (!replyDue && !motionDue)
            return;
        const bool takeReply = replyDue && (!motionDue || handle.pending.front().readyAt <= motionTime(handle.nextMotion));
        if (static_cast<int>(handle.queue.size()) >= SIM_QUEUE_CAPACITY) {
            // Everything due now is dropped at once.
            while (!handle.pending.empty() && handle.pending.front().readyAt <= now) {
                handle.pending.pop_front();
                ++m_dropped;
            }
            if (motion) {
                const long long next = firstMotionAfter(now);
                m_dropped += static_cast<int>(std::max(0LL, next - handle.nextMotion));
                handle.nextMotion = next;
            }
            return;
        }
        if (takeReply) {
            handle.queue.push_back(handle.pending.front().bytes);
            handle.pending.pop_front();
        } else {
            handle.queue.push_back(motionReport(handle.nextMotion++));
        }
    }
}

void VirtualMouse::deliver(Connection connection, Collection collection, const QByteArray &report,
                           Clock::time_point readyAt)
{
    for (auto &entry : m_handles) {
        Handle &handle = *entry.second;
        if (handle.dead || handle.connection != connection)
            continue;
        if (handle.collection != Collection::Interface && handle.collection != collection)
            continue;
        catchUp(handle, Clock::now());
        handle.pending.push_back({readyAt, report});
    }
}

// ---- firmware ---------------------------------------------------------------

bool VirtualMouse::refuse(const char *why)
{
    ++m_refused;
    m_lastRefusal = QString::fromLatin1(why);
    return false;
}

// The firmware takes area writes only inside a write session, chunk by chunk
// in tag order, inside the area, closed by its closing write.
bool VirtualMouse::acceptAreaWrite(const SimReport &report)
{
    const uint8_t opcode = report[3];
    const int offset = report[4] | (report[5] << 8);
    const int length = report[6];
    const uint8_t tag = report[7];
    const bool macros = opcode == OpLastArea;
    const int areaSize = macros ? kMacroAreaSize : kSettingsAreaSize;
    int &phase = m_areaPhase[opcode - OpFirstArea];
    if (!m_state.writeOpen)
        return refuse("area write outside begin and end write");
    if (tag == kTagClosing) {
        if (phase == 0)
            return refuse("closing write before the first chunk");
        if (offset != (macros ? kMacroClosingOffset : kSettingsClosingOffset) || length != 1)
            return refuse("closing write at the wrong offset");
        phase = 2;
        ++m_closingWrites[opcode - OpFirstArea];
        return true;
    }
    if (tag != kTagFirst && tag != kTagNext)
        return refuse("unknown chunk tag");
    if (tag == kTagNext && phase != 1)
        return refuse("further chunk without a first chunk");
    if (length < 1 || length > kMaxData || offset + length > areaSize)
        return refuse("chunk outside the area");
    phase = 1;
    m_memory.store(static_cast<MemoryArea>(opcode), offset, report.data() + 8, length);
    return true;
}

void VirtualMouse::handleCommand(Connection connection, const SimReport &report)
{
    if (report[2] != kMagic || report[1] != checksumOf(report.data()))
        return;
    const uint8_t opcode = report[3];
    if (opcode == OpStatus) {
        queueReply(connection, statusReply());
        return;
    }
    // Out of the receiver's reach: the command is lost on the way to the mouse.
    if (m_sleeping)
        return;
    bool echo = false;
    if (opcode >= OpFirstArea && opcode <= OpLastArea) {
        echo = acceptAreaWrite(report);
    } else if (opcode == OpControl) {
        echo = report[4] == kControlPrefix || refuse("control command without 0xF3");
    } else if (opcode == OpWriteSession) {
        if (report[4] == 0) {
            m_state.writeOpen = true;
            m_areaPhase.fill(0);
            echo = true;
        } else if (report[4] == 1) {
            m_state.writeOpen = false;
            echo = true;
        } else {
            refuse("unknown write-session command");
        }
    } else if (opcode == OpSetProfile) {
        if (report[4] < kProfileCount)
            m_state.activeProfile = report[4];
        else
            refuse("profile out of range");
    } else {
        refuse("unknown opcode");
    }
    if (echo)
        queueReply(connection, report);
}

SimReport VirtualMouse::statusReply() const
{
    SimReport reply = deviceReport(OpStatus);
    if (!m_sleeping) {
        const int raw = batteryRaw(m_millivolts);
        reply[4] = static_cast<uint8_t>(raw & 0xFF);
        reply[5] = static_cast<uint8_t>(raw >> 8);
        reply[6] = m_charge;
        reply[7] = static_cast<uint8_t>(m_writeStatus >= 0 ? m_writeStatus : (m_state.writeOpen ? 0 : 1));
    }
    reply[10] = static_cast<uint8_t>(m_state.deviceMode);
    reply[1] = checksumOf(reply.data());
    return reply;
}

void VirtualMouse::queueReply(Connection connection, SimReport reply)
{
    if (m_faults.drop > 0) {
        --m_faults.drop;
        return;
    }
    if (m_faults.zero > 0) {
        --m_faults.zero;
        reply.fill(0);
    } else {
        if (m_faults.corruptHeader > 0) {
            --m_faults.corruptHeader;
            reply[4] = static_cast<uint8_t>(~reply[4]);
        }
        if (m_faults.corruptData > 0) {
            --m_faults.corruptData;
            reply[8] = static_cast<uint8_t>(~reply[8]);
        }
    }
    deliver(connection, Collection::Command, QByteArray(reinterpret_cast<const char *>(reply.data()), SIM_REPORT_SIZE),
            Clock::now() + std::chrono::milliseconds(m_replyDelayMs));
}

void VirtualMouse::queueStateChange()
{
    SimReport report = deviceReport(OpStateChange);
    report[4] = static_cast<uint8_t>(m_state.activeProfile);
    report[5] = static_cast<uint8_t>(m_state.dpiStage);
    report[6] = static_cast<uint8_t>(m_state.rateCode);
    report[7] = static_cast<uint8_t>(m_state.deviceMode);
    report[1] = checksumOf(report.data());
    const QByteArray bytes(reinterpret_cast<const char *>(report.data()), SIM_REPORT_SIZE);
    for (const ConnectionInfo &info : kConnections)
        if (m_attached & static_cast<int>(info.connection))
            deliver(info.connection, Collection::Command, bytes, Clock::now());
}

void VirtualMouse::notifyChanged()
{
    emit changed();
}

VirtualMouse &virtualMouse()
{
    static VirtualMouse mouse;
    return mouse;
}
