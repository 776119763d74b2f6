#include "device/InputReports.h"
#include "device/HidSeam.h"
#include "device/ReportFrame.h"
#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// Twice what a handle can queue: enough to empty it while more arrives.
constexpr int MAX_DRAINED_REPORTS = 128;

constexpr int HEADER_BYTES = 8;

} // namespace

std::recursive_mutex &commandHandleMutex()
{
    static std::recursive_mutex mutex;
    return mutex;
}

InputKind inputKind(const uint8_t *report, int length)
{
    if (length > 3 && report[0] == REPORT_ID && report[2] == REPORT_MAGIC)
        return report[3] == OpQueryStatus || report[3] == OpStateChange ? InputKind::Status : InputKind::Reply;
    // No other collection sends an all-zero header.
    if (length >= HEADER_BYTES && std::all_of(report, report + HEADER_BYTES, [](uint8_t b) { return b == 0; }))
        return InputKind::Reply;
    return InputKind::Other;
}

bool isStatusReply(const uint8_t *report, int length)
{
    return inputKind(report, length) == InputKind::Status && report[3] == OpQueryStatus;
}

int readCommandReport(hid_device *handle, uint8_t *buffer, size_t length, int timeoutMs)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (int late = 0; late <= MAX_DRAINED_REPORTS;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        const int wait = static_cast<int>(std::max<long long>(0, left));
        const int got = hid().read_timeout(handle, buffer, length, wait);
        if (got <= 0 || inputKind(buffer, got) != InputKind::Other)
            return got;
        if (wait == 0)
            ++late; // past the deadline only what is already queued is read
    }
    return 0;
}

int drainInput(hid_device *handle, const StatusReportSink &onStatus)
{
    uint8_t report[REPORT_SIZE];
    int read = 0;
    for (; read < MAX_DRAINED_REPORTS; ++read) {
        std::fill(std::begin(report), std::end(report), 0);
        const int got = hid().read_timeout(handle, report, REPORT_SIZE, 0);
        if (got <= 0)
            break;
        if (inputKind(report, got) == InputKind::Status && onStatus)
            onStatus(report);
    }
    return read;
}
