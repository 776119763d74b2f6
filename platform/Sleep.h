#pragma once
// Protocol pauses. A thread sleep by default; tests install a hook that counts
// or shortens the pauses instead of waiting for them.
#include <functional>

void sleepMs(int milliseconds);
using SleepHook = std::function<void(int milliseconds)>;
void setSleepHook(SleepHook hook); // an empty hook restores the real sleep
