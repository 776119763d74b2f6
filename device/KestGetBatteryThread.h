#pragma once
// Polls the mouse's status about every 25 seconds and listens for the reports
// it sends when its own buttons change profile, DPI stage or report rate.
#include "device/DeviceImage.h"
#include "device/ReportFrame.h"
#include <QThread>
#include <atomic>

typedef struct hid_device_ hid_device;

constexpr int STATUS_READ_TIMEOUT_MS = 50;
constexpr int STATUS_WRITE_PAUSE_MS = 10;
constexpr int STATUS_QUERY_PAUSE_MS = 450;
constexpr int STATUS_LISTEN_PAUSE_MS = 400;
constexpr int STATUS_FAILED_READ_PAUSE_MS = 450;
constexpr int STATUS_QUERY_CYCLE_END = 57; // the cycle counter wraps to 0 (query) here

class KestGetBatteryThread : public QThread
{
    Q_OBJECT
public:
    explicit KestGetBatteryThread(QObject *parent = nullptr);
    ~KestGetBatteryThread() override;

    std::atomic_bool isStop{false};

    void stop();
    // Sets the stop request, pauses 10 ms and returns only after run() has
    // returned, so the command handle is free afterwards.
    void stopAndWait();

signals:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void RefreshWriteStatus(quint8 iStatus);

protected:
    void run() override;

private:
    // One exchange with the handle held: the queue is emptied of what
    // arrived since, so nothing is lost behind the mouse's movement.
    void drain(hid_device *handle);
};

// Emits what a status reply (0x48) or state change (0x49) says through the
// target's RefreshBatteryStatus, RefreshWriteStatus and RefreshStatus signals;
// false for any other report.
template <typename Target>
bool emitStatusReport(Target &target, const unsigned char *report)
{
    if (report[3] == OpStateChange) {
        emit target.RefreshStatus(report[4], report[5], report[6], report[7]);
        return true;
    }
    if (report[3] != OpQueryStatus)
        return false;
    setDeviceModeByte(report[10]);
    emit target.RefreshBatteryStatus(report[6], report[4], report[5]);
    if (report[4] != 0 || report[5] != 0 || report[6] != 0)
        emit target.RefreshWriteStatus(report[7]);
    return true;
}
