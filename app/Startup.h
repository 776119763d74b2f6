#pragma once
// Start-up shared by mousecfg (real hidapi) and mousecfg-sim (virtual mouse).
#include <functional>

class MousecfgWidget;
class QApplication;

struct StartupHooks {
    // Before the window exists: install the HID backend, plug a virtual mouse.
    std::function<void()> beforeWindow;
    // After the window exists: connect the hot-plug source, extra windows.
    std::function<void(MousecfgWidget &window)> afterWindow;
};

// Returns the event loop's exit code, or 1 when another copy of the same
// product already runs.
int runMousecfg(int &argc, char **argv, const StartupHooks &hooks);
