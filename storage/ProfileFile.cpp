#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "storage/ProfileEntries.h"
#include "storage/SafeName.h"
#include <QDebug>
#include <QDir>
#include <QFile>

namespace {

const QString kGroup = QStringLiteral("PROFILE");

bool refuseName(const QString &name, const char *operation)
{
    const QString problem = fileNameProblem(name);
    if (problem.isEmpty())
        return false;
    qWarning().noquote() << operation << "refused profile name" << name << "-" << problem;
    return true;
}

} // namespace

QString profileDir()
{
    return configDir() + QStringLiteral("/Profile");
}

QString profileFilePath(const QString &name)
{
    return profileDir() + QLatin1Char('/') + name + QStringLiteral(".prof");
}

QString defaultProfileFilePath()
{
    return profileFilePath(QStringLiteral("DefaultProfile"));
}

int loadProfile(ProfileData &profile, const QString &path)
{
    const IniFile ini(path);
    const bool present = ini.exists();
    readProfileEntries(ini, kGroup, profile, LedPowerEntries::Included);
    return present ? 0 : -1;
}

bool saveProfile(const ProfileData &profile, const QString &path)
{
    IniWriter ini(path);
    writeProfileEntries(ini.settings(), kGroup, profile, LedPowerEntries::Included);
    return ini.commit();
}

int loadProfileByName(ProfileData &profile, const QString &name)
{
    if (refuseName(name, "Loading"))
        return -1;
    return loadProfile(profile, profileFilePath(name));
}

bool saveProfileByName(const ProfileData &profile, const QString &name)
{
    if (refuseName(name, "Saving"))
        return false;
    return saveProfile(profile, profileFilePath(name));
}

bool saveProfileDpi(const QString &name, int stage)
{
    if (refuseName(name, "Saving the DPI stage of"))
        return false;
    // A one-entry file would later read as a profile of zeros.
    if (!QFile::exists(profileFilePath(name))) {
        qWarning().noquote() << "No profile file to store the DPI stage in:" << profileFilePath(name);
        return false;
    }
    IniWriter ini(profileFilePath(name));
    ini->setValue(QStringLiteral("PROFILE/dpi"), stage);
    return ini.commit();
}

bool renameMacroInProfileFiles(const QString &oldName, const QString &newName)
{
    bool ok = true;
    const QDir dir(profileDir());
    for (const QString &file : dir.entryList({QStringLiteral("*.prof")}, QDir::Files)) {
        const QString path = dir.filePath(file);
        QList<int> used;
        {
            const IniFile ini(path);
            for (int i = 0; i < BUTTON_SLOT_COUNT; ++i) {
                const int fun = ini.intValue(buttonEntryKey(kGroup, i, "_Fun"));
                if ((fun == FunMacro || fun == FunGunFile)
                    && ini.stringValue(buttonEntryKey(kGroup, i, "_macroname")) == oldName)
                    used << i;
            }
        }
        if (used.isEmpty())
            continue;
        IniWriter ini(path);
        for (int i : used)
            ini->setValue(buttonEntryKey(kGroup, i, "_macroname"), newName);
        ok = ini.commit() && ok;
    }
    return ok;
}

bool isProfileFile(const QString &path)
{
    return IniFile(path).hasGroups({kGroup});
}

bool writeDefaultProfileFile()
{
    ProfileData profile;
    makeDefaultProfile(profile);
    return saveProfile(profile, defaultProfileFilePath());
}
