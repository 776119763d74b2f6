#pragma once
// What each sensor model can do, one row per model: the raw-to-DPI curve the
// pages show, the raw range of a DPI stage, whether X and Y may be set apart,
// the register rule the mouse is sent and the sniper button's steps.
#include <cstdint>

// One straight piece of a sensor's raw-to-DPI curve:
// dpi = (mul * (raw - shift) / step) * step + add, for raw up to `last`.
struct DpiCurvePiece {
    int last;
    int mul;
    int shift;
    int step;
    int add;
    // Values the sensor's own tool rounds to a catalogue figure.
    struct Fix { int from, to; } fixes[4];
};
struct DpiCurve {
    DpiCurvePiece pieces[3];
};

// The raw values of a DPI stage the slider offers.
struct SensorRange {
    int rawMin;
    int rawMax;
    bool linkShown; // X and Y may be set apart ("Link XY" offered)
};

// The sniper step range: what the slider offers and which stored steps a preset keeps.
struct SniperRange {
    int sliderMin, sliderMax;
    int acceptedMin, acceptedMax; // acceptedMin > acceptedMax: every step accepted
    int defaultStep;              // replaces a preset outside the accepted range
};

// How the device layer turns raw stage values into register bytes.
enum class SensorRegisterRule : uint8_t {
    None, // all zero
    Table3325, Table3311, Table3327, Table3333, Table3335,
    Offset3370, Offset3360, Offset3212, Offset3104,
    Wide3389, Wide33952, Plain3395,
};
// How the sniper DPI is sent: the step as it is, through the rule's register
// table, one less, or the default step.
enum class SniperRegister : uint8_t { Default, Unchanged, Lookup, MinusOne };

struct SensorCapability {
    int sensor;
    const DpiCurve *curve;
    SensorRange range;
    SensorRegisterRule registers;
    SniperRegister sniperRegister;
    SniperRange sniper;
};

// nullptr for a sensor the program does not know.
const SensorCapability *sensorCapability(int sensor);
// What an unknown sensor's sniper button offers.
const SniperRange &defaultSniperRange();
