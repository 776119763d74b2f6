#pragma once
// The keyboard layer of the key-capture dialogs and the macro recorder.
//
// While at least one hook is installed, an application-wide event filter sees
// every key press and release that the window system delivers to one of the
// program's windows and reports it to the hooks as a set-1 scan code with
// low-level hook flags (0x01 extended, 0x20 Alt held, 0x80 release; see
// ScanCodes.h). The event itself goes on unchanged: the focused widget still
// gets it, so Esc still closes a dialog and digits still reach a line edit.
//
// Events sent straight to a widget rather than through its window (a widget
// forwarding keys to a child, QTest's widget overloads) are not reported, so
// a key is never seen twice. inject() hands an event to the hooks exactly as
// the filter does, for tests and for anything that replays keys.
//
// One procedure per kind of listener: a newer hook of a kind takes over from
// an older one of the same kind until it is removed; hooks of different
// kinds all see every event. GUI thread only.
#include "platform/ScanCodes.h"
#include <functional>
#include <memory>

class KeyboardHook
{
public:
    enum Kind { SingleKey, ComboKey, FireKey, MacroRecorder, KindCount };
    using Procedure = std::function<void(int scanCode, int flags)>;

    // Installs the procedure as the current one of its kind.
    KeyboardHook(Kind kind, Procedure procedure);
    ~KeyboardHook();
    KeyboardHook(const KeyboardHook &) = delete;
    KeyboardHook &operator=(const KeyboardHook &) = delete;

    Kind kind() const { return m_kind; }
    // False without an application object: nothing can be filtered then, and
    // the hook stays silent (injected events do not reach it either).
    bool isInstalled() const { return m_id != 0; }

    // The hook, or null when it could not be installed.
    static std::unique_ptr<KeyboardHook> install(Kind kind, Procedure procedure);

    // Hands one event to the current procedure of every kind.
    static void inject(int scanCode, int flags);
    // Whether some hook of the kind is installed.
    static bool isListening(Kind kind);

    // The scan code and flags the filter reports for a key event; false for
    // keys without a set-1 code and for the releases X11 inserts into
    // auto-repeat (a held key repeats its press only, as on a real hook).
    static bool translate(const QKeyEvent &event, int &scanCode, int &flags);

private:
    Kind m_kind;
    quint64 m_id = 0;
};
