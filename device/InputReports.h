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

// A reply or report of the command collection: report id 5 and magic 0xFA.
bool isCommandReport(const uint8_t *report, int length);
// What the send routine takes as a reply: a command report, or one whose
// header is all zero (no other collection sends that; the retry policy has a rule for it).
bool isReplyReport(const uint8_t *report, int length);

// Reads until a reply report arrives, skipping every other report, within
// timeoutMs in all. The length read (> 0), 0 on time-out, < 0 on failure.
int readCommandReport(hid_device *handle, uint8_t *buffer, size_t length, int timeoutMs);

// Where status replies (0x48) and state changes (0x49) go when someone other
// than the status thread reads them. Installed by the connection's owner.
using StatusReportSink = std::function<void(const uint8_t *report)>;
void setStatusReportSink(StatusReportSink sink);
void passStatusReport(const uint8_t *report);

// Reads whatever is queued without waiting and hands status reports to
// onStatus (the installed sink when empty). Bounded, so a mouse that keeps
// moving cannot hold it.
void drainInput(hid_device *handle, const std::function<void(const uint8_t *report)> &onStatus = {});
