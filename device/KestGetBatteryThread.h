#pragma once
// Queries the mouse's status about every 25 seconds and listens for the
// reports it sends when its own buttons change profile, DPI stage or report
// rate. It waits in the read itself, so a still mouse costs two wake-ups a
// second; while reports stream in (movement) it reads them in batches.
#include "device/DeviceImage.h"
#include "device/ReportFrame.h"
#include "platform/Sleep.h"
#include <QThread>
#include <atomic>

typedef struct hid_device_ hid_device;

constexpr int STATUS_READ_TIMEOUT_MS = 50;   // for the reply to a query
constexpr int STATUS_WRITE_PAUSE_MS = 10;
constexpr int STATUS_LISTEN_TIMEOUT_MS = 450;
constexpr int STATUS_FAILED_READ_PAUSE_MS = 450;
// A 64-report queue fills in 64 ms at 1000 Hz: batches are read well before.
constexpr int STATUS_BATCH_PAUSE_MS = 32;
constexpr int STATUS_QUERY_INTERVAL_MS = 56 * STATUS_LISTEN_TIMEOUT_MS;

struct StatusTiming {
    int queryIntervalMs = STATUS_QUERY_INTERVAL_MS;
    int listenTimeoutMs = STATUS_LISTEN_TIMEOUT_MS;
    int batchPauseMs = STATUS_BATCH_PAUSE_MS;
};

class KestGetBatteryThread : public QThread
{
    Q_OBJECT
public:
    explicit KestGetBatteryThread(QObject *parent = nullptr);
    explicit KestGetBatteryThread(const StatusTiming &timing, QObject *parent = nullptr);
    ~KestGetBatteryThread() override;

    std::atomic_bool isStop{false};

    void stop();
    // Sets the stop request, pauses 10 ms and returns only after run() has
    // returned, so the command handle is free afterwards. A read under way
    // ends at its time-out first.
    void stopAndWait();
    // The next cycle queries the status, whenever the last query was.
    void requestQuery();

signals:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void RefreshWriteStatus(quint8 iStatus);

protected:
    void run() override;

private:
    void query(hid_device *handle);
    void listen(hid_device *handle);

    StatusTiming m_timing;
    WakeablePause m_pause;
    std::atomic_bool m_queryRequested{true};
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
