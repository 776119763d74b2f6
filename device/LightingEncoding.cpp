#include "device/LightingEncoding.h"
#include <algorithm>

namespace {

// What a record byte holds.
enum class Field { Zero, Red, Green, Blue, Bright, Breath, Const };
struct RecordByte {
    Field field;
    uint8_t value; // for Const
};
constexpr RecordByte Z{Field::Zero, 0};
constexpr RecordByte R{Field::Red, 0};
constexpr RecordByte G{Field::Green, 0};
constexpr RecordByte B{Field::Blue, 0};
constexpr RecordByte L{Field::Bright, 0};
constexpr RecordByte S{Field::Breath, 0};
constexpr RecordByte C(uint8_t v) { return {Field::Const, v}; }

struct RecordLayout {
    int mode; // the lighting mode the record is built from
    RecordByte bytes[LIGHTING_RECORD_BYTES];
};

constexpr RecordLayout kRecords[LIGHTING_RECORDS] = {
    {0, {C(0x80), Z, Z, Z, Z, Z, Z, Z}},
    {1, {C(0x80), R, G, B, C(0x01), Z, C(0x02), L}},
    {2, {C(0x80), R, G, B, C(0x01), S, C(0x04), C(0x03)}},
    {3, {C(0x80), Z, Z, Z, C(0x01), S, C(0x01), C(0x03)}},
    {4, {C(0x80), Z, Z, Z, C(0x01), S, C(0x08), L}},
    {9, {C(0x80), Z, Z, Z, C(0x05), S, C(0x01), L}},
    {11, {C(0x80), Z, Z, Z, C(0x07), Z, Z, L}},
    {10, {C(0x80), Z, Z, Z, C(0x06), S, Z, L}},
    {12, {C(0x80), Z, Z, Z, C(0x08), S, Z, L}},
    {13, {C(0x80), Z, Z, Z, C(0x09), S, Z, L}},
};

// Effect of each lighting mode before the +1; modes 5..8 share mode 9's.
constexpr uint8_t kModeEffect[LED_MODE_COUNT] = {0, 1, 2, 3, 4, 5, 5, 5, 5, 5, 7, 6, 8, 9};
constexpr uint8_t UNKNOWN_MODE_EFFECT = 6;

uint8_t byteOf(const RecordByte &b, const LedModeSetting &mode)
{
    switch (b.field) {
    case Field::Zero: return 0;
    case Field::Red: return static_cast<uint8_t>(mode.rgb.red());
    case Field::Green: return static_cast<uint8_t>(mode.rgb.green());
    case Field::Blue: return static_cast<uint8_t>(mode.rgb.blue());
    case Field::Bright: return static_cast<uint8_t>(mode.bright);
    case Field::Breath: return static_cast<uint8_t>(mode.breath);
    case Field::Const: return b.value;
    }
    return 0;
}

struct Chunk {
    uint16_t offset;
    int length;
    uint8_t tag;
};
constexpr Chunk kChunks[] = {
    {0, 24, TagFirstChunk}, {24, 24, TagNextChunk}, {48, 24, TagNextChunk}, {72, 8, TagNextChunk},
};

} // namespace

LightingTable buildLightingTable(const ProfileData &profile)
{
    LightingTable table{};
    for (int r = 0; r < LIGHTING_RECORDS; ++r) {
        const RecordLayout &layout = kRecords[r];
        const LedModeSetting &mode = profile.ledModes[layout.mode];
        for (int i = 0; i < LIGHTING_RECORD_BYTES; ++i)
            table[static_cast<size_t>(r * LIGHTING_RECORD_BYTES + i)] = byteOf(layout.bytes[i], mode);
    }
    return table;
}

ReportList lightingReports(const LightingTable &table)
{
    ReportList reports;
    for (const Chunk &c : kChunks)
        reports.push_back(areaReport(OpLightingTable, c.offset, c.tag, table.data() + c.offset, c.length));
    reports.push_back(closingReport(OpLightingTable));
    return reports;
}

uint8_t lightingEffectNumber(int ledMode)
{
    if (ledMode < 0 || ledMode >= LED_MODE_COUNT)
        return UNKNOWN_MODE_EFFECT;
    return static_cast<uint8_t>(1 + kModeEffect[ledMode]);
}
