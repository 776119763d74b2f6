#pragma once
// The entries of one ProfileData inside an INI group: [PROFILE] of a profile
// file, [PROFILE_0]..[PROFILE_4] of a settings export.
#include "storage/IniFile.h"
#include "storage/MouseSettings.h"

enum class LedPowerEntries { Included, Left };

void writeProfileEntries(QSettings &ini, const QString &group, const ProfileData &profile,
                         LedPowerEntries ledPower);
// Absent entries read as their absent values; ledMoveOff and ledSleepTime keep
// their values when ledPower is Left.
void readProfileEntries(const IniFile &ini, const QString &group, ProfileData &profile,
                        LedPowerEntries ledPower);
// The key of one button's entry, tail "_Fun", "_macroname", ...
QString buttonEntryKey(const QString &group, int slot, const char *tail);
