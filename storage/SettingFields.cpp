#include "storage/SettingFields.h"
#include "model/PanelLimits.h"

namespace {

template <typename Record, size_t N>
FieldTable<Record> tableOf(const SettingField<Record> (&rows)[N])
{
    return {rows, rows + N};
}

constexpr ValueRule range(int min, int max)
{
    return {FieldValues::Range, min, max, 1, 0};
}
constexpr ValueRule kSwitch = {FieldValues::Switch, 0, 0, 1, 0};
constexpr ValueRule kAxisLink = {FieldValues::AxisLink, 0, 0, 1, 0};
constexpr ValueRule kSensorDpi = {FieldValues::SensorDpi, 0, 0, 1, 0};

bool playsMacro(const ButtonInfo &button)
{
    return button.fun == FunMacro;
}

using Config = SettingField<MouseSettings>;
using Profile = SettingField<ProfileData>;
using Stage = SettingField<DpiStage>;
using Button = SettingField<ButtonInfo>;
using Event = SettingField<KeyInfo>;
using Led = SettingField<LedModeSetting>;

} // namespace

const FieldTable<MouseSettings> &configFields()
{
    static const Config rows[] = {
        // Another slot also sends its own DPI stages and key table.
        Config("ProfileID", &MouseSettings::profileId)
            .startsAs(0)
            .writtenAs(FieldKind::Int)
            .indexInto(PROFILE_COUNT)
            .sentIn(ChangeBasic | ChangeDpi | ChangeButtons),
        Config("AngleValue", &MouseSettings::angleValue).startsAs(0),
        Config("LiftHigh", &MouseSettings::liftHigh)
            .startsAs(2)
            .sentIn(ChangeBasic)
            .offers(range(1, 2))
            .named("lift-off", "lift-off distance in mm (all slots)"),
        Config("Count", &MouseSettings::count),
    };
    static const FieldTable<MouseSettings> table = tableOf(rows);
    return table;
}

const SettingField<MouseSettings> &configField(uint8_t MouseSettings::*member)
{
    for (const Config &field : configFields()) {
        if (field.member.byte == member)
            return field;
    }
    Q_UNREACHABLE();
}

const FieldTable<ProfileData> &profileFields()
{
    static const Profile rows[] = {
        Profile("pollrate", &ProfileData::pollrate)
            .startsAs(1)
            .sentIn(ChangeBasic)
            .offers({FieldValues::ReportRate})
            .named("rate", "report rate in Hz"),
        // Pointer and double-click speed, page scrolling and acceleration stay on the desktop.
        Profile("mousespeed", &ProfileData::mouseSpeed)
            .startsAs(10)
            .offers(range(SPEED_SETTING_MIN, SPEED_SETTING_MAX))
            .named("pointer-speed", "pointer speed while the slot is active"),
        Profile("dbclickspeed", &ProfileData::dbClickSpeed).startsAs(5),
        Profile("scrollispage", &ProfileData::scrollIsPage),
        Profile("scrollspeed", &ProfileData::scrollSpeed)
            .startsAs(1)
            .sentIn(ChangeBasic)
            .offers(range(SPEED_SETTING_MIN, SPEED_SETTING_MAX))
            .named("scroll-speed", "lines per wheel step"),
        Profile("accelenable", &ProfileData::accelEnable).startsAs(1),
        Profile("acee", &ProfileData::acee).startsAs(1),
        Profile("dpi", &ProfileData::dpi)
            .startsAs(1)
            .indexInto(DPI_STAGE_COUNT)
            .sentIn(ChangeBasic, SentFrom::ActiveProfile)
            .offers({FieldValues::StageNumber})
            .named("dpi.active", "the DPI stage in use"),
        Profile("LedMode", &ProfileData::ledMode)
            .startsAs(1)
            .indexInto(LED_MODE_COUNT)
            .sentIn(ChangeBasic, SentFrom::ActiveAndEffect)
            .sentIn(ChangeLighting)
            .offers({FieldValues::LightingEffect})
            .named("light.effect", "lighting effect"),
        // Sleep time and move-off go out from profile 0; the active profile's
        // copies count too, as the page edits both.
        Profile("LedSleepTime", &ProfileData::ledSleepTime)
            .startsAs(1)
            .absentAs(1)
            .keptByInstallation()
            .sentIn(ChangeBasic, SentFrom::ActiveAndFirst)
            .offers(range(LIGHT_SLEEP_MIN, LIGHT_SLEEP_MAX))
            .named("light.sleep", "minutes without use before the lights go out"),
        Profile("LedMoveOFF", &ProfileData::ledMoveOff)
            .startsAs(LIGHT_MOVE_OFF_ON)
            .absentAs(LIGHT_MOVE_OFF_OFF)
            .keptByInstallation()
            .sentIn(ChangeBasic, SentFrom::ActiveAndFirst)
            .offers({FieldValues::Switch, 0, 0, LIGHT_MOVE_OFF_ON, LIGHT_MOVE_OFF_OFF})
            .named("light.move-off", "whether the lights go out while the mouse moves"),
        Profile("ProfileName", &ProfileData::profileName),
        Profile("ProfilePath", &ProfileData::profilePath),
    };
    static const FieldTable<ProfileData> table = tableOf(rows);
    return table;
}

const EntryTable<ProfileData, DpiStage, DPI_STAGE_COUNT> &dpiStageFields()
{
    static const Stage rows[] = {
        Stage("_used", &DpiStage::used)
            .sentIn(ChangeDpi)
            .offers(kSwitch)
            .named("dpi.N.on", "whether DPI stage %1 is used"),
        Stage("_x", &DpiStage::x).sentIn(ChangeDpi).offers(kSensorDpi).named("dpi.N.x", "X DPI of stage %1"),
        Stage("_y", &DpiStage::y).sentIn(ChangeDpi).offers(kSensorDpi).named("dpi.N.y", "Y DPI of stage %1"),
        Stage("_link", &DpiStage::link)
            .offers(kAxisLink)
            .named("dpi.N.link", "whether X and Y of stage %1 move together"),
        Stage("_xy", &DpiStage::xy),
    };
    static const EntryTable<ProfileData, DpiStage, DPI_STAGE_COUNT> table{"DPI_INFO_", &ProfileData::dpiInfo,
                                                                          tableOf(rows)};
    return table;
}

const EntryTable<ProfileData, ButtonInfo, BUTTON_SLOT_COUNT> &buttonFields()
{
    static const Button rows[] = {
        Button("_ID", &ButtonInfo::id).sentIn(ChangeButtons),
        Button("_Fun", &ButtonInfo::fun).sentIn(ChangeButtons),
        Button("_LoopNumber", &ButtonInfo::loopNumber).sentIn(ChangeButtons),
        Button("_KeyNumber", &ButtonInfo::keyNumber).sentIn(ChangeButtons),
        Button("_Res1", &ButtonInfo::res1).sentIn(ChangeButtons),
        Button("_Res2", &ButtonInfo::res2).sentIn(ChangeButtons),
        Button("_Res3", &ButtonInfo::res3).sentIn(ChangeButtons),
        Button("_Res4", &ButtonInfo::res4).sentIn(ChangeButtons),
        // Another function's name is a leftover the key table does not hold.
        Button("_macroname", &ButtonInfo::macroName).sentIn(ChangeButtons, SentFrom::EveryProfile, playsMacro),
    };
    static const EntryTable<ProfileData, ButtonInfo, BUTTON_SLOT_COUNT> table{"BUTTON_INFO_", &ProfileData::buttonInfo,
                                                                              tableOf(rows)};
    return table;
}

const EntryTable<ButtonInfo, KeyInfo, KEY_INFO_COUNT> &keyInfoFields()
{
    static const Event rows[] = {
        Event("_map", &KeyInfo::map).sentIn(ChangeButtons),
        Event("_", &KeyInfo::low).sentIn(ChangeButtons),
        Event("_H", &KeyInfo::high).sentIn(ChangeButtons),
    };
    static const EntryTable<ButtonInfo, KeyInfo, KEY_INFO_COUNT> table{"_KeyInfo_", &ButtonInfo::keyInfo, tableOf(rows)};
    return table;
}

const EntryTable<ProfileData, LedModeSetting, LED_MODE_COUNT> &ledModeFields()
{
    // Colour, brightness and speed belong to the current effect.
    static const Led rows[] = {
        Led("_RGB", &LedModeSetting::rgb)
            .sentIn(ChangeLighting, SentFrom::FirstAndShownModes)
            .offers({FieldValues::Colour})
            .named("light.color", "colour of the current effect"),
        Led("_h", &LedModeSetting::h)
            .startsAs(360)
            .writtenAs(FieldKind::SignedAsUint)
            .sentIn(ChangeLighting, SentFrom::FirstAndShownModes),
        Led("_s", &LedModeSetting::s).writtenAs(FieldKind::SignedAsUint).sentIn(ChangeLighting, SentFrom::FirstAndShownModes),
        Led("_v", &LedModeSetting::v).writtenAs(FieldKind::SignedAsUint).sentIn(ChangeLighting, SentFrom::FirstAndShownModes),
        Led("_bright", &LedModeSetting::bright)
            .writtenAs(FieldKind::SignedAsUint)
            .sentIn(ChangeLighting, SentFrom::FirstAndShownModes)
            .offers(range(LIGHT_BRIGHTNESS_MIN, LIGHT_BRIGHTNESS_MAX))
            .named("light.brightness", "brightness of the current effect"),
        Led("_breath", &LedModeSetting::breath)
            .writtenAs(FieldKind::SignedAsUint)
            .sentIn(ChangeLighting, SentFrom::FirstAndShownModes)
            .offers(range(LIGHT_SPEED_MIN, LIGHT_SPEED_MAX))
            .named("light.speed", "speed of the current effect"),
    };
    static const EntryTable<ProfileData, LedModeSetting, LED_MODE_COUNT> table{"LedMode/LED_MODE_", &ProfileData::ledModes,
                                                                               tableOf(rows)};
    return table;
}
