// What the mouse sends back: arbitrary input reports (replies, movement,
// keyboard and status reports, short reads, time-outs, failures) read by the
// verified send and then by the status thread. A reply that does not match
// the report written never counts as success, and the status signals carry
// only what a status report said.
#include "fuzz/FuzzSupport.h"
#include "device/DeviceTable.h"
#include "device/HidSeam.h"
#include "device/InputReports.h"
#include "device/KestGetBatteryThread.h"
#include "device/SendCommand.h"
#include "platform/Sleep.h"
#include <QVector>
#include <algorithm>
#include <array>
#include <cstring>

namespace {

using Bytes = std::array<uint8_t, REPORT_SIZE>;

// Stream records: 0 a time-out, 0xFF a failed read, 0xFE an exact echo of the
// last report written, 0xFD an all-zero report, anything else k: the next
// k % 33 + 1 bytes as one report.
struct Stream {
    const uint8_t *data = nullptr;
    size_t size = 0;
    size_t at = 0;
    bool atEnd() const { return at >= size; }
};

enum class Phase { Send, Status };
enum class Outcome { None, Match, Mismatch };

Stream g_stream;
Phase g_phase = Phase::Send;
bool g_written = false;
Bytes g_lastWrite{};
Outcome g_outcome = Outcome::None;
QVector<Bytes> g_delivered; // every report read, missing bytes as zero
KestGetBatteryThread *g_thread = nullptr;
int g_handle = 0;

bool isReply(const Bytes &r, int n)
{
    const bool command = n > 3 && r[0] == REPORT_ID && r[2] == REPORT_MAGIC;
    const bool zeroHeader = n >= 8 && std::all_of(r.begin(), r.begin() + 8, [](uint8_t b) { return b == 0; });
    return command || zeroHeader;
}

bool isZeroHeader(const Bytes &r)
{
    return std::all_of(r.begin(), r.begin() + 8, [](uint8_t b) { return b == 0; });
}

bool echoes(const Bytes &w, const Bytes &r)
{
    for (int i : {0, 2, 3, 4, 5, 6}) {
        if (w[i] != r[i])
            return false;
    }
    const int dataLength = w[3] <= 10 ? std::min<int>(w[6], REPORT_DATA_MAX) : 0;
    return std::equal(w.begin() + REPORT_DATA_OFFSET, w.begin() + REPORT_DATA_OFFSET + dataLength,
                      r.begin() + REPORT_DATA_OFFSET);
}

int scriptedWrite(hid_device *, const unsigned char *data, size_t length)
{
    g_lastWrite.fill(0);
    std::copy(data, data + std::min<size_t>(length, REPORT_SIZE), g_lastWrite.begin());
    g_written = true;
    return int(length);
}

int scriptedRead(hid_device *, unsigned char *data, size_t length, int)
{
    if (g_stream.atEnd()) {
        if (g_phase == Phase::Status && g_thread)
            g_thread->isStop = true;
        return 0;
    }
    const uint8_t k = g_stream.data[g_stream.at++];
    if (k == 0)
        return 0;
    if (k == 0xFF)
        return -1;
    Bytes r{};
    int n = 0;
    if (k == 0xFE) {
        r = g_lastWrite;
        n = REPORT_SIZE;
    } else if (k == 0xFD) {
        n = REPORT_SIZE;
    } else {
        n = int(std::min<size_t>(k % REPORT_SIZE + 1, g_stream.size - g_stream.at));
        std::copy(g_stream.data + g_stream.at, g_stream.data + g_stream.at + n, r.begin());
        g_stream.at += size_t(n);
    }
    n = std::min(n, int(length));
    if (n <= 0)
        return 0;
    std::copy(r.begin(), r.begin() + n, data);
    std::fill(r.begin() + n, r.end(), 0);
    g_delivered << r;
    // Reads before this command's first write are the queue being emptied.
    if (g_phase == Phase::Send && g_written && isReply(r, n) && !isZeroHeader(r))
        g_outcome = echoes(g_lastWrite, r) ? Outcome::Match : Outcome::Mismatch;
    return n;
}

const HidApi kScripted = {
    [] { return 0; },
    [] { return 0; },
    [](unsigned short, unsigned short) -> hid_device_info * { return nullptr; },
    [](hid_device_info *) {},
    [](const char *) { return reinterpret_cast<hid_device *>(&g_handle); },
    [](hid_device *) {},
    &scriptedWrite,
    &scriptedRead,
};

bool delivered(uint8_t opcode, const std::function<bool(const Bytes &)> &says)
{
    return std::any_of(g_delivered.begin(), g_delivered.end(), [&](const Bytes &r) {
        return r[0] == REPORT_ID && r[2] == REPORT_MAGIC && r[3] == opcode && says(r);
    });
}

void checkStatusReport(const uint8_t *report)
{
    Bytes r{};
    std::copy(report, report + REPORT_SIZE, r.begin());
    fuzz::check(delivered(r[3], [&](const Bytes &d) { return d == r; })
                    && (r[3] == OpQueryStatus || r[3] == OpStateChange),
                "status report passed on that the mouse did not send");
}

void connectOnce()
{
    static bool ready = false;
    if (ready)
        return;
    ready = true;
    fuzz::Sandbox::instance();
    setSleepHook([](int) {});
    setHidApi(&kScripted);
    loadDeviceTable();
    setCollectionFound(3, true);
    setCollectionFound(4, true);
    openDeviceByName(currentDeviceName());
    fuzz::check(commandHandle() != nullptr, "no command handle");
}

class StatusProbe : public KestGetBatteryThread
{
public:
    using KestGetBatteryThread::run;
};

constexpr uint8_t kOpcodes[] = {OpBasicSettings, OpDpiStages, OpButtonTable, OpLightingTable, OpMacros,
                                OpControl, OpSetProfile, OpWriteMode, OpQueryStatus};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using fuzz::check;
    connectOnce();
    if (size < 4)
        return 0;
    // The command: its opcode, two parameter bytes, a data length and a data pattern.
    uint8_t packet[64] = {};
    uint8_t *w = packet + 1;
    w[0] = REPORT_ID;
    w[2] = REPORT_MAGIC;
    w[3] = data[0] < 0xF0 ? kOpcodes[data[0] % std::size(kOpcodes)] : data[1];
    w[4] = data[1];
    w[5] = data[2] & 0x0F;
    w[6] = data[3] % (REPORT_DATA_MAX + 1);
    for (int i = 0; i < w[6]; ++i)
        w[REPORT_DATA_OFFSET + i] = uint8_t(data[2] + 7 * i);

    g_stream = {data + 4, size - 4, 0};
    g_phase = Phase::Send;
    g_written = false;
    g_outcome = Outcome::None;
    g_delivered.clear();
    const uint8_t result = sendCommand(packet, REPORT_SIZE, &checkStatusReport);
    const SendStats stats = lastSendStats();
    check(result == DeviceOk || result == DeviceVerifyFailed, "unexpected send result");
    // Every mismatch starts the all-zero count afresh; the budgets still bound the writes.
    constexpr int zeroCountStarts = 1 + SEND_MAX_COMMAND_MISMATCHES + 2 * (SEND_MAX_REWRITES + 1);
    check(stats.writes >= 1 && stats.writes <= 1 + SEND_MAX_REWRITES + SEND_MAX_ZERO_REPLIES * zeroCountStarts,
          "writes beyond the retry budgets", QString::number(stats.writes));
    const bool readsBack = w[3] <= 10 || w[3] == OpControl || w[3] == OpWriteMode;
    if (result == DeviceOk && readsBack)
        check(g_outcome != Outcome::Mismatch && (g_outcome == Outcome::Match || stats.zeroReplies > SEND_MAX_ZERO_REPLIES),
              "a reply that does not match counted as success");

    // The rest of the stream goes to the status thread.
    g_phase = Phase::Status;
    StatusProbe probe;
    g_thread = &probe;
    QObject::connect(&probe, &KestGetBatteryThread::RefreshBatteryStatus, [](quint8 charge, quint8 low, quint8 high) {
        check((charge == 0 && low == 0 && high == 0) || delivered(OpQueryStatus, [&](const Bytes &r) {
                  return r[6] == charge && r[4] == low && r[5] == high;
              }),
              "battery status the mouse did not send");
    });
    QObject::connect(&probe, &KestGetBatteryThread::RefreshStatus, [](quint8 p, quint8 d, quint8 rate, quint8 mode) {
        check(delivered(OpStateChange, [&](const Bytes &r) {
                  return r[4] == p && r[5] == d && r[6] == rate && r[7] == mode;
              }),
              "state change the mouse did not send");
    });
    QObject::connect(&probe, &KestGetBatteryThread::RefreshWriteStatus, [](quint8 status) {
        check(delivered(OpQueryStatus, [&](const Bytes &r) { return r[7] == status && (r[4] || r[5] || r[6]); }),
              "write status the mouse did not send");
    });
    probe.run();
    g_thread = nullptr;
    return 0;
}
