#include "model/SensorRanges.h"
#include "storage/MouseSettings.h"
#include <cstdlib>

namespace {

// Sensor 3327 depends on the product: some models stop at the second piece of its curve.
constexpr int kReduced3327Sensor = 3327;
constexpr SensorRange k3327Reduced = {1, 92, false};

const char *const kReduced3327Products[] = {
    "Q508-RGB", "ASTERN", "6358", "MOLVAN3", "TREVIK", "Q612-RGB", "ZENTHOR2", "FALCRIS2", "MONARVE",
};

} // namespace

bool isReduced3327Product(const QString &productName)
{
    for (const char *name : kReduced3327Products) {
        if (productName == QLatin1String(name))
            return true;
    }
    return false;
}

const SensorRange *sensorRange(int sensor, const QString &productName)
{
    if (sensor == kReduced3327Sensor && isReduced3327Product(productName))
        return &k3327Reduced;
    const SensorCapability *capability = sensorCapability(sensor);
    return capability ? &capability->range : nullptr;
}

int nearestRaw(const SensorRange &range, int sensor, int dpi)
{
    int best = range.rawMin;
    for (int raw = range.rawMin; raw <= range.rawMax; ++raw) {
        if (std::abs(sensorDpi(raw, sensor) - dpi) < std::abs(sensorDpi(best, sensor) - dpi))
            best = raw;
    }
    return best;
}
