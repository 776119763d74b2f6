#pragma once
// The settings record of all five profiles: what the panels edit, the files
// hold and the mouse receives.
#include <QColor>
#include <QString>
#include <cstdint>

constexpr int PROFILE_COUNT = 5;
constexpr int DPI_STAGE_COUNT = 8;
constexpr int BUTTON_SLOT_COUNT = 42;
constexpr int KEY_INFO_COUNT = 63;
constexpr int LED_MODE_COUNT = 14;

// Change flags: which report groups a write sends.
enum ChangeFlag : int {
    ChangeBasic = 1,
    ChangeDpi = 2,
    ChangeButtons = 4,
    ChangeLighting = 8,
    ChangeAll = 15,
};

// Function codes with a meaning outside the plain function table.
constexpr int FunMacro = 200;
constexpr int FunGunFile = 510;

struct DpiStage {
    uint8_t used = 0;
    uint8_t link = 0;
    uint32_t xy = 0;
    uint32_t x = 0;
    uint32_t y = 0;
};

struct KeyInfo {
    uint8_t map = 0;
    uint8_t low = 0;
    uint8_t high = 0;
};

struct ButtonInfo {
    int32_t id = 0;
    int32_t fun = 0;
    int32_t loopNumber = 0;
    int32_t keyNumber = 0;
    KeyInfo keyInfo[KEY_INFO_COUNT] = {};
    uint8_t res1 = 0;
    uint8_t res2 = 0;
    uint8_t res3 = 0;
    uint8_t res4 = 0;
    QString macroName;
};

struct LedModeSetting {
    QColor rgb;
    int32_t h = 0;
    int32_t s = 0;
    int32_t v = 0;
    int32_t bright = 0;
    int32_t breath = 0;
};

struct ProfileData {
    uint8_t pollrate = 0;
    uint8_t dpi = 0;
    uint8_t ledMode = 0;
    uint8_t ledMoveOff = 0;
    uint8_t ledSleepTime = 0;
    DpiStage dpiInfo[DPI_STAGE_COUNT] = {};
    uint8_t mouseSpeed = 0;
    uint8_t dbClickSpeed = 0;
    uint8_t scrollIsPage = 0;
    uint8_t scrollSpeed = 0;
    uint8_t accelEnable = 0;
    uint8_t acee = 0;
    ButtonInfo buttonInfo[BUTTON_SLOT_COUNT] = {};
    LedModeSetting ledModes[LED_MODE_COUNT] = {};
    QString profileName;
    QString profilePath;
};

struct MouseSettings {
    uint8_t profileId = 0;
    ProfileData profiles[PROFILE_COUNT] = {};
    uint8_t angleValue = 0;
    uint8_t liftHigh = 0;
    uint8_t count = 0;
    QString profileNames[PROFILE_COUNT];
};

// The slot the record makes active; an index beyond the slots reads as the first.
inline int activeSlot(const MouseSettings &settings)
{
    return settings.profileId < PROFILE_COUNT ? settings.profileId : 0;
}

void makeDefaultProfile(ProfileData &profile);
void makeDefaultSettings(MouseSettings &settings);

// Which groups differ between the working and the last-applied record, by
// what each group sends: the active profile's DPI stages, key table and
// effect, profile 0's lighting table, sleep time and move-off.
// Reads, never writes, "Setting/WriteSign" of the macros the buttons play: a
// marked one (edited under an unchanged name) counts as a button change.
int diffSettings(const MouseSettings &working, const MouseSettings &applied);

// The profile whose lighting effect the mouse shows: the active one, or
// profile 0 on a single-lighting model.
int effectProfileIndex(const MouseSettings &settings, bool singleLighting);

// DPI shown for a raw stage value on a sensor; 0 for an unknown sensor.
int sensorDpi(int raw, int sensor);

bool isNear(int a, int b);
