#include "device/SensorEncoding.h"
#include "storage/SensorCapabilities.h"
#include <algorithm>
#include <iterator>

namespace {

constexpr uint8_t k3325[] = {
    2, 4, 6, 8, 11, 13, 15, 18, 20, 22, 25, 27, 29, 32, 34, 36, 39, 41, 43, 46, 48, 50, 52, 55, 57,
    59, 62, 64, 66, 69, 71, 73, 76, 78, 80, 83, 85, 87, 90, 92, 94, 97, 99, 101, 104, 106, 108, 111,
    113, 115};
static_assert(std::size(k3325) == 50, "raw 1..50");

constexpr uint8_t k3327[] = {
    0, 4, 6, 9, 11, 13, 15, 18, 20, 22, 24, 27, 29, 31, 33, 36, 38, 40, 43, 45, 47, 49, 52, 54, 56,
    58, 61, 63, 65, 67, 70, 72, 74, 77, 79, 81, 83, 86, 88, 90, 92, 95, 97, 99, 102, 104, 106, 108,
    111, 113, 115, 117, 120, 122, 124, 127, 129, 131, 133, 135, 138, 140};
static_assert(std::size(k3327) == 62, "raw 0..61");

constexpr uint8_t k3333[] = {
    4, 6, 9, 11, 14, 16, 18, 21, 23, 25, 27, 29, 32, 34, 36, 39, 41, 43, 46, 48, 50, 52, 55, 57, 59,
    62, 64, 66, 69, 72, 74, 77, 78, 81, 84, 85, 88, 91, 93, 95, 98, 100, 102, 105, 107, 109, 112,
    114, 116, 119, 121, 123, 126, 128, 130, 133, 135, 137, 140, 142, 145, 147, 149, 151, 154, 156,
    158, 161, 163, 165, 168, 171, 173, 175, 178, 180, 182, 185, 187};
static_assert(std::size(k3333) == 79, "raw 2..80");

constexpr uint8_t k3335[] = {
    0, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 27, 29, 30,
    31, 32, 33, 35, 37, 38, 39, 40, 41, 42, 44, 45, 46, 47, 48, 50, 51, 52, 53, 54, 56, 57, 58, 59,
    60, 62, 63, 64, 65, 66, 68, 69, 70, 71, 72, 74, 75, 76, 77, 78, 80, 81, 82, 83, 84, 86, 87, 88,
    89, 90, 92, 93, 94, 95, 96, 98, 99, 100, 101, 102, 104, 105, 106, 107, 108, 110, 111, 112, 113,
    114, 116, 117, 118, 119, 120, 122, 123, 124, 125, 126, 128, 129, 130, 131, 132, 134, 135, 136,
    137, 138, 140, 141, 142, 143, 144, 146, 147, 148, 149, 150, 152, 153, 154, 155, 156, 158, 159,
    160, 161, 162, 164, 165, 166, 167, 168, 170, 171, 172, 173, 174, 176, 177, 178, 179, 180, 181,
    182, 183, 184, 185, 186, 187, 188, 188};
static_assert(std::size(k3335) == 160, "raw 1..160");

constexpr RegisterTable kTable3325{1, k3325, 50};
constexpr RegisterTable kTable3311{1, k3335, 120}; // the first 120 registers of 3335
constexpr RegisterTable kTable3327{0, k3327, 62};
constexpr RegisterTable kTable3333{2, k3333, 79};
constexpr RegisterTable kTable3335{1, k3335, 160};

enum class BandKind {
    Lookup,   // low = table[a - shift]
    Subtract, // low = a - shift
    Wide,     // v = a - shift; low = v & 0xFF, high = (v >> 8) | 0x80
    Plain16,  // a little-endian
};

// Applies when a > above; the last band of a rule has above = -1 and always applies.
struct AxisBand {
    long long above;
    BandKind kind;
    int shift;
    uint8_t high;
};
using AxisBands = std::array<AxisBand, 3>;

enum class AxisRoute {
    Normal,  // x to bytes 9-10, y to 11-12
    Swapped, // x to bytes 11-12, y to 9-10
    XOnly,   // x to both
};

struct SensorRule {
    const RegisterTable *table;
    AxisBands xBands;
    AxisBands yBands;
    AxisRoute route;
    uint32_t limitInLimitedMode; // 0: no limit
};

constexpr AxisBand always(BandKind kind, int shift = 0, uint8_t high = 0)
{
    return {-1, kind, shift, high};
}

constexpr AxisBands kBands3325{{{50, BandKind::Lookup, 25, 1}, always(BandKind::Lookup)}};
constexpr AxisBands kBands3311{{{120, BandKind::Lookup, 60, 1}, always(BandKind::Lookup)}};
constexpr AxisBands kBands3327{{{92, BandKind::Lookup, 52, 4}, {61, BandKind::Lookup, 31, 1}, always(BandKind::Lookup)}};
constexpr AxisBands kBands3333{{{79, BandKind::Lookup, 40, 1}, always(BandKind::Lookup)}};
constexpr AxisBands kBands3335{{{160, BandKind::Lookup, 40, 1}, always(BandKind::Lookup)}};
constexpr AxisBands kBands3370{{{200, BandKind::Subtract, 101, 1}, always(BandKind::Subtract, 1, 0)}};
constexpr AxisBands kBands3360{{{120, BandKind::Subtract, 61, 1}, always(BandKind::Subtract, 1, 0)}};
constexpr AxisBands kBands3212{{{94, BandKind::Subtract, 63, 2}, {63, BandKind::Subtract, 32, 1}, always(BandKind::Subtract)}};
constexpr AxisBands kBands3104{{{106, BandKind::Subtract, 53, 1}, always(BandKind::Subtract)}};
constexpr AxisBands kBands3389{{{320, BandKind::Wide, 160, 0}, always(BandKind::Plain16)}};
constexpr AxisBands kBands33952X{{{519, BandKind::Wide, 260, 0}, always(BandKind::Plain16)}};
constexpr AxisBands kBands33952Y{{{520, BandKind::Wide, 260, 0}, always(BandKind::Plain16)}};
constexpr AxisBands kBands3395{{always(BandKind::Plain16)}};

// Indexed by SensorRegisterRule.
const SensorRule kRules[] = {
    {nullptr, {}, {}, AxisRoute::Normal, 0}, // None: never encoded
    {&kTable3325, kBands3325, kBands3325, AxisRoute::Normal, 0},
    {&kTable3311, kBands3311, kBands3311, AxisRoute::Normal, 0},
    {&kTable3327, kBands3327, kBands3327, AxisRoute::Normal, 0},
    {&kTable3333, kBands3333, kBands3333, AxisRoute::Normal, 0},
    {&kTable3335, kBands3335, kBands3335, AxisRoute::XOnly, 0},
    {nullptr, kBands3370, kBands3370, AxisRoute::Normal, 0},
    {nullptr, kBands3360, kBands3360, AxisRoute::Normal, 0},
    {nullptr, kBands3212, kBands3212, AxisRoute::Normal, 0},
    {nullptr, kBands3104, kBands3104, AxisRoute::Swapped, 0},
    {nullptr, kBands3389, kBands3389, AxisRoute::Normal, 0},
    {nullptr, kBands33952X, kBands33952Y, AxisRoute::Normal, 0},
    {nullptr, kBands3395, kBands3395, AxisRoute::Normal, 399},
};
static_assert(std::size(kRules) == size_t(SensorRegisterRule::Plain3395) + 1, "one rule per SensorRegisterRule");

const SensorRule *ruleFor(int sensor)
{
    const SensorCapability *capability = sensorCapability(sensor);
    if (!capability || capability->registers == SensorRegisterRule::None)
        return nullptr;
    return &kRules[size_t(capability->registers)];
}

struct AxisBytes {
    uint8_t low = 0;
    uint8_t high = 0;
};

AxisBytes encodeAxis(const SensorRule &rule, const AxisBands &bands, uint32_t raw)
{
    const long long a = raw;
    for (const AxisBand &band : bands) {
        if (a <= band.above)
            continue;
        const long long v = a - band.shift;
        switch (band.kind) {
        case BandKind::Lookup:
            return {rule.table ? rule.table->at(v) : uint8_t(0), band.high};
        case BandKind::Subtract:
            return {static_cast<uint8_t>(v & 0xFF), band.high};
        case BandKind::Wide:
            return {static_cast<uint8_t>(v & 0xFF), static_cast<uint8_t>(((v >> 8) | 0x80) & 0xFF)};
        case BandKind::Plain16:
            return {static_cast<uint8_t>(a & 0xFF), static_cast<uint8_t>((a >> 8) & 0xFF)};
        }
    }
    return {};
}

constexpr uint8_t SNIPER_DEFAULT = 4;

} // namespace

uint8_t RegisterTable::at(long long index) const
{
    const long long i = std::clamp<long long>(index - firstIndex, 0, count - 1);
    return values[i];
}

const RegisterTable &sensor3325Table() { return kTable3325; }
const RegisterTable &sensor3311Table() { return kTable3311; }
const RegisterTable &sensor3327Table() { return kTable3327; }
const RegisterTable &sensor3333Table() { return kTable3333; }
const RegisterTable &sensor3335Table() { return kTable3335; }

std::array<uint8_t, 4> encodeDpiStage(int sensor, uint32_t x, uint32_t y, uint8_t deviceMode)
{
    const SensorRule *rule = ruleFor(sensor);
    if (!rule)
        return {0, 0, 0, 0};
    if (rule->limitInLimitedMode && deviceMode == DEVICE_MODE_LIMITED) {
        x = std::min(x, rule->limitInLimitedMode);
        y = std::min(y, rule->limitInLimitedMode);
    }
    const AxisBytes bx = encodeAxis(*rule, rule->xBands, x);
    const AxisBytes by = encodeAxis(*rule, rule->yBands, y);
    switch (rule->route) {
    case AxisRoute::Swapped:
        return {by.low, by.high, bx.low, bx.high};
    case AxisRoute::XOnly:
        return {bx.low, bx.high, bx.low, bx.high};
    case AxisRoute::Normal:
        break;
    }
    return {bx.low, bx.high, by.low, by.high};
}

uint8_t encodeSniperValue(int sensor, uint8_t value)
{
    const SensorCapability *capability = sensorCapability(sensor);
    switch (capability ? capability->sniperRegister : SniperRegister::Default) {
    case SniperRegister::Unchanged: return value;
    case SniperRegister::Lookup: return ruleFor(sensor)->table->at(value);
    case SniperRegister::MinusOne: return static_cast<uint8_t>(value - 1);
    case SniperRegister::Default: break;
    }
    return SNIPER_DEFAULT;
}
