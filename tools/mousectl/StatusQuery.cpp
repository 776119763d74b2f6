#include "tools/mousectl/StatusQuery.h"
#include "device/HidSeam.h"
#include "device/KestGetBatteryThread.h"
#include "device/ReportFrame.h"
#include "device/SendCommand.h"
#include "platform/Sleep.h"

int queryMouseStatus(hid_device *handle, MouseStatus &status)
{
    status = MouseStatus();
    const Report query = statusQueryReport();
    if (hid().write(handle, query.data(), query.size()) < 0)
        return DeviceWriteFailed;
    sleepMs(STATUS_WRITE_PAUSE_MS);

    for (int i = 0; i < STATUS_REPLY_READS; ++i) {
        unsigned char reply[REPORT_SIZE] = {};
        const int got = hid().read_timeout(handle, reply, sizeof reply, STATUS_READ_TIMEOUT_MS);
        if (got < 0)
            return DeviceNotFound;
        if (got < 8 || reply[3] != OpQueryStatus)
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
