#pragma once
// The host pointer speed on the 1..20 scale (10 is neutral), through the
// desktop's own setting: GNOME's mouse settings, KWin's input devices on
// Wayland, libinput's acceleration property on Xorg, or the X server's core
// pointer acceleration. Without any of them the value is kept here, so that
// reading returns what was last applied (10 at first).

constexpr int POINTER_SPEED_MIN = 1;
constexpr int POINTER_SPEED_MAX = 20;
constexpr int POINTER_SPEED_DEFAULT = 10;

class PointerSpeedBackend
{
public:
    virtual ~PointerSpeedBackend() = default;
    virtual const char *name() const { return "kept"; }
    virtual int speed() = 0;
    // 0 on success, else an error code.
    virtual int setSpeed(int speed) = 0;
};

// The desktops' settings run from -1 to 1: (speed - 10) / 10, so 10 is 0.0,
// 1 is -0.9 and 20 is 1.0. Reading rounds to the nearest speed.
double speedToAcceleration(int speed);
int accelerationToSpeed(double acceleration);

// Which back end serves a session.
enum class PointerSpeedKind { Gnome, KWin, Libinput, CorePointer, Kept };
struct DesktopSession {
    const char *currentDesktop = ""; // XDG_CURRENT_DESKTOP
    bool wayland = false;            // XDG_SESSION_TYPE=wayland or WAYLAND_DISPLAY set
    bool gnomeSchema = false;        // GNOME's mouse settings are installed
    bool xDisplay = false;           // an X display can be opened
    bool libinputPointers = false;   // some X pointer has libinput's acceleration property
};
PointerSpeedKind choosePointerSpeedKind(const DesktopSession &session);
const char *pointerSpeedKindName(PointerSpeedKind kind);

// Chooses at each call from the session it runs in.
PointerSpeedBackend &defaultPointerSpeedBackend();
// Tests install their own; nullptr restores the default. Not owned.
void setPointerSpeedBackend(PointerSpeedBackend *backend);
// The back end in use now (its name for messages).
const char *pointerSpeedBackendName();

int readPointerSpeed();
// Speed clamped to 1..20; 0 (nothing downloaded yet) leaves the desktop as it
// is. Returns 0 or the back end's error code.
int setPointerSpeed(int speed);
