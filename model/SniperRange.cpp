#include "model/SniperRange.h"
#include <algorithm>

namespace {
const SniperRange kRanges[] = {
    {3325, 1, 10, 1, 10, 3},
    {3327, 1, 10, 1, 10, 3},
    {3335, 1, 10, 1, 10, 3},
    {3360, 1, 10, 1, 10, 3},
    {3333, 2, 10, 1, 10, 3},
    {3389, 2, 20, 2, 20, 6},
    {3212, 16, 32, 17, 32, 16},
    {3104, 14, 26, 15, 26, 14},
};
const SniperRange kOtherSensor = {0, 1, 10, 1, 0, 1};
} // namespace

const SniperRange &sniperRange(int sensor)
{
    for (const SniperRange &range : kRanges) {
        if (range.sensor == sensor)
            return range;
    }
    return kOtherSensor;
}

int sniperPresetStep(int storedStep, int sensor)
{
    const SniperRange &range = sniperRange(sensor);
    const bool anyAccepted = range.acceptedMin > range.acceptedMax;
    int step = storedStep;
    if (!anyAccepted && (step < range.acceptedMin || step > range.acceptedMax))
        step = range.defaultStep;
    return std::clamp(step, range.sliderMin, range.sliderMax);
}
