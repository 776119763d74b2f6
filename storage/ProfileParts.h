#pragma once
// The profile groups of profile files and settings exports, for code that
// takes a file's bytes in one part at a time (see ProfileEntries.h): the
// group names, and what a settings import takes from outside its profile groups.
#include "storage/IniFile.h"
#include "storage/MouseSettings.h"
#include <QList>
#include <QStringList>

QString profileFileGroup();            // "PROFILE"
QString settingsExportGroup(int slot); // "PROFILE_<slot>"
// The groups a settings export must hold: [Config] and every slot's.
QStringList settingsExportGroups();
// The [Config] entries and the slot names of a settings export, taken in as
// importSettings takes them, without any profile group.
void importSettingsConfig(const IniFile &ini, MouseSettings &settings, QList<int> *renamedSlots = nullptr);
