#pragma once
// Reading the command handle on a node that carries every input report of the
// mouse: movement and keyboard reports are skipped, and the mouse's own
// status reports are handed on instead of being lost. Also the one owner of
// the command handle at a time.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>

typedef struct hid_device_ hid_device;

// Held by whoever writes to or reads the command handle (a send, a status
// exchange, a close); recursive, so a sequence of sends can hold it throughout.
std::recursive_mutex &commandHandleMutex();
using CommandHandleLock = std::lock_guard<std::recursive_mutex>;

// What a report read on the command handle is. The one rule every reader
// (send routine, status thread, status query) goes by.
enum class InputKind {
    Other,  // another collection's report (movement, keyboard), whatever its bytes
    Reply,  // a command report (report id 5, magic 0xFA) other than a status
            // report, or an all-zero header (the retry policy has a rule for it)
    Status, // a command report with byte 3 = 0x48 (status) or 0x49 (state change)
};
InputKind inputKind(const uint8_t *report, int length);
// The answer to the status query: a status report with byte 3 = 0x48.
bool isStatusReply(const uint8_t *report, int length);

// Reads until a Reply or Status report arrives, skipping every other report,
// within timeoutMs in all. The length read (> 0), 0 on time-out, < 0 on failure.
int readCommandReport(hid_device *handle, uint8_t *buffer, size_t length, int timeoutMs);

// Where status replies (0x48) and state changes (0x49) go when someone other
// than the status thread reads them; empty drops them.
using StatusReportSink = std::function<void(const uint8_t *report)>;

// Reads whatever is queued without waiting and hands status reports to
// onStatus. Bounded, so a mouse that keeps moving cannot hold it. The number
// of reports read.
int drainInput(hid_device *handle, const StatusReportSink &onStatus);
