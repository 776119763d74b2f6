#include "platform/Sleep.h"
#include <QElapsedTimer>
#include <QThread>
#include <mutex>

namespace {
std::mutex g_hookMutex;
SleepHook g_hook;
}

void sleepMs(int milliseconds)
{
    SleepHook hook;
    {
        std::lock_guard<std::mutex> lock(g_hookMutex);
        hook = g_hook;
    }
    if (hook)
        hook(milliseconds);
    else if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void setSleepHook(SleepHook hook)
{
    std::lock_guard<std::mutex> lock(g_hookMutex);
    g_hook = std::move(hook);
}

void sleepMsUnless(int milliseconds, const std::function<bool()> &stopRequested)
{
    SleepHook hook;
    {
        std::lock_guard<std::mutex> lock(g_hookMutex);
        hook = g_hook;
    }
    if (hook) {
        hook(milliseconds);
        return;
    }
    constexpr qint64 kSliceMs = 5;
    QElapsedTimer timer;
    timer.start();
    while (!stopRequested() && timer.elapsed() < milliseconds)
        QThread::msleep(static_cast<unsigned long>(qMin(kSliceMs, milliseconds - timer.elapsed())));
}
