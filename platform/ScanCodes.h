#pragma once
// Keyboard events as set-1 scan codes with low-level hook flags: the form the
// key-capture dialogs and the macro recorder turn into key codes.
#include <qnamespace.h>

class QKeyEvent;

// Flag bits, as a low-level keyboard hook reports them.
constexpr int ScanFlagExtended = 0x01; // the key's make code carries the E0 prefix
constexpr int ScanFlagAltDown = 0x20;  // an Alt key is held (set on the Alt press itself)
constexpr int ScanFlagRelease = 0x80;  // key up

struct ScanEvent {
    int scanCode = 0; // set-1 make code without the E0 prefix
    int flags = 0;    // ScanFlagExtended only; the caller adds Alt and release
};

// A Linux input (evdev) key code; false for keys without a set-1 code here.
bool scanFromEvdev(int evdevCode, ScanEvent &event);
// Qt's key and modifiers (the keypad modifier tells the keypad apart), for
// platforms that give no native scan code; US layout for shifted symbols.
bool scanFromQtKey(int key, Qt::KeyboardModifiers modifiers, ScanEvent &event);
// The native scan code when the platform gives one (an X11/Wayland keycode is
// the evdev code + 8), else the Qt key.
bool scanFromKeyEvent(const QKeyEvent &event, ScanEvent &scan);

// Set-1 code of the Alt keys (left without, right with the extended flag).
constexpr int ScanAlt = 0x38;
