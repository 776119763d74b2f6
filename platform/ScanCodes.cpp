#include "platform/ScanCodes.h"
#include <QKeyEvent>

namespace {

struct EvdevRow { quint16 evdev; quint8 scan; quint8 flags; };

// Evdev codes 1..88 are the set-1 make codes of the main block, the keypad and
// F1..F12 (Num Lock excepted); the rows below are the keys whose set-1 code
// differs or carries the E0 prefix.
constexpr int kLastIdentityEvdev = 88;
const EvdevRow kEvdevRows[] = {
    {69, 0x45, ScanFlagExtended},   // KEY_NUMLOCK (Pause is the one without the flag)
    {96, 0x1C, ScanFlagExtended},   // KEY_KPENTER
    {97, 0x1D, ScanFlagExtended},   // KEY_RIGHTCTRL
    {98, 0x35, ScanFlagExtended},   // KEY_KPSLASH
    {99, 0x37, ScanFlagExtended},   // KEY_SYSRQ (Print Screen)
    {100, 0x38, ScanFlagExtended},  // KEY_RIGHTALT
    {102, 0x47, ScanFlagExtended},  // KEY_HOME
    {103, 0x48, ScanFlagExtended},  // KEY_UP
    {104, 0x49, ScanFlagExtended},  // KEY_PAGEUP
    {105, 0x4B, ScanFlagExtended},  // KEY_LEFT
    {106, 0x4D, ScanFlagExtended},  // KEY_RIGHT
    {107, 0x4F, ScanFlagExtended},  // KEY_END
    {108, 0x50, ScanFlagExtended},  // KEY_DOWN
    {109, 0x51, ScanFlagExtended},  // KEY_PAGEDOWN
    {110, 0x52, ScanFlagExtended},  // KEY_INSERT
    {111, 0x53, ScanFlagExtended},  // KEY_DELETE
    {119, 0x45, 0},                 // KEY_PAUSE
    {125, 0x5B, ScanFlagExtended},  // KEY_LEFTMETA
    {126, 0x5C, ScanFlagExtended},  // KEY_RIGHTMETA
    {127, 0x5D, ScanFlagExtended},  // KEY_COMPOSE (App)
};

struct QtKeyRow { int key; quint8 scan; quint8 flags; };

// Keys away from the keypad; shifted symbols of the US layout give their key.
const QtKeyRow kQtKeyRows[] = {
    {Qt::Key_Escape, 0x01, 0},
    {Qt::Key_1, 0x02, 0}, {Qt::Key_Exclam, 0x02, 0},
    {Qt::Key_2, 0x03, 0}, {Qt::Key_At, 0x03, 0},
    {Qt::Key_3, 0x04, 0}, {Qt::Key_NumberSign, 0x04, 0},
    {Qt::Key_4, 0x05, 0}, {Qt::Key_Dollar, 0x05, 0},
    {Qt::Key_5, 0x06, 0}, {Qt::Key_Percent, 0x06, 0},
    {Qt::Key_6, 0x07, 0}, {Qt::Key_AsciiCircum, 0x07, 0},
    {Qt::Key_7, 0x08, 0}, {Qt::Key_Ampersand, 0x08, 0},
    {Qt::Key_8, 0x09, 0}, {Qt::Key_Asterisk, 0x09, 0},
    {Qt::Key_9, 0x0A, 0}, {Qt::Key_ParenLeft, 0x0A, 0},
    {Qt::Key_0, 0x0B, 0}, {Qt::Key_ParenRight, 0x0B, 0},
    {Qt::Key_Minus, 0x0C, 0}, {Qt::Key_Underscore, 0x0C, 0},
    {Qt::Key_Equal, 0x0D, 0}, {Qt::Key_Plus, 0x0D, 0},
    {Qt::Key_Backspace, 0x0E, 0},
    {Qt::Key_Tab, 0x0F, 0}, {Qt::Key_Backtab, 0x0F, 0},
    {Qt::Key_Q, 0x10, 0}, {Qt::Key_W, 0x11, 0}, {Qt::Key_E, 0x12, 0}, {Qt::Key_R, 0x13, 0},
    {Qt::Key_T, 0x14, 0}, {Qt::Key_Y, 0x15, 0}, {Qt::Key_U, 0x16, 0}, {Qt::Key_I, 0x17, 0},
    {Qt::Key_O, 0x18, 0}, {Qt::Key_P, 0x19, 0},
    {Qt::Key_BracketLeft, 0x1A, 0}, {Qt::Key_BraceLeft, 0x1A, 0},
    {Qt::Key_BracketRight, 0x1B, 0}, {Qt::Key_BraceRight, 0x1B, 0},
    {Qt::Key_Return, 0x1C, 0},
    {Qt::Key_Control, 0x1D, 0},
    {Qt::Key_A, 0x1E, 0}, {Qt::Key_S, 0x1F, 0}, {Qt::Key_D, 0x20, 0}, {Qt::Key_F, 0x21, 0},
    {Qt::Key_G, 0x22, 0}, {Qt::Key_H, 0x23, 0}, {Qt::Key_J, 0x24, 0}, {Qt::Key_K, 0x25, 0},
    {Qt::Key_L, 0x26, 0},
    {Qt::Key_Semicolon, 0x27, 0}, {Qt::Key_Colon, 0x27, 0},
    {Qt::Key_Apostrophe, 0x28, 0}, {Qt::Key_QuoteDbl, 0x28, 0},
    {Qt::Key_QuoteLeft, 0x29, 0}, {Qt::Key_AsciiTilde, 0x29, 0},
    {Qt::Key_Shift, 0x2A, 0},
    {Qt::Key_Backslash, 0x2B, 0}, {Qt::Key_Bar, 0x2B, 0},
    {Qt::Key_Z, 0x2C, 0}, {Qt::Key_X, 0x2D, 0}, {Qt::Key_C, 0x2E, 0}, {Qt::Key_V, 0x2F, 0},
    {Qt::Key_B, 0x30, 0}, {Qt::Key_N, 0x31, 0}, {Qt::Key_M, 0x32, 0},
    {Qt::Key_Comma, 0x33, 0}, {Qt::Key_Less, 0x33, 0},
    {Qt::Key_Period, 0x34, 0}, {Qt::Key_Greater, 0x34, 0},
    {Qt::Key_Slash, 0x35, 0}, {Qt::Key_Question, 0x35, 0},
    {Qt::Key_Print, 0x37, ScanFlagExtended}, {Qt::Key_SysReq, 0x37, ScanFlagExtended},
    {Qt::Key_Alt, 0x38, 0},
    {Qt::Key_AltGr, 0x38, ScanFlagExtended},
    {Qt::Key_Space, 0x39, 0},
    {Qt::Key_CapsLock, 0x3A, 0},
    {Qt::Key_F1, 0x3B, 0}, {Qt::Key_F2, 0x3C, 0}, {Qt::Key_F3, 0x3D, 0}, {Qt::Key_F4, 0x3E, 0},
    {Qt::Key_F5, 0x3F, 0}, {Qt::Key_F6, 0x40, 0}, {Qt::Key_F7, 0x41, 0}, {Qt::Key_F8, 0x42, 0},
    {Qt::Key_F9, 0x43, 0}, {Qt::Key_F10, 0x44, 0},
    {Qt::Key_NumLock, 0x45, ScanFlagExtended},
    {Qt::Key_Pause, 0x45, 0},
    {Qt::Key_ScrollLock, 0x46, 0},
    {Qt::Key_Home, 0x47, ScanFlagExtended},
    {Qt::Key_Up, 0x48, ScanFlagExtended},
    {Qt::Key_PageUp, 0x49, ScanFlagExtended},
    {Qt::Key_Left, 0x4B, ScanFlagExtended},
    {Qt::Key_Right, 0x4D, ScanFlagExtended},
    {Qt::Key_End, 0x4F, ScanFlagExtended},
    {Qt::Key_Down, 0x50, ScanFlagExtended},
    {Qt::Key_PageDown, 0x51, ScanFlagExtended},
    {Qt::Key_Insert, 0x52, ScanFlagExtended},
    {Qt::Key_Delete, 0x53, ScanFlagExtended},
    {Qt::Key_F11, 0x57, 0}, {Qt::Key_F12, 0x58, 0},
    {Qt::Key_Meta, 0x5B, ScanFlagExtended}, {Qt::Key_Super_L, 0x5B, ScanFlagExtended},
    {Qt::Key_Super_R, 0x5C, ScanFlagExtended},
    {Qt::Key_Menu, 0x5D, ScanFlagExtended},
    {Qt::Key_Enter, 0x1C, ScanFlagExtended},
};

// Keys carrying the keypad modifier: digits with Num Lock on, the navigation
// keys with Num Lock off, and the operators.
const QtKeyRow kQtKeypadRows[] = {
    {Qt::Key_7, 0x47, 0}, {Qt::Key_Home, 0x47, 0},
    {Qt::Key_8, 0x48, 0}, {Qt::Key_Up, 0x48, 0},
    {Qt::Key_9, 0x49, 0}, {Qt::Key_PageUp, 0x49, 0},
    {Qt::Key_Minus, 0x4A, 0},
    {Qt::Key_4, 0x4B, 0}, {Qt::Key_Left, 0x4B, 0},
    {Qt::Key_5, 0x4C, 0}, {Qt::Key_Clear, 0x4C, 0},
    {Qt::Key_6, 0x4D, 0}, {Qt::Key_Right, 0x4D, 0},
    {Qt::Key_Plus, 0x4E, 0},
    {Qt::Key_1, 0x4F, 0}, {Qt::Key_End, 0x4F, 0},
    {Qt::Key_2, 0x50, 0}, {Qt::Key_Down, 0x50, 0},
    {Qt::Key_3, 0x51, 0}, {Qt::Key_PageDown, 0x51, 0},
    {Qt::Key_0, 0x52, 0}, {Qt::Key_Insert, 0x52, 0},
    {Qt::Key_Period, 0x53, 0}, {Qt::Key_Comma, 0x53, 0}, {Qt::Key_Delete, 0x53, 0},
    {Qt::Key_Asterisk, 0x37, 0},
    {Qt::Key_Slash, 0x35, ScanFlagExtended},
    {Qt::Key_Enter, 0x1C, ScanFlagExtended},
    {Qt::Key_NumLock, 0x45, ScanFlagExtended},
};

template <typename Row, size_t N, typename Key>
const Row *findRow(const Row (&rows)[N], Key key, Key Row::*field)
{
    for (const Row &row : rows) {
        if (row.*field == key)
            return &row;
    }
    return nullptr;
}

// X11, Wayland and the evdev platforms number keys from 8 upwards.
constexpr int kNativeKeycodeOffset = 8;

} // namespace

bool scanFromEvdev(int evdevCode, ScanEvent &event)
{
    if (evdevCode <= 0 || evdevCode > 0xFFFF)
        return false;
    if (const EvdevRow *row = findRow(kEvdevRows, quint16(evdevCode), &EvdevRow::evdev)) {
        event = {row->scan, row->flags};
        return true;
    }
    if (evdevCode > kLastIdentityEvdev)
        return false;
    event = {evdevCode, 0};
    return true;
}

bool scanFromQtKey(int key, Qt::KeyboardModifiers modifiers, ScanEvent &event)
{
    const QtKeyRow *row = nullptr;
    if (modifiers & Qt::KeypadModifier)
        row = findRow(kQtKeypadRows, key, &QtKeyRow::key);
    if (!row)
        row = findRow(kQtKeyRows, key, &QtKeyRow::key);
    if (!row)
        return false;
    event = {row->scan, row->flags};
    return true;
}

bool scanFromKeyEvent(const QKeyEvent &event, ScanEvent &scan)
{
    const int native = int(event.nativeScanCode());
    if (native > kNativeKeycodeOffset && scanFromEvdev(native - kNativeKeycodeOffset, scan))
        return true;
    return scanFromQtKey(event.key(), event.modifiers(), scan);
}
