#include "storage/ConfigStorage.h"
#include "storage/AppPaths.h"
#include "storage/DeviceDescription.h"
#include "storage/IniFile.h"
#include "storage/ProfileEntries.h"
#include "storage/SafeName.h"
#include "storage/SlotNames.h"
#include <QDebug>
#include <QFileInfo>
#include <functional>

namespace {

constexpr int kBatteryFullAbsent = 4200;

QString profileNameKey(int slot)
{
    return QStringLiteral("Config/Profile%1").arg(slot + 1);
}

QString defaultProfileName(int slot)
{
    return QStringLiteral("Profile %1").arg(slot + 1);
}

int configInt(const QString &key, int absent = 0)
{
    return IniFile(configFilePath()).intValue(key, absent);
}

QString configString(const QString &key)
{
    return IniFile(configFilePath()).stringValue(key);
}

// Config.ini after `change`; a file that already holds the outcome is neither
// locked nor written. False when change refuses or the file cannot be written.
bool changeConfig(const std::function<bool(IniText &)> &change)
{
    QByteArray bytes;
    if (readUnlockedBytes(configFilePath(), bytes)) {
        IniText text(bytes);
        const bool ok = change(text);
        if (text.toBytes() == bytes)
            return ok;
    }
    IniWriter ini(configFilePath());
    const bool ok = change(ini.settings());
    return ini.commit() && ok;
}

bool setConfigValue(const QString &key, const QVariant &value)
{
    return changeConfig([&](IniText &ini) {
        ini.setValue(key, value);
        return true;
    });
}

// The five slot names; false for a name that cannot name a file (it is not stored).
bool setProfileNames(IniText &ini, const MouseSettings &settings)
{
    bool ok = true;
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        if (isSafeFileName(settings.profileNames[i])) {
            ini.setValue(profileNameKey(i), settings.profileNames[i]);
        } else {
            qWarning().noquote() << "Not storing unusable profile name" << settings.profileNames[i];
            ok = false;
        }
    }
    return ok;
}

void readConfigFields(const IniFile &ini, MouseSettings &settings)
{
    for (const SettingField<MouseSettings> &field : configFields()) {
        long long rejected = 0;
        if (!readConfigEntry(ini, field, settings, &rejected)) {
            qWarning().noquote() << configEntryKey(field) << "=" << rejected << "is not a profile slot in"
                                 << ini.path() << "- using" << field.absent;
            field.member.setNumber(settings, field.absent);
        }
    }
}

QString profileIdKey()
{
    return configEntryKey(configField(&MouseSettings::profileId));
}

} // namespace

QString configFilePath()
{
    return configDir() + QStringLiteral("/Config.ini");
}

QString langConfigFilePath()
{
    return configDir() + QStringLiteral("/LangConfig.ini");
}

QString productConfigFilePath()
{
    const QString product = currentProductName();
    if (!isSafeFileName(product))
        return configFilePath();
    // A name taken by a file of Configs ("Config.ini" itself) cannot be made a folder.
    const QString folder = configDir() + QLatin1Char('/') + product;
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return configFilePath();
    return folder + QStringLiteral("/Config.ini");
}

bool loadSettings(MouseSettings &settings)
{
    const IniFile ini(configFilePath());
    const bool present = ini.exists();
    readConfigFields(ini, settings);
    // Made once for every slot that has no file of its own.
    ProfileData factory;
    bool factoryMade = false;
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        QString name = ini.stringValue(profileNameKey(i));
        if (!isSafeFileName(name)) {
            // An empty or hostile name cannot name a file; the slot's default can.
            if (!name.isEmpty())
                qWarning().noquote() << profileNameKey(i) << "=" << name << "is not usable -"
                                     << fileNameProblem(name);
            name = defaultProfileName(i);
        }
        settings.profileNames[i] = name;
        // A fresh installation has no profile files yet; factory defaults beat zeros.
        if (!QFileInfo::exists(profileFilePath(name)) || loadProfileByName(settings.profiles[i], name) < 0) {
            if (!factoryMade)
                makeDefaultProfile(factory);
            factoryMade = true;
            settings.profiles[i] = factory;
        }
    }
    // Slots that shared a file each keep what they read, under names of their own.
    separateSlotNames(settings);
    loadButtonMatrix(buttonMatrix());
    return present;
}

bool saveSettings(const MouseSettings &settings)
{
    // Every slot is written: an apply sends all five profiles to the mouse, so
    // the files must hold all five too. They come before the slot names, so
    // that a save cut short never leaves a name whose file was not yet written.
    bool ok = true;
    for (int i = 0; i < PROFILE_COUNT; ++i)
        ok = saveProfileByName(settings.profiles[i], settings.profileNames[i]) && ok;
    return saveConfigEntries(settings) && ok;
}

bool saveConfigEntries(const MouseSettings &settings)
{
    // Config.ini is locked for its own write only, so other writers of it (the
    // status display, mousectl) are not kept waiting.
    return changeConfig([&](IniText &ini) {
        for (const SettingField<MouseSettings> &field : configFields())
            writeConfigEntry(ini, field, settings);
        return setProfileNames(ini, settings);
    });
}

bool saveProfileList(const MouseSettings &settings)
{
    // The slot list alone: which slot is active, the count and the names.
    return changeConfig([&](IniText &ini) {
        for (uint8_t MouseSettings::*member : {&MouseSettings::profileId, &MouseSettings::count})
            writeConfigEntry(ini, configField(member), settings);
        return setProfileNames(ini, settings);
    });
}

bool saveCurrentProfileId(int profileId)
{
    return setConfigValue(profileIdKey(), profileId);
}

int readDiffFlag()
{
    return configInt(QStringLiteral("Config/Diff"));
}

bool writeDiffFlag(int diff)
{
    return setConfigValue(QStringLiteral("Config/Diff"), diff);
}

QString currentProductName()
{
    return configString(QStringLiteral("Config/CurrentProductName"));
}

bool setCurrentProductName(const QString &name)
{
    return setConfigValue(QStringLiteral("Config/CurrentProductName"), name);
}

int mouseSensor()
{
    return configInt(QStringLiteral("MouseSenSor/1"));
}

int mouseLedModeKind()
{
    return configInt(QStringLiteral("MouseLEDMode/") + currentProductName());
}

int batteryPercent()
{
    return configInt(QStringLiteral("Config/Battery"));
}

bool setBatteryPercent(int percent)
{
    return setConfigValue(QStringLiteral("Config/Battery"), percent);
}

int batteryFull()
{
    return configInt(QStringLiteral("Config/BatteryFull"), kBatteryFullAbsent);
}

QString modelText()
{
    return configString(QStringLiteral("Config/Model"));
}

QString deviceListName()
{
    return configString(QStringLiteral("Mouse_List/0"));
}

bool isSingleLightingModel(const QString &deviceName)
{
    return deviceName == QLatin1String("6350");
}
