#include "ui/macro/GunSet.h"
#include "model/MacroActions.h"
#include "ui/macro/MacroRecorder.h"
#include <algorithm>

namespace {
constexpr int kLeftButton = 0; // index of "LEFT CLICK"

uint8_t signedByte(int value)
{
    return uint8_t(std::clamp(value, -GUN_MAX_OFFSET, GUN_MAX_OFFSET) & 0xFF);
}
} // namespace

QVector<MacroEvent> gunSetEvents(const QVector<GunShot> &shots)
{
    QVector<MacroEvent> events;
    for (const GunShot &shot : shots) {
        events << mouseButtonEvent(kLeftButton, false) << mouseButtonEvent(kLeftButton, true);
        if (shot.x != 0) {
            MacroEvent move;
            move.map = MacroMove;
            move.high = signedByte(shot.x);
            events << move;
        }
        if (shot.y != 0) {
            MacroEvent move;
            move.map = MacroMove;
            move.low = signedByte(shot.y);
            events << move;
        }
        if (shot.delayMs != 0)
            events << delayEvent(std::max(0, shot.delayMs) / GUN_DELAY_STEP_MS);
    }
    return events;
}

MacroFile gunMacroFile(const QVector<MacroEvent> &events)
{
    MacroFile macro;
    macro.defaultDelay = GUN_DELAY_STEP_MS;
    macro.delayType = DelayRecorded;
    macro.loopType = 0;
    macro.loopTime = 1;
    macro.events = events;
    return macro;
}
