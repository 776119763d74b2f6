#pragma once
// Raw DPI stage values to sensor register bytes, per sensor model.
#include <array>
#include <cstdint>

// A register lookup table indexed by a raw value starting at firstIndex.
// Indexes outside the table are clamped to its first or last entry: the
// slider ranges of some sensors reach past their tables (3335 and 33352 up to
// 240 where the table ends at 200), and a clamped index keeps the highest
// register the table knows instead of reading beyond it.
struct RegisterTable {
    int firstIndex;
    const uint8_t *values;
    int count;
    uint8_t at(long long index) const;
};

// The register tables, exposed for tests.
const RegisterTable &sensor3325Table();
const RegisterTable &sensor3311Table();
const RegisterTable &sensor3327Table();
const RegisterTable &sensor3333Table();
const RegisterTable &sensor3335Table();

// Device mode byte under which sensor 3395 limits each axis to 399.
constexpr uint8_t DEVICE_MODE_LIMITED = 8;

// Bytes 9..12 of a DPI stage report: XL, XH, YL, YH (all 0 for an unknown sensor).
std::array<uint8_t, 4> encodeDpiStage(int sensor, uint32_t x, uint32_t y, uint8_t deviceMode);
// The register value of a sniper button's DPI (sent twice in the key entry).
uint8_t encodeSniperValue(int sensor, uint8_t value);
