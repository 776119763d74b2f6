#pragma once
// A model of the mouse's firmware: its memory areas, its state, the replies it
// queues on each open handle, and faults injected on request. Reached by the
// device layer only through virtualHidApi(); tests and the control window
// drive and inspect it through this class. All members are thread-safe.
#include "sim/MouseMemory.h"
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVector>
#include <QStringList>
#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

struct hid_device_info;
typedef struct hid_device_ hid_device;

// How the mouse is attached. Values are bit flags so that both can be named at once.
enum class Connection : int { None = 0, Receiver = 1, Cable = 2, Both = 3 };

// Which collection of a connection a handle or path belongs to. Interface: a
// hidraw node, which carries every collection of the connection.
enum class Collection : int { Mouse, Consumer, Keyboard, Command, Interface };

// How the system presents the mouse's collections.
// Hidraw: one node per connection ("/dev/hidrawN"), listed once per collection,
// every input report of the connection on every handle of it.
// PerCollection: one path and handle per collection, as some other systems do.
enum class Topology : int { Hidraw, PerCollection };

constexpr int SIM_REPORT_SIZE = 33;
using SimReport = std::array<uint8_t, SIM_REPORT_SIZE>;
constexpr int SIM_QUEUE_CAPACITY = 64; // input reports queued per handle; newer ones are dropped
constexpr int SIM_MAX_MOTION_HZ = 1000;

struct WrittenReport {
    Connection connection = Connection::None;  // Receiver or Cable
    Collection collection = Collection::Command;
    QByteArray bytes;      // as passed to hid_write (report id first)
    bool accepted = false; // hid_write succeeded
};

struct MouseState {
    int activeProfile = 0;    // 0..4
    int dpiStage = 0;         // 0..7
    int rateCode = 1;         // 1, 2, 4, 8 (ms between reports)
    int deviceMode = 0;       // byte 10 of a status reply, byte 7 of a state change
    bool writeOpen = false;   // between begin write and end write
};

class VirtualMouse : public QObject
{
    Q_OBJECT
public:
    static constexpr uint16_t VENDOR_ID = 0x248A;
    static constexpr uint16_t RECEIVER_PRODUCT_ID = 0xFA02;
    static constexpr uint16_t CABLE_PRODUCT_ID = 0xFB01;

    VirtualMouse();
    ~VirtualMouse() override;

    // Fresh mouse: empty memory, default state and settings, no faults, zero
    // counters, every handle closed, still, attached as given, in the given topology.
    void reset(Connection attached = Connection::None, Topology topology = Topology::Hidraw);

    // ---- attachment ---------------------------------------------------------
    // Each plug gives the connection a new hidraw node number; both announce
    // themselves through interfaceChanged, once per name a system reports.
    void plug(Connection which);    // adds to what is attached
    void unplug(Connection which);  // open handles of it fail from now on
    Connection attached() const;
    Topology topology() const;
    void setReleaseNumber(Connection which, uint16_t bcd);  // default 0x0100
    uint16_t releaseNumber(Connection which) const;
    // Per-collection path, e.g. "\\?\hid#vid_248a&pid_fa02&col04#...".
    static QString interfacePath(Connection which, Collection collection);
    // What hidapi lists and opens for a collection now: the node "/dev/hidrawN"
    // (Hidraw) or interfacePath (PerCollection); empty when not attached.
    QString devicePath(Connection which, Collection collection) const;
    // The names a device notification carries for the connection as attached
    // now (mouse collection first, then command collection).
    QStringList notificationNames(Connection which) const;

    // ---- firmware settings --------------------------------------------------
    void setBatteryMillivolts(int millivolts);  // default 4100 (raw 994)
    int batteryMillivolts() const;
    static int batteryRaw(int millivolts);      // millivolts * 240 / 990, rounded
    void setCharge(uint8_t charge);             // status byte 6; non-zero while charging; default 0
    void setSleeping(bool sleeping);            // status bytes 4..7 answer zero
    bool sleeping() const;
    void setDeviceMode(int mode);
    // Status byte 7. Negative (default): 1 when no write is open, 0 while one is.
    void setWriteStatus(int status);

    // ---- transport behaviour ------------------------------------------------
    // On (default): a read with nothing queued returns 0 at once instead of
    // waiting for its time-out, so retry paths run without real waiting.
    void setInstantTimeouts(bool on);
    // A reply becomes readable this many ms after the write that caused it (default 0).
    void setReplyDelayMs(int ms);
    // Moving the mouse: movement reports (report id 1, and now and then a
    // keyboard report, id 2) at hz per second, 0 = still, at most 1000.
    void setMotionRate(int hz);
    int motionRate() const;

    // ---- mouse-side buttons (queue a 0x49 state-change report) -------------
    void pressProfileButton();  // next of the five profiles
    void pressDpiButton();      // next of the stages the DPI area declares (8 when none)
    void pressRateButton();     // 8 -> 4 -> 2 -> 1 -> 8

    // ---- fault injection ----------------------------------------------------
    void dropReplies(int count);          // the next count replies never arrive
    void zeroReplies(int count);          // the next count replies are 33 zero bytes
    void corruptReplyHeader(int count);   // byte 4 of the next count replies is inverted
    void corruptReplyData(int count);     // byte 8 of the next count replies is inverted
    void failWrites(int count);           // hid_write returns -1 for the next count writes
    void setFailAllWrites(bool on);
    // Every open fails with EACCES, as a node the user may not open (no udev
    // rule, a login away from the seat). Handles already open keep working.
    void setDenyOpens(bool on);
    bool deniesOpens() const;
    // The next count writes block ms before they go out, as a write does
    // when the receiver takes no reports; an unplug ends the wait (and the write fails).
    void stallWrites(int count, int ms);
    int writesStalling() const;           // writes blocked in a stall now
    void clearFaults();

    // ---- counters and log ---------------------------------------------------
    int writeCount(int opcode = -1) const;  // command-collection writes (byte 3 = opcode), accepted or not
    int totalWrites() const;                // every hid_write call on a virtual handle
    int readCount() const;                  // every hid_read_timeout call on a virtual handle
    int readsDelivered() const;             // reads that returned a report
    QVector<WrittenReport> writeLog() const;
    // Calls on a handle that is closed or was never opened, and closes of a
    // handle another call is still using. Always 0 for a correct caller.
    int handleFaults() const;
    // Commands the firmware refused (not echoed): area writes outside begin
    // and end write, chunk tags out of order, offsets outside the area,
    // control commands without 0xF3, unknown opcodes, profiles out of range.
    int refusedCommands() const;
    QString lastRefusal() const;
    int droppedReports() const;            // input reports lost to full queues
    void resetCounters();

    // ---- decoded view -------------------------------------------------------
    MouseState state() const;
    int activeProfile() const;
    bool writeOpen() const;
    MouseMemory memory() const;  // a snapshot
    QByteArray area(MemoryArea area) const;
    BasicSettingsView basicSettings() const;
    DpiTableView dpiTable() const;
    std::array<KeyEntryView, KEY_ENTRY_COUNT> keyEntries() const;
    std::array<LightingRecordView, LIGHTING_RECORD_COUNT> lightingRecords() const;
    QByteArray macroSlot(int slot) const;
    int closingWrites(MemoryArea area) const;  // closing writes received per area
    QString dumpJson() const;

    // ---- the hidapi side (used by virtualHidApi) ----------------------------
    hid_device_info *enumerate(unsigned short vendorId, unsigned short productId) const;
    static void freeEnumeration(hid_device_info *devices);
    hid_device *open(const char *path);
    void close(hid_device *device);
    int write(hid_device *device, const unsigned char *data, size_t length);
    int read(hid_device *device, unsigned char *data, size_t length, int milliseconds);

signals:
    // Memory, state or attachment changed (emitted without the lock held).
    void changed();
    // A device notification: a connection's collection arrived or was removed.
    void interfaceChanged(const QString &interfaceName, bool arrival);

private:
    struct Handle;
    struct Faults {
        int drop = 0, zero = 0, corruptHeader = 0, corruptData = 0, failWrites = 0, stalls = 0, stallMs = 0;
        bool failAll = false;
        bool denyOpen = false;
    };

    void handleCommand(Connection connection, const SimReport &report);
    bool refuse(const char *why);
    bool acceptAreaWrite(const SimReport &report);
    void queueReply(Connection connection, SimReport reply);
    void deliver(Connection connection, Collection collection, const QByteArray &report,
                 std::chrono::steady_clock::time_point readyAt);
    void queueStateChange();
    SimReport statusReply() const;
    void catchUp(Handle &handle, std::chrono::steady_clock::time_point now);
    QByteArray motionReport(long long index) const;
    bool carriesMotion(const Handle &handle) const;
    std::chrono::steady_clock::time_point motionTime(long long index) const;
    long long firstMotionAfter(std::chrono::steady_clock::time_point t) const;
    Handle *liveHandle(hid_device *device);  // counts a fault when unknown
    void announce(const QStringList &names, bool arrival);
    void notifyChanged();

    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    MouseMemory m_memory;
    MouseState m_state;
    std::array<int, MEMORY_AREA_COUNT> m_closingWrites{};
    int m_attached = 0;
    Topology m_topology = Topology::Hidraw;
    int m_node[2] = {0, 0};
    int m_nextNode = 3;
    int m_motionHz = 0;
    std::chrono::steady_clock::time_point m_motionStart;
    std::array<int, MEMORY_AREA_COUNT> m_areaPhase{};  // 0 untouched, 1 chunks open, 2 closed
    int m_handleFaults = 0;
    int m_refused = 0;
    QString m_lastRefusal;
    int m_dropped = 0;
    int m_stalling = 0;
    uintptr_t m_nextToken = 1;
    uint16_t m_release[2] = {0x0100, 0x0100};
    int m_millivolts = 4100;
    uint8_t m_charge = 0;
    bool m_sleeping = false;
    int m_writeStatus = -1;
    bool m_instantTimeouts = true;
    int m_replyDelayMs = 0;
    Faults m_faults;
    std::map<int, int> m_writesByOpcode;
    int m_totalWrites = 0;
    int m_reads = 0;
    int m_readsDelivered = 0;
    QVector<WrittenReport> m_log;
    std::map<hid_device *, std::shared_ptr<Handle>> m_handles;
};

// The one virtual mouse of the process.
VirtualMouse &virtualMouse();
