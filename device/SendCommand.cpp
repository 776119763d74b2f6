#include "device/SendCommand.h"
#include "device/DeviceTable.h"
#include "device/HidSeam.h"
#include "device/InputReports.h"
#include "platform/Sleep.h"
#include <QDebug>
#include <algorithm>
#include <cstring>
#include <mutex>

Q_LOGGING_CATEGORY(lcSendTrace, "mousecfg.device.send", QtInfoMsg)

namespace {

constexpr int BUFFER_SIZE = 64;
constexpr int COMPARED_HEADER[] = {0, 2, 3, 4, 5, 6}; // checksum (1) and tag (7) are not compared

std::mutex g_statsMutex;
SendStats g_lastStats;

enum Outcome { Match = 0, HeaderMismatch = 1, DataMismatch = 2 };

void traceBytes(const char *what, int length, const uint8_t *bytes)
{
    if (!lcSendTrace().isDebugEnabled())
        return;
    QByteArray line = QByteArray(what) + " length=" + QByteArray::number(length) + " data=";
    for (int i = 0; i < REPORT_SIZE; ++i)
        line += QByteArray::number(bytes[i], 16).rightJustified(2, '0') + ' ';
    qCDebug(lcSendTrace).noquote() << line;
}

// Verified only by header: the write-mode and control commands.
bool headerOnly(uint8_t opcode)
{
    return opcode == OpControl || opcode == OpWriteMode;
}

// Commands above 10 other than write mode and control are never read back.
bool readsBack(uint8_t opcode)
{
    return opcode <= 10 || headerOnly(opcode);
}

Outcome compareEcho(const uint8_t *w, const uint8_t *r, int length)
{
    for (int i : COMPARED_HEADER) {
        if (w[i] != r[i])
            return HeaderMismatch;
    }
    const uint8_t opcode = w[3];
    // The length byte can claim more than the report holds; only real data bytes count.
    const int dataLength = std::min<int>(w[6], std::max(0, length - REPORT_DATA_OFFSET));
    if (opcode <= 10 && dataLength != 0
        && std::memcmp(w + REPORT_DATA_OFFSET, r + REPORT_DATA_OFFSET, static_cast<size_t>(dataLength)) != 0)
        return DataMismatch;
    return Match;
}

bool allZero(const uint8_t *bytes, int count)
{
    return std::all_of(bytes, bytes + count, [](uint8_t b) { return b == 0; });
}

uint8_t finish(SendStats &stats, int result)
{
    stats.result = result;
    std::lock_guard<std::mutex> lock(g_statsMutex);
    g_lastStats = stats;
    return static_cast<uint8_t>(result);
}

} // namespace

uint8_t sendCommand(const uint8_t *packet, int length, const StatusReportSink &onStatus)
{
    SendStats stats;
    qCDebug(lcSendTrace, "开始发送--------------------------------------");
    // Nobody else reads the handle until the echo is in.
    const CommandHandleLock owner(commandHandleMutex());
    hid_device *handle = commandHandle();
    if (!handle) {
        qCDebug(lcSendTrace, "没找到设备，失败返回--------------------------------------");
        return finish(stats, DeviceNotFound);
    }
    length = std::clamp(length, REPORT_DATA_OFFSET, BUFFER_SIZE - 1);

    uint8_t w[BUFFER_SIZE] = {};
    uint8_t r[BUFFER_SIZE] = {};
    std::memcpy(w, packet + 1, static_cast<size_t>(length));
    w[1] = reportChecksum(w);
    const uint8_t opcode = w[3];
    Outcome outcome = Match;

    // What arrived before this command is not its echo; status reports in it are passed on.
    drainInput(handle, onStatus);
    bool write = true;
    for (;;) {
        if (write) {
            ++stats.writes;
            const int written = hid().write(handle, w, static_cast<size_t>(length));
            traceBytes("hid_write", length, w);
            if (written < 0) {
                qDebug("Unable to send a feature report.\n");
                qCDebug(lcSendTrace, "hid_write发送失败--------------------------------------");
                return finish(stats, DeviceWriteFailed);
            }
            sleepMs(SEND_WRITE_PAUSE_MS);
        }
        write = false;

        if (!readsBack(opcode))
            break;

        qCDebug(lcSendTrace, "hid_read开始");
        std::memset(r, 0, sizeof r);
        ++stats.reads;
        // Movement and keyboard reports are skipped within the same time-out.
        const int got = readCommandReport(handle, r, static_cast<size_t>(length), SEND_READ_TIMEOUT_MS);
        // Skipped reports leave their bytes behind a short reply; they were never echoed.
        std::fill(r + std::clamp(got, 0, length), std::end(r), 0);
        if (got > 0 && onStatus && inputKind(r, got) == InputKind::Status && !(opcode == OpQueryStatus && isStatusReply(r, got)))
            onStatus(r);
        if (got <= 0) {
            qCDebug(lcSendTrace, "hid_read开始读失败 %d", stats.readFailures);
            ++stats.readFailures;
            if (stats.readFailures <= SEND_MAX_READ_FAILURES) {
                sleepMs(SEND_RETRY_PAUSE_MS);
                qCDebug(lcSendTrace, "重新读");
                continue;
            }
            qCDebug(lcSendTrace, "写失败 %d", stats.rewrites);
            ++stats.rewrites;
            if (stats.rewrites <= SEND_MAX_REWRITES) {
                qCDebug(lcSendTrace, "重新写");
                write = true;
                continue;
            }
            qCDebug(lcSendTrace, "多次读失败，返回--------------------------------------");
            return finish(stats, DeviceVerifyFailed);
        }
        traceBytes("hid_read", length, r);

        if (allZero(r, REPORT_DATA_OFFSET)) {
            ++stats.zeroReplies;
            if (stats.zeroReplies <= SEND_MAX_ZERO_REPLIES) {
                qCDebug(lcSendTrace, "对比位全为0，跳转到重新写");
                write = true;
                continue;
            }
            // A mouse that keeps answering zeros is taken at its last real answer.
            qCDebug(lcSendTrace, "对比位全为0多次，返回--------------------------------------");
        } else {
            outcome = compareEcho(w, r, length);
        }

        if (outcome == Match)
            break;
        if (outcome == DataMismatch) {
            ++stats.rewrites;
            if (stats.rewrites <= SEND_MAX_REWRITES) {
                qCDebug(lcSendTrace, "数据位对比失败，重新写 %d", stats.rewrites);
                stats.zeroReplies = 0;
                write = true;
                continue;
            }
            qCDebug(lcSendTrace, "数据位多次对比失败，返回--------------------------------------");
            return finish(stats, DeviceVerifyFailed);
        }
        ++stats.commandMismatches;
        if (stats.commandMismatches <= SEND_MAX_COMMAND_MISMATCHES) {
            sleepMs(SEND_RETRY_PAUSE_MS);
            qCDebug(lcSendTrace, "指令位对比失败，重新读 %d", stats.commandMismatches);
            stats.zeroReplies = 0;
            continue;
        }
        ++stats.rewrites;
        if (stats.rewrites <= SEND_MAX_REWRITES) {
            qCDebug(lcSendTrace, "指令位对比失败，重新写 %d", stats.rewrites);
            stats.zeroReplies = 0;
            write = true;
            continue;
        }
        qCDebug(lcSendTrace, "指令位多次对比失败，返回--------------------------------------");
        return finish(stats, DeviceVerifyFailed);
    }
    qCDebug(lcSendTrace, "发送成功--------------------------------------");
    return finish(stats, DeviceOk);
}

int sendReport(const Report &report, const StatusReportSink &onStatus)
{
    uint8_t packet[BUFFER_SIZE] = {};
    std::copy(report.begin(), report.end(), packet + 1);
    return sendCommand(packet, REPORT_SIZE, onStatus);
}

int sendReports(const ReportList &reports, const StatusReportSink &onStatus)
{
    for (const Report &report : reports) {
        if (const int result = sendReport(report, onStatus))
            return result;
    }
    return DeviceOk;
}

SendStats lastSendStats()
{
    std::lock_guard<std::mutex> lock(g_statsMutex);
    return g_lastStats;
}
