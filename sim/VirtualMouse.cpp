#include "sim/VirtualMouse.h"
#include <hidapi/hidapi.h>
#include <algorithm>
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
constexpr uint8_t kTagClosing = 0xD3;
constexpr int kMaxData = SIM_REPORT_SIZE - 8;
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
        SimReport bytes;
    };
    Connection connection = Connection::None;
    Collection collection = Collection::Command;
    bool dead = false;
    std::deque<Pending> pending;
};

VirtualMouse::VirtualMouse() = default;

VirtualMouse::~VirtualMouse() = default;

void VirtualMouse::reset(Connection attached)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto &entry : m_handles)
            entry.second->dead = true;
        m_handles.clear();
        m_memory.clear();
        m_state = MouseState();
        m_closingWrites.fill(0);
        m_attached = static_cast<int>(attached);
        m_release[0] = m_release[1] = 0x0100;
        m_millivolts = 4100;
        m_charge = 0;
        m_sleeping = false;
        m_writeStatus = -1;
        m_instantTimeouts = true;
        m_replyDelayMs = 0;
        m_faults = Faults();
        m_writesByOpcode.clear();
        m_totalWrites = m_reads = m_readsDelivered = 0;
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
        m_attached |= static_cast<int>(which);
    }
    notifyChanged();
}

void VirtualMouse::unplug(Connection which)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_attached &= ~static_cast<int>(which);
        for (auto &entry : m_handles)
            if (static_cast<int>(entry.second->connection) & static_cast<int>(which))
                entry.second->dead = true;
    }
    m_arrived.notify_all();
    notifyChanged();
}

Connection VirtualMouse::attached() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<Connection>(m_attached);
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
    return QStringLiteral("\\\\?\\hid#vid_%1&pid_%2&col%3#%4&%5#{4d1e55b2-f16f-11cf-88cb-001111000030}")
        .arg(VENDOR_ID, 4, 16, QLatin1Char('0'))
        .arg(connection.productId, 4, 16, QLatin1Char('0'))
        .arg(info->number, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(connection.instance))
        .arg(info->number - 1, 4, 10, QLatin1Char('0'));
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

void VirtualMouse::resetCounters()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writesByOpcode.clear();
    m_totalWrites = m_reads = m_readsDelivered = 0;
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
    return m_memory.toJson(m_state.activeProfile, m_state.writeOpen);
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
        for (const CollectionInfo &collection : kCollections) {
            auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
            info->path = strdup(interfacePath(connection.connection, collection.collection).toLatin1().constData());
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
    if (!path)
        return nullptr;
    const QString wanted = QString::fromLatin1(path);
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const ConnectionInfo &connection : kConnections) {
        if (!(m_attached & static_cast<int>(connection.connection)))
            continue;
        for (const CollectionInfo &collection : kCollections) {
            if (wanted.compare(interfacePath(connection.connection, collection.collection), Qt::CaseInsensitive) != 0)
                continue;
            auto handle = std::make_shared<Handle>();
            handle->connection = connection.connection;
            handle->collection = collection.collection;
            auto *device = reinterpret_cast<hid_device *>(handle.get());
            m_handles[device] = std::move(handle);
            return device;
        }
    }
    return nullptr;
}

void VirtualMouse::close(hid_device *device)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto found = m_handles.find(device);
        if (found == m_handles.end())
            return;
        found->second->dead = true;
        m_handles.erase(found);
    }
    m_arrived.notify_all();
}

int VirtualMouse::write(hid_device *device, const unsigned char *data, size_t length)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto found = m_handles.find(device);
        if (found == m_handles.end() || !data)
            return -1;
        Handle &handle = *found->second;
        ++m_totalWrites;
        const bool command = handle.collection == Collection::Command;
        if (command && length > 3)
            ++m_writesByOpcode[data[3]];

        WrittenReport logged;
        logged.connection = handle.connection;
        logged.collection = handle.collection;
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
        if (command && length >= 8 && data[0] == kReportId) {
            SimReport report{};
            std::copy_n(data, std::min(length, report.size()), report.begin());
            handleCommand(handle, report);
        }
    }
    m_arrived.notify_all();
    notifyChanged();
    return static_cast<int>(length);
}

int VirtualMouse::read(hid_device *device, unsigned char *data, size_t length, int milliseconds)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const auto found = m_handles.find(device);
    if (found == m_handles.end() || !data)
        return -1;
    const std::shared_ptr<Handle> handle = found->second;  // survives a close while waiting
    ++m_reads;
    const bool waitsForever = milliseconds < 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(0, milliseconds));
    for (;;) {
        if (handle->dead)
            return -1;
        const Clock::time_point now = Clock::now();
        if (!handle->pending.empty() && handle->pending.front().readyAt <= now) {
            const SimReport bytes = handle->pending.front().bytes;
            handle->pending.pop_front();
            ++m_readsDelivered;
            const size_t count = std::min(length, bytes.size());
            std::copy_n(bytes.begin(), count, data);
            return static_cast<int>(count);
        }
        const bool arrivesInTime = !handle->pending.empty() && (waitsForever || handle->pending.front().readyAt <= deadline);
        if (!arrivesInTime && (m_instantTimeouts || (!waitsForever && now >= deadline)))
            return 0;
        if (!handle->pending.empty())
            m_arrived.wait_until(lock, arrivesInTime ? handle->pending.front().readyAt : deadline);
        else if (waitsForever)
            m_arrived.wait(lock);
        else
            m_arrived.wait_until(lock, deadline);
    }
}

// ---- firmware ---------------------------------------------------------------

void VirtualMouse::handleCommand(Handle &handle, const SimReport &report)
{
    if (report[2] != kMagic || report[1] != checksumOf(report.data()))
        return;
    const uint8_t opcode = report[3];
    if (opcode == OpStatus) {
        queueReply(handle, statusReply());
        return;
    }
    // Out of the receiver's reach: the command is lost on the way to the mouse.
    if (m_sleeping)
        return;
    if (opcode >= OpFirstArea && opcode <= OpLastArea) {
        const int offset = report[4] | (report[5] << 8);
        const int length = report[6];
        if (length > kMaxData)
            return;
        const auto area = static_cast<MemoryArea>(opcode);
        if (report[7] == kTagClosing)
            ++m_closingWrites[opcode - OpFirstArea];
        else
            m_memory.store(area, offset, report.data() + 8, length);
        queueReply(handle, report);
    } else if (opcode == OpControl) {
        queueReply(handle, report);
    } else if (opcode == OpWriteSession) {
        if (report[4] == 0)
            m_state.writeOpen = true;
        else if (report[4] == 1)
            m_state.writeOpen = false;
        queueReply(handle, report);
    } else if (opcode == OpSetProfile) {
        if (report[4] < kProfileCount)
            m_state.activeProfile = report[4];
    }
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

void VirtualMouse::queueReply(Handle &handle, SimReport reply)
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
            reply[2] = static_cast<uint8_t>(~reply[2]);
        }
        if (m_faults.corruptData > 0) {
            --m_faults.corruptData;
            reply[8] = static_cast<uint8_t>(~reply[8]);
        }
    }
    handle.pending.push_back({Clock::now() + std::chrono::milliseconds(m_replyDelayMs), reply});
}

void VirtualMouse::queueStateChange()
{
    SimReport report = deviceReport(OpStateChange);
    report[4] = static_cast<uint8_t>(m_state.activeProfile);
    report[5] = static_cast<uint8_t>(m_state.dpiStage);
    report[6] = static_cast<uint8_t>(m_state.rateCode);
    report[7] = static_cast<uint8_t>(m_state.deviceMode);
    report[1] = checksumOf(report.data());
    const Clock::time_point now = Clock::now();
    for (auto &entry : m_handles) {
        Handle &handle = *entry.second;
        if (!handle.dead && handle.collection == Collection::Command)
            handle.pending.push_back({now, report});
    }
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
