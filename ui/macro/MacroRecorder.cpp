#include "ui/macro/MacroRecorder.h"
#include "model/MacroActions.h"
#include <QDebug>
#include <QElapsedTimer>
#include <algorithm>
#include <memory>

MacroRecorder::MacroRecorder()
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    m_clock = [timer] { return timer->elapsed(); };
}

void MacroRecorder::setClock(Clock clock)
{
    if (clock)
        m_clock = std::move(clock);
}

void MacroRecorder::start(int delayType, int defaultDelayMs, int unitMs)
{
    m_delayType = delayType;
    m_defaultDelayMs = std::max(0, defaultDelayMs);
    m_unitMs = unitMs > 0 ? unitMs : DEFAULT_MIN_DELAY;
    m_hasLastEvent = false;
    m_lastEventMs = 0;
    m_held.clear();
    m_recordedHeld.clear();
    m_droppedHeld.clear();
}

KeyCode MacroRecorder::keyCodeOf(int scanCode, int flags)
{
    return keyEventToKeyCode(scanCode, flags & ~KeyFlagAltDown);
}

QVector<MacroEvent> MacroRecorder::keyEvent(int scanCode, int flags, const QVector<MacroEvent> &table)
{
    QVector<MacroEvent> rows;
    const KeyCode code = keyCodeOf(scanCode, flags);
    const bool down = !(flags & KeyFlagRelease);
    const int heldAt = m_held.indexOf(code);
    qDebug("OnHookKey ret %d %d %d\n", code, flags, heldAt);
    if (down && heldAt >= 0)
        return rows; // auto-repeat of a held key
    // The held list follows the keyboard even when the table has no room.
    if (down)
        m_held.append(code);
    else if (heldAt >= 0)
        m_held.remove(heldAt);

    int usage = 0;
    if (!keyCodeToHidUsage(code, usage)) {
        qDebug().noquote() << "Not recording a key without a HID usage, code" << code;
        return rows;
    }
    if (!down && m_droppedHeld.removeAll(code) > 0)
        return rows; // its press had no room

    const qint64 now = m_clock();
    const auto delayRow = [&] {
        if (m_delayType == DelayRecorded) {
            const qint64 elapsed = std::max<qint64>(0, now - m_lastEventMs);
            return delayEvent(int(std::clamp<qint64>(elapsed / m_unitMs, 1, 0xFFFF)));
        }
        return delayEvent(delayToUnits(m_defaultDelayMs, m_unitMs));
    };
    if (m_hasLastEvent && m_delayType != DelayNone)
        rows.append(delayRow());
    rows.append(keyRowEvent(usage, down));

    QVector<KeyCode> recorded = m_recordedHeld;
    if (down)
        recorded.append(code);
    else
        recorded.removeAll(code);
    // Room for the releases still to come, each with its delay row.
    QVector<MacroEvent> future = table + rows;
    for (int i = 0; i < recorded.size(); ++i) {
        if (m_delayType != DelayNone)
            future.append(delayEvent(1));
        future.append(keyRowEvent(0, false));
    }
    if (!macroHasRoom(future)) {
        if (down)
            m_droppedHeld.append(code);
        return {};
    }
    m_recordedHeld = recorded;
    m_hasLastEvent = true;
    m_lastEventMs = now;
    return rows;
}

bool MacroRecorder::allKeysReleased(const QVector<MacroEvent> &rows)
{
    for (int i = 0; i < rows.size(); ++i) {
        const MacroEvent &press = rows.at(i);
        if (rowKind(press) != RowKind::Key || !isPressRow(press))
            continue;
        const auto released = std::find_if(rows.begin() + i + 1, rows.end(), [&](const MacroEvent &e) {
            return rowKind(e) == RowKind::Key && !isPressRow(e) && e.low == press.low;
        });
        if (released == rows.end())
            return false;
    }
    return true;
}
