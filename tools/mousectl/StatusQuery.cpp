#include "tools/mousectl/StatusQuery.h"
#include "device/HidSeam.h"
#include "device/InputReports.h"
#include "device/KestGetBatteryThread.h"
#include "device/ReportFrame.h"
#include "device/SendCommand.h"
#include "platform/Sleep.h"

namespace {
constexpr int STATUS_REPLY_BYTES = 8; // up to the write status
}

int queryMouseStatus(hid_device *handle, MouseStatus &status)
{
    status = MouseStatus();
    const Report query = statusQueryReport();
    if (hid().write(handle, query.data(), query.size()) < 0)
        return DeviceWriteFailed;
    sleepMs(STATUS_WRITE_PAUSE_MS);

    for (int i = 0; i < STATUS_REPLY_READS; ++i) {
        unsigned char reply[REPORT_SIZE] = {};
        // Movement shaped like a status reply is no reply (the one rule of every reader).
        const int got = readCommandReport(handle, reply, sizeof reply, STATUS_READ_TIMEOUT_MS);
        if (got < 0)
            return DeviceNotFound;
        if (got < STATUS_REPLY_BYTES || !isStatusReply(reply, got))
            continue;
        status.answered = true;
        status.low = reply[4];
        status.high = reply[5];
        status.charge = reply[6];
        status.writeStatus = reply[7];
        break;
    }
    return DeviceOk;
}
