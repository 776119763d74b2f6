#pragma once
// The program's one-byte key codes, their names and their HID keyboard usages.
#include <QString>
#include <cstdint>

using KeyCode = uint8_t;

constexpr KeyCode KeyLeftButton = 0xF0;
constexpr KeyCode KeyRightButton = 0xF1;
constexpr KeyCode KeyMiddleButton = 0xF2;

// Low-level keyboard event flags (as a keyboard hook delivers them).
constexpr int KeyFlagExtended = 0x01;
constexpr int KeyFlagAltDown = 0x20;
constexpr int KeyFlagRelease = 0x80;

QString keyName(KeyCode code);
bool keyCodeToHidUsage(int code, int &usage);
bool hidUsageToKeyCode(int usage, int &code);
KeyCode keyEventToKeyCode(int scanCode, int flags);

constexpr int HID_KEY_ROW_COUNT = 104;
struct HidKeyRow { uint8_t code; uint8_t usage; };
const HidKeyRow *hidKeyRows(); // HID_KEY_ROW_COUNT rows in table order
