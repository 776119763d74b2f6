#include "device/BasicSettings.h"
#include "device/LightingEncoding.h"

namespace {
// Bytes the mouse expects with fixed values.
constexpr uint8_t FIXED_BYTE_17 = 1;
constexpr uint8_t FIXED_BYTE_18 = 1;
constexpr uint8_t FIXED_BYTE_24 = 0x1F;
} // namespace

BasicSettingsData basicSettingsData(const MouseSettings &image, bool singleLighting)
{
    BasicSettingsData d{};
    const int active = activeSlot(image);
    const ProfileData &first = image.profiles[0];
    const ProfileData &current = image.profiles[active];
    for (int p = 0; p < PROFILE_COUNT; ++p) {
        d[static_cast<size_t>(p)] = image.profiles[p].scrollSpeed;  // report bytes 8..12
        d[static_cast<size_t>(11 + p)] = image.profiles[p].pollrate; // report bytes 19..23
    }
    d[5] = 0;
    d[6] = image.profileId;
    d[7] = first.ledMoveOff;
    d[8] = first.ledSleepTime;
    d[9] = FIXED_BYTE_17;
    d[10] = FIXED_BYTE_18;
    d[16] = FIXED_BYTE_24;
    d[17] = current.dpi;
    d[18] = lightingEffectNumber(image.profiles[effectProfileIndex(image, singleLighting)].ledMode);
    return d;
}

ReportList basicSettingsReports(const MouseSettings &image, bool singleLighting)
{
    const BasicSettingsData d = basicSettingsData(image, singleLighting);
    return {areaReport(OpBasicSettings, 0, TagFirstChunk, d.data(), BASIC_SETTINGS_BYTES),
            closingReport(OpBasicSettings)};
}
