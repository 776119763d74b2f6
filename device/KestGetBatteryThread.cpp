#include "device/KestGetBatteryThread.h"
#include "device/DeviceImage.h"
#include "device/DeviceTable.h"
#include "device/HidSeam.h"
#include "device/ReportFrame.h"
#include "platform/Sleep.h"
#include <QDebug>
#include <algorithm>

namespace {
constexpr int STOP_PAUSE_MS = 10;
constexpr unsigned char LISTEN_REPORT_ID = 4;
} // namespace

KestGetBatteryThread::KestGetBatteryThread(QObject *parent) : QThread(parent) {}

KestGetBatteryThread::~KestGetBatteryThread()
{
    // Never leave a running loop behind a destroyed object.
    isStop = true;
    wait();
}

void KestGetBatteryThread::stop()
{
    isStop = true;
}

void KestGetBatteryThread::stopAndWait()
{
    isStop = true;
    sleepMs(STOP_PAUSE_MS);
    stop();
    wait();
}

void KestGetBatteryThread::handleStatusReply(const unsigned char *reply)
{
    setDeviceModeByte(reply[10]);
    emit RefreshBatteryStatus(reply[6], reply[4], reply[5]);
    if (reply[4] != 0 || reply[5] != 0 || reply[6] != 0)
        emit RefreshWriteStatus(reply[7]);
}

void KestGetBatteryThread::run()
{
    qDebug("KestGetBatteryThread.\n");
    const Report query = statusQueryReport();
    unsigned char q[REPORT_SIZE];
    unsigned char r[REPORT_SIZE];
    int cycle = 0;
    // A stop request ends the pauses early; the loop still ends only at its check.
    const auto stopRequested = [this] { return isStop.load(); };
    while (!isStop) {
        hid_device *handle = commandHandleB();
        if (!handle)
            handle = commandHandleA();
        if (!handle)
            return;
        std::fill(std::begin(q), std::end(q), 0);
        std::fill(std::begin(r), std::end(r), 0);

        if (cycle != 0) {
            ++cycle;
        } else {
            std::copy(query.begin(), query.end(), q);
            if (hid().write(handle, q, REPORT_SIZE) < 0)
                qDebug("Unable to send a feature report.\n");
            sleepMs(STATUS_WRITE_PAUSE_MS);
            if (hid().read_timeout(handle, r, REPORT_SIZE, STATUS_READ_TIMEOUT_MS) <= 0) {
                emit RefreshBatteryStatus(0, r[4], r[5]);
            } else {
                qDebug("Threadread bat - %x %x %x %x %x %x %x %x\n", r[0], r[1], r[2], r[3], r[4], r[5],
                       r[6], r[7]);
                if (r[3] == OpQueryStatus)
                    handleStatusReply(r);
                else if (r[3] == OpStateChange)
                    emit RefreshStatus(r[4], r[5], r[6], r[7]); // a button pressed just before the query
            }
            cycle = 2;
            sleepMsUnless(STATUS_QUERY_PAUSE_MS, stopRequested);
        }

        r[0] = LISTEN_REPORT_ID;
        if (hid().read_timeout(handle, r, REPORT_SIZE, STATUS_READ_TIMEOUT_MS) <= 0) {
            qDebug("Unable to read a feature report 1.\n");
            sleepMsUnless(STATUS_FAILED_READ_PAUSE_MS, stopRequested);
        } else {
            if (r[3] == OpStateChange)
                emit RefreshStatus(r[4], r[5], r[6], r[7]);
            else if (r[3] == OpQueryStatus)
                handleStatusReply(r);
            sleepMsUnless(STATUS_LISTEN_PAUSE_MS, stopRequested);
        }
        if (cycle == STATUS_QUERY_CYCLE_END)
            cycle = 0;
    }
    qDebug("KestGetBatteryThread Stop.\n");
}
