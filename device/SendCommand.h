#pragma once
// The verified send: frame a report with its checksum, write it, read the echo
// back and compare it, with a fixed retry policy.
#include "device/InputReports.h"
#include "device/ReportFrame.h"
#include <QLoggingCategory>
#include <cstdint>

// Result codes of every device operation.
enum DeviceResult : int {
    DeviceOk = 0,
    DeviceNotFound = 1,
    DeviceVerifyFailed = 2,
    DeviceWriteFailed = 4,
};

// Retry budgets of one send.
constexpr int SEND_READ_TIMEOUT_MS = 150;
constexpr int SEND_WRITE_PAUSE_MS = 10;
constexpr int SEND_RETRY_PAUSE_MS = 50;
constexpr int SEND_MAX_READ_FAILURES = 29;      // more ask for a rewrite
constexpr int SEND_MAX_COMMAND_MISMATCHES = 19; // more ask for a rewrite
constexpr int SEND_MAX_ZERO_REPLIES = 5;        // more end the wait for a real echo
constexpr int SEND_MAX_REWRITES = 2;

// What the last sendCommand did (counters as the retry policy keeps them).
struct SendStats {
    int writes = 0;
    int reads = 0;
    int readFailures = 0;
    int commandMismatches = 0;
    int zeroReplies = 0;
    int rewrites = 0;
    int result = 0;
};

// packet: a 64-byte buffer whose byte 0 is ignored; bytes 1..length are the
// report (length is 33). Returns 0, 1 (no command handle), 2 (echo missing or
// wrong beyond the budgets) or 4 (write failed). Status reports read on the
// way are handed to onStatus (dropped when it is empty).
uint8_t sendCommand(const uint8_t *packet, int length, const StatusReportSink &onStatus = {});
// The same for one framed report.
int sendReport(const Report &report, const StatusReportSink &onStatus = {});
// Sends the reports in order and stops at the first failure; its code, or 0.
int sendReports(const ReportList &reports, const StatusReportSink &onStatus = {});
SendStats lastSendStats();

// Step-by-step trace of the send routine; off unless enabled with
// QT_LOGGING_RULES="mousecfg.device.send.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSendTrace)
