#pragma once
// Protocol pauses. A thread sleep by default; tests install a hook that counts
// or shortens the pauses instead of waiting for them.
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

void sleepMs(int milliseconds);
using SleepHook = std::function<void(int milliseconds)>;
void setSleepHook(SleepHook hook); // an empty hook restores the real sleep

// Milliseconds on a monotonic clock. Pauses a hook took instead of waiting
// count as elapsed, so whatever is scheduled by this clock keeps its order
// under the hook.
int64_t protocolClockMs();

// A pause that another thread can end early. It blocks without waking up in
// between, so a quiet thread costs nothing while it waits. With a hook
// installed the hook sees the full pause, as with sleepMs.
class WakeablePause
{
public:
    // Ends the pause under way, or the next one when none is.
    void wake();
    void pause(int milliseconds);

private:
    std::mutex m_mutex;
    std::condition_variable m_woken;
    bool m_wake = false;
};
