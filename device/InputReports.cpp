#include "device/InputReports.h"
#include "device/HidSeam.h"
#include "device/ReportFrame.h"
#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// Twice what a handle can queue: enough to empty it while more arrives.
constexpr int MAX_DRAINED_REPORTS = 128;

std::mutex g_sinkMutex;
StatusReportSink g_sink;

bool isStatusReport(const uint8_t *report)
{
    return report[3] == OpQueryStatus || report[3] == OpStateChange;
}

} // namespace

std::recursive_mutex &commandHandleMutex()
{
    static std::recursive_mutex mutex;
    return mutex;
}

bool isCommandReport(const uint8_t *report, int length)
{
    return length > 3 && report[0] == REPORT_ID && report[2] == REPORT_MAGIC;
}

bool isReplyReport(const uint8_t *report, int length)
{
    constexpr int HEADER = 8;
    return isCommandReport(report, length)
           || (length >= HEADER && std::all_of(report, report + HEADER, [](uint8_t b) { return b == 0; }));
}

int readCommandReport(hid_device *handle, uint8_t *buffer, size_t length, int timeoutMs)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (int late = 0; late <= MAX_DRAINED_REPORTS;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        const int wait = static_cast<int>(std::max<long long>(0, left));
        const int got = hid().read_timeout(handle, buffer, length, wait);
        if (got <= 0 || isReplyReport(buffer, got))
            return got;
        if (wait == 0)
            ++late; // past the deadline only what is already queued is read
    }
    return 0;
}

void setStatusReportSink(StatusReportSink sink)
{
    std::lock_guard<std::mutex> lock(g_sinkMutex);
    g_sink = std::move(sink);
}

void passStatusReport(const uint8_t *report)
{
    StatusReportSink sink;
    {
        std::lock_guard<std::mutex> lock(g_sinkMutex);
        sink = g_sink;
    }
    if (sink)
        sink(report);
}

void drainInput(hid_device *handle, const std::function<void(const uint8_t *report)> &onStatus)
{
    uint8_t report[REPORT_SIZE];
    for (int i = 0; i < MAX_DRAINED_REPORTS; ++i) {
        std::fill(std::begin(report), std::end(report), 0);
        const int got = hid().read_timeout(handle, report, REPORT_SIZE, 0);
        if (got <= 0)
            return;
        if (!isCommandReport(report, got) || !isStatusReport(report))
            continue;
        if (onStatus)
            onStatus(report);
        else
            passStatusReport(report);
    }
}
