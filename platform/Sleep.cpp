#include "platform/Sleep.h"
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
