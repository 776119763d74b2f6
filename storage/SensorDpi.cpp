#include "storage/MouseSettings.h"
#include "storage/SensorCapabilities.h"

int sensorDpi(int raw, int sensor)
{
    const SensorCapability *capability = sensorCapability(sensor);
    if (!capability)
        return 0;
    for (const DpiCurvePiece &p : capability->curve->pieces) {
        if (p.mul == 0 || raw > p.last)
            continue;
        const long long scaled = (long long)p.mul * ((long long)raw - p.shift) / p.step * p.step + p.add;
        int dpi = int(scaled);
        for (const DpiCurvePiece::Fix &f : p.fixes) {
            if (f.from != 0 && f.from == dpi) {
                dpi = f.to;
                break;
            }
        }
        return dpi;
    }
    return 0;
}
