#pragma once
// The 80-byte lighting table: ten effect records built from the 14 lighting modes.
#include "device/ReportFrame.h"
#include "storage/MouseSettings.h"
#include <array>
#include <cstdint>

constexpr int LIGHTING_RECORDS = 10;
constexpr int LIGHTING_RECORD_BYTES = 8;
constexpr int LIGHTING_TABLE_BYTES = LIGHTING_RECORDS * LIGHTING_RECORD_BYTES;
using LightingTable = std::array<uint8_t, LIGHTING_TABLE_BYTES>;

LightingTable buildLightingTable(const ProfileData &profile);
// Records 0-2, 3-5, 6-8, 9, then the closing write.
ReportList lightingReports(const LightingTable &table);

// The effect the mouse runs for a lighting mode (modes 5..8 share mode 9's effect).
uint8_t lightingEffectNumber(int ledMode);
