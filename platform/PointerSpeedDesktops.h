#pragma once
// The desktop back ends of the pointer speed, one file each.
#include "platform/PointerSpeed.h"

constexpr unsigned POINTER_VENDOR_ID = 0x248A;
constexpr unsigned POINTER_PRODUCT_IDS[] = {0xFA02, 0xFB01};

// GNOME: "org.gnome.desktop.peripherals.mouse", key "speed", through GSettings.
bool gnomeMouseSchemaInstalled();
PointerSpeedBackend &gnomePointerSpeed();

// KDE Plasma on Wayland: KWin's input devices over D-Bus, property
// "pointerAcceleration" of the mouse's own pointers (every pointer when none is found).
PointerSpeedBackend &kwinPointerSpeed();

// Xorg with libinput: the XInput2 property "libinput Accel Speed" of the
// mouse's own pointers (every pointer when none is found).
bool libinputPointersPresent();
PointerSpeedBackend &libinputPointerSpeed();
