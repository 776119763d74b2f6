#include "platform/PointerSpeed.h"
#include <X11/Xlib.h>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <numeric>

namespace {

constexpr int NEUTRAL_DENOMINATOR = POINTER_SPEED_DEFAULT; // speed / 10: 10 is 1/1

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

class DefaultPointerSpeed : public PointerSpeedBackend
{
public:
    int speed() override
    {
        std::lock_guard<std::mutex> lock(g_xMutex);
        Display *display = XOpenDisplay(nullptr);
        if (!display)
            return m_kept;
        int numerator = 1, denominator = 1, threshold = 0;
        XGetPointerControl(display, &numerator, &denominator, &threshold);
        XCloseDisplay(display);
        if (denominator <= 0)
            return POINTER_SPEED_DEFAULT;
        return clampSpeed(static_cast<int>(std::lround(10.0 * numerator / denominator)));
    }

    int setSpeed(int speed) override
    {
        std::lock_guard<std::mutex> lock(g_xMutex);
        m_kept = speed;
        Display *display = XOpenDisplay(nullptr);
        if (!display)
            return 0;
        const int divisor = std::gcd(speed, NEUTRAL_DENOMINATOR);
        g_lastXError = 0;
        XErrorHandler previous = XSetErrorHandler(recordXError);
        XChangePointerControl(display, True, False, speed / divisor, NEUTRAL_DENOMINATOR / divisor, 0);
        XSync(display, False);
        XSetErrorHandler(previous);
        XCloseDisplay(display);
        return g_lastXError;
    }

private:
    int m_kept = POINTER_SPEED_DEFAULT;
};

std::atomic<PointerSpeedBackend *> g_backend{nullptr};

PointerSpeedBackend &backend()
{
    PointerSpeedBackend *installed = g_backend.load();
    return installed ? *installed : defaultPointerSpeedBackend();
}

} // namespace

PointerSpeedBackend &defaultPointerSpeedBackend()
{
    static DefaultPointerSpeed backend;
    return backend;
}

void setPointerSpeedBackend(PointerSpeedBackend *installed)
{
    g_backend = installed;
}

int readPointerSpeed()
{
    return backend().speed();
}

int setPointerSpeed(int speed)
{
    return backend().setSpeed(clampSpeed(speed));
}
