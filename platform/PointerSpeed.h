#pragma once
// The host pointer speed on the 1..20 scale (10 is neutral).
// Under X11 it is the server's pointer acceleration (speed / 10, so 10 is 1/1);
// without a display the value is kept here so that reading returns what was
// last applied (10 at first).

constexpr int POINTER_SPEED_MIN = 1;
constexpr int POINTER_SPEED_MAX = 20;
constexpr int POINTER_SPEED_DEFAULT = 10;

class PointerSpeedBackend
{
public:
    virtual ~PointerSpeedBackend() = default;
    virtual int speed() = 0;
    // 0 on success, else an error code.
    virtual int setSpeed(int speed) = 0;
};

// The X11 backend when a display can be opened, else the kept value.
PointerSpeedBackend &defaultPointerSpeedBackend();
// Tests install their own; nullptr restores the default. Not owned.
void setPointerSpeedBackend(PointerSpeedBackend *backend);

int readPointerSpeed();
// Speed clamped to 1..20; returns 0 or the backend's error code.
int setPointerSpeed(int speed);
