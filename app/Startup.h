#pragma once
// Start-up shared by mousecfg (real hidapi) and mousecfg-sim (virtual mouse).
#include <functional>

class DeviceNotices;
class MousecfgWidget;
class QApplication;

struct StartupHooks {
    // Before the window exists: install the HID backend, plug a virtual mouse.
    std::function<void()> beforeWindow;
    // Before the first enumeration: the hot-plug source starts and feeds notices.
    std::function<void(DeviceNotices &notices)> hotplug;
    // After the window exists: extra windows.
    std::function<void(MousecfgWidget &window)> afterWindow;
};

// The window, with notices (whose source already listens) handed to it from
// the event loop on, what came while it was built first.
MousecfgWidget *createWindow(DeviceNotices &notices);

// Returns the event loop's exit code, or 1 when another copy of the same
// product already runs.
int runMousecfg(int &argc, char **argv, const StartupHooks &hooks);
