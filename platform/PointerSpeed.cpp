#include "platform/PointerSpeed.h"
#include "platform/PointerSpeedDesktops.h"
#include <X11/Xlib.h>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <numeric>

namespace {

// The core pointer acceleration is speed / 5, so 10 is the X server's own default of 2/1.
constexpr int CORE_DENOMINATOR = 5;

int clampSpeed(int speed)
{
    return std::clamp(speed, POINTER_SPEED_MIN, POINTER_SPEED_MAX);
}

// Xlib reports protocol errors asynchronously; the handler keeps the last one
// of a call made under g_xMutex.
std::mutex g_xMutex;
int g_lastXError = 0;
int recordXError(Display *, XErrorEvent *event)
{
    g_lastXError = event->error_code;
    return 0;
}

class CorePointerSpeed : public PointerSpeedBackend
{
public:
    const char *name() const override { return "X core pointer"; }

    int speed() override
    {
        std::lock_guard<std::mutex> lock(g_xMutex);
        Display *display = XOpenDisplay(nullptr);
        if (!display)
            return POINTER_SPEED_DEFAULT;
        int numerator = 1, denominator = 1, threshold = 0;
        XGetPointerControl(display, &numerator, &denominator, &threshold);
        XCloseDisplay(display);
        if (denominator <= 0)
            return POINTER_SPEED_DEFAULT;
        return clampSpeed(static_cast<int>(std::lround(double(CORE_DENOMINATOR) * numerator / denominator)));
    }

    int setSpeed(int speed) override
    {
        std::lock_guard<std::mutex> lock(g_xMutex);
        Display *display = XOpenDisplay(nullptr);
        if (!display)
            return 1;
        const int divisor = std::gcd(speed, CORE_DENOMINATOR);
        g_lastXError = 0;
        XErrorHandler previous = XSetErrorHandler(recordXError);
        XChangePointerControl(display, True, False, speed / divisor, CORE_DENOMINATOR / divisor, 0);
        XSync(display, False);
        XSetErrorHandler(previous);
        XCloseDisplay(display);
        return g_lastXError;
    }
};

// Without a desktop to ask, the value is only remembered.
class KeptPointerSpeed : public PointerSpeedBackend
{
public:
    int speed() override { return m_kept; }
    int setSpeed(int speed) override
    {
        m_kept = speed;
        return 0;
    }

private:
    std::atomic_int m_kept{POINTER_SPEED_DEFAULT};
};

bool xDisplayOpens()
{
    std::lock_guard<std::mutex> lock(g_xMutex);
    Display *display = XOpenDisplay(nullptr);
    if (display)
        XCloseDisplay(display);
    return display != nullptr;
}

DesktopSession currentSession()
{
    DesktopSession session;
    const char *desktop = std::getenv("XDG_CURRENT_DESKTOP");
    session.currentDesktop = desktop ? desktop : "";
    const char *type = std::getenv("XDG_SESSION_TYPE");
    session.wayland = (type && std::strcmp(type, "wayland") == 0) || std::getenv("WAYLAND_DISPLAY");
    session.gnomeSchema = std::strstr(session.currentDesktop, "GNOME") && gnomeMouseSchemaInstalled();
    session.xDisplay = xDisplayOpens();
    session.libinputPointers = session.xDisplay && libinputPointersPresent();
    return session;
}

PointerSpeedBackend &backendOfKind(PointerSpeedKind kind)
{
    static CorePointerSpeed core;
    static KeptPointerSpeed kept;
    switch (kind) {
    case PointerSpeedKind::Gnome: return gnomePointerSpeed();
    case PointerSpeedKind::KWin: return kwinPointerSpeed();
    case PointerSpeedKind::Libinput: return libinputPointerSpeed();
    case PointerSpeedKind::CorePointer: return core;
    case PointerSpeedKind::Kept: break;
    }
    return kept;
}

// Asks the session each time: a display or desktop may come and go while the tray copy runs.
class SessionPointerSpeed : public PointerSpeedBackend
{
public:
    const char *name() const override { return current().name(); }
    int speed() override { return current().speed(); }
    int setSpeed(int speed) override { return current().setSpeed(speed); }

private:
    static PointerSpeedBackend &current() { return backendOfKind(choosePointerSpeedKind(currentSession())); }
};

std::atomic<PointerSpeedBackend *> g_backend{nullptr};

PointerSpeedBackend &backend()
{
    PointerSpeedBackend *installed = g_backend.load();
    return installed ? *installed : defaultPointerSpeedBackend();
}

} // namespace

double speedToAcceleration(int speed)
{
    return (clampSpeed(speed) - POINTER_SPEED_DEFAULT) / 10.0;
}

int accelerationToSpeed(double acceleration)
{
    return clampSpeed(static_cast<int>(std::lround(acceleration * 10.0)) + POINTER_SPEED_DEFAULT);
}

PointerSpeedKind choosePointerSpeedKind(const DesktopSession &session)
{
    const char *desktop = session.currentDesktop ? session.currentDesktop : "";
    if (std::strstr(desktop, "GNOME") && session.gnomeSchema)
        return PointerSpeedKind::Gnome;
    if (std::strstr(desktop, "KDE") && session.wayland)
        return PointerSpeedKind::KWin;
    if (session.xDisplay)
        return session.libinputPointers ? PointerSpeedKind::Libinput : PointerSpeedKind::CorePointer;
    return PointerSpeedKind::Kept;
}

const char *pointerSpeedKindName(PointerSpeedKind kind)
{
    return backendOfKind(kind).name();
}

PointerSpeedBackend &defaultPointerSpeedBackend()
{
    static SessionPointerSpeed backend;
    return backend;
}

void setPointerSpeedBackend(PointerSpeedBackend *installed)
{
    g_backend = installed;
}

const char *pointerSpeedBackendName()
{
    return backend().name();
}

int readPointerSpeed()
{
    return backend().speed();
}

int setPointerSpeed(int speed)
{
    if (speed <= 0)
        return 0; // nothing downloaded yet: the desktop keeps its own
    return backend().setSpeed(clampSpeed(speed));
}
