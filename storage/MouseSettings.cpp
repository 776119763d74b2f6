#include "storage/MouseSettings.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "storage/MacroFiles.h"
#include <cstdlib>

namespace {

// Factory defaults used when the installation carries no device description.
constexpr uint32_t kBuiltInStages[DPI_STAGE_COUNT] = {8, 12, 16, 24, 50, 75, 0, 0};
constexpr int32_t kBuiltInButtonFuns[] = {1, 2, 3, 4, 5, 4, 5};
constexpr int kDescribedButtonSlots = 20; // slots 16..19 get function 0
constexpr int32_t kWheelTiltFuns[2] = {52, 53}; // slots 40 and 41

struct BuiltInLed { int mode; int32_t breath; QColor rgb; };

void applyBuiltInDefaults(ProfileData &p)
{
    p.ledMode = 9;
    for (int i = 0; i < DPI_STAGE_COUNT; ++i)
        p.dpiInfo[i] = {1, 1, kBuiltInStages[i], kBuiltInStages[i], kBuiltInStages[i]};
    for (size_t i = 0; i < sizeof kBuiltInButtonFuns / sizeof kBuiltInButtonFuns[0]; ++i)
        p.buttonInfo[i].fun = kBuiltInButtonFuns[i];
    for (LedModeSetting &led : p.ledModes) {
        led.rgb = QColor(255, 0, 0);
        led.bright = 3;
        led.breath = 3;
    }
    const BuiltInLed exceptions[] = {
        {4, 2, QColor(255, 0, 0)},
        {9, 4, QColor(255, 0, 0)},
        {10, 5, QColor(0, 255, 0)},
        {12, 1, QColor(255, 0, 0)},
    };
    for (const BuiltInLed &e : exceptions) {
        p.ledModes[e.mode].breath = e.breath;
        p.ledModes[e.mode].rgb = e.rgb;
    }
}

// A damaged description must not give the factory profile an index beyond
// its tables; such an index reads as 0, as it does from a profile file.
uint8_t describedIndex(uint8_t value, int count)
{
    return value < count ? value : 0;
}

void applyDescription(ProfileData &p, const DeviceDescription &d)
{
    p.pollrate = uint8_t(d.pollrate);
    p.ledMode = describedIndex(d.ledMode, LED_MODE_COUNT);
    p.dpi = describedIndex(d.dpi, DPI_STAGE_COUNT);
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        const uint32_t v = d.dpiValues[i];
        p.dpiInfo[i] = {1, 1, v, v, v};
    }
    for (int i = 0; i < kDescribedButtonSlots; ++i)
        p.buttonInfo[i].fun = i < DESCRIPTION_BUTTON_COUNT ? d.buttons[i].fun : 0;
    for (int i = 0; i < LED_MODE_COUNT; ++i) {
        p.ledModes[i].rgb = d.ledModes[i].rgb;
        p.ledModes[i].bright = d.ledModes[i].bright;
        p.ledModes[i].breath = d.ledModes[i].breath;
    }
}

bool keyInfoDiffers(const ButtonInfo &a, const ButtonInfo &b)
{
    for (int j = 0; j < KEY_INFO_COUNT; ++j) {
        const KeyInfo &x = a.keyInfo[j], &y = b.keyInfo[j];
        if (x.map != y.map || x.low != y.low || x.high != y.high)
            return true;
    }
    return false;
}

bool ledSettingDiffers(const LedModeSetting &x, const LedModeSetting &y)
{
    return x.rgb != y.rgb || x.h != y.h || x.s != y.s || x.v != y.v || x.bright != y.bright
        || x.breath != y.breath;
}

bool basicDiffers(const MouseSettings &w, const MouseSettings &a)
{
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        if (w.profiles[i].pollrate != a.profiles[i].pollrate
            || w.profiles[i].scrollSpeed != a.profiles[i].scrollSpeed)
            return true;
    }
    if (w.liftHigh != a.liftHigh || w.profileId != a.profileId)
        return true;
    if (w.profileId >= PROFILE_COUNT)
        return false;
    // Sleep time and move-off go out from profile 0, the effect from its own
    // profile; the active profile's copies still count, as the page edits them too.
    const int effect = effectProfileIndex(w, isSingleLightingModel(deviceListName()));
    for (int p : {int(w.profileId), 0}) {
        const ProfileData &pw = w.profiles[p], &pa = a.profiles[p];
        if (pw.ledMoveOff != pa.ledMoveOff || pw.ledSleepTime != pa.ledSleepTime)
            return true;
    }
    return w.profiles[w.profileId].dpi != a.profiles[w.profileId].dpi
        || w.profiles[w.profileId].ledMode != a.profiles[w.profileId].ledMode
        || w.profiles[effect].ledMode != a.profiles[effect].ledMode;
}

bool dpiDiffers(const MouseSettings &w, const MouseSettings &a)
{
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        for (int s = 0; s < DPI_STAGE_COUNT; ++s) {
            const DpiStage &x = w.profiles[i].dpiInfo[s], &y = a.profiles[i].dpiInfo[s];
            if (x.used != y.used || x.x != y.x || x.y != y.y)
                return true;
        }
    }
    return false;
}

bool buttonsDiffer(const MouseSettings &w, const MouseSettings &a)
{
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        for (int s = 0; s < BUTTON_SLOT_COUNT; ++s) {
            const ButtonInfo &x = w.profiles[i].buttonInfo[s], &y = a.profiles[i].buttonInfo[s];
            if (x.id != y.id || x.fun != y.fun || x.loopNumber != y.loopNumber
                || x.keyNumber != y.keyNumber || x.res1 != y.res1 || x.res2 != y.res2
                || x.res3 != y.res3 || x.res4 != y.res4)
                return true;
            if (x.fun == FunMacro) {
                if (x.macroName != y.macroName || keyInfoDiffers(x, y))
                    return true;
                // Same name and events in the record, but the file may have been
                // edited since the last write: its mark tells until a download clears it.
                if (readWriteSign(x.macroName) != 0)
                    return true;
            } else if (keyInfoDiffers(x, y)) {
                return true;
            }
        }
    }
    return false;
}

bool lightingDiffers(const MouseSettings &w, const MouseSettings &a)
{
    // Profile 0 carries the whole table the mouse gets.
    for (int m = 0; m < LED_MODE_COUNT; ++m) {
        if (ledSettingDiffers(w.profiles[0].ledModes[m], a.profiles[0].ledModes[m]))
            return true;
    }
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        const ProfileData &pw = w.profiles[i], &pa = a.profiles[i];
        if (pw.ledMode != pa.ledMode)
            return true;
        if (pw.ledMode < LED_MODE_COUNT && ledSettingDiffers(pw.ledModes[pw.ledMode], pa.ledModes[pw.ledMode]))
            return true;
    }
    return false;
}

} // namespace

void makeDefaultProfile(ProfileData &profile)
{
    profile = ProfileData();
    profile.pollrate = 1;
    profile.dpi = 1;
    profile.ledMode = 1;
    profile.mouseSpeed = 10;
    profile.dbClickSpeed = 5;
    profile.scrollIsPage = 0;
    profile.scrollSpeed = 1;
    profile.accelEnable = 1;
    profile.acee = 1;

    DeviceDescription description;
    if (readDeviceDescription(description) == 0)
        applyDescription(profile, description);
    else
        applyBuiltInDefaults(profile);

    profile.ledMoveOff = 0;
    profile.ledSleepTime = 1;
    for (LedModeSetting &led : profile.ledModes) {
        led.h = 360;
        led.s = 0;
        led.v = 0;
    }
    profile.buttonInfo[40].fun = kWheelTiltFuns[0];
    profile.buttonInfo[41].fun = kWheelTiltFuns[1];
}

void makeDefaultSettings(MouseSettings &settings)
{
    settings.profileId = 0;
    settings.angleValue = 0;
    settings.liftHigh = 2;
    makeDefaultProfile(settings.profiles[0]);
    for (int i = 0; i < PROFILE_COUNT; ++i)
        settings.profileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
}

int effectProfileIndex(const MouseSettings &settings, bool singleLighting)
{
    return singleLighting ? 0 : activeSlot(settings);
}

int diffSettings(const MouseSettings &working, const MouseSettings &applied)
{
    int flags = 0;
    if (basicDiffers(working, applied))
        flags |= ChangeBasic;
    // Another slot sends its own DPI stages and key table.
    if (working.profileId != applied.profileId)
        flags |= ChangeDpi | ChangeButtons;
    if (dpiDiffers(working, applied))
        flags |= ChangeDpi;
    if (buttonsDiffer(working, applied))
        flags |= ChangeButtons;
    if (lightingDiffers(working, applied))
        flags |= ChangeLighting;
    return flags;
}

bool isNear(int a, int b)
{
    return std::abs(a - b) <= 9;
}
