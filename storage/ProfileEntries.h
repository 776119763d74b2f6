#pragma once
// The entries of one ProfileData inside an INI group: [PROFILE] of a profile
// file, [PROFILE_0]..[PROFILE_4] of a settings export; and the record fields
// of the Config group. All of them as the tables of SettingFields.h declare them.
#include "storage/IniFile.h"
#include "storage/MouseSettings.h"
#include "storage/SettingFields.h"

enum class LedPowerEntries { Included, Left };

// A profile group splits into parts that are read, written and compared on
// their own: part 0 the profile's own fields, then each DPI stage, each
// button's own fields followed by its key events in runs of KEY_INFO_RUN, each
// LED mode. The whole group is all of them in turn.
constexpr int KEY_INFO_RUN = 9;
constexpr int PROFILE_PART_COUNT =
    1 + DPI_STAGE_COUNT + BUTTON_SLOT_COUNT * (1 + KEY_INFO_COUNT / KEY_INFO_RUN) + LED_MODE_COUNT;
void writeProfilePart(IniText &ini, const QString &group, int part, const ProfileData &profile,
                      LedPowerEntries ledPower);
void readProfilePart(const IniFile &ini, const QString &group, int part, ProfileData &profile,
                     LedPowerEntries ledPower);
bool sameProfilePart(const ProfileData &a, const ProfileData &b, int part);

void writeProfileEntries(IniText &ini, const QString &group, const ProfileData &profile,
                         LedPowerEntries ledPower);
// Absent entries read as their absent values; ledMoveOff and ledSleepTime keep
// their values when ledPower is Left.
void readProfileEntries(const IniFile &ini, const QString &group, ProfileData &profile,
                        LedPowerEntries ledPower);
// True when a and b write the same entries (every field of the tables equal).
bool sameProfileEntries(const ProfileData &a, const ProfileData &b);
// The key of one button's entry, tail "_Fun", "_macroname", ...
QString buttonEntryKey(const QString &group, int slot, const char *tail);

// "Config/<key>" of the record's fields.
QString configEntryKey(const SettingField<MouseSettings> &field);
void writeConfigEntry(IniText &ini, const SettingField<MouseSettings> &field, const MouseSettings &settings);
// False, with the member left as it was and the value in *rejected, for an
// index beyond its table.
bool readConfigEntry(const IniFile &ini, const SettingField<MouseSettings> &field, MouseSettings &settings,
                     long long *rejected = nullptr);
