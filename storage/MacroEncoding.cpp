#include "storage/DeviceDescription.h"
#include "storage/MacroFiles.h"
#include <algorithm>

uint8_t encodeMoveAmount(int amount)
{
    // Two's complement in one byte: -1..-120 become 255..136.
    return uint8_t(std::clamp(amount, -MACRO_MAX_MOVE, MACRO_MAX_MOVE) & 0xFF);
}

int decodeMoveAmount(uint8_t stored)
{
    return stored > MACRO_MAX_MOVE ? int(stored) - 256 : int(stored);
}

int delayToUnits(int ms, int minDelayMs)
{
    const int unit = minDelayMs > 0 ? minDelayMs : DEFAULT_MIN_DELAY;
    return std::clamp(ms / unit, 0, 0xFFFF);
}

MacroEvent delayEvent(int units)
{
    const int n = std::clamp(units, 0, 0xFFFF);
    MacroEvent e;
    e.map = MacroDelay;
    e.high = uint8_t(n >> 8);
    e.low = uint8_t(n & 0xFF);
    return e;
}

int delayUnits(const MacroEvent &event)
{
    return event.high * 256 + event.low;
}
