#include "platform/Sleep.h"
#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>

namespace {
std::mutex g_hookMutex;
SleepHook g_hook;
std::atomic<int64_t> g_hookedMs{0};

SleepHook currentHook()
{
    std::lock_guard<std::mutex> lock(g_hookMutex);
    return g_hook;
}

// True when the hook took the pause.
bool hooked(int milliseconds)
{
    const SleepHook hook = currentHook();
    if (!hook)
        return false;
    g_hookedMs += std::max(0, milliseconds);
    hook(milliseconds);
    return true;
}
} // namespace

void sleepMs(int milliseconds)
{
    if (!hooked(milliseconds) && milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void setSleepHook(SleepHook hook)
{
    std::lock_guard<std::mutex> lock(g_hookMutex);
    g_hook = std::move(hook);
}

int64_t protocolClockMs()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count() + g_hookedMs.load();
}

void WakeablePause::wake()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_wake = true;
    }
    m_woken.notify_all();
}

void WakeablePause::pause(int milliseconds)
{
    if (hooked(milliseconds)) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_wake = false;
        return;
    }
    std::unique_lock<std::mutex> lock(m_mutex);
    m_woken.wait_for(lock, std::chrono::milliseconds(std::max(0, milliseconds)), [this] { return m_wake; });
    m_wake = false;
}
