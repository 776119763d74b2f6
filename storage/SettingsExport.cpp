#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "storage/ProfileEntries.h"
#include "storage/SafeName.h"
#include <QDebug>

namespace {

const QString kMouseNameKey = QStringLiteral("MouseName/Name");

QString exportGroup(int slot)
{
    return QStringLiteral("PROFILE_%1").arg(slot);
}

QString profileNameKey(int slot)
{
    return QStringLiteral("Config/Profile%1").arg(slot + 1);
}

} // namespace

bool exportSettings(const MouseSettings &settings, const QString &path)
{
    IniWriter ini(path);
    ini->setValue(QStringLiteral("Config/ProfileID"), int(settings.profileId));
    ini->setValue(QStringLiteral("Config/AngleValue"), int(settings.angleValue));
    ini->setValue(QStringLiteral("Config/LiftHigh"), int(settings.liftHigh));
    ini->setValue(QStringLiteral("Config/Count"), int(settings.count));
    for (int i = 0; i < PROFILE_COUNT; ++i)
        ini->setValue(profileNameKey(i), settings.profileNames[i]);
    for (int i = 0; i < PROFILE_COUNT; ++i)
        writeProfileEntries(ini.settings(), exportGroup(i), settings.profiles[i], LedPowerEntries::Left);
    return ini.commit();
}

int importSettings(MouseSettings &settings, const QString &path)
{
    const IniFile ini(path);
    if (!ini.exists()) {
        qWarning().noquote() << "Settings file to import does not exist:" << path;
        return -1;
    }
    const int id = ini.intValue(QStringLiteral("Config/ProfileID"));
    if (id >= 0 && id < PROFILE_COUNT)
        settings.profileId = uint8_t(id);
    else
        qWarning().noquote() << "Imported Config/ProfileID" << id << "is not a slot - keeping" << settings.profileId;
    settings.angleValue = ini.byteValue(QStringLiteral("Config/AngleValue"));
    settings.liftHigh = ini.byteValue(QStringLiteral("Config/LiftHigh"));
    settings.count = ini.byteValue(QStringLiteral("Config/Count"));
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        const QString name = ini.stringValue(profileNameKey(i));
        // The name becomes a file name on the next save: keep the old one
        // rather than take an empty or hostile one.
        if (isSafeFileName(name))
            settings.profileNames[i] = name;
        else
            qWarning().noquote() << "Imported" << profileNameKey(i) << "=" << name
                                 << "is not usable - keeping" << settings.profileNames[i];
        readProfileEntries(ini, exportGroup(i), settings.profiles[i], LedPowerEntries::Left);
    }
    return 0;
}

bool writeMouseName(const QString &name, const QString &path)
{
    IniWriter ini(path);
    ini->setValue(kMouseNameKey, name);
    return ini.commit();
}

QString readMouseName(const QString &path)
{
    return IniFile(path).stringValue(kMouseNameKey);
}
