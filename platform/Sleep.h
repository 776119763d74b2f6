#pragma once
// Protocol pauses. A thread sleep by default; tests install a hook that counts
// or shortens the pauses instead of waiting for them.
#include <functional>

void sleepMs(int milliseconds);
using SleepHook = std::function<void(int milliseconds)>;
void setSleepHook(SleepHook hook); // an empty hook restores the real sleep

// A pause that ends early once stopRequested() turns true (checked every few
// milliseconds), so a stopped thread does not sit out its whole pause. With a
// hook installed the hook sees the full pause, as with sleepMs.
void sleepMsUnless(int milliseconds, const std::function<bool()> &stopRequested);
