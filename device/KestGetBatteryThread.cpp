#include "device/KestGetBatteryThread.h"
#include "device/DeviceImage.h"
#include "device/DeviceTable.h"
#include "device/HidSeam.h"
#include "device/InputReports.h"
#include "device/ReportFrame.h"
#include "platform/Sleep.h"
#include <QDebug>
#include <algorithm>

namespace {
constexpr int STOP_PAUSE_MS = 10;
constexpr unsigned char LISTEN_REPORT_ID = 4;

void keepReadBytes(unsigned char (&report)[REPORT_SIZE], int got)
{
    std::fill(std::begin(report) + std::clamp(got, 0, REPORT_SIZE), std::end(report), 0);
}
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

void KestGetBatteryThread::drain(hid_device *handle)
{
    const CommandHandleLock owner(commandHandleMutex());
    drainInput(handle, [this](const uint8_t *report) { emitStatusReport(*this, report); });
}

void KestGetBatteryThread::run()
{
    qDebug("KestGetBatteryThread.\n");
    const Report query = statusQueryReport();
    unsigned char q[REPORT_SIZE];
    unsigned char r[REPORT_SIZE];
    int cycle = 0;
    hid_device *handle = nullptr;
    // A stop request ends the pauses early; the loop still ends only at its
    // check. Pauses keep the queue drained.
    const auto stopRequested = [this, &handle] {
        drain(handle);
        return isStop.load();
    };
    while (!isStop) {
        handle = commandHandleB();
        if (!handle)
            handle = commandHandleA();
        if (!handle)
            return;
        std::fill(std::begin(q), std::end(q), 0);
        std::fill(std::begin(r), std::end(r), 0);

        if (cycle != 0) {
            ++cycle;
        } else {
            int got = 0;
            {
                const CommandHandleLock owner(commandHandleMutex());
                std::copy(query.begin(), query.end(), q);
                if (hid().write(handle, q, REPORT_SIZE) < 0)
                    qDebug("Unable to send a feature report.\n");
                sleepMs(STATUS_WRITE_PAUSE_MS);
                got = readCommandReport(handle, r, REPORT_SIZE, STATUS_READ_TIMEOUT_MS);
            }
            // Reports skipped on the way leave their bytes in the buffer: a
            // failed read reports zeros, a short one only what it brought.
            keepReadBytes(r, got);
            if (got <= 0) {
                emit RefreshBatteryStatus(0, 0, 0);
            } else {
                qDebug("Threadread bat - %x %x %x %x %x %x %x %x\n", r[0], r[1], r[2], r[3], r[4], r[5],
                       r[6], r[7]);
                emitStatusReport(*this, r); // a state change can come just before the reply
            }
            cycle = 2;
            sleepMsUnless(STATUS_QUERY_PAUSE_MS, stopRequested);
        }

        r[0] = LISTEN_REPORT_ID;
        int got = 0;
        {
            const CommandHandleLock owner(commandHandleMutex());
            got = readCommandReport(handle, r, REPORT_SIZE, STATUS_READ_TIMEOUT_MS);
        }
        keepReadBytes(r, got);
        if (got <= 0) {
            qDebug("Unable to read a feature report 1.\n");
            sleepMsUnless(STATUS_FAILED_READ_PAUSE_MS, stopRequested);
        } else {
            emitStatusReport(*this, r);
            sleepMsUnless(STATUS_LISTEN_PAUSE_MS, stopRequested);
        }
        if (cycle == STATUS_QUERY_CYCLE_END)
            cycle = 0;
    }
    qDebug("KestGetBatteryThread Stop.\n");
}
