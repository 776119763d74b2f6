#include "storage/MouseSettings.h"

namespace {

// One straight piece of a sensor's raw-to-DPI curve:
// dpi = (mul * (raw - shift) / step) * step + add, for raw up to `last`.
struct Piece {
    int last;
    int mul;
    int shift;
    int step;
    int add;
    // Values the sensor's own tool rounds to a catalogue figure.
    struct Fix { int from, to; } fixes[4];
};

struct SensorCurve {
    int sensors[3];
    Piece pieces[3];
};

constexpr int kAny = 0x7fffffff;

const SensorCurve kCurves[] = {
    {{3325, 33252}, {{50, 100, 0, 1, 0, {}}, {kAny, 200, 50, 1, 5000, {}}}},
    {{3327}, {{61, 100, -1, 1, 0, {}}, {92, 200, 61, 1, 6200, {}},
              {kAny, 300, 92, 1, 12300, {{16500, 16400}}}}},
    {{3311, 3360, 33112}, {{120, 100, 0, 1, 0, {}}, {kAny, 200, 120, 1, 12000, {}}}},
    {{3333}, {{80, 100, 0, 1, 0, {}}, {kAny, 200, 80, 1, 8000, {}}}},
    {{3335, 33352}, {{160, 100, 0, 1, 0, {}}, {kAny, 200, 160, 1, 16000, {}}}},
    {{3370}, {{200, 50, 0, 1, 0, {}}, {kAny, 100, 200, 1, 10000, {}}}},
    {{3389}, {{320, 50, 0, 1, 0, {}}, {kAny, 100, 320, 1, 16000, {}}}},
    {{3395, 33952}, {{519, 50, -1, 1, 0, {}}, {kAny, 100, 519, 1, 26000, {}}}},
    {{3399}, {{399, 50, -1, 1, 0, {}}, {kAny, 100, 399, 1, 20000, {}}}},
    {{3104, 31042}, {{106, 40, 0, 1, 0, {{560, 500}}}, {kAny, 80, 53, 1, 0, {}}}},
    {{3212}, {{63, 38, 0, 10, 0, {{790, 800}, {1210, 1200}, {1630, 1600}, {2390, 2400}}},
              {94, 76, 32, 10, 0, {}},
              {kAny, 152, 63, 10, 0, {{7290, 7200}}}}},
};

const SensorCurve *curveFor(int sensor)
{
    for (const SensorCurve &c : kCurves) {
        for (int s : c.sensors) {
            if (s != 0 && s == sensor)
                return &c;
        }
    }
    return nullptr;
}

} // namespace

int sensorDpi(int raw, int sensor)
{
    const SensorCurve *curve = curveFor(sensor);
    if (!curve)
        return 0;
    for (const Piece &p : curve->pieces) {
        if (p.mul == 0 || raw > p.last)
            continue;
        const long long scaled = (long long)p.mul * ((long long)raw - p.shift) / p.step * p.step + p.add;
        int dpi = int(scaled);
        for (const Piece::Fix &f : p.fixes) {
            if (f.from != 0 && f.from == dpi) {
                dpi = f.to;
                break;
            }
        }
        return dpi;
    }
    return 0;
}
