#include "storage/SensorCapabilities.h"

namespace {

constexpr int kAny = 0x7fffffff;

constexpr DpiCurve kCurve3325{{{50, 100, 0, 1, 0, {}}, {kAny, 200, 50, 1, 5000, {}}}};
constexpr DpiCurve kCurve3327{{{61, 100, -1, 1, 0, {}}, {92, 200, 61, 1, 6200, {}},
                               {kAny, 300, 92, 1, 12300, {{16500, 16400}}}}};
constexpr DpiCurve kCurve3311{{{120, 100, 0, 1, 0, {}}, {kAny, 200, 120, 1, 12000, {}}}};
constexpr DpiCurve kCurve3333{{{80, 100, 0, 1, 0, {}}, {kAny, 200, 80, 1, 8000, {}}}};
constexpr DpiCurve kCurve3335{{{160, 100, 0, 1, 0, {}}, {kAny, 200, 160, 1, 16000, {}}}};
constexpr DpiCurve kCurve3370{{{200, 50, 0, 1, 0, {}}, {kAny, 100, 200, 1, 10000, {}}}};
constexpr DpiCurve kCurve3389{{{320, 50, 0, 1, 0, {}}, {kAny, 100, 320, 1, 16000, {}}}};
constexpr DpiCurve kCurve3395{{{519, 50, -1, 1, 0, {}}, {kAny, 100, 519, 1, 26000, {}}}};
constexpr DpiCurve kCurve3399{{{399, 50, -1, 1, 0, {}}, {kAny, 100, 399, 1, 20000, {}}}};
constexpr DpiCurve kCurve3104{{{106, 40, 0, 1, 0, {{560, 500}}}, {kAny, 80, 53, 1, 0, {}}}};
constexpr DpiCurve kCurve3212{{{63, 38, 0, 10, 0, {{790, 800}, {1210, 1200}, {1630, 1600}, {2390, 2400}}},
                               {94, 76, 32, 10, 0, {}},
                               {kAny, 152, 63, 10, 0, {{7290, 7200}}}}};

constexpr SniperRange kSniperFine{1, 10, 1, 10, 3};
constexpr SniperRange kSniperOther{1, 10, 1, 0, 1};

using R = SensorRegisterRule;
using S = SniperRegister;

const SensorCapability kSensors[] = {
    {3325, &kCurve3325, {1, 50, false}, R::Table3325, S::Lookup, kSniperFine},
    {33252, &kCurve3325, {1, 75, false}, R::Table3325, S::Default, kSniperOther},
    {3311, &kCurve3311, {1, 120, false}, R::Table3311, S::Default, kSniperOther},
    {33112, &kCurve3311, {1, 180, false}, R::Table3311, S::Default, kSniperOther},
    {3360, &kCurve3311, {1, 180, true}, R::Offset3360, S::MinusOne, kSniperFine},
    // Some products stop 3327 at raw 92 (12400 DPI): model/SensorRanges.
    {3327, &kCurve3327, {1, 106, false}, R::Table3327, S::Lookup, kSniperFine},
    {3333, &kCurve3333, {2, 120, false}, R::Table3333, S::Default, {2, 10, 1, 10, 3}},
    {3335, &kCurve3335, {1, 160, false}, R::Table3335, S::Lookup, kSniperFine},
    {33352, &kCurve3335, {1, 240, false}, R::Table3335, S::Default, kSniperOther},
    {3370, &kCurve3370, {1, 290, false}, R::Offset3370, S::Default, kSniperOther},
    {3389, &kCurve3389, {2, 480, true}, R::Wide3389, S::Unchanged, {2, 20, 2, 20, 6}},
    {3395, &kCurve3395, {0, 519, true}, R::Plain3395, S::Default, kSniperOther},
    {33952, &kCurve3395, {0, 779, false}, R::Wide33952, S::Default, kSniperOther},
    {3399, &kCurve3399, {0, 599, true}, R::None, S::Default, kSniperOther},
    {3104, &kCurve3104, {14, 105, true}, R::Offset3104, S::Unchanged, {14, 26, 15, 26, 14}},
    {31042, &kCurve3104, {14, 158, true}, R::Offset3104, S::Default, kSniperOther},
    {3212, &kCurve3212, {16, 111, false}, R::Offset3212, S::Unchanged, {16, 32, 17, 32, 16}},
};

} // namespace

const SensorCapability *sensorCapability(int sensor)
{
    for (const SensorCapability &c : kSensors) {
        if (c.sensor == sensor)
            return &c;
    }
    return nullptr;
}

const SniperRange &defaultSniperRange()
{
    return kSniperOther;
}
