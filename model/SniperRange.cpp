#include "model/SniperRange.h"
#include <algorithm>

const SniperRange &sniperRange(int sensor)
{
    const SensorCapability *capability = sensorCapability(sensor);
    return capability ? capability->sniper : defaultSniperRange();
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
