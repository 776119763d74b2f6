#include "model/SensorRanges.h"
#include <iterator>

namespace {

constexpr SensorRange kRanges[] = {
    {3325, 1, 50, false},
    {33252, 1, 75, false},
    {3311, 1, 120, false},
    {33112, 1, 180, false},
    {3360, 1, 180, true},
    {3370, 1, 290, false},
    {3389, 2, 480, true},
    {3212, 16, 111, false},
    {3104, 14, 105, true},
    {31042, 14, 158, true},
    {3335, 1, 160, false},
    {33352, 1, 240, false},
    {3333, 2, 120, false},
    {3395, 0, 519, true},
    {33952, 0, 779, false},
    {3399, 0, 599, true},
};

// Sensor 3327 depends on the product: some models stop at the second piece of its curve.
constexpr SensorRange k3327Reduced = {3327, 1, 92, false};
constexpr SensorRange k3327Full = {3327, 1, 106, false};

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
    if (sensor == k3327Full.sensor)
        return isReduced3327Product(productName) ? &k3327Reduced : &k3327Full;
    for (const SensorRange &range : kRanges) {
        if (range.sensor == sensor)
            return &range;
    }
    return nullptr;
}
