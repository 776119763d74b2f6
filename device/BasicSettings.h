#pragma once
// The 19-byte basic settings: scroll speeds, active profile, lighting sleep,
// report rates, active DPI stage and lighting effect.
#include "device/ReportFrame.h"
#include "storage/MouseSettings.h"
#include <array>
#include <cstdint>

constexpr int BASIC_SETTINGS_BYTES = 19;
using BasicSettingsData = std::array<uint8_t, BASIC_SETTINGS_BYTES>;

// The effect comes from effectProfileIndex(image, singleLighting).
BasicSettingsData basicSettingsData(const MouseSettings &image, bool singleLighting = false);
// One packet at offset 0 and the closing write.
ReportList basicSettingsReports(const MouseSettings &image, bool singleLighting = false);
