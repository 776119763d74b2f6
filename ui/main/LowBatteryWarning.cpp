#include "ui/main/LowBatteryWarning.h"

bool LowBatteryWarning::report(int percent, bool charging, bool cable, bool off)
{
    if (off)
        return false;
    if (charging || cable) {
        m_armed = true;
        return false;
    }
    // Readings jitter around a step; only charging arms the warning again.
    if (percent > LOW_PERCENT || !m_armed)
        return false;
    m_armed = false;
    return true;
}
