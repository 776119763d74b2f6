#pragma once
// Sample settings records with every field set, and a field-by-field comparison
// that names the first difference (for readable test failures).
#include "storage/MouseSettings.h"
#include <QString>

// A profile whose fields all differ from the defaults and from other seeds.
ProfileData sampleProfile(int seed);
MouseSettings sampleSettings(int seed);

enum class CompareLedPower { Yes, No };
// Empty when equal, else the name of the first differing field.
QString profileDifference(const ProfileData &a, const ProfileData &b,
                          CompareLedPower ledPower = CompareLedPower::Yes);
QString settingsDifference(const MouseSettings &a, const MouseSettings &b,
                           CompareLedPower ledPower = CompareLedPower::Yes);
