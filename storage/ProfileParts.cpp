#include "storage/ProfileParts.h"
#include "storage/ProfileEntries.h"
#include "storage/SafeName.h"
#include "storage/SlotNames.h"
#include <QDebug>

QString profileFileGroup()
{
    return QStringLiteral("PROFILE");
}

QString settingsExportGroup(int slot)
{
    return QStringLiteral("PROFILE_%1").arg(slot);
}

QStringList settingsExportGroups()
{
    QStringList groups{QStringLiteral("Config")};
    for (int i = 0; i < PROFILE_COUNT; ++i)
        groups << settingsExportGroup(i);
    return groups;
}

void importSettingsConfig(const IniFile &ini, MouseSettings &settings, QList<int> *renamedSlots)
{
    for (const SettingField<MouseSettings> &field : configFields()) {
        long long rejected = 0;
        if (!readConfigEntry(ini, field, settings, &rejected))
            qWarning().noquote() << "Imported" << configEntryKey(field) << rejected << "is not a slot - keeping"
                                 << field.member.number(settings);
    }
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        const QString key = QStringLiteral("Config/Profile%1").arg(i + 1);
        const QString name = ini.stringValue(key);
        // The name becomes a file name on the next save: keep the old one
        // rather than take an empty or hostile one.
        if (isSafeFileName(name))
            settings.profileNames[i] = name;
        else
            qWarning().noquote() << "Imported" << key << "=" << name << "is not usable - keeping"
                                 << settings.profileNames[i];
    }
    const QList<int> renamed = separateSlotNames(settings);
    if (renamedSlots)
        *renamedSlots = renamed;
}
