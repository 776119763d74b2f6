#include "device/BatteryLevel.h"
#include <cstdint>

namespace {
struct BatteryStep {
    int millivolts;
    int percent;
};
// Tried top to bottom after the full threshold; below the last row: 10 %.
constexpr BatteryStep kBatterySteps[] = {
    {4100, 90}, {4000, 80}, {3900, 70}, {3800, 60}, {3700, 50},
    {3500, 40}, {3400, 30}, {3200, 20},
};
}

int batteryPercentFromRaw(int raw, int fullMillivolts)
{
    const int64_t scaled = int64_t(raw) * 990; // millivolts * 240, exact
    if (scaled / 240 >= fullMillivolts)
        return 100;
    for (const BatteryStep &step : kBatterySteps) {
        if (scaled >= int64_t(step.millivolts) * 240)
            return step.percent;
    }
    return 10;
}
