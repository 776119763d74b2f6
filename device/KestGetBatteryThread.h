#pragma once
// Polls the mouse's status about every 25 seconds and listens for the reports
// it sends when its own buttons change profile, DPI stage or report rate.
#include <QThread>
#include <atomic>

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
    void handleStatusReply(const unsigned char *reply);
};
