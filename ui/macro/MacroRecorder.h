#pragma once
// Turns keyboard events into macro rows while recording: drops the repeats of
// held keys, adds the delay rows of the chosen delay type and stops adding
// once the table is full (macroHasRoom), keeping room for the releases of the
// keys it recorded as pressed. The time source can be replaced (tests).
#include "storage/DeviceDescription.h"
#include "storage/KeyTables.h"
#include "storage/MacroFiles.h"
#include <QVector>
#include <functional>

// "Setting/DelayType"
enum MacroDelayType { DelayNone = 0, DelayRecorded = 1, DelayDefault = 2 };

class MacroRecorder
{
public:
    using Clock = std::function<qint64()>; // milliseconds, never going back

    MacroRecorder();
    void setClock(Clock clock);

    // A new recording: no key held, no event yet.
    void start(int delayType, int defaultDelayMs, int unitMs);
    // The rows one keyboard event (set-1 scan code, hook flags) adds to table;
    // empty when the event is dropped. A press is taken only when its release
    // and those of the other recorded presses still fit after it; the release
    // of a press that was dropped is dropped too.
    QVector<MacroEvent> keyEvent(int scanCode, int flags, const QVector<MacroEvent> &table);

    const QVector<KeyCode> &heldKeys() const { return m_held; }

    // The key code of a hook event as the recorder sees it: the Alt-held flag
    // says nothing about the key itself and is ignored.
    static KeyCode keyCodeOf(int scanCode, int flags);
    // Whether every key press in the rows is followed later by its release.
    static bool allKeysReleased(const QVector<MacroEvent> &rows);

private:
    Clock m_clock;
    int m_delayType = DelayNone;
    int m_defaultDelayMs = 0;
    int m_unitMs = DEFAULT_MIN_DELAY;
    bool m_hasLastEvent = false;
    qint64 m_lastEventMs = 0;
    QVector<KeyCode> m_held;
    QVector<KeyCode> m_recordedHeld; // held keys whose press is in the table
    QVector<KeyCode> m_droppedHeld;  // held keys whose press had no room
};
