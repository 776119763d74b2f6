#include "device/KestGetBatteryThread.h"
#include "device/DeviceImage.h"
#include "device/DeviceTable.h"
#include "device/HidSeam.h"
#include "device/InputReports.h"
#include "device/ReportFrame.h"
#include <QDebug>
#include <algorithm>

namespace {
constexpr int STOP_PAUSE_MS = 10;

void keepReadBytes(unsigned char (&report)[REPORT_SIZE], int got)
{
    std::fill(std::begin(report) + std::clamp(got, 0, REPORT_SIZE), std::end(report), 0);
}
} // namespace

KestGetBatteryThread::KestGetBatteryThread(QObject *parent) : QThread(parent) {}

KestGetBatteryThread::KestGetBatteryThread(const StatusTiming &timing, QObject *parent)
    : QThread(parent), m_timing(timing)
{
}

KestGetBatteryThread::~KestGetBatteryThread()
{
    // Never leave a running loop behind a destroyed object.
    stop();
    wait();
}

void KestGetBatteryThread::stop()
{
    isStop = true;
    m_pause.wake();
}

void KestGetBatteryThread::stopAndWait()
{
    isStop = true;
    sleepMs(STOP_PAUSE_MS);
    stop();
    wait();
}

void KestGetBatteryThread::requestQuery()
{
    m_queryRequested = true;
    m_pause.wake();
}

void KestGetBatteryThread::run()
{
    qDebug("KestGetBatteryThread.\n");
    int64_t lastQuery = 0;
    while (!isStop) {
        hid_device *handle = commandHandleB();
        if (!handle)
            handle = commandHandleA();
        if (!handle)
            return;
        if (m_queryRequested.exchange(false) || protocolClockMs() - lastQuery >= m_timing.queryIntervalMs) {
            query(handle);
            lastQuery = protocolClockMs();
        }
        if (!isStop)
            listen(handle);
    }
    qDebug("KestGetBatteryThread Stop.\n");
}

// The queue is emptied first: behind what piled up while nobody read it
// (a fresh start, a download, a moving mouse) the reply would find it full.
void KestGetBatteryThread::query(hid_device *handle)
{
    const auto onStatus = [this](const uint8_t *report) { emitStatusReport(*this, report); };
    const Report query = statusQueryReport();
    unsigned char q[REPORT_SIZE] = {};
    unsigned char r[REPORT_SIZE] = {};
    std::copy(query.begin(), query.end(), q);
    bool answered = false;
    bool sent = false;
    {
        const CommandHandleLock owner(commandHandleMutex());
        drainInput(handle, onStatus);
        sent = hid().write(handle, q, REPORT_SIZE) >= 0;
        if (!sent)
            qDebug("Unable to send a feature report.\n");
        sleepMs(STATUS_WRITE_PAUSE_MS);
        // State changes may come before the reply; they are passed on on the way.
        const int64_t deadline = protocolClockMs() + STATUS_READ_TIMEOUT_MS;
        while (!answered) {
            std::fill(std::begin(r), std::end(r), 0);
            const int left = int(std::max<int64_t>(0, deadline - protocolClockMs()));
            const int got = readCommandReport(handle, r, REPORT_SIZE, left);
            if (got <= 0)
                break;
            keepReadBytes(r, got);
            answered = isStatusReply(r, got);
            if (answered)
                qDebug("Threadread bat - %x %x %x %x %x %x %x %x\n", r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7]);
            emitStatusReport(*this, r);
        }
    }
    // Only a query the mouse had its chance to answer says it is off: one
    // that never went out, or whose wait a stop cut short, would arrive
    // stale, after the next thread has found the mouse awake.
    if (!answered && sent && !isStop)
        emit RefreshBatteryStatus(0, 0, 0);
}

// One read that waits for the next report. When reports stream in, the rest
// is taken at once and the next batch waits in the queue for a short pause,
// so a moving mouse does not wake the thread a thousand times a second.
void KestGetBatteryThread::listen(hid_device *handle)
{
    const auto onStatus = [this](const uint8_t *report) { emitStatusReport(*this, report); };
    unsigned char r[REPORT_SIZE] = {};
    const int64_t started = protocolClockMs();
    int got = 0;
    bool streaming = false;
    {
        const CommandHandleLock owner(commandHandleMutex());
        got = hid().read_timeout(handle, r, REPORT_SIZE, m_timing.listenTimeoutMs);
        if (got > 0) {
            keepReadBytes(r, got);
            streaming = inputKind(r, got) == InputKind::Other;
            if (inputKind(r, got) == InputKind::Status)
                emitStatusReport(*this, r);
            streaming = drainInput(handle, onStatus) > 0 || streaming;
        }
    }
    if (got < 0) {
        qDebug("Unable to read a feature report 1.\n");
        m_pause.pause(STATUS_FAILED_READ_PAUSE_MS);
    } else if (got == 0) {
        // A read that returns before its time-out is waited out: the loop never spins.
        const int64_t left = m_timing.listenTimeoutMs - (protocolClockMs() - started);
        if (left > 0)
            m_pause.pause(int(left));
    } else if (streaming) {
        m_pause.pause(m_timing.batchPauseMs);
    }
}
